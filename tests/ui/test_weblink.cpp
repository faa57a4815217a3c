// The web link window: one instance, what a click on the link opens, what
// happens when no browser can be started, the fixed frame, layout and texts,
// and that no control takes the focus.
#include <QApplication>
#include <QDesktopServices>
#include <QLabel>
#include <QPushButton>
#include <QRegularExpression>
#include <QTest>
#include <QUrl>

#include "app/errors.h"
#include "app/windows.h"
#include "design_check.h"
#include "gui_support.h"
#include "ui/common/forms.h"
#include "ui/main/form1.h"
#include "ui/weblink/web.h"
#include "ui/weblink/web_design.h"
#include "url_recorder.h"

using namespace quill;
using enum test::Kind;

namespace {

constexpr test::Font kSans{"Liberation Sans", 8.25};
constexpr QRgb kBlue = qRgb(0, 0, 255), kSystem = test::kSystem;
constexpr Qt::Alignment kLeft = Qt::AlignLeft, kCentre = Qt::AlignHCenter;
constexpr char kNotice[] = "The link will be opened in your default browser.";

// The web link window as designed, places in twips from the client area.
// clang-format off
constexpr test::Designed kDesign[] = {
  // name, kind, tab index, text, left, top, width, height, alignment, font, colour
  {"Label1",     Label, 0, kNotice,                         525,   75, 2265, 390, kCentre, kSans, kSystem},
  {"Label2",     Label, 1, "Click Link Below to ",          450,  750, 2490, 345, kCentre, kSans, kSystem},
  {"lblWebPage", Link,  2, "https://example.org/quillbeam", 525, 1335, 2205, 255, kLeft,   kSans, kBlue},
};
// clang-format on

}  // namespace

class TestWebLink : public QObject {
  Q_OBJECT

  web* window = nullptr;
  test::UrlRecorder recorder;
  QList<RunTimeError> errors;

  // Opens the window as the user does, with the main window's WEB LINK button.
  static web* openFromMainWindow() {
    QTest::mouseClick(app::ShowMainWindow()->Command3, Qt::LeftButton);
    return app::WebLinkWindow();
  }

 private slots:
  void initTestCase() { test::SetUpGuiTest(); }

  void init() {
    recorder.opened.clear();
    errors.clear();
    QDesktopServices::setUrlHandler(QStringLiteral("https"), &recorder, "open");
    app::SetErrorReporter([this](const RunTimeError& error) { errors << error; });
    window = openFromMainWindow();
    QVERIFY(window);
    QVERIFY(QTest::qWaitForWindowExposed(window));
  }

  void cleanup() {
    test::CloseAllWindows();
    QDesktopServices::unsetUrlHandler(QStringLiteral("https"));
    app::SetErrorReporter({});
  }

  void oneInstance() {
    QTest::mouseClick(app::MainWindow()->Command3, Qt::LeftButton);
    QCOMPARE(test::OpenWindows<web>(), QList<web*>{window});
    QCOMPARE(app::WebLinkWindow(), window);
    QVERIFY(window->isVisible());
    QVERIFY(app::MainWindow()->isVisible());

    // Closed, it is gone; the next click builds it afresh.
    QVERIFY(window->close());
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(test::OpenWindows<web>().isEmpty());
    QVERIFY(!app::WebLinkWindow());
    window = openFromMainWindow();
    QVERIFY(window);
    QCOMPARE(test::OpenWindows<web>(), QList<web*>{window});
  }

  void linkOpensPageEachClick() {
    const QUrl page(QStringLiteral("https://example.org/quillbeam/"), QUrl::StrictMode);
    QTest::mouseClick(window->lblWebPage, Qt::LeftButton);
    QCOMPARE(recorder.opened, QList<QUrl>{page});
    QTest::mouseClick(window->lblWebPage, Qt::LeftButton, {}, QPoint(1, 1));
    QCOMPARE(recorder.opened, (QList<QUrl>{page, page}));

    // The page opened is fixed, whatever the label happens to show.
    window->lblWebPage->setText(QStringLiteral("https://elsewhere.example.org"));
    window->lblWebPage_Click();
    QCOMPARE(recorder.opened.size(), 3);
    QCOMPARE(recorder.opened.last(), page);
    QVERIFY(errors.isEmpty());
    QVERIFY(window->isVisible());
  }

