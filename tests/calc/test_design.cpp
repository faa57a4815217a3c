// The dimension calculation: values, order of writes and failures.
#include <QTest>

#include "calc/design.h"
#include "calc/format.h"
#include "exact.h"
#include "examples.h"

using namespace quill;

Q_DECLARE_METATYPE(const quill::test::AllBoxes*)
Q_DECLARE_METATYPE(quill::ResultBox)

namespace {

QString shown(const BoxWrite& write) { return QString::fromStdString(FormatDimension(write.value)); }

// The value written to `box`; fails the test if it was not written once.
float written(const Calculation& c, ResultBox box) {
  const BoxWrite* found = nullptr;
  for (const BoxWrite& w : c) {
    if (w.box == box) {
      if (found) QTest::qFail("a box written twice", __FILE__, __LINE__);
      found = &w;
    }
  }
  if (!found) QTest::qFail("a box not written", __FILE__, __LINE__);
  return found ? found->value : std::numeric_limits<float>::quiet_NaN();
}

}  // namespace

class TestDesign : public QObject {
  Q_OBJECT

 private slots:
  // Every box, in the order the calculation writes them.
  void allBoxes_data() {
    QTest::addColumn<int>("unit");
    QTest::addColumn<const test::AllBoxes*>("expected");
    QTest::newRow("144 MHz inches") << int(Unit::Inches) << &test::k144Inches;
    QTest::newRow("144 MHz centimetres") << int(Unit::Centimetres) << &test::k144Centimetres;
  }
  void allBoxes() {
    QFETCH(int, unit);
    QFETCH(const test::AllBoxes*, expected);
    DesignValues record;
    const Calculation c = Calculate(record, test::k144, Unit(unit));
    QVERIFY(c.ok());
    QCOMPARE(c.count, kResultBoxCount);
    for (std::size_t i = 0; i < kResultBoxCount; ++i) {
      QCOMPARE(c.writes[i].box, (*expected)[i].box);
      QCOMPARE(shown(c.writes[i]), QString::fromLatin1((*expected)[i].text));
    }
  }

  void someBoxes_data() {
    QTest::addColumn<QString>("frequency");
    QTest::addColumn<int>("unit");
    QTest::addColumn<ResultBox>("box");
    QTest::addColumn<QString>("expected");
    const int in = int(Unit::Inches), cm = int(Unit::Centimetres);
    using enum ResultBox;
    QTest::newRow("146 Text5") << "146" << in << Text5 << "20.21918";
    QTest::newRow("146 Text14") << "146" << in << Text14 << "20.21918";
    QTest::newRow("146 Text7") << "146" << in << Text7 << "12.13151";
    QTest::newRow("146 Text12") << "146" << in << Text12 << "16.17534";
    QTest::newRow("146 Text4") << "146" << in << Text4 << "42.57534";
    QTest::newRow("146 Text17") << "146" << in << Text17 << "35.4863";
    QTest::newRow("146 Text21") << "146" << in << Text21 << "17.74315";
    QTest::newRow("146 Text19") << "146" << in << Text19 << "35.34246";
    QTest::newRow("146 Text23") << "146" << in << Text23 << "17.67123";
    QTest::newRow("1E-07 Text5") << "000.0000001" << in << Text5 << "2.952E+10";
    QTest::newRow("1E-07 Text7") << "000.0000001" << in << Text7 << "1.7712E+10";
    QTest::newRow("1E-07 Text23") << "000.0000001" << in << Text23 << "2.58E+10";
    QTest::newRow("negative") << "-144" << in << Text4 << "-43.16667";
    QTest::newRow("negative centimetres") << "-146" << cm << Text19 << "-89.76986";
    // The spacings are taken from the wavelength as stored in single
    // precision, not from the exact quotient (which gives 88.56 and 29.15556).
    QTest::newRow("from the stored wavelength, x 0.15") << "20" << in << Text7 << "88.56001";
    QTest::newRow("from the stored wavelength, x 0.2") << "81" << in << Text12 << "29.15555";
  }
  void someBoxes() {
    QFETCH(QString, frequency);
    QFETCH(int, unit);
    QFETCH(ResultBox, box);
    QFETCH(QString, expected);
    DesignValues record;
    const Calculation c = Calculate(record, frequency.toStdString(), Unit(unit));
    QVERIFY(c.ok());
    QCOMPARE(QString::fromStdString(FormatDimension(written(c, box))), expected);
  }

  // For any frequency that passes: verticals are exactly half their
  // horizontals, the two quarter-wave spacings agree, and centimetres are
  // the inches times 2.54 rounded once.
  void invariants_data() {
    QTest::addColumn<QString>("frequency");
    for (const char* f :
         {"0.0000001", "1.8", "28.5", "50", "144", "146", "222.1", "432", "1296", "-440", "1e20"}) {
      QTest::newRow(f) << f;
    }
  }
  void invariants() {
    QFETCH(QString, frequency);
    using enum ResultBox;
    for (Unit unit : {Unit::Inches, Unit::Centimetres}) {
      DesignValues record;
      const Calculation c = Calculate(record, frequency.toStdString(), unit);
      QVERIFY(c.ok());
      QCOMPARE(c.count, kResultBoxCount);
      QUILL_EXACT(written(c, Text5), written(c, Text14));
      QUILL_EXACT(written(c, Text9), written(c, Text4) / 2);
      QUILL_EXACT(written(c, Text10), written(c, Text6) / 2);
      QUILL_EXACT(written(c, Text11), written(c, Text8) / 2);
      QUILL_EXACT(written(c, Text21), written(c, Text17) / 2);
      QUILL_EXACT(written(c, Text23), written(c, Text19) / 2);
      // The working pair ends with the D3-to-Dn values.
      QUILL_EXACT(record.ElementHorizontal, written(c, Text19));
      QUILL_EXACT(record.ElementVertical, written(c, Text23));
      QUILL_EXACT(record.SpacingReflectorDriven, written(c, Text5));
      QUILL_EXACT(record.SpacingDrivenD1, written(c, Text7));
      QUILL_EXACT(record.SpacingD1D2, written(c, Text12));
      QUILL_EXACT(record.SpacingDirectors, written(c, Text14));
      QUILL_EXACT(record.ReflectorHorizontal, written(c, Text4));
      QUILL_EXACT(record.ReflectorVertical, written(c, Text9));
    }
  }

