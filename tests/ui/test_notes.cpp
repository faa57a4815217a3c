// The notes window: one instance, its captions after load, its texts and
// layout, the fixed frame, and the focus order.
#include <QApplication>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QScrollBar>
#include <QTest>
#include <QTextBlock>
#include <QTextLayout>

#include "app/windows.h"
#include "design_check.h"
#include "gui_support.h"
#include "ui/common/forms.h"
#include "ui/common/picturebox.h"
#include "ui/main/form1.h"
#include "ui/notes/frmabout.h"
#include "ui/notes/frmabout_design.h"

using namespace quill;

namespace {

using enum test::Kind;

constexpr char kConstruction[] =
    "The Quillbeam is designed to be used with a non-metallic boom. Elements may \r\n"
    "be horizontal tubes with small solid or tubing legs. The tubing may be crushed at \r\n"
    "the ends for drilling and bolt the legs on or you may drill thru the larger tubing and \r\n"
    "fasten with screws. Either way, the dimensions are measured to the center of the \r\n"
    "bolt. Small overhangs are allowed. The antenna is very forgiving!. The prototype \r\n"
    "had adjustment screws in the legs and 1/4 inch changes on 144 Mhz did not \r\n"
    "affect the performance. You only require one insulator for the driven element.\r\n";
constexpr char kOperation[] =
    "As the antenna is unbalanced,a choke made of 6 turns of coax on a 6 inch diameter is required to choke "
    "the rf. A ferrite coil off the back of a tv picture tube is helpfull here. The coax MUST be allowed to "
    "droop away from the corner and horizontal element. If you are close to metal or the ground, mount the "
    "antenna upside down. The first contact on the 2 meter protoype was over 200 miles while sitting on a "
    "picnic table, upside down! It operates like a stacked vertical array but you will find it also does "
    "horizontal contacts remarkably well.\r\n";
constexpr char kAnecdote[] =
    "One apartment dweller hung a 440 version upside down from his ceilling with suction cups and now beams "
    "his signal around.\r\n";

constexpr test::Font kSans{"Liberation Sans", 8.25};
constexpr test::Font kNotes{"Liberation Sans", 9.75};
constexpr QRgb kBlack = qRgb(0, 0, 0), kCyan = qRgb(128, 255, 255), kSystem = test::kSystem;
constexpr Qt::Alignment kLeft = Qt::AlignLeft;

// The notes window as designed, places in twips from the client area; the
// caption texts of lblTitle and lblVersion are the ones the load puts there.
// clang-format off
constexpr test::Designed kDesign[] = {
  // name, kind, tab index, text, left, top, width, height, alignment, font, colour, ground
  {"lblDescription", Label,     0, "OPERATION",      120, 3480, 1215,  330, kLeft, kSans,  kBlack,  kCyan},
  {"lblDisclaimer",  Label,     1, "TRICKS ...",     120, 5760,  855,  315, kLeft, kSans,  kBlack,  kCyan},
  {"lblTitle",       Label,     2, "quillcalc",     3720,    0, 3285,  240, kLeft, kSans,  kBlack,  kCyan},
  {"lblVersion",     Label,     3, "Version 1.0.0",    0, 1080, 1605,  225, kLeft, kSans,  kSystem, kCyan},
  {"Text1",          FlatLines, 4, kConstruction,    120, 1560, 7095, 1935, kLeft, kNotes, kSystem, kCyan},
  {"Text2",          FlatLines, 5, kOperation,       120, 3720, 7095, 1935, kLeft, kNotes, kSystem, kCyan},
  {"Text3",          Lines,     6, kAnecdote,        120, 6000, 7095,  525, kLeft, kSans,  kSystem, kSystem},
  {"Picture1",       Picture,   7, nullptr,         3000,  240, 4215, 1095, {},    kSans,  kSystem, kSystem},
  {"Picture2",       Picture,   8, nullptr,         1440,    0, 1455, 1455, {},    kSans,  kSystem, kSystem},
};
// clang-format on

}  // namespace

