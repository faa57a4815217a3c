// The windows on a real display, each run under a display of its own that
// with_display.sh starts: a headless Wayland compositor (weston) and an X
// server (Xvfb). Every window is maximised, minimised and shown again the way
// its title bar's buttons do it, and NOTES and WEB LINK are pressed twice;
// the program must live through all of it with one window of each kind, and
// the fixed-size windows must keep their size. The test starts as the program
// does: the window system is chosen by quill::app::ChooseWindowSystem.
#include <QApplication>
#include <QPointer>
#include <QPushButton>
#include <QTest>
#include <QWindow>
#include <optional>

#include "app/session.h"
#include "app/windows.h"
#include "gui_support.h"
#include "ui/common/forms.h"
#include "ui/main/form1.h"
#include "ui/notes/frmabout.h"
#include "ui/notes/frmabout_design.h"
#include "ui/weblink/web.h"
#include "ui/weblink/web_design.h"
#include "x11_stack.h"

using namespace quill;

namespace {

enum class Kind { Main, Notes, WebLink };

bool onX11() { return QGuiApplication::platformName() == QLatin1String("xcb"); }

// Lets the window system answer what was asked of it: a compositor that
// takes offence ends the connection, and with it this test, in this time.
// The event loop runs first, as after a click on a title bar's button: the
// program answers a request before the compositor's reply comes in.
void settle() {
  QTest::qWait(300);
  QGuiApplication::sync();
  QTest::qWait(100);
}

// The open window of one kind, made the way the user makes it.
QWidget* open(Kind kind) {
  Form1* form = app::MainWindow();
  switch (kind) {
    case Kind::Main:
      return app::ShowMainWindow();
    case Kind::Notes:
      form->Command2->click();
      return app::NotesWindow();
    case Kind::WebLink:
      form->Command3->click();
      return app::WebLinkWindow();
  }
  return nullptr;
}

// What the title bar's buttons do: Qt's own decorations on Wayland call just
// this on the window, and a window manager's ask for the same state.
void toggleMaximised(QWidget* window) {
  QWindow* handle = window->windowHandle();
  handle->setWindowStates(handle->windowStates() ^ Qt::WindowMaximized);
}
void minimise(QWidget* window) { window->windowHandle()->setWindowState(Qt::WindowMinimized); }

std::optional<QSize> fixedSize(Kind kind) {
  using ui::px;
  switch (kind) {
    case Kind::Main:
      return std::nullopt;  // a sizable window
    case Kind::Notes:
      return QSize(px(ui::notes::kClientWidth), px(ui::notes::kClientHeight));
    case Kind::WebLink:
      return QSize(px(ui::weblink::kClientWidth), px(ui::weblink::kClientHeight));
  }
  return std::nullopt;
}

// Counts the times a window is taken off the screen (an expose event that
// leaves it unexposed), as when it is mapped afresh.
class UnmapCounter : public QObject {
 public:
  explicit UnmapCounter(QWidget* window) : QObject(window), window_(window->windowHandle()) {
    window_->installEventFilter(this);
  }
  int count = 0;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (watched == window_ && event->type() == QEvent::Expose && !window_->isExposed()) ++count;
    return false;
  }

 private:
  QWindow* window_;
};

}  // namespace

Q_DECLARE_METATYPE(Kind)

class TestSession : public QObject {
  Q_OBJECT

  // Exactly one window of each kind that is open, and each one shown.
  static void checkOneOfEach() {
    QCOMPARE(test::OpenWindows<Form1>().size(), 1);
    QVERIFY(test::OpenWindows<Form1>().first()->isVisible());
    QVERIFY(test::OpenWindows<frmAbout>().size() <= 1);
    QVERIFY(test::OpenWindows<web>().size() <= 1);
    for (QWidget* w : QApplication::topLevelWidgets()) {
      if (qobject_cast<frmAbout*>(w) || qobject_cast<web*>(w))
        QVERIFY2(w->isVisible(), qPrintable(w->windowTitle()));
    }
  }

  static void checkShown(QWidget* window, std::optional<QSize> size) {
    QTRY_VERIFY(window->windowHandle()->isExposed());
    if (size) {
      QCOMPARE(window->size(), *size);
      QCOMPARE(window->windowHandle()->size(), *size);
      QVERIFY(!(window->windowHandle()->windowStates() & Qt::WindowMaximized));
    }
    // The window's own state: the widget's may lag behind. (Wayland never
    // says whether a window is minimised; this holds there trivially.)
    QVERIFY(!(window->windowHandle()->windowStates() & Qt::WindowMinimized));
  }

 private slots:
  void initTestCase() {
    test::SetUpGuiTest();
    QVERIFY(app::ShowMainWindow());
    QVERIFY(QTest::qWaitForWindowExposed(app::MainWindow()));
  }

