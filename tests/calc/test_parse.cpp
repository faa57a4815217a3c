// Reading the frequency box: the leading-number rules.
#include <QTest>
#include <cmath>
#include <cstdlib>
#include <limits>
#include <string>

#include "calc/parse.h"
#include "exact.h"

using quill::ParseLeadingNumber;

class TestParse : public QObject {
  Q_OBJECT

 private slots:
  void leadingNumber_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<double>("expected");

    QTest::newRow("integer") << "144" << 144.0;
    QTest::newRow("initial box text") << "000.0000001" << 1e-7;
    QTest::newRow("fraction") << "146.5" << 146.5;
    QTest::newRow("unit after number") << "146.5 MHz" << 146.5;
    QTest::newRow("comma ends number") << "1,5" << 1.0;
    QTest::newRow("blanks inside") << " 1 4 4" << 144.0;
    QTest::newRow("tabs and line breaks") << "\t1\r\n4\n4 " << 144.0;
    QTest::newRow("plus sign") << "+50" << 50.0;
    QTest::newRow("minus sign") << "-144" << -144.0;
    QTest::newRow("blank after sign") << "- 2" << -2.0;
    QTest::newRow("leading point") << ".5" << 0.5;
    QTest::newRow("trailing point") << "5." << 5.0;
    QTest::newRow("second point ends") << "1.2.3" << 1.2;
    QTest::newRow("exponent") << "1.44e2" << 144.0;
    QTest::newRow("upper-case exponent") << "1E3" << 1000.0;
    QTest::newRow("signed exponent") << "14400e-2" << 144.0;
    QTest::newRow("blanks in exponent") << "1 e + 2" << 100.0;
    QTest::newRow("exponent without digits") << "7e" << 7.0;
    QTest::newRow("exponent sign without digits") << "7e-" << 7.0;
    QTest::newRow("many leading zeros") << "0000000000000000000000000144" << 144.0;
    QTest::newRow("many fraction digits") << "144.000000000000000000000000001" << 144.0;
  }
  void leadingNumber() {
    QFETCH(QString, text);
    QFETCH(double, expected);
    QUILL_EXACT(ParseLeadingNumber(text.toStdString()), expected);
  }

  // Where the locale writes decimals with another point, it is read as one
  // too; "." always is.
  void localeDecimalPoint_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("point");
    QTest::addColumn<double>("expected");
    QTest::newRow("comma, German") << "146,5"
                                   << "," << 146.5;
    QTest::newRow("point still reads") << "146.5"
                                       << "," << 146.5;
    QTest::newRow("comma ignored where the locale has a point") << "146,5"
                                                                << "." << 146.0;
    QTest::newRow("one decimal point only") << "1,5.5"
                                            << "," << 1.5;
    QTest::newRow("point then comma") << "1.5,5"
                                      << "," << 1.5;
    QTest::newRow("leading comma") << ",25"
                                   << "," << 0.25;
    QTest::newRow("comma and exponent") << "1,5e2"
                                        << "," << 150.0;
    QTest::newRow("blanks around") << " 14 6 , 5"
                                   << "," << 146.5;
    QTest::newRow("negative") << "-0,5"
                              << "," << -0.5;
    QTest::newRow("several bytes") << QString::fromUtf8(
                                          "1\xd9\xab"
                                          "5")
                                   << QString::fromUtf8("\xd9\xab") << 1.5;
    QTest::newRow("several bytes, only a part") << QString::fromUtf8(
                                                       "1\xd9"
                                                       "5")
                                                << QString::fromUtf8("\xd9\xab") << 1.0;
  }
  void localeDecimalPoint() {
    QFETCH(QString, text);
    QFETCH(QString, point);
    QFETCH(double, expected);
    QUILL_EXACT(ParseLeadingNumber(text.toStdString(), point.toStdString()), expected);
  }

  void noNumberGivesZero_data() {
    QTest::addColumn<QString>("text");
    QTest::newRow("empty") << "";
    QTest::newRow("blanks only") << "  \t\r\n";
    QTest::newRow("letters") << "abc";
    QTest::newRow("unit only") << "MHz 144";
    QTest::newRow("sign only") << "-";
    QTest::newRow("two signs") << "--5";
    QTest::newRow("point only") << ".";
    QTest::newRow("exponent only") << "e5";
    QTest::newRow("zero") << "0";
    QTest::newRow("infinity word") << "inf";
    QTest::newRow("nan word") << "nan";
    QTest::newRow("hex") << "0x10";  // the 0 is read, the x ends it
    QTest::newRow("non-ASCII digits") << QString::fromUtf8("\xd9\xa1\xd9\xa4");  // Arabic-Indic 14
    QTest::newRow("full-width digits") << QString::fromUtf8("\xef\xbc\x91\xef\xbc\x94");
  }
  void noNumberGivesZero() {
    QFETCH(QString, text);
    const double value = ParseLeadingNumber(text.toStdString());
    QUILL_EXACT(value, 0.0);
    QVERIFY(!std::signbit(value));
  }

  void outOfRange() {
    const double inf = std::numeric_limits<double>::infinity();
    QUILL_EXACT(ParseLeadingNumber("1e400"), inf);
    QUILL_EXACT(ParseLeadingNumber("-1e400"), -inf);
    QUILL_EXACT(ParseLeadingNumber("1e999999999999999999999"), inf);
    QUILL_EXACT(ParseLeadingNumber("1e350"), inf);  // beyond double, not beyond the quick check
    QUILL_EXACT(ParseLeadingNumber("1" + std::string(400, '0')), inf);
    QUILL_EXACT(ParseLeadingNumber("1e-400"), 0.0);
    QUILL_EXACT(ParseLeadingNumber("0." + std::string(500, '0') + "1"), 0.0);
    QUILL_EXACT(ParseLeadingNumber("1e40"), 1e40);
    QUILL_EXACT(ParseLeadingNumber("1e-40"), 1e-40);
    QUILL_EXACT(ParseLeadingNumber("4.9406564584124654e-324"), std::numeric_limits<double>::denorm_min());
    QVERIFY(std::signbit(ParseLeadingNumber("-0")));
  }

  void longInputs() {
    // A pasted wall of digits still parses, correctly rounded.
    QUILL_EXACT(ParseLeadingNumber(std::string(100000, '9')), inf());
    QUILL_EXACT(ParseLeadingNumber("1." + std::string(100000, '0')), 1.0);
    QUILL_EXACT(ParseLeadingNumber(std::string(100000, ' ') + "7"), 7.0);
    QUILL_EXACT(ParseLeadingNumber(std::string(100000, 'x')), 0.0);
    // Exactly halfway between two doubles, then just above it: only the
    // digit far beyond the 17th decides the rounding.
    const std::string halfway = "9007199254740993";
    QUILL_EXACT(ParseLeadingNumber(halfway), 9007199254740992.0);
    QUILL_EXACT(ParseLeadingNumber(halfway + ".0000000000000000000001"), 9007199254740994.0);
    // The same beyond the 800 digits that are converted: 1 + 2^-53 lies
    // exactly between 1 and the next double, so a tie goes to 1, and any
    // non-zero digit after it, however far out, rounds up.
    const std::string tie = "1.00000000000000011102230246251565404236316680908203125";
    const std::string far = tie + std::string(1000, '0');
    QUILL_EXACT(ParseLeadingNumber(far), 1.0);
    QUILL_EXACT(ParseLeadingNumber(far + "1"), 1.0000000000000002);
    QUILL_EXACT(ParseLeadingNumber(far + "1e0"), 1.0000000000000002);
    QUILL_EXACT(ParseLeadingNumber(far + "0000e0"), 1.0);
    QUILL_EXACT(ParseLeadingNumber(far + "1"), std::strtod((far + "1").c_str(), nullptr));
  }

 private:
  static double inf() { return std::numeric_limits<double>::infinity(); }
};

QTEST_APPLESS_MAIN(TestParse)
#include "test_parse.moc"
