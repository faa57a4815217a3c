// Bad input through the real main window: whatever the user types or pastes
// into the frequency box, "INCHES" and "CM" either show the results for the
// number the text starts with or report the run-time error, and the program
// goes on with nothing lost.
#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QMessageBox>
#include <QProxyStyle>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include "app/errors.h"
#include "app/windows.h"
#include "calc/design.h"
#include "calc/format.h"
#include "gui_support.h"
#include "ui/main/form1.h"

using namespace quill;

namespace {

enum class Entry { Typed, Pasted };

// What the fourteen boxes show after a calculation for `text`, in box order.
QStringList expectedResults(const QString& text, Unit unit) {
  DesignValues record;
  const Calculation c = Calculate(record, text.toStdString(), unit);
  QStringList out(kResultBoxCount);
  for (const BoxWrite& w : c) {
    out[qsizetype(w.box)] = QString::fromStdString(FormatDimension(w.value));
  }
  return out;
}

}  // namespace

class TestBadInput : public QObject {
  Q_OBJECT

  Form1* form = nullptr;
  QList<RunTimeError> errors;

  void click(QWidget* widget) { QTest::mouseClick(widget, Qt::LeftButton); }

  // Replaces the frequency box's text as a user would: select all, then type
  // or paste. Typing sends each character as a key press with its text.
  void enter(const QString& text, Entry how) {
    QLineEdit* box = form->Text2;
    QTest::keyClick(box, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(box, Qt::Key_Delete);
    if (how == Entry::Pasted) {
      QApplication::clipboard()->setText(text);
      QTest::keyClick(box, Qt::Key_V, Qt::ControlModifier);
      return;
    }
    for (QChar c : text) {
      QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, QString(c));
      QKeyEvent release(QEvent::KeyRelease, 0, Qt::NoModifier, QString(c));
      QApplication::sendEvent(box, &press);
      QApplication::sendEvent(box, &release);
    }
  }

 private slots:
  void initTestCase() {
    test::SetUpGuiTest();
    app::SetErrorReporter([this](const RunTimeError& e) { errors << e; });
  }

  void init() {
    Design() = DesignValues{};
    QLocale::setDefault(QLocale::c());
    errors.clear();
    form = app::ShowMainWindow();
    QVERIFY(QTest::qWaitForWindowExposed(form));
  }

  void cleanup() { test::CloseAllWindows(); }