class TestNotes : public QObject {
  Q_OBJECT

  frmAbout* notes = nullptr;

  // Opens the window as the user does, with the main window's NOTES button.
  frmAbout* openFromMainWindow() {
    Form1* form = app::ShowMainWindow();
    QTest::mouseClick(form->Command2, Qt::LeftButton);
    return app::NotesWindow();
  }

 private slots:
  void initTestCase() { test::SetUpGuiTest(); }

  void init() {
    notes = openFromMainWindow();
    QVERIFY(notes);
    QVERIFY(QTest::qWaitForWindowExposed(notes));
  }

  void cleanup() { test::CloseAllWindows(); }

  void oneInstance() {
    QTest::mouseClick(app::MainWindow()->Command2, Qt::LeftButton);
    QCOMPARE(test::OpenWindows<frmAbout>(), QList<frmAbout*>{notes});
    QCOMPARE(app::NotesWindow(), notes);
    QCOMPARE(notes->windowTitle(), QStringLiteral("About quillcalc"));
    QVERIFY(notes->isVisible());
    QVERIFY(app::MainWindow()->isVisible());
  }

  void captionsAfterLoad() {
    QCOMPARE(notes->windowTitle(), QStringLiteral("About quillcalc"));
    QCOMPARE(notes->lblTitle->text(), QStringLiteral("quillcalc"));
    // Rewritten while the window is built, before it is ever shown.
    const frmAbout unshown;
    QCOMPARE(unshown.windowTitle(), QStringLiteral("About quillcalc"));
    QCOMPARE(unshown.lblTitle->text(), QStringLiteral("quillcalc"));
    // The version line follows the application's version, each number
    // written plainly.
    QCOMPARE(notes->lblVersion->text(), QStringLiteral("Version ") + QCoreApplication::applicationVersion());
    QVERIFY(
        QRegularExpression(QStringLiteral("^Version (0|[1-9][0-9]*)\\.(0|[1-9][0-9]*)\\.(0|[1-9][0-9]*)$"))
            .match(notes->lblVersion->text())
            .hasMatch());
    QCOMPARE(QCoreApplication::applicationVersion(), QStringLiteral("1.0.0"));
    // The headings that are not rewritten stay as designed.
    QCOMPARE(notes->lblDescription->text(), QStringLiteral("OPERATION"));
    QCOMPARE(notes->lblDisclaimer->text(), QStringLiteral("TRICKS ..."));
  }

  void editLostOnClose() {
    notes->Text2->setFocus();
    notes->Text2->moveCursor(QTextCursor::Start);
    QTest::keyClicks(notes->Text2, "EDITED ");
    QVERIFY(notes->Text2->toPlainText().startsWith(QStringLiteral("EDITED As the antenna")));
    notes->lblTitle->setText(QStringLiteral("changed"));

    QVERIFY(notes->close());
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(!app::NotesWindow());
    QVERIFY(test::OpenWindows<frmAbout>().isEmpty());

    notes = openFromMainWindow();
    QCOMPARE(notes->Text2->toPlainText(), QString(kOperation).replace("\r\n", "\n"));
    QCOMPARE(notes->lblTitle->text(), QStringLiteral("quillcalc"));  // loaded again
    QCOMPARE(notes->windowTitle(), QStringLiteral("About quillcalc"));
  }

