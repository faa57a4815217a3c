// The text shown for a value: 7 significant digits and the exponent form;
// the numbers of a sentence in a locale's digits.
#include <QTest>
#include <limits>

#include "calc/format.h"
#include "calc/tuningreport.h"

using quill::FormatDimension;

class TestFormat : public QObject {
  Q_OBJECT

 private slots:
  void format_data() {
    QTest::addColumn<float>("value");
    QTest::addColumn<QString>("expected");

    QTest::newRow("integer") << 144.0f << "144";
    QTest::newRow("trailing zeros dropped") << 20.5f << "20.5";
    QTest::newRow("single rounding hidden") << 12.3f << "12.3";
    QTest::newRow("seven digits") << 43.166668f << "43.16667";
    QTest::newRow("zero") << 0.0f << "0";
    QTest::newRow("negative zero") << -0.0f << "0";
    QTest::newRow("negative") << -20.5f << "-20.5";
    QTest::newRow("negative small") << -0.0001f << "-0.0001";
    // Exponent form from 1E+07 up and below 1E-04.
    QTest::newRow("largest plain") << 9999999.0f << "9999999";
    QTest::newRow("rounds up into exponent") << 9999999.5f << "1E+07";
    QTest::newRow("ten million") << 1e7f << "1E+07";
    QTest::newRow("eight digits") << 12345678.0f << "1.234568E+07";
    QTest::newRow("smallest plain") << 0.0001f << "0.0001";
    QTest::newRow("below 1E-04") << 0.00009999f << "9.999E-05";
    QTest::newRow("three-digit exponent") << 1e-40f << "9.999946E-41";
    QTest::newRow("huge") << 2.952e10f << "2.952E+10";
    QTest::newRow("largest float") << std::numeric_limits<float>::max() << "3.402823E+38";
    QTest::newRow("negative exponent form") << -1.7712e10f << "-1.7712E+10";
    QTest::newRow("infinity") << std::numeric_limits<float>::infinity() << "Infinity";
    QTest::newRow("minus infinity") << -std::numeric_limits<float>::infinity() << "-Infinity";
    QTest::newRow("nan") << std::numeric_limits<float>::quiet_NaN() << "NaN";
  }
  void format() {
    QFETCH(float, value);
    QFETCH(QString, expected);
    QCOMPARE(QString::fromStdString(FormatDimension(value)), expected);
  }

  void decimalSeparator_data() {
    QTest::addColumn<float>("value");
    QTest::addColumn<QString>("separator");
    QTest::addColumn<QString>("expected");
    QTest::newRow("comma") << 43.166668f << ","
                           << "43,16667";
    QTest::newRow("comma exponent") << 2.952e10f << ","
                                    << "2,952E+10";
    QTest::newRow("comma integer") << 144.0f << ","
                                   << "144";
    QTest::newRow("multi-byte") << 1.5f << QString::fromUtf8("\xd9\xab")
                                << QString::fromUtf8(
                                       "1\xd9\xab"
                                       "5");
  }
  void decimalSeparator() {
    QFETCH(float, value);
    QFETCH(QString, separator);
    QFETCH(QString, expected);
    QCOMPARE(QString::fromStdString(FormatDimension(value, separator.toStdString())), expected);
  }

  // Persian digits and decimal point for every number, and only for numbers.
  void numbersInTheLocalesDigits_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("expected");
    QTest::newRow("decimal") << "at 150.0 MHz."
                             << "at ۱۵۰٫۰ MHz.";
    QTest::newRow("sentence's full stop") << "by 29 mm."
                                          << "by ۲۹ mm.";
    QTest::newRow("fraction of an inch") << "(1 1/16 in)"
                                         << "(۱ ۱/۱۶ in)";
    QTest::newRow("sign") << "±3 mm, -0.5 dB"
                          << "±۳ mm, -۰٫۵ dB";
    QTest::newRow("a word's digits") << "nec2c failed on all 32 copies"
                                     << "nec2c failed on all ۳۲ copies";
    QTest::newRow("digits at the ends") << "3.5.7"
                                        << "۳٫۵٫۷";
    QTest::newRow("point without digits") << ". .5 5. x"
                                          << ". .۵ ۵. x";
    QTest::newRow("no numbers") << "none"
                                << "none";
  }
  void numbersInTheLocalesDigits() {
    QFETCH(QString, text);
    QFETCH(QString, expected);
    const quill::nec::NumberStyle persian{"٫", {"۰", "۱", "۲", "۳", "۴", "۵", "۶", "۷", "۸", "۹"}};
    QCOMPARE(QString::fromStdString(quill::nec::WithNumberStyle(text.toStdString(), persian)), expected);
    QCOMPARE(QString::fromStdString(quill::nec::WithNumberStyle(text.toStdString(), {})), text);
  }
};

QTEST_APPLESS_MAIN(TestFormat)
#include "test_format.moc"