  // Without QT_QPA_PLATFORM, X11 where an X server answers, else Wayland.
  void windowSystemIsTheProgramsChoice() {
    const QByteArray expected = qgetenv("QUILL_TEST_EXPECT_PLATFORM");
    QVERIFY(!expected.isEmpty());
    QCOMPARE(QGuiApplication::platformName(), QString::fromLatin1(expected));
    // ...and the choice is not handed on to programs started from here.
    QVERIFY(qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"));
  }

  void titleBarButtonsLeaveEveryWindowWorking_data() {
    QTest::addColumn<Kind>("kind");
    QTest::newRow("Form1") << Kind::Main;
    QTest::newRow("notes") << Kind::Notes;
    QTest::newRow("web link") << Kind::WebLink;
  }

  void titleBarButtonsLeaveEveryWindowWorking() {
    QFETCH(Kind, kind);
    QWidget* window = open(kind);
    QVERIFY(window);
    QVERIFY(QTest::qWaitForWindowExposed(window));
    const std::optional<QSize> size = fixedSize(kind);
    checkShown(window, size);

    toggleMaximised(window);
    settle();
    checkShown(window, size);
    if (!size) {  // a sizable window may stay maximised; put it back
      toggleMaximised(window);
      settle();
    }

    minimise(window);
    settle();
    QVERIFY(open(kind) == window);
    settle();
    checkShown(window, size);
    checkOneOfEach();
  }

  // The close box (the window system's close) unloads a secondary window;
  // the next press loads it afresh, at its own size.
  void closeBoxUnloadsAndTheNextPressReloads_data() {
    QTest::addColumn<Kind>("kind");
    QTest::newRow("notes") << Kind::Notes;
    QTest::newRow("web link") << Kind::WebLink;
  }

  void closeBoxUnloadsAndTheNextPressReloads() {
    QFETCH(Kind, kind);
    QPointer<QWidget> first = open(kind);
    QVERIFY(QTest::qWaitForWindowExposed(first));
    QVERIFY(first->windowHandle()->close());
    settle();
    QVERIFY(!first);  // deleted
    QWidget* again = open(kind);
    QVERIFY(QTest::qWaitForWindowExposed(again));
    settle();
    checkShown(again, fixedSize(kind));
    checkOneOfEach();
  }

  // The second press shows the same window in front of the others.
  void secondPressBringsTheSameWindowForward_data() {
    QTest::addColumn<Kind>("kind");
    QTest::addColumn<Kind>("other");
    QTest::newRow("NOTES") << Kind::Notes << Kind::WebLink;
    QTest::newRow("WEB LINK") << Kind::WebLink << Kind::Notes;
  }

  void secondPressBringsTheSameWindowForward() {
    QFETCH(Kind, kind);
    QFETCH(Kind, other);
    QWidget* window = open(kind);
    QVERIFY(QTest::qWaitForWindowExposed(window));
    QWidget* covering = open(other);
    QVERIFY(QTest::qWaitForWindowExposed(covering));
    settle();
    if (onX11()) QVERIFY(test::IsAbove(covering, window));

    UnmapCounter unmapped(window);
    QCOMPARE(open(kind), window);
    settle();
    QCOMPARE(open(kind), window);
    settle();
    // Wayland lets the program bring a window forward only by mapping it
    // again; X11 raises it where it is.
    QCOMPARE(unmapped.count, onX11() ? 0 : 2);
    checkShown(window, fixedSize(kind));
    checkOneOfEach();
    QCOMPARE(test::OpenWindows<frmAbout>().size(), 1);
    QCOMPARE(test::OpenWindows<web>().size(), 1);
    if (onX11()) QVERIFY(test::IsAbove(window, covering));
  }

  // Where the window system lets a program place its windows (X11), the
  // secondary windows' client areas open at their designed places.
  void designedPlacesHoldOnX11() {
    if (!onX11()) QSKIP("a Wayland compositor places every window itself");
    test::CloseAllWindows();
    app::ShowMainWindow();
    using ui::px;
    QWidget* notes = open(Kind::Notes);
    QWidget* link = open(Kind::WebLink);
    QVERIFY(QTest::qWaitForWindowExposed(notes));
    QVERIFY(QTest::qWaitForWindowExposed(link));
    settle();
    QCOMPARE(test::ScreenPosition(notes), QPoint(px(ui::notes::kClientLeft), px(ui::notes::kClientTop)));
    QCOMPARE(test::ScreenPosition(link), QPoint(px(ui::weblink::kClientLeft), px(ui::weblink::kClientTop)));
  }

  // What each frame lets the window manager offer: Form1 a close box only
  // (and a border to resize it by), the notes window a close box only, the
  // web link window minimise and close; the last two keep their size.
  void framesOfferWhatTheDesignShowsOnX11_data() {
    QTest::addColumn<Kind>("kind");
    QTest::addColumn<long>("offered");
    QTest::newRow("Form1") << Kind::Main << test::kMotifClose;
    QTest::newRow("notes") << Kind::Notes << test::kMotifClose;
    QTest::newRow("web link") << Kind::WebLink << (test::kMotifMinimize | test::kMotifClose);
  }

  void framesOfferWhatTheDesignShowsOnX11() {
    if (!onX11()) QSKIP("Qt draws the frames itself on Wayland, with every button");
    QFETCH(Kind, kind);
    QFETCH(long, offered);
    QWidget* window = open(kind);
    QVERIFY(QTest::qWaitForWindowExposed(window));
    const long mask = test::kMotifMinimize | test::kMotifMaximize | test::kMotifClose;
    QCOMPARE(test::MotifFunctions(window) & mask, offered);
    QCOMPARE(test::FixedSizeHint(window), fixedSize(kind).value_or(QSize()));
  }

  void cleanupTestCase() {
    test::CloseAllWindows();
    settle();
  }
};

int main(int argc, char* argv[]) {
  if (const auto done = app::ChooseWindowSystem(argc, argv)) return *done;
  QApplication application(argc, argv);
  app::ForgetWindowSystemChoice();
  TestSession test;
  return QTest::qExec(&test, argc, argv);
}

#include "test_session.moc"
