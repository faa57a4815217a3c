// The dimension calculation: values, order of writes and failures.
#include <QTest>
#include <map>

#include "calc/design.h"
#include "calc/format.h"

using namespace quill;

namespace {

// Box name -> displayed text, in write order.
QStringList shown(const Calculation& c) {
  QStringList out;
  for (const BoxWrite& w : c) {
    out << QString::fromLatin1(BoxName(w.box).data(), BoxName(w.box).size()) + "=" +
               QString::fromStdString(FormatDimension(w.value));
  }
  return out;
}

const QStringList kWriteOrder = {"Text5",  "Text7", "Text12", "Text14", "Text4",  "Text9",  "Text6",
                                 "Text10", "Text8", "Text11", "Text17", "Text21", "Text19", "Text23"};

QStringList zip(const QStringList& values) {
  QStringList out;
  for (int i = 0; i < values.size(); ++i) out << kWriteOrder[i] + "=" + values[i];
  return out;
}

}  // namespace

class TestDesign : public QObject {
  Q_OBJECT

 private slots:
  void allBoxes_data() {
    QTest::addColumn<QString>("frequency");
    QTest::addColumn<int>("unit");
    QTest::addColumn<QStringList>("expected");

    QTest::newRow("144 MHz inches") << "144" << int(Unit::Inches)
                                    << zip({"20.5", "12.3", "16.4", "20.5", "43.16667", "21.58333",
                                            "41.04167", "20.52083", "36.125", "18.0625", "35.97917",
                                            "17.98958", "35.83333", "17.91667"});
    QTest::newRow("144 MHz centimetres")
        << "144" << int(Unit::Centimetres)
        << zip({"52.07", "31.242", "41.656", "52.07", "109.6433", "54.82167", "104.2458", "52.12292",
                "91.7575", "45.87875", "91.38708", "45.69354", "91.01667", "45.50834"});
  }
  void allBoxes() {
    QFETCH(QString, frequency);
    QFETCH(int, unit);
    QFETCH(QStringList, expected);
    DesignValues record;
    Calculation c = Calculate(record, frequency.toStdString(), Unit(unit));
    QVERIFY(c.ok());
    QCOMPARE(shown(c), expected);
  }

  void someBoxes_data() {
    QTest::addColumn<QString>("frequency");
    QTest::addColumn<QString>("box");
    QTest::addColumn<QString>("expected");
    QTest::newRow("146 Text5") << "146"
                               << "Text5"
                               << "20.21918";
    QTest::newRow("146 Text14") << "146"
                                << "Text14"
                                << "20.21918";
    QTest::newRow("146 Text7") << "146"
                               << "Text7"
                               << "12.13151";
    QTest::newRow("146 Text12") << "146"
                                << "Text12"
                                << "16.17534";
    QTest::newRow("146 Text4") << "146"
                               << "Text4"
                               << "42.57534";
    QTest::newRow("146 Text17") << "146"
                                << "Text17"
                                << "35.4863";
    QTest::newRow("146 Text21") << "146"
                                << "Text21"
                                << "17.74315";
    QTest::newRow("146 Text19") << "146"
                                << "Text19"
                                << "35.34246";
    QTest::newRow("146 Text23") << "146"
                                << "Text23"
                                << "17.67123";
    QTest::newRow("1E-07 Text5") << "000.0000001"
                                 << "Text5"
                                 << "2.952E+10";
    QTest::newRow("1E-07 Text7") << "000.0000001"
                                 << "Text7"
                                 << "1.7712E+10";
    QTest::newRow("1E-07 Text23") << "000.0000001"
                                  << "Text23"
                                  << "2.58E+10";
    QTest::newRow("negative") << "-144"
                              << "Text4"
                              << "-43.16667";
  }
  void someBoxes() {
    QFETCH(QString, frequency);
    QFETCH(QString, box);
    QFETCH(QString, expected);
    DesignValues record;
    Calculation c = Calculate(record, frequency.toStdString(), Unit::Inches);
    QVERIFY(c.ok());
    const QStringList texts = shown(c);
    const auto it =
        std::find_if(texts.begin(), texts.end(), [&](const QString& t) { return t.startsWith(box + "="); });
    QVERIFY(it != texts.end());
    QCOMPARE(it->section('=', 1), expected);
  }

