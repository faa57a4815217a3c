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
#include "design_check.h"
#include "examples.h"
#include "gui_support.h"
#include "ui/common/forms.h"
#include "ui/common/picturebox.h"
#include "ui/main/form1.h"
#include "ui/main/form1_design.h"
#include "ui/notes/frmabout.h"
#include "ui/weblink/web.h"

using namespace quill;
using enum test::Kind;

namespace {

constexpr test::Font kSans{"Liberation Sans", 8.25};
constexpr test::Font kCallSign{"Liberation Serif", 14.25};
constexpr test::Font kInput{"Liberation Sans", 13.5, true};
constexpr QRgb kRed = qRgb(255, 0, 0), kBlue = qRgb(0, 0, 255), kSystem = test::kSystem;
constexpr Qt::Alignment kLeft = Qt::AlignLeft, kCentre = Qt::AlignHCenter, kRight = Qt::AlignRight;

// The main window as designed: Picture1, then the controls on it, their
// places in twips from Picture1's inner corner. Every ground is the system's.
constexpr char kInputCaption[] = "INPUT\r\nFREQUENCY\r\nIN MEGAHERTZ\r\n";
constexpr char kSpacingCaption[] = "D1 TO D2\r\nSPACING\r\n";
constexpr char kAdditionalCaption[] = "ALL ADDITIONAL\r\nDIRECTOR\r\nSPACINGS\r\n";
// clang-format off
constexpr test::Designed kDesign[] = {
  // name, kind, tab index, text, left, top, width, height, alignment, font, colour
  {"Picture1", Picture,    0, nullptr,               0,    0, 9885, 6420, {},      kSans,     kSystem},
  {"Text1",    FlatBox,    1, "XX9ZZZ",            120,  120, 1575,  375, kLeft,   kCallSign, kBlue},
  {"Text2",    Box,        2, "000.0000001",      7560, 4560, 1455,  375, kCentre, kInput,    kRed},
  {"Text3",    FlatLines,  3, kInputCaption,      7560, 5040, 1455,  615, kCentre, kSans,     kSystem},
  {"Command1", Button,     4, "INCHES",           6240, 4560, 1095,  375, {},      kSans,     kSystem},
  {"Text4",    Box,        5, "000.00",           2280,  840,  735,  315, kRight,  kSans,     kRed},
  {"Text5",    Box,        6, "000.00",           3000, 1560,  735,  285, kRight,  kSans,     kRed},
  {"Text6",    Box,        7, "000.00",           3600, 1920,  735,  285, kRight,  kSans,     kRed},
  {"Text7",    Box,        8, "000.00",           4440, 2400,  735,  285, kRight,  kSans,     kRed},
  {"Text8",    Box,        9, "000.00",           5040, 2760,  735,  285, kRight,  kSans,     kRed},
  {"Text9",    Box,       10, "000.00",              0, 3960,  735,  285, kRight,  kSans,     kRed},
  {"Text10",   Box,       11, "000.00",           1440, 4680,  855,  285, kRight,  kSans,     kRed},
  {"Text11",   Box,       12, "000.00",           3000, 5280,  735,  285, kRight,  kSans,     kRed},
  {"Text12",   Box,       13, "000.00",           8040, 1560,  975,  285, kLeft,   kSans,     kRed},
  {"Text13",   FlatLines, 14, kSpacingCaption,    7920, 1920, 1095,  495, kCentre, kSans,     kSystem},
  {"Text14",   Box,       15, "000.00",           8040, 2400,  975,  285, kCentre, kSans,     kRed},
  {"Text15",   FlatLines, 16, kAdditionalCaption, 7560, 2880, 1575,  735, kCentre, kSans,     kSystem},
  {"Text16",   FlatBox,   17, "D2 Horizontal",    6600,  120, 1335,  285, kLeft,   kSans,     kSystem},
  {"Text17",   Box,       18, "000.00",           8040,  120,  975,  285, kLeft,   kSans,     kRed},
  {"Text18",   FlatBox,   19, "D3 TO Dn Horz",    6600,  480, 1455,  285, kLeft,   kSans,     kSystem},
  {"Text19",   Box,       20, "000.00",           8040,  480,  975,  285, kLeft,   kSans,     kRed},
  {"Text20",   FlatBox,   21, "D2 Vertical",      6600,  840, 1455,  285, kLeft,   kSans,     kSystem},
  {"Text21",   Box,       22, "000.00",           8040,  840,  975,  285, kLeft,   kSans,     kRed},
  {"Text22",   FlatBox,   23, "D3 to Dn Vert",    6600, 1200, 1455,  285, kLeft,   kSans,     kSystem},
  {"Text23",   Box,       24, "000.00",           8040, 1200,  975,  285, kLeft,   kSans,     kRed},
  {"Command2", Button,    25, "NOTES",            4680, 5280, 1215,  375, {},      kSans,     kSystem},
  {"Command3", Button,    26, "WEB LINK",         4680, 4560, 1215,  375, {},      kSans,     kSystem},
  {"Command4", Button,    27, "CM",               6240, 5280, 1095,  375, {},      kSans,     kSystem},
};
// clang-format on

// The result boxes in the order of ResultBox.
constexpr const char* kResultNames[] = {"Text4",  "Text5",  "Text6",  "Text7",  "Text8",  "Text9",  "Text10",
                                        "Text11", "Text12", "Text14", "Text17", "Text19", "Text21", "Text23"};

}  // namespace

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

  // Every control as designed, in tab order after the picture box, on it.
  void design_data() {
    QTest::addColumn<qsizetype>("row");
    for (qsizetype i = 0; i < qsizetype(std::size(kDesign)); ++i) QTest::newRow(kDesign[i].name) << i;
  }
  void design() {
    QFETCH(qsizetype, row);
    const char* name = kDesign[row].name;
    QWidget* w = form->findChild<QWidget*>(QString::fromLatin1(name));
    QVERIFY(w);
    QCOMPARE(w->parentWidget(), row == 0 ? static_cast<QWidget*>(form) : form->Picture1);
    test::VerifyDesigned(form, kDesign, row);
  }

  // The window's members and result boxes are the controls their names say.
  void namedControls() {
    for (const ui::form1::Row& row : ui::form1::controls()) {
      QWidget* member = std::visit([&](auto m) -> QWidget* { return form->*m; }, row.member);
      QCOMPARE(member->objectName(), QString::fromLatin1(row.design.name));
    }
    for (std::size_t i = 0; i < kResultBoxCount; ++i)
      QCOMPARE(form->resultBox(ResultBox(i))->objectName(), QString::fromLatin1(kResultNames[i]));
  }

  void looks() {
    QVERIFY(!form->Text3->isReadOnly());
    QVERIFY(!form->Text4->isReadOnly());
    QVERIFY(!form->Command1->isDefault());
    QVERIFY(!form->Command1->autoDefault());
  }

  void startFocus() { QCOMPARE(QApplication::focusWidget(), form->Picture1); }

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