  void recordAfterCalculation() {
    DesignValues record;
    QVERIFY(Calculate(record, "146.5 MHz", Unit::Centimetres).ok());
    QUILL_EXACT(record.FrequencyMHz, 146.5f);
    // 492 / 146.5 x 2 x 12 x 2.54, rounded once to single precision.
    QCOMPARE(QString::fromStdString(FormatDimension(record.Wavelength)), QStringLiteral("204.7257"));
  }

  void failures_data() {
    QTest::addColumn<QString>("frequency");
    QTest::addColumn<int>("number");
    QTest::addColumn<float>("storedFrequency");
    const float inf = std::numeric_limits<float>::infinity();
    QTest::newRow("empty") << "" << 11 << 0.0f;
    QTest::newRow("blanks") << "   " << 11 << 0.0f;
    QTest::newRow("letters") << "abc" << 11 << 0.0f;
    QTest::newRow("zero") << "0" << 11 << 0.0f;
    QTest::newRow("minus zero") << "-0" << 11 << 0.0f;
    QTest::newRow("underflows to zero") << "1e-50" << 11 << 0.0f;
    QTest::newRow("beyond single") << "1e40" << 6 << inf;
    QTest::newRow("beyond double") << "1e400" << 6 << inf;
    QTest::newRow("negative beyond") << "-1e40" << 6 << -inf;
    // Read as a double, then rounded to single precision when stored.
    QTest::newRow("wavelength overflows") << "1e-40" << 6 << static_cast<float>(1e-40);
    QTest::newRow("just too small") << "3e-35" << 6 << static_cast<float>(3e-35);
  }
  void failures() {
    QFETCH(QString, frequency);
    QFETCH(int, number);
    QFETCH(float, storedFrequency);
    for (Unit unit : {Unit::Inches, Unit::Centimetres}) {
      DesignValues record;
      const Calculation c = Calculate(record, frequency.toStdString(), unit);
      QVERIFY(!c.ok());
      QCOMPARE(c.error->number, number);
      QCOMPARE(c.error->description, std::string(number == 11 ? "Division by zero" : "Overflow"));
      QCOMPARE(c.count, std::size_t(0));  // no box is written
      QUILL_EXACT(record.FrequencyMHz, storedFrequency);
    }
  }

  void centimetreConversionOverflows() {
    // The wavelength fits in inches but not once converted to centimetres.
    DesignValues record;
    QVERIFY(Calculate(record, "4e-35", Unit::Inches).ok());
    const Calculation c = Calculate(record, "4e-35", Unit::Centimetres);
    QVERIFY(!c.ok());
    QCOMPARE(c.error->number, 6);
    QCOMPARE(c.count, std::size_t(0));
  }

  void failureKeepsEarlierResults() {
    DesignValues record;
    QVERIFY(Calculate(record, "144", Unit::Inches).ok());
    const DesignValues before = record;
    QVERIFY(!Calculate(record, "", Unit::Inches).ok());
    QUILL_EXACT(record.FrequencyMHz, 0.0f);
    // Fields of later groups keep the last good values.
    QUILL_EXACT(record.ReflectorHorizontal, before.ReflectorHorizontal);
    QUILL_EXACT(record.ElementHorizontal, before.ElementHorizontal);
  }

  // In a locale that writes decimals with ",", the frequency may be typed
  // with it; "." always works.
  void localeDecimalPoint() {
    DesignValues record;
    QVERIFY(Calculate(record, "146,5", Unit::Inches, ",").ok());
    QUILL_EXACT(record.FrequencyMHz, 146.5f);
    QVERIFY(Calculate(record, "146.5", Unit::Inches, ",").ok());
    QUILL_EXACT(record.FrequencyMHz, 146.5f);
    QVERIFY(Calculate(record, "146,5", Unit::Inches).ok());
    QUILL_EXACT(record.FrequencyMHz, 146.0f);
  }

  void applicationRecord() {
    QUILL_EXACT(LastFrequency(), 0.0f);
    QVERIFY(CalculateInches("144").ok());
    QUILL_EXACT(LastFrequency(), 144.0f);
    QVERIFY(CalculateCentimetres("146.5 MHz").ok());
    QUILL_EXACT(LastFrequency(), 146.5f);
    QUILL_EXACT(Design().FrequencyMHz, 146.5f);
    QVERIFY(CalculateCentimetres("146,25", ",").ok());
    QUILL_EXACT(LastFrequency(), 146.25f);
    QVERIFY(!CalculateInches("").ok());
    QUILL_EXACT(LastFrequency(), 0.0f);
  }
};

QTEST_APPLESS_MAIN(TestDesign)
#include "test_design.moc"
