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
#include "gui_support.h"
#include "ui/common/forms.h"
#include "ui/common/picturebox.h"
#include "ui/main/form1.h"
#include "ui/notes/frmabout.h"
#include "ui/notes/frmabout_design.h"

using namespace quill;

namespace {

const QString kConstruction = QStringLiteral(
    "The Quillbeam is designed to be used with a non-metallic boom. Elements may \r\n"
    "be horizontal tubes with small solid or tubing legs. The tubing may be crushed at \r\n"
    "the ends for drilling and bolt the legs on or you may drill thru the larger tubing and \r\n"
    "fasten with screws. Either way, the dimensions are measured to the center of the \r\n"
    "bolt. Small overhangs are allowed. The antenna is very forgiving!. The prototype \r\n"
    "had adjustment screws in the legs and 1/4 inch changes on 144 Mhz did not \r\n"
    "affect the performance. You only require one insulator for the driven element.\r\n");
const QString kOperation = QStringLiteral(
    "As the antenna is unbalanced,a choke made of 6 turns of coax on a 6 inch diameter is required to choke "
    "the rf. A ferrite coil off the back of a tv picture tube is helpfull here. The coax MUST be allowed to "
    "droop away from the corner and horizontal element. If you are close to metal or the ground, mount the "
    "antenna upside down. The first contact on the 2 meter protoype was over 200 miles while sitting on a "
    "picnic table, upside down! It operates like a stacked vertical array but you will find it also does "
    "horizontal contacts remarkably well.\r\n");
const QString kAnecdote = QStringLiteral(
    "One apartment dweller hung a 440 version upside down from his ceilling with suction cups and now beams "
    "his signal around.\r\n");

const ui::ControlDesign* design(const QString& name) {
  for (const auto& row : ui::notes::controls()) {
    if (name == QLatin1String(row.design.name)) return &row.design;
  }
  return nullptr;
}

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

  void texts_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("text");
    QTest::newRow("Text1") << "Text1" << kConstruction;
    QTest::newRow("Text2") << "Text2" << kOperation;
    QTest::newRow("Text3") << "Text3" << kAnecdote;
    QTest::newRow("lblDescription") << "lblDescription"
                                    << "OPERATION";
    QTest::newRow("lblDisclaimer") << "lblDisclaimer"
                                   << "TRICKS ...";
  }
  void texts() {
    QFETCH(QString, name);
    QFETCH(QString, text);
    const ui::ControlDesign* d = design(name);
    QVERIFY(d);
    QCOMPARE(QString::fromLatin1(d->text), text);
    QWidget* w = notes->findChild<QWidget*>(name);
    QVERIFY(w);
    if (auto* box = qobject_cast<QPlainTextEdit*>(w)) {
      // Each CR LF is one line break in the box.
      QCOMPARE(box->toPlainText(), QString(text).replace("\r\n", "\n"));
      QCOMPARE(box->blockCount(), int(text.count("\r\n")) + 1);
    } else {
      QCOMPARE(qobject_cast<QLabel*>(w)->text(), text);
    }
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

  void layout() {
    QWidget* previous = nullptr;
    for (const auto& row : ui::notes::controls()) {
      const ui::ControlDesign& d = row.design;
      QWidget* w = notes->findChild<QWidget*>(QString::fromLatin1(d.name));
      QVERIFY2(w, d.name);
      QCOMPARE(std::visit([&](auto member) -> QWidget* { return notes->*member; }, row.member), w);
      QCOMPARE(w->parentWidget(), notes);
      QCOMPARE(w->geometry(), ui::pxRect(d.left, d.top, d.width, d.height));
      if (qobject_cast<QLabel*>(w)) {
        QCOMPARE(w->focusPolicy(), Qt::NoFocus);
        continue;
      }
      if (previous) QCOMPARE(test::NextTabStop(previous), w);
      previous = w;
    }
    QCOMPARE(notes->Text2->geometry(), QRect(8, 248, 473, 129));
    QCOMPARE(notes->Picture1->geometry(), QRect(200, 16, 281, 73));
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
    const QColor cyan(128, 255, 255);
    for (QPlainTextEdit* box : {notes->Text1, notes->Text2, notes->Text3}) {
      QVERIFY(!box->isReadOnly());
      QVERIFY(!box->verticalScrollBar()->isVisible());
    }
    for (QPlainTextEdit* box : {notes->Text1, notes->Text2}) {
      QCOMPARE(box->frameShape(), QFrame::NoFrame);
      QCOMPARE(box->palette().color(QPalette::Base), cyan);
      QCOMPARE(box->font().pointSizeF(), 9.75);
      QCOMPARE(QFontInfo(box->font()).family(), QStringLiteral("Liberation Sans"));
    }
    QVERIFY(notes->Text3->frameShape() != QFrame::NoFrame);
    QCOMPARE(notes->Text3->palette().color(QPalette::Base), QApplication::palette().color(QPalette::Base));
    QCOMPARE(notes->Text3->font().pointSizeF(), 8.25);
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
      QCOMPARE(label->palette().color(QPalette::Window), cyan);
      QCOMPARE(label->font().pointSizeF(), 8.25);
    }
    QCOMPARE(notes->lblTitle->palette().color(QPalette::WindowText), QColor(0, 0, 0));
    QCOMPARE(notes->lblVersion->foregroundRole(), QPalette::ButtonText);
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
