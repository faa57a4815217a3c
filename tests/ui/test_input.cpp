// The main window as the keyboard and the mouse reach it: boxes that are
// left never stay scrolled, Enter and Space press the focused button, what
// counts as a click in the frequency box, and the numbers of other locales.
#include <QApplication>
#include <QSignalSpy>
#include <QTest>

#include "app/errors.h"
#include "app/windows.h"
#include "calc/design.h"
#include "examples.h"
#include "gui_support.h"
#include "ui/common/controls.h"
#include "ui/common/digits.h"
#include "ui/main/form1.h"
#include "ui/notes/frmabout.h"
#include "ui/weblink/web.h"

using namespace quill;
using ui::CommandButton;
using ui::TextBox;

namespace {

// The position of the character a box shows at its left edge, as painted.
int firstShown(TextBox* box) {
  box->grab();  // QLineEdit works out its scrolling when it paints
  return box->cursorPositionAt(QPoint(2, box->height() / 2));
}

}  // namespace

class TestInput : public QObject {
  Q_OBJECT

  Form1* form = nullptr;

 private slots:
  void initTestCase() {
    test::SetUpGuiTest();
    app::SetErrorReporter([](const RunTimeError&) {});
  }

  void init() {
    Design() = DesignValues{};
    QLocale::setDefault(QLocale::c());
    form = app::ShowMainWindow();
    QVERIFY(QTest::qWaitForWindowExposed(form));
    QApplication::setActiveWindow(form);
  }

  void cleanup() {
    QLocale::setDefault(QLocale::c());
    test::CloseAllWindows();
  }

  // A box whose text is longer than it can show scrolls while the user works
  // in it; when the focus leaves, it shows its text from the start again.
  void leftBoxesShowTheirStart_data() {
    QTest::addColumn<QString>("box");
    QTest::addColumn<bool>("select");
    for (const char* name : {"Text2", "Text4", "Text10", "Text17"}) {
      QTest::addRow("%s, caret at the end", name) << name << false;
      QTest::addRow("%s, part selected", name) << name << true;
    }
  }
  void leftBoxesShowTheirStart() {
    QFETCH(QString, box);
    QFETCH(bool, select);
    auto* shown = form->findChild<TextBox*>(box);
    QVERIFY(shown);
    shown->setText(QStringLiteral("12345678901234567890123456789012345678901234567890"));
    shown->setFocus(Qt::TabFocusReason);
    QTest::keyClick(shown, Qt::Key_End);
    if (select) QTest::keyClick(shown, Qt::Key_Left, Qt::ShiftModifier);
    QVERIFY2(firstShown(shown) > 0, "the text should be scrolled while the caret is at its end");
    QTest::keyClick(shown, Qt::Key_Tab);
    QVERIFY(!shown->hasFocus());
    QCOMPARE(firstShown(shown), 0);
    QCOMPARE(shown->cursorPosition(), 0);
  }

  // Enter presses a focused button as Space does; neither is the window's
  // default button, so Enter anywhere else presses nothing.
  void keysPressTheFocusedButton_data() {
    QTest::addColumn<QString>("button");
    QTest::addColumn<int>("key");
    for (const char* name : {"Command1", "Command2", "Command3", "Command4"}) {
      QTest::addRow("%s Return", name) << name << int(Qt::Key_Return);
      QTest::addRow("%s keypad Enter", name) << name << int(Qt::Key_Enter);
      QTest::addRow("%s Space", name) << name << int(Qt::Key_Space);
    }
  }
  void keysPressTheFocusedButton() {
    QFETCH(QString, button);
    QFETCH(int, key);
    auto* pressed = form->findChild<CommandButton*>(button);
    QVERIFY(pressed);
    QVERIFY(!pressed->isDefault() && !pressed->autoDefault());
    form->Text2->setText(QString::fromLatin1(test::k144));
    pressed->setFocus(Qt::TabFocusReason);
    const Qt::KeyboardModifiers modifiers = key == Qt::Key_Enter ? Qt::KeypadModifier : Qt::NoModifier;
    QTest::keyClick(pressed, Qt::Key(key), modifiers);
    if (pressed == form->Command1)
      QCOMPARE(form->Text4->text(), QString::fromLatin1(test::Shown(test::k144Inches, ResultBox::Text4)));
    if (pressed == form->Command4)
      QCOMPARE(form->Text4->text(),
               QString::fromLatin1(test::Shown(test::k144Centimetres, ResultBox::Text4)));
    QCOMPARE(test::OpenWindows<frmAbout>().size(), pressed == form->Command2 ? 1 : 0);
    QCOMPARE(test::OpenWindows<web>().size(), pressed == form->Command3 ? 1 : 0);
  }