  // `equivalent` is a plain text that means the same number; "" when the
  // input must fail with `error`. `shownBack` is what a click into the box
  // shows afterwards: the frequency the calculation stored.
  void badInput_data() {
    QTest::addColumn<QString>("input");
    QTest::addColumn<int>("how");
    QTest::addColumn<QString>("equivalent");
    QTest::addColumn<int>("error");
    QTest::addColumn<QString>("shownBack");
    const int typed = int(Entry::Typed), pasted = int(Entry::Pasted);
    auto u = [](const char* utf8) { return QString::fromUtf8(utf8); };

    QTest::newRow("empty") << "" << typed << "" << 11 << "0";
    QTest::newRow("blanks only") << "   " << typed << "" << 11 << "0";
    QTest::newRow("tabs and line breaks only") << "\t\r\n \n" << pasted << "" << 11 << "0";
    QTest::newRow("letters") << "abc" << typed << "" << 11 << "0";
    QTest::newRow("unit first") << "MHz 146" << typed << "" << 11 << "0";
    QTest::newRow("decimal comma") << "1,5" << typed << "1" << 0 << "1";
    QTest::newRow("zero") << "0" << typed << "" << 11 << "0";
    QTest::newRow("minus zero") << "-0" << typed << "" << 11 << "0";
    QTest::newRow("beyond single precision") << "1e40" << typed << "" << 6 << "Infinity";
    QTest::newRow("wavelength beyond single precision") << "1e-40" << typed << "" << 6 << "9.999946E-41";
    QTest::newRow("beyond double") << "-1e999" << typed << "" << 6 << "-Infinity";
    QTest::newRow("100000 digits") << QString(100000, '9') << pasted << "" << 6 << "Infinity";
    QTest::newRow("100000 characters after a number")
        << "146.5" + QString(99995, 'x') << pasted << "146.5" << 0 << "146.5";
    QTest::newRow("100000 blanks before a number")
        << QString(99997, ' ') + "146" << pasted << "146" << 0 << "146";
    QTest::newRow("control characters first") << "\x01\x02"
                                                 "146"
                                              << pasted << "" << 11 << "0";
    QTest::newRow("control character after") << "146\x07"
                                                "5"
                                             << pasted << "146" << 0 << "146";
    QTest::newRow("NUL inside") << QString("14") + QChar(0) + "6" << pasted << "14" << 0 << "14";
    QTest::newRow("escape sequence") << "\x1b[31m146" << pasted << "" << 11 << "0";
    QTest::newRow("Arabic-Indic digits") << u("\xd9\xa1\xd9\xa4\xd9\xa6") << typed << "" << 11 << "0";
    QTest::newRow("full-width digits")
        << u("\xef\xbc\x91\xef\xbc\x94\xef\xbc\x96") << typed << "" << 11 << "0";
    QTest::newRow("non-ASCII digit after") << u("146\xd9\xa5") << typed << "146" << 0 << "146";
    QTest::newRow("non-breaking space") << u("\xc2\xa0"
                                             "146")
                                        << pasted << "" << 11 << "0";
    QTest::newRow("pasted with line breaks") << "146\n.5\n" << pasted << "146.5" << 0 << "146.5";
    QTest::newRow("pasted with CR LF") << "\r\n14\r\n6\r\n" << pasted << "146" << 0 << "146";
    QTest::newRow("pasted paragraph") << "432.1 MHz\nis the band\n" << pasted << "432.1" << 0 << "432.1";
  }
  void badInput() {
    QFETCH(QString, input);
    QFETCH(int, how);
    QFETCH(QString, equivalent);
    QFETCH(int, error);
    QFETCH(QString, shownBack);

    // Earlier results that a failure must leave alone.
    enter("144", Entry::Typed);
    click(form->Command1);
    const QStringList before = test::ResultTexts(*form);
    const QString callSign = form->Text1->text();

    enter(input, Entry(how));
    // The box keeps all that was entered: it has no length limit.
    QCOMPARE(form->Text2->text(), input);

    for (Unit unit : {Unit::Inches, Unit::Centimetres}) {
      errors.clear();
      click(unit == Unit::Inches ? form->Command1 : form->Command4);
      if (error) {
        QCOMPARE(errors.size(), 1);
        QCOMPARE(errors.first().number, error);
        QCOMPARE(test::ResultTexts(*form), before);
      } else {
        QVERIFY2(errors.isEmpty(), qPrintable(app::ErrorMessage(errors.value(0, RunTimeError{0, ""}))));
        QCOMPARE(test::ResultTexts(*form), expectedResults(equivalent, unit));
      }
      QCOMPARE(form->Text2->text(), input);
      QCOMPARE(form->Text1->text(), callSign);
      QVERIFY(form->isVisible());
    }

    click(form->Text2);
    QCOMPARE(form->Text2->text(), shownBack);

    // And the program goes on as usual.
    errors.clear();
    enter("432", Entry::Typed);
    click(form->Command1);
    QVERIFY(errors.isEmpty());
    QCOMPARE(test::ResultTexts(*form), expectedResults("432", Unit::Inches));
  }