  // For any frequency that passes: verticals are exactly half their
  // horizontals, and the two quarter-wave spacings agree.
  void invariants_data() {
    QTest::addColumn<QString>("frequency");
    for (const char* f :
         {"0.0000001", "1.8", "28.5", "50", "144", "146", "222.1", "432", "1296", "-440", "1e20"}) {
      QTest::newRow(f) << f;
    }
  }
  void invariants() {
    QFETCH(QString, frequency);
    for (Unit unit : {Unit::Inches, Unit::Centimetres}) {
      DesignValues record;
      Calculation c = Calculate(record, frequency.toStdString(), unit);
      QVERIFY(c.ok());
      QCOMPARE(c.count, kResultBoxCount);
      std::map<ResultBox, float> v;
      for (const BoxWrite& w : c) v[w.box] = w.value;
      QCOMPARE(v[ResultBox::Text5], v[ResultBox::Text14]);
      QCOMPARE(v[ResultBox::Text9], v[ResultBox::Text4] / 2);
      QCOMPARE(v[ResultBox::Text10], v[ResultBox::Text6] / 2);
      QCOMPARE(v[ResultBox::Text11], v[ResultBox::Text8] / 2);
      QCOMPARE(v[ResultBox::Text21], v[ResultBox::Text17] / 2);
      QCOMPARE(v[ResultBox::Text23], v[ResultBox::Text19] / 2);
      // The working pair ends with the D3-to-Dn values.
      QCOMPARE(record.ElementHorizontal, v[ResultBox::Text19]);
      QCOMPARE(record.ElementVertical, v[ResultBox::Text23]);
    }
  }

  void recordAfterCalculation() {
    DesignValues record;
    QVERIFY(Calculate(record, "146.5 MHz", Unit::Centimetres).ok());
    QCOMPARE(record.FrequencyMHz, 146.5f);
    QCOMPARE(FormatDimension(record.FrequencyMHz), std::string("146.5"));
    QCOMPARE(record.Wavelength, float(float(492 / 146.5f * 2 * 12) * 2.54));
    QCOMPARE(record.ReflectorVertical, record.ReflectorHorizontal / 2);
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
    QTest::newRow("wavelength overflows") << "1e-40" << 6 << 1e-40f;
    QTest::newRow("just too small") << "3e-35" << 6 << 3e-35f;
  }
  void failures() {
    QFETCH(QString, frequency);
    QFETCH(int, number);
    QFETCH(float, storedFrequency);
    for (Unit unit : {Unit::Inches, Unit::Centimetres}) {
      DesignValues record;
      Calculation c = Calculate(record, frequency.toStdString(), unit);
      QVERIFY(!c.ok());
      QCOMPARE(c.error->number, number);
      QCOMPARE(c.error->description, std::string(number == 11 ? "Division by zero" : "Overflow"));
      QCOMPARE(c.count, std::size_t(0));  // no box is written
      QCOMPARE(record.FrequencyMHz, storedFrequency);
    }
  }

  void centimetreConversionOverflows() {
    // The wavelength fits in inches but not once converted to centimetres.
    DesignValues record;
    QVERIFY(Calculate(record, "4e-35", Unit::Inches).ok());
    Calculation c = Calculate(record, "4e-35", Unit::Centimetres);
    QVERIFY(!c.ok());
    QCOMPARE(c.error->number, 6);
    QCOMPARE(c.count, std::size_t(0));
  }

  void failureKeepsEarlierResults() {
    DesignValues record;
    QVERIFY(Calculate(record, "144", Unit::Inches).ok());
    const DesignValues before = record;
    QVERIFY(!Calculate(record, "", Unit::Inches).ok());
    QCOMPARE(record.FrequencyMHz, 0.0f);
    // Fields of later groups keep the last good values.
    QCOMPARE(record.ReflectorHorizontal, before.ReflectorHorizontal);
    QCOMPARE(record.ElementHorizontal, before.ElementHorizontal);
  }

  void applicationRecord() {
    QCOMPARE(LastFrequency(), 0.0f);
    QVERIFY(CalculateInches("144").ok());
    QCOMPARE(LastFrequency(), 144.0f);
    QVERIFY(CalculateCentimetres("146.5 MHz").ok());
    QCOMPARE(LastFrequency(), 146.5f);
    QCOMPARE(Design().FrequencyMHz, 146.5f);
    QVERIFY(!CalculateInches("").ok());
    QCOMPARE(LastFrequency(), 0.0f);
  }
};

QTEST_APPLESS_MAIN(TestDesign)
#include "test_design.moc"
