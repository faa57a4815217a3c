// Reading the frequency box: the leading-number rules.
#include <QTest>
#include <cmath>
#include <limits>
#include <string>

#include "calc/parse.h"

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
    QCOMPARE(ParseLeadingNumber(text.toStdString()), expected);
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
    QCOMPARE(ParseLeadingNumber(text.toStdString()), 0.0);
  }

  void outOfRange() {
    const double inf = std::numeric_limits<double>::infinity();
    QCOMPARE(ParseLeadingNumber("1e400"), inf);
    QCOMPARE(ParseLeadingNumber("-1e400"), -inf);
    QCOMPARE(ParseLeadingNumber("1e999999999999999999999"), inf);
    QCOMPARE(ParseLeadingNumber("1e350"), inf);  // beyond double, not beyond the quick check
    QCOMPARE(ParseLeadingNumber("1" + std::string(400, '0')), inf);
    QCOMPARE(ParseLeadingNumber("1e-400"), 0.0);
    QCOMPARE(ParseLeadingNumber("0." + std::string(500, '0') + "1"), 0.0);
    QCOMPARE(ParseLeadingNumber("1e40"), 1e40);
    QCOMPARE(ParseLeadingNumber("1e-40"), 1e-40);
    QVERIFY(std::signbit(ParseLeadingNumber("-0")));
  }

  void longInputs() {
    // A pasted wall of digits still parses, correctly rounded.
    QCOMPARE(ParseLeadingNumber(std::string(100000, '9')), inf());
    QCOMPARE(ParseLeadingNumber("1." + std::string(100000, '0')), 1.0);
    QCOMPARE(ParseLeadingNumber(std::string(100000, ' ') + "7"), 7.0);
    QCOMPARE(ParseLeadingNumber(std::string(100000, 'x')), 0.0);
    // Exactly halfway between two doubles, then just above it: only the
    // digit far beyond the 17th decides the rounding.
    const std::string halfway = "9007199254740993";
    QCOMPARE(ParseLeadingNumber(halfway), 9007199254740992.0);
    QCOMPARE(ParseLeadingNumber(halfway + ".0000000000000000000001"), 9007199254740994.0);
  }

 private:
  static double inf() { return std::numeric_limits<double>::infinity(); }
};

QTEST_APPLESS_MAIN(TestParse)
#include "test_parse.moc"