  // A click in the frequency box is a left press and release both inside
  // it; only a click writes the last frequency back.
  void frequencyBoxClick_data() {
    QTest::addColumn<QPoint>("release");
    QTest::addColumn<int>("button");
    QTest::addColumn<bool>("click");
    QTest::newRow("inside") << QPoint(10, 10) << int(Qt::LeftButton) << true;
    QTest::newRow("dragged out to the right") << QPoint(400, 10) << int(Qt::LeftButton) << false;
    QTest::newRow("dragged out above") << QPoint(10, -5) << int(Qt::LeftButton) << false;
    QTest::newRow("right button") << QPoint(10, 10) << int(Qt::RightButton) << false;
  }
  void frequencyBoxClick() {
    QFETCH(QPoint, release);
    QFETCH(int, button);
    QFETCH(bool, click);
    form->Text2->setText(QString::fromLatin1(test::k144));
    QTest::mouseClick(form->Command1, Qt::LeftButton);
    form->Text2->setText(QStringLiteral("432"));
    QSignalSpy clicks(form->Text2, &ui::FrequencyBox::clicked);
    const auto mouse = Qt::MouseButton(button);
    QTest::mousePress(form->Text2, mouse, {}, QPoint(10, 10));
    if (mouse == Qt::RightButton)
      QTest::mouseRelease(form->Text2, mouse, {}, release);
    else {
      QTest::mouseMove(form->Text2, release);
      QTest::mouseRelease(form->Text2, mouse, {}, release);
    }
    QCOMPARE(clicks.size(), click ? 1 : 0);
    QCOMPARE(form->Text2->text(), click ? QStringLiteral("144") : QStringLiteral("432"));
  }

