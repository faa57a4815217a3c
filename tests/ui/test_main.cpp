// The main window: its layout, the calculation buttons, the write-back into
// the frequency box, error reporting and when the program ends.
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

#include "app/errors.h"
#include "app/windows.h"
#include "calc/design.h"
#include "examples.h"
#include "gui_support.h"
#include "ui/common/forms.h"
#include "ui/common/picturebox.h"
#include "ui/main/form1.h"
#include "ui/main/form1_design.h"
#include "ui/notes/frmabout.h"
#include "ui/weblink/web.h"

using namespace quill;

Q_DECLARE_METATYPE(const quill::test::AllBoxes*)

class TestMain : public QObject {
  Q_OBJECT

  Form1* form = nullptr;
  QList<RunTimeError> errors;

  void click(QWidget* widget) { QTest::mouseClick(widget, Qt::LeftButton); }
  void enterFrequency(const QString& text) { form->Text2->setText(text); }

 private slots:
  void initTestCase() {
    test::SetUpGuiTest();
    app::SetErrorReporter([this](const RunTimeError& e) { errors << e; });
  }

  void init() {
    Design() = DesignValues{};  // as at start-up
    QLocale::setDefault(QLocale::c());
    errors.clear();
    form = app::ShowMainWindow();
    QVERIFY(QTest::qWaitForWindowExposed(form));
  }

  void cleanup() { test::CloseAllWindows(); }

  void window() {
    QCOMPARE(form->windowTitle(), QStringLiteral("Form1"));
    QVERIFY(form->windowFlags().testFlag(Qt::Tool));
    QVERIFY(form->testAttribute(Qt::WA_QuitOnClose));
    QCOMPARE(form->size(), QSize(615, 426));  // 9225 x 6390 twips
    // The picture box is the only direct child and larger than the window.
    QCOMPARE(form->Picture1->parentWidget(), form);
    QCOMPARE(form->Picture1->geometry(), QRect(0, 0, 659, 428));
    QCOMPARE(form->Picture1->contentsRect(), QRect(2, 2, 655, 424));
    QCOMPARE(form->Picture1->drawingSize(), QSize(655, 424));
  }

  // Every control stands where the design puts it, measured from inside the
  // picture box's border, in tab order after the picture box.
  void layout() {
    QWidget* previous = form->Picture1;
    for (const ui::form1::Row& row : ui::form1::controls()) {
      const ui::ControlDesign& d = row.design;
      QWidget* w = form->findChild<QWidget*>(QString::fromLatin1(d.name));
      QVERIFY2(w, d.name);
      // The member the row names holds this very control.
      QCOMPARE(std::visit([&](auto member) -> QWidget* { return form->*member; }, row.member), w);
      QCOMPARE(w->parentWidget(), form->Picture1);
      QCOMPARE(w->geometry(), ui::pxRect(d.left, d.top, d.width, d.height).translated(2, 2));
      QCOMPARE(test::NextTabStop(previous), w);
      previous = w;
    }
    // A few positions written out, so a wrong conversion cannot hide.
    QCOMPARE(form->Text2->geometry(), QRect(506, 306, 97, 25));
    QCOMPARE(form->Text10->geometry(), QRect(98, 314, 57, 19));
    QCOMPARE(form->Command4->geometry(), QRect(418, 354, 73, 25));
    QCOMPARE(form->Text15->geometry(), QRect(506, 194, 105, 49));
  }

  void looks() {
    const QColor red(255, 0, 0);
    QCOMPARE(form->Text2->palette().color(QPalette::Text), red);
    QCOMPARE(form->Text4->palette().color(QPalette::Text), red);
    QCOMPARE(form->Text1->palette().color(QPalette::Text), QColor(0, 0, 255));
    QVERIFY(form->Text2->font().bold());
    QCOMPARE(form->Text2->font().pointSizeF(), 13.5);
    QCOMPARE(form->Text1->font().pointSizeF(), 14.25);
    QCOMPARE(QFontInfo(form->Text1->font()).family(), QStringLiteral("Liberation Serif"));
    QCOMPARE(QFontInfo(form->Text16->font()).family(), QStringLiteral("Liberation Sans"));
    QCOMPARE(form->Text16->font().pointSizeF(), 8.25);
    QVERIFY(!form->Text1->hasFrame());
    QVERIFY(form->Text4->hasFrame());
    QCOMPARE(form->Text4->alignment() & Qt::AlignHorizontal_Mask, Qt::AlignRight);
    QCOMPARE(form->Text12->alignment() & Qt::AlignHorizontal_Mask, Qt::AlignLeft);
    QCOMPARE(form->Text14->alignment() & Qt::AlignHorizontal_Mask, Qt::AlignHCenter);
    QCOMPARE(form->Text2->alignment() & Qt::AlignHorizontal_Mask, Qt::AlignHCenter);
    QVERIFY(!form->Text3->isReadOnly());
    QVERIFY(!form->Text4->isReadOnly());
    QVERIFY(!form->Command1->isDefault());
    QVERIFY(!form->Command1->autoDefault());
  }

