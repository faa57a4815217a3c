// The main window: its layout, the calculation buttons, the write-back into
// the frequency box, error reporting and when the program ends.
#include <QApplication>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include "app/errors.h"
#include "app/windows.h"
#include "calc/design.h"
#include "gui_support.h"
#include "ui/common/forms.h"
#include "ui/common/picturebox.h"
#include "ui/main/form1.h"
#include "ui/main/form1_design.h"
#include "ui/notes/frmabout.h"
#include "ui/weblink/web.h"

using namespace quill;

class TestMain : public QObject {
  Q_OBJECT

  Form1* form = nullptr;
  QList<RunTimeError> errors;

  void click(QWidget* widget) { QTest::mouseClick(widget, Qt::LeftButton); }
  QStringList results() const {
    QStringList texts;
    for (ResultBox box :
         {ResultBox::Text5, ResultBox::Text7, ResultBox::Text12, ResultBox::Text14, ResultBox::Text4,
          ResultBox::Text9, ResultBox::Text6, ResultBox::Text10, ResultBox::Text8, ResultBox::Text11,
          ResultBox::Text17, ResultBox::Text21, ResultBox::Text19, ResultBox::Text23}) {
      texts << form->resultBox(box)->text();
    }
    return texts;
  }
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
    for (const ui::form1::ControlDesign& d : ui::form1::controls()) {
      QWidget* w = form->findChild<QWidget*>(QString::fromLatin1(d.name));
      QVERIFY2(w, d.name);
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
    QCOMPARE(results(), QStringList(14, QStringLiteral("000.00")));
    QCOMPARE(form->Text3->toPlainText(), QStringLiteral("INPUT\nFREQUENCY\nIN MEGAHERTZ\n"));
    QCOMPARE(form->Text13->toPlainText(), QStringLiteral("D1 TO D2\nSPACING\n"));
    QCOMPARE(form->Text15->toPlainText(), QStringLiteral("ALL ADDITIONAL\nDIRECTOR\nSPACINGS\n"));
    QCOMPARE(form->Text18->text(), QStringLiteral("D3 TO Dn Horz"));
    QCOMPARE(form->Command3->text(), QStringLiteral("WEB LINK"));
    QCOMPARE(QApplication::focusWidget(), form->Picture1);
  }

  void accessibleNames() {
    QSet<QString> names;
    for (const ui::form1::ControlDesign& d : ui::form1::controls()) {
      if (d.kind != ui::form1::Kind::Result && d.kind != ui::form1::Kind::Input) continue;
      QWidget* w = form->findChild<QWidget*>(QString::fromLatin1(d.name));
      QVERIFY2(!w->accessibleName().isEmpty(), d.name);
      names.insert(w->accessibleName());
    }
    QCOMPARE(names.size(), 15);
    QCOMPARE(form->Text7->accessibleName(), QStringLiteral("Driven element to D1 spacing"));
  }

  void calculate_data() {
    QTest::addColumn<QString>("frequency");
    QTest::addColumn<bool>("centimetres");
    QTest::addColumn<QStringList>("expected");
    QTest::newRow("144 inches") << "144" << false
                                << QStringList{"20.5",     "12.3",     "16.4",     "20.5",    "43.16667",
                                               "21.58333", "41.04167", "20.52083", "36.125",  "18.0625",
                                               "35.97917", "17.98958", "35.83333", "17.91667"};
    QTest::newRow("144 centimetres") << "144" << true
                                     << QStringList{"52.07",    "31.242",   "41.656",   "52.07",   "109.6433",
                                                    "54.82167", "104.2458", "52.12292", "91.7575", "45.87875",
                                                    "91.38708", "45.69354", "91.01667", "45.50834"};
  }
  void calculate() {
    QFETCH(QString, frequency);
    QFETCH(bool, centimetres);
    QFETCH(QStringList, expected);
    enterFrequency(frequency);
    click(centimetres ? form->Command4 : form->Command1);
    QCOMPARE(results(), expected);
    QVERIFY(errors.isEmpty());
    // The frequency box is left as typed.
    QCOMPARE(form->Text2->text(), frequency);
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
    QCOMPARE(form->Text4->text(), QStringLiteral("43.16667"));
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
    const QStringList before = results();
    for (QPushButton* button : {form->Command1, form->Command4}) {
      errors.clear();
      enterFrequency(frequency);
      click(button);
      QCOMPARE(errors.size(), 1);
      QCOMPARE(errors.first().number, number);
      QCOMPARE(results(), before);
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

  // Results follow the user's locale; the write-back always uses "." because
  // the frequency box reads only ".".
  void commaLocale() {
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    enterFrequency("146.5");
    click(form->Command1);
    QCOMPARE(form->Text5->text(), QStringLiteral("20,15017"));
    click(form->Text2);
    QCOMPARE(form->Text2->text(), QStringLiteral("146.5"));
    click(form->Command1);
    QCOMPARE(LastFrequency(), 146.5f);
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
    QStringList steps;
    auto alive = [&](const char* step) { steps << QString::fromLatin1(step); };
    QTimer::singleShot(0, [&] {
      form->close();
      alive("main closed");
    });
    QTimer::singleShot(50, [&] {
      app::NotesWindow()->close();
      alive("notes closed");
    });
    QTimer::singleShot(100, [&] { app::WebLinkWindow()->close(); });
    QTimer::singleShot(5000, [&] {
      alive("still running");
      QCoreApplication::exit(1);
    });
    QCOMPARE(QCoreApplication::exec(), 0);
    QCOMPARE(steps, (QStringList{"main closed", "notes closed"}));
  }

  void mainWindowIsSingle() { QCOMPARE(app::ShowMainWindow(), form); }
};

QTEST_MAIN(TestMain)
#include "test_main.moc"