  void fixedFrame() {
    QCOMPARE(notes->parentWidget(), nullptr);
    QCOMPARE(notes->windowModality(), Qt::NonModal);
    QCOMPARE(notes->windowType(), Qt::Dialog);
    const Qt::WindowFlags flags = notes->windowFlags();
    QVERIFY(flags.testFlag(Qt::CustomizeWindowHint));
    QVERIFY(flags.testFlag(Qt::WindowCloseButtonHint));
    QVERIFY(!flags.testFlag(Qt::WindowMinimizeButtonHint));
    QVERIFY(!flags.testFlag(Qt::WindowMaximizeButtonHint));
    QVERIFY(notes->testAttribute(Qt::WA_QuitOnClose));  // keeps the program running
    // 7335 x 6570 twips, client area at (2340, 1935) twips.
    QCOMPARE(notes->geometry(), QRect(156, 129, 489, 438));
    QCOMPARE(notes->minimumSize(), QSize(489, 438));
    QCOMPARE(notes->maximumSize(), QSize(489, 438));
    notes->resize(700, 600);
    QCOMPARE(notes->size(), QSize(489, 438));
    QCOMPARE(notes->palette().color(QPalette::Window), QColor(128, 255, 255));
    QVERIFY(notes->autoFillBackground());
  }

  // Every control as designed, straight on the window, each CR LF one line
  // break in its box.
  void design_data() {
    QTest::addColumn<qsizetype>("row");
    for (qsizetype i = 0; i < qsizetype(std::size(kDesign)); ++i) QTest::newRow(kDesign[i].name) << i;
  }
  void design() {
    QFETCH(qsizetype, row);
    QWidget* w = notes->findChild<QWidget*>(QString::fromLatin1(kDesign[row].name));
    QVERIFY(w);
    QCOMPARE(w->parentWidget(), notes);
    test::VerifyDesigned(notes, kDesign, row);
  }

  void layout() {
    for (const auto& row : ui::notes::controls()) {
      QWidget* member = std::visit([&](auto m) -> QWidget* { return notes->*m; }, row.member);
      QCOMPARE(member->objectName(), QString::fromLatin1(row.design.name));
    }
    // The sketch covers the right end of the version line; the boxes cover
    // the foot of their headings.
    QCOMPARE(notes->childAt(100, 80), notes->Picture2);
    QCOMPARE(notes->childAt(50, 80), notes->lblVersion);
    QVERIFY(notes->Text2->isAncestorOf(notes->childAt(20, 252)));
    QCOMPARE(notes->childAt(20, 240), notes->lblDescription);
    // The drawings are there, at their own size.
    QCOMPARE(notes->Picture1->drawingSize(), QSize(277, 70));
    QCOMPARE(notes->Picture2->drawingSize(), QSize(94, 95));
  }

  void looks() {
    for (QPlainTextEdit* box : {notes->Text1, notes->Text2, notes->Text3}) {
      QVERIFY(!box->isReadOnly());
      QVERIFY(!box->verticalScrollBar()->isVisible());
    }
    // The operation notes are one paragraph, wrapped inside the box.
    const QTextLayout* paragraph = notes->Text2->document()->firstBlock().layout();
    QVERIFY(paragraph->lineCount() > 5);
    for (int i = 0; i < paragraph->lineCount(); ++i) {
      QVERIFY(paragraph->lineAt(i).naturalTextWidth() <= notes->Text2->viewport()->width());
    }
    for (QLabel* label : {notes->lblDescription, notes->lblDisclaimer, notes->lblTitle, notes->lblVersion}) {
      QVERIFY(label->wordWrap());
      QVERIFY(label->autoFillBackground());
      QCOMPARE(label->alignment(), Qt::AlignLeft | Qt::AlignTop);
    }
  }

  void focusAndTabOrder() {
    QVERIFY(QTest::qWaitForWindowActive(notes));
    QCOMPARE(QApplication::focusWidget(), notes->Text1);
    QCOMPARE(notes->Text1->textCursor().position(), 0);
    const QList<QWidget*> order{notes->Text2, notes->Text3, notes->Picture1, notes->Picture2, notes->Text1};
    for (QWidget* expected : order) {
      QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
      QCOMPARE(QApplication::focusWidget(), expected);
    }
    QCOMPARE(notes->Text1->toPlainText(), QString(kConstruction).replace("\r\n", "\n"));  // no tab typed
  }
};

QTEST_MAIN(TestNotes)
#include "test_notes.moc"