  void startState() {
    QCOMPARE(form->Text2->text(), QStringLiteral("000.0000001"));
    QCOMPARE(test::ResultTexts(*form), QStringList(14, QStringLiteral("000.00")));
    QCOMPARE(form->Text3->toPlainText(), QStringLiteral("INPUT\nFREQUENCY\nIN MEGAHERTZ\n"));
    QCOMPARE(form->Text13->toPlainText(), QStringLiteral("D1 TO D2\nSPACING\n"));
    QCOMPARE(form->Text15->toPlainText(), QStringLiteral("ALL ADDITIONAL\nDIRECTOR\nSPACINGS\n"));
    QCOMPARE(form->Text18->text(), QStringLiteral("D3 TO Dn Horz"));
    QCOMPARE(form->Command3->text(), QStringLiteral("WEB LINK"));
    QCOMPARE(QApplication::focusWidget(), form->Picture1);
  }

  void accessibleNames() {
    QSet<QString> names{form->Text2->accessibleName()};
    for (std::size_t i = 0; i < kResultBoxCount; ++i)
      names.insert(form->resultBox(ResultBox(i))->accessibleName());
    names.remove(QString());
    QCOMPARE(names.size(), 15);
    QCOMPARE(form->Text7->accessibleName(), QStringLiteral("Driven element to D1 spacing"));
  }

  void calculate_data() {
    QTest::addColumn<bool>("centimetres");
    QTest::addColumn<const test::AllBoxes*>("expected");
    QTest::newRow("144 inches") << false << &test::k144Inches;
    QTest::newRow("144 centimetres") << true << &test::k144Centimetres;
  }
  void calculate() {
    QFETCH(bool, centimetres);
    QFETCH(const test::AllBoxes*, expected);
    enterFrequency(test::k144);
    click(centimetres ? form->Command4 : form->Command1);
    for (const test::BoxText& shown : *expected) {
      QCOMPARE(form->resultBox(shown.box)->text(), QString::fromLatin1(shown.text));
    }
    QVERIFY(errors.isEmpty());
    // The frequency box is left as typed.
    QCOMPARE(form->Text2->text(), QString::fromLatin1(test::k144));
  }

  void initialTextCalculates() {
    click(form->Command1);  // "000.0000001" is 0.0000001 MHz
    QCOMPARE(form->Text5->text(), QStringLiteral("2.952E+10"));
    QCOMPARE(form->Text7->text(), QStringLiteral("1.7712E+10"));
    QCOMPARE(form->Text23->text(), QStringLiteral("2.58E+10"));
  }

  void writeBackOnClick() {
    click(form->Text2);  // before any calculation
    QCOMPARE(form->Text2->text(), QStringLiteral("0"));

    enterFrequency("144");
    click(form->Command1);
    click(form->Text2);
    QCOMPARE(form->Text2->text(), QStringLiteral("144"));
    click(form->Command4);
    click(form->Text2);
    QCOMPARE(form->Text2->text(), QStringLiteral("144"));

    enterFrequency("146.5 MHz");
    click(form->Command4);
    click(form->Text2);
    QCOMPARE(form->Text2->text(), QStringLiteral("146.5"));
    // The shown frequency is selected, so typing replaces it.
    QCOMPARE(form->Text2->selectedText(), QStringLiteral("146.5"));
    QTest::keyClicks(form->Text2, "432");
    QCOMPARE(form->Text2->text(), QStringLiteral("432"));
  }

  void clickReplacesTypedText() {
    enterFrequency("144");
    click(form->Command1);
    enterFrequency("432");
    click(form->Text2);  // the click to correct it brings back 144
    click(form->Command1);
    QCOMPARE(form->Text4->text(), QString::fromLatin1(test::Shown(test::k144Inches, ResultBox::Text4)));
  }