  void otherClicksOpenNothing_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<Qt::MouseButton>("button");
    QTest::newRow("Label1") << "Label1" << Qt::LeftButton;
    QTest::newRow("Label2") << "Label2" << Qt::LeftButton;
    QTest::newRow("window") << "" << Qt::LeftButton;
    QTest::newRow("link, right button") << "lblWebPage" << Qt::RightButton;
    QTest::newRow("link, middle button") << "lblWebPage" << Qt::MiddleButton;
  }
  void otherClicksOpenNothing() {
    QFETCH(QString, name);
    QFETCH(Qt::MouseButton, button);
    QWidget* target = name.isEmpty() ? window : window->findChild<QWidget*>(name);
    QVERIFY(target);
    // The window's own surface: below the link, clear of every label.
    const QPoint at = name.isEmpty() ? QPoint(5, 115) : QPoint(5, 5);
    QCOMPARE(window->childAt(name.isEmpty() ? at : target->mapTo(window, at)),
             name.isEmpty() ? nullptr : target);
    QTest::mouseClick(target, button, {}, at);
    QVERIFY(recorder.opened.isEmpty());
    QVERIFY(errors.isEmpty());
  }

  void pressOnLinkReleasedElsewhere() {
    // Pressing the link and letting go off it is no click.
    QTest::mousePress(window->lblWebPage, Qt::LeftButton, {}, QPoint(5, 5));
    QTest::mouseRelease(window->lblWebPage, Qt::LeftButton, {}, QPoint(5, 40));
    QVERIFY(recorder.opened.isEmpty());
  }

  void noBrowserReportedAndWindowStays() {
    // When no opener can be started the page cannot be opened: the user is
    // told where it is, and the program goes on. A handler that cannot be
    // called fails as a missing opener does, on any platform, and no real
    // browser starts.
    QDesktopServices::setUrlHandler(QStringLiteral("https"), &recorder, "noSuchOpener");
    const QRegularExpression unsupported(QStringLiteral("No such method .*noSuchOpener"));
    QTest::ignoreMessage(QtWarningMsg, unsupported);
    QTest::mouseClick(window->lblWebPage, Qt::LeftButton);
    QCOMPARE(errors.size(), 1);
    QCOMPARE(errors.first().number, 53);
    const QString description = QString::fromStdString(errors.first().description);
    QVERIFY2(description.startsWith(QLatin1String("File not found")), qPrintable(description));
    QVERIFY2(description.contains(QLatin1String("https://example.org/quillbeam/")), qPrintable(description));
    QVERIFY(window->isVisible());
    QCOMPARE(app::WebLinkWindow(), window);
    QVERIFY(recorder.opened.isEmpty());

    // Each click tries again.
    QTest::ignoreMessage(QtWarningMsg, unsupported);
    QTest::mouseClick(window->lblWebPage, Qt::LeftButton);
    QCOMPARE(errors.size(), 2);
  }

  void noControlTakesFocus() {
    QVERIFY(QTest::qWaitForWindowActive(window));
    for (QLabel* label : std::initializer_list<QLabel*>{window->Label1, window->Label2, window->lblWebPage}) {
      QCOMPARE(label->focusPolicy(), Qt::NoFocus);
    }
    QCOMPARE(window->findChildren<QWidget*>().size(), 3);
    QTest::keyClick(window, Qt::Key_Tab);
    QWidget* focus = QApplication::focusWidget();
    QVERIFY(!focus || !window->isAncestorOf(focus));
    // Enter or Space on the window follows no link.
    QTest::keyClick(window, Qt::Key_Return);
    QTest::keyClick(window, Qt::Key_Space);
    QVERIFY(recorder.opened.isEmpty());
  }

  void fixedSingleFrame() {
    QCOMPARE(window->parentWidget(), nullptr);
    QCOMPARE(window->windowModality(), Qt::NonModal);
    QCOMPARE(window->windowType(), Qt::Window);  // a window of its own, with a task-bar button
    QCOMPARE(window->windowTitle(), QStringLiteral("Web Page Link"));
    const Qt::WindowFlags flags = window->windowFlags();
    QVERIFY(flags.testFlag(Qt::CustomizeWindowHint));
    QVERIFY(flags.testFlag(Qt::WindowTitleHint));
    QVERIFY(flags.testFlag(Qt::WindowCloseButtonHint));
    QVERIFY(flags.testFlag(Qt::WindowMinimizeButtonHint));
    QVERIFY(!flags.testFlag(Qt::WindowMaximizeButtonHint));
    QVERIFY(window->testAttribute(Qt::WA_QuitOnClose));  // keeps the program running
    // Client area 3315 x 1845 twips at (2130, 1695) twips.
    QCOMPARE(window->geometry(), QRect(142, 113, 221, 123));
    QCOMPARE(window->minimumSize(), QSize(221, 123));
    QCOMPARE(window->maximumSize(), QSize(221, 123));
    window->resize(400, 300);
    QCOMPARE(window->size(), QSize(221, 123));
    QVERIFY(window->autoFillBackground());
    QCOMPARE(window->palette().color(QPalette::Window), QApplication::palette().color(QPalette::Window));
  }

  void design_data() {
    QTest::addColumn<qsizetype>("row");
    for (qsizetype i = 0; i < qsizetype(std::size(kDesign)); ++i) QTest::newRow(kDesign[i].name) << i;
  }
  void design() {
    QFETCH(qsizetype, row);
    auto* label = window->findChild<QLabel*>(QString::fromLatin1(kDesign[row].name));
    QVERIFY(label);
    QCOMPARE(label->parentWidget(), window);
    test::VerifyDesigned(window, kDesign, row);
    QCOMPARE(label->textFormat(), Qt::PlainText);
    QCOMPARE(label->alignment() & Qt::AlignVertical_Mask, Qt::AlignTop);
    QVERIFY(label->wordWrap());
    QVERIFY(label->autoFillBackground());
    // The whole text shows inside the label's fixed size.
    const QRect needed = label->fontMetrics().boundingRect(
        label->contentsRect(), Qt::TextWordWrap | label->alignment(), label->text());
    QVERIFY2(label->contentsRect().contains(needed),
             qPrintable(QStringLiteral("needs %1x%2").arg(needed.width()).arg(needed.height())));
  }

  void looks() {
    // The notice wraps onto two lines within its width.
    const QFontMetrics metrics = window->Label1->fontMetrics();
    const QRect wrapped = metrics.boundingRect(window->Label1->contentsRect(),
                                               Qt::TextWordWrap | Qt::AlignHCenter, window->Label1->text());
    QVERIFY(wrapped.height() > metrics.height());
    QVERIFY(wrapped.height() < 3 * metrics.lineSpacing());
    QVERIFY(wrapped.height() <= window->Label1->height());
    QVERIFY(!window->Label1->font().underline());

    // The address looks like a link: underlined, on a single line, with
    // the pointing hand over it.
    QLabel* link = window->lblWebPage;
    QVERIFY(link->font().underline());
    QVERIFY(!link->font().bold());
    QVERIFY(link->fontMetrics().boundingRect(link->contentsRect(), Qt::TextWordWrap, link->text()).height() <
            2 * link->fontMetrics().lineSpacing());
    QCOMPARE(link->cursor().shape(), Qt::PointingHandCursor);
    QCOMPARE(window->Label1->cursor().shape(), Qt::ArrowCursor);
  }
};

QTEST_MAIN(TestWebLink)
#include "test_weblink.moc"