  // Where the decimal separator is "," or "٫", the results show it, the
  // frequency box reads it (and still reads "."), and the write-back uses
  // it: a click and the same button again give the same fourteen values.
  // The box reads the digits of the user's own script as well; the values
  // are shown in ASCII digits.
  void localeNumbers_data() {
    QTest::addColumn<QLocale>("locale");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("reflectorSpacing");
    QTest::addColumn<QString>("writtenBack");
    const QLocale german(QLocale::German, QLocale::Germany);
    const QLocale french(QLocale::French, QLocale::France);
    QTest::newRow("de_DE 146,5") << german << "146,5"
                                 << "20,15017"
                                 << "146,5";
    QTest::newRow("de_DE 146.5") << german << "146.5"
                                 << "20,15017"
                                 << "146,5";
    QTest::newRow("de_DE 0,1357") << german << "0,1357"
                                  << "21753,87"
                                  << "0,1357";
    QTest::newRow("de_DE 10368,1") << german << "10368,1"
                                   << "0,2847195"
                                   << "10368,1";
    QTest::newRow("fr_FR 146,5") << french << "146,5"
                                 << "20,15017"
                                 << "146,5";
    QTest::newRow("fr_FR 1296,2 MHz") << french << "1296,2 MHz"
                                      << "2,277426"
                                      << "1296,2";
    QTest::newRow("C 146,5 is 146") << QLocale::c() << "146,5"
                                    << "20.21918"
                                    << "146";
    QTest::newRow("C 146.5") << QLocale::c() << "146.5"
                             << "20.15017"
                             << "146.5";
    QTest::newRow("ar_EG Arabic-Indic 146") << QLocale(QStringLiteral("ar_EG")) << QStringLiteral("١٤٦")
                                            << QStringLiteral("20٫21918") << QStringLiteral("146");
    QTest::newRow("fa_IR Extended Arabic-Indic 146.5")
        << QLocale(QStringLiteral("fa_IR")) << QStringLiteral("۱۴۶٫۵") << QStringLiteral("20٫15017")
        << QStringLiteral("146٫5");
    QTest::newRow("hi_IN Devanagari 146.5") << QLocale(QStringLiteral("hi_IN")) << QStringLiteral("१४६.५")
                                            << QStringLiteral("20.15017") << QStringLiteral("146.5");
  }
  void localeNumbers() {
    QFETCH(QLocale, locale);
    QFETCH(QString, typed);
    QFETCH(QString, reflectorSpacing);
    QFETCH(QString, writtenBack);
    QLocale::setDefault(locale);
    for (CommandButton* button : {form->Command1, form->Command4}) {
      form->Text2->setText(typed);
      QTest::mouseClick(button, Qt::LeftButton);
      const QStringList first = test::ResultTexts(*form);
      if (button == form->Command1) QCOMPARE(form->Text5->text(), reflectorSpacing);
      QTest::mouseClick(form->Text2, Qt::LeftButton);
      QCOMPARE(form->Text2->text(), writtenBack);
      QTest::mouseClick(button, Qt::LeftButton);
      QCOMPARE(test::ResultTexts(*form), first);
    }
  }

  // Which digits the frequency box reads besides ASCII ones: those a locale
  // writes numbers with, and those of the script it writes its language in.
  // Elsewhere the text reaches the calculation as typed.
  void ownDigits_data() {
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("read");
    const QString arabicIndic = QStringLiteral("١٤٦٫٥"), extended = QStringLiteral("۱۴۶٫۵");
    const QString devanagari = QStringLiteral("१४६.५");
    QTest::newRow("C: Arabic-Indic as typed") << "C" << arabicIndic << arabicIndic;
    QTest::newRow("C: Devanagari as typed") << "C" << devanagari << devanagari;
    QTest::newRow("en_US: Extended Arabic-Indic as typed") << "en_US" << extended << extended;
    QTest::newRow("en_US: full-width as typed")
        << "en_US" << QStringLiteral("１４６") << QStringLiteral("１４６");
    QTest::newRow("ar_EG: Arabic-Indic") << "ar_EG" << arabicIndic << QStringLiteral("146٫5");
    QTest::newRow("ar_EG: Extended, the same script") << "ar_EG" << extended << QStringLiteral("146٫5");
    QTest::newRow("fa_IR: Extended, a unit after")
        << "fa_IR" << QStringLiteral("۱۴۶٫۵ MHz") << QStringLiteral("146٫5 MHz");
    QTest::newRow("fa_IR: Devanagari as typed") << "fa_IR" << devanagari << devanagari;
    QTest::newRow("hi_IN: Devanagari, numbers in ASCII") << "hi_IN" << devanagari << "146.5";
    QTest::newRow("hi_IN: Arabic-Indic as typed") << "hi_IN" << arabicIndic << arabicIndic;
    QTest::newRow("th_TH: Thai") << "th_TH" << QStringLiteral("๑๔๖.๕") << "146.5";
    QTest::newRow("ff_Adlm_GN: Adlam, beyond 16 bits")
        << "ff_Adlm_GN" << QStringLiteral("𞥑𞥔𞥖.𞥕") << "146.5";
  }
  void ownDigits() {
    QFETCH(QString, locale);
    QFETCH(QString, typed);
    QFETCH(QString, read);
    QCOMPARE(QString::fromStdString(ui::WithAsciiDigits(typed, QLocale(locale))), read);
  }
};

QTEST_MAIN(TestInput)
#include "test_input.moc"