  void noWriteBackOnTab() {
    QApplication::setActiveWindow(form);
    form->Text1->setFocus();
    QTest::keyClick(form->Text1, Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), form->Text2);
    QCOMPARE(form->Text2->text(), QStringLiteral("000.0000001"));
  }

  void enterStartsNothing() {
    enterFrequency("144");
    QTest::keyClick(form->Text2, Qt::Key_Return);
    QCOMPARE(form->Text4->text(), QStringLiteral("000.00"));
    QCOMPARE(LastFrequency(), 0.0f);
  }

  void errorsKeepTheBoxes_data() {
    QTest::addColumn<QString>("frequency");
    QTest::addColumn<int>("number");
    QTest::newRow("empty") << "" << 11;
    QTest::newRow("letters") << "MHz" << 11;
    QTest::newRow("zero") << "0" << 11;
    QTest::newRow("too large") << "1e40" << 6;
  }
  void errorsKeepTheBoxes() {
    QFETCH(QString, frequency);
    QFETCH(int, number);
    enterFrequency("144");
    click(form->Command1);
    const QStringList before = test::ResultTexts(*form);
    for (QPushButton* button : {form->Command1, form->Command4}) {
      errors.clear();
      enterFrequency(frequency);
      click(button);
      QCOMPARE(errors.size(), 1);
      QCOMPARE(errors.first().number, number);
      QCOMPARE(test::ResultTexts(*form), before);
      QVERIFY(form->isVisible());
    }
    click(form->Text2);
    QCOMPARE(form->Text2->text(), number == 11 ? QStringLiteral("0") : QStringLiteral("Infinity"));
  }

  void errorMessage() {
    QCOMPARE(app::ErrorMessage(RunTimeError::divisionByZero()),
             QStringLiteral("Run-time error '11':\n\nDivision by zero"));
    QCOMPARE(app::ErrorMessage(RunTimeError::overflow()), QStringLiteral("Run-time error '6':\n\nOverflow"));
  }

  void resizingMovesNothing() {
    const QRect before = form->Text2->geometry();
    form->resize(900, 700);
    QCoreApplication::processEvents();
    QCOMPARE(form->Picture1->geometry(), QRect(0, 0, 659, 428));
    QCOMPARE(form->Text2->geometry(), before);
  }

  // The program ends when its last window closes, not while a notes or web
  // link window is still open. Runs the real event loop, which returns when
  // the program quits.
  void quitOnLastWindow() {
    click(form->Command2);
    click(form->Command2);
    click(form->Command3);
    // The timers belong to this test and go with it, whatever happens.
    QStringList steps;
    QTimer closeMain, closeNotes, closeLink, giveUp;
    for (QTimer* timer : {&closeMain, &closeNotes, &closeLink, &giveUp}) timer->setSingleShot(true);
    connect(&closeMain, &QTimer::timeout, this, [&] {
      form->close();
      steps << "main closed";
    });
    connect(&closeNotes, &QTimer::timeout, this, [&] {
      app::NotesWindow()->close();
      steps << "notes closed";
    });
    connect(&closeLink, &QTimer::timeout, this, [&] { app::WebLinkWindow()->close(); });
    connect(&giveUp, &QTimer::timeout, this, [&] {
      steps << "still running";
      QCoreApplication::exit(1);
    });
    closeMain.start(0);
    closeNotes.start(50);
    closeLink.start(100);
    giveUp.start(5000);
    QCOMPARE(QCoreApplication::exec(), 0);
    QCOMPARE(steps, (QStringList{"main closed", "notes closed"}));
  }

  // The window asks for the other windows and reports errors through its
  // signals; it knows nothing of who shows them.
  void signalsOfAWindowOnItsOwn() {
    Form1 alone;
    QSignalSpy notes(&alone, &Form1::notesRequested);
    QSignalSpy link(&alone, &Form1::webLinkRequested);
    QSignalSpy failed(&alone, &Form1::runTimeError);
    click(alone.Command2);
    click(alone.Command3);
    click(alone.Command3);
    alone.Text2->setText(QStringLiteral("1e40"));
    click(alone.Command4);
    QCOMPARE(notes.size(), 1);
    QCOMPARE(link.size(), 2);
    QCOMPARE(failed.size(), 1);
    QCOMPARE(qvariant_cast<RunTimeError>(failed.first().first()), RunTimeError::overflow());
    QVERIFY(!app::NotesWindow());
    QVERIFY(!app::WebLinkWindow());
    QVERIFY(errors.isEmpty());
  }

  void mainWindowIsSingle() { QCOMPARE(app::ShowMainWindow(), form); }
};

QTEST_MAIN(TestMain)
#include "test_main.moc"