  // Many bad inputs in a row, mixed with good ones, on one window.
  void manyInARow() {
    const QStringList inputs = {"", "abc", "0", "1e40", "146", "-0", "1e-40", "\x01", "50", "1,5"};
    int failures = 0;
    for (int round = 0; round < 20; ++round) {
      for (const QString& input : inputs) {
        enter(input, Entry::Pasted);
        click(round % 2 ? form->Command4 : form->Command1);
      }
      failures += 7;  // all but "146", "50" and "1,5"
    }
    QCOMPARE(errors.size(), failures);
    QCOMPARE(test::ResultTexts(*form), expectedResults("1", Unit::Centimetres));
    QVERIFY(form->isVisible());
  }

  // Without a test reporter, the error appears in the real message box; once
  // it is closed the window works on.
  void realMessageBox_data() {
    QTest::addColumn<QString>("input");
    QTest::addColumn<QString>("message");
    QTest::newRow("division by zero") << ""
                                      << "Run-time error '11':\n\nDivision by zero";
    QTest::newRow("overflow") << "1e40"
                              << "Run-time error '6':\n\nOverflow";
  }
  void realMessageBox() {
    QFETCH(QString, input);
    QFETCH(QString, message);
    const app::ErrorReporter recorder = app::SetErrorReporter({});
    enter("146", Entry::Typed);
    click(form->Command1);
    const QStringList before = test::ResultTexts(*form);

    QString shownText, shownTitle;
    bool wasModal = false;
    QTimer poll;
    connect(&poll, &QTimer::timeout, this, [&] {
      if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
        shownText = box->text();
        shownTitle = box->windowTitle();
        wasModal = box->isModal();
        box->button(QMessageBox::Ok)->click();
      }
    });
    poll.start(10);
    QTimer::singleShot(5000, [] {
      if (QWidget* w = QApplication::activeModalWidget()) w->close();  // never hang the suite
    });
    enter(input, Entry::Typed);
    click(form->Command1);  // returns once the message box is closed
    poll.stop();
    app::SetErrorReporter(recorder);

    QCOMPARE(shownText, message);
    QCOMPARE(shownTitle, QStringLiteral("quillcalc"));
    QVERIFY(wasModal);
    QVERIFY(form->isVisible());
    QCOMPARE(test::ResultTexts(*form), before);
    enter("146", Entry::Typed);
    click(form->Command4);
    QCOMPARE(test::ResultTexts(*form), expectedResults("146", Unit::Centimetres));
  }

  // Every error box shows one and the same OK icon: Qt's pixmap cache keeps
  // each icon it paints, so an icon made afresh for each box would grow the
  // program with every box.
  void errorBoxesShareOneIcon() {
    // Buttons carry icons where the desktop asks for them (on X11, not on
    // the offscreen platform): ask for them here.
    struct ButtonsWithIcons : QProxyStyle {
      int styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                    QStyleHintReturn* returned) const override {
        if (hint == SH_DialogButtonBox_ButtonsHaveIcons) return 1;
        return QProxyStyle::styleHint(hint, option, widget, returned);
      }
    };
    const QString style = QApplication::style()->name();
    QApplication::setStyle(new ButtonsWithIcons);
    const app::ErrorReporter recorder = app::SetErrorReporter({});
    QList<qint64> icons;
    QTimer poll;
    connect(&poll, &QTimer::timeout, this, [&] {
      if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
        icons << box->button(QMessageBox::Ok)->icon().cacheKey();
        box->button(QMessageBox::Ok)->click();
      }
    });
    poll.start(10);
    QTimer::singleShot(5000, [] {
      if (QWidget* w = QApplication::activeModalWidget()) w->close();  // never hang the suite
    });
    app::ReportRunTimeError(RunTimeError::divisionByZero());
    app::ReportRunTimeError(RunTimeError::overflow());
    poll.stop();
    app::SetErrorReporter(recorder);
    QApplication::setStyle(style);
    QCOMPARE(icons.size(), 2);
    QVERIFY(icons[0] != QIcon().cacheKey());
    QCOMPARE(icons[0], icons[1]);
  }
};

QTEST_MAIN(TestBadInput)
#include "test_bad_input.moc"
