// Reading nec2c's output: a real output (tests/data, written by nec2c 1.3 for
// a 146 MHz deck with a sweep of three frequencies), the ways such output
// goes wrong, the SWR, and the listings made from the results.
#include <QFile>
#include <QRegularExpression>
#include <QTest>
#include <cmath>

#include "calc/necreport.h"
#include "calc/necresults.h"

using namespace quill::nec;

namespace {

const std::vector<double> kFrequencies{138.7, 146, 153.3};

QString realOutput() {
  QFile file(QStringLiteral(QUILL_TEST_DATA "/nec2c-146mhz-3steps.out"));
  return file.open(QIODevice::ReadOnly) ? QString::fromLatin1(file.readAll()) : QString();
}

Reading read(const QString& output, const std::vector<double>& frequencies = kFrequencies) {
  const std::string text = output.toStdString();
  return ReadResults(text, frequencies, 50);
}

// The output changed as nec2c may change it.
enum class Change {
  None,
  BlankSense,    // a null's sense is blank: one word fewer
  NoPower,       // -999.99 at the back
  NoPowerFront,  // -999.99 at the front
  BlockMissing,
  GarbageImpedance,
  CutInPattern,
  NoPatterns,
  Empty,
  FrequenciesOutOfOrder,
};

QString changed(QString text, Change change) {
  const qsizetype third = text.lastIndexOf(QLatin1String("--------- FREQUENCY"));
  switch (change) {
    case Change::BlankSense:
      text.replace(QRegularExpression(QStringLiteral("(\\n +90\\.00 +180\\.00 +(?:\\S+ +){5})RIGHT")),
                   QStringLiteral("\\1     "));
      break;
    case Change::NoPower:
      text.replace(QStringLiteral("   -7.07   -25.32    -7.00"), QStringLiteral("-999.99 -999.99 -999.99"));
      break;
    case Change::NoPowerFront:
      text.replace(QStringLiteral("    7.74   -16.54     7.75"), QStringLiteral("-999.99 -999.99 -999.99"));
      break;
    case Change::BlockMissing:
      text.remove(third, text.indexOf(QLatin1String("DATA CARD No:   5")) - third);
      break;
    case Change::GarbageImpedance:
      text.replace(QStringLiteral("5.8769E+01"), QStringLiteral("5.87#9E+01"));
      break;
    case Change::CutInPattern:
      text.truncate(text.indexOf(QLatin1String("  90.00    120.00"), third));
      break;
    case Change::NoPatterns:
      text.replace(QStringLiteral("RADIATION PATTERNS"), QStringLiteral("RADIATION"));
      break;
    case Change::Empty:
      text.clear();
      break;
    case Change::None:
    case Change::FrequenciesOutOfOrder:
      break;
  }
  return text;
}

}  // namespace

Q_DECLARE_METATYPE(Change)

class TestNecResults : public QObject {
  Q_OBJECT

 private slots:
  // What nec2c printed, read back exactly.
  void readsTheRealOutput_data() {
    QTest::addColumn<Change>("change");
    QTest::newRow("as written") << Change::None;
    QTest::newRow("a blank sense") << Change::BlankSense;
  }
  void readsTheRealOutput() {
    QFETCH(Change, change);
    const Reading reading = read(changed(realOutput(), change));
    QVERIFY2(reading.results, reading.problem.c_str());
    const Results& r = *reading.results;
    QCOMPARE(r.sweep.size(), std::size_t(3));
    struct Expected {
      double r, x, gain, back;
    };
    const Expected expected[] = {
        {34.069, -110.6, 7.76, 4.22}, {58.769, -41.862, 7.75, -7.00}, {48.408, 41.54, 7.02, 0.83}};
    for (std::size_t i = 0; i < 3; ++i) {
      const SweepPoint& p = r.sweep[i];
      QVERIFY(p.frequencyMHz == kFrequencies[i]);
      QVERIFY2(p.r == expected[i].r && p.x == expected[i].x && p.gainDbi == expected[i].gain,
               qPrintable(QStringLiteral("%1: %2 %3 %4").arg(i).arg(p.r).arg(p.x).arg(p.gainDbi)));
      QVERIFY(p.frontToBackDb == expected[i].gain - expected[i].back);
      QVERIFY(p.swr == Swr(p.r, p.x, 50));
    }
    QCOMPARE(&r.atFrequency(), &r.sweep[1]);
    QCOMPARE(&r.lowestSwr(), &r.sweep[1]);
    // The middle frequency's whole horizontal pattern, 0 to 360 degrees.
    QCOMPARE(r.pattern.size(), std::size_t(73));
    QVERIFY(r.pattern.front().azimuthDeg == 0 && r.pattern.front().gainDbi == 7.75);
    QVERIFY(r.pattern[36].azimuthDeg == 180 && r.pattern[36].gainDbi == -7.00);
    QVERIFY(r.pattern.back().azimuthDeg == 360);
  }

  void refusesWhatIsNotAllThere_data() {
    QTest::addColumn<Change>("change");
    QTest::addColumn<QString>("said");
    QTest::newRow("a block missing") << Change::BlockMissing << "results for 2 of the 3 frequencies";
    QTest::newRow("garbage for R") << Change::GarbageImpedance << "no feed impedance at frequency 2";
    QTest::newRow("cut in a pattern") << Change::CutInPattern << "no gain towards the front and back";
    QTest::newRow("no patterns") << Change::NoPatterns << "no gain towards the front and back";
    QTest::newRow("empty") << Change::Empty << "no results";
    QTest::newRow("frequencies out of order") << Change::FrequenciesOutOfOrder << "where frequency 1";
  }
  void refusesWhatIsNotAllThere() {
    QFETCH(Change, change);
    QFETCH(QString, said);
    const Reading reading =
        read(changed(realOutput(), change),
             change == Change::FrequenciesOutOfOrder ? std::vector<double>{146, 138.7, 153.3} : kFrequencies);
    QVERIFY(!reading.results);
    QVERIFY2(QString::fromStdString(reading.problem).contains(said), reading.problem.c_str());
  }

  // -999.99 is no power at all: shown as none, and no ratio made from it.
  void noPower_data() {
    QTest::addColumn<Change>("change");
    QTest::addColumn<QString>("summary");
    QTest::addColumn<QString>("json");
    QTest::newRow("at the back") << Change::NoPower
                                 << "Gain towards the directors 7.75 dBi, front-to-back none"
                                 << "\"gain_dbi\": 7.75, \"front_to_back_db\": null}";
    QTest::newRow("at the front") << Change::NoPowerFront
                                  << "Gain towards the directors none, front-to-back none"
                                  << "\"gain_dbi\": null, \"front_to_back_db\": null}";
  }
  void noPower() {
    QFETCH(Change, change);
    QFETCH(QString, summary);
    QFETCH(QString, json);
    Reading reading = read(changed(realOutput(), change));
    QVERIFY2(reading.results, reading.problem.c_str());
    reading.results->elements = 3;
    QCOMPARE(QString::fromStdString(ModelAsText(*reading.results)).split(QLatin1Char('\n'))[2], summary);
    const QString at = QString::fromStdString(ModelAsJson(*reading.results)).section(QLatin1Char('\n'), 1, 1);
    QVERIFY2(at.endsWith(json + QLatin1Char(',')), qPrintable(at));
  }

  // A number of any size printed whole, an infinite SWR one word in its
  // column, and no two cells run together.
  void tableOfOddNumbers() {
    Results r;
    r.sweep = {{146, 0x1p210, 0, HUGE_VAL, 7.75, 14.75}};
    const QStringList lines = QString::fromStdString(ModelAsText(r)).split(QLatin1Char('\n'));
    const QString head = lines[lines.size() - 3], row = lines[lines.size() - 2];
    const QString whole =
        QStringLiteral("1645504557321206042154969182557350504982735865633579863348609024.0");
    QCOMPARE(row.split(QLatin1Char(' '), Qt::SkipEmptyParts),
             QStringList({"146.000", whole, "0.0", "infinite", "7.75", "14.75"}));
    r.sweep[0].r = 50;
    const QString usual =
        QString::fromStdString(ModelAsText(r)).split(QLatin1Char('\n')).value(lines.size() - 2);
    QCOMPARE(usual.indexOf(QLatin1String("infinite")) + 8, head.indexOf(QLatin1String("SWR")) + 3);
  }

  void swr_data() {
    QTest::addColumn<double>("r");
    QTest::addColumn<double>("x");
    QTest::addColumn<double>("reference");
    QTest::addColumn<double>("swr");
    QTest::newRow("matched") << 50.0 << 0.0 << 50.0 << 1.0;
    QTest::newRow("twice") << 100.0 << 0.0 << 50.0 << 2.0;
    QTest::newRow("half") << 25.0 << 0.0 << 50.0 << 2.0;
    QTest::newRow("on 75 ohms") << 150.0 << 0.0 << 75.0 << 2.0;
    QTest::newRow("reactive") << 50.0 << 50.0 << 50.0 << (1 + 1 / std::sqrt(5.0)) / (1 - 1 / std::sqrt(5.0));
  }
  void swr() {
    QFETCH(double, r);
    QFETCH(double, x);
    QFETCH(double, reference);
    QFETCH(double, swr);
    QVERIFY2(std::abs(Swr(r, x, reference) - swr) < 1e-12, qPrintable(QString::number(Swr(r, x, reference))));
  }

  // The listings' shape and numbers: JSON as scripts read it, the text's
  // summary as a builder reads it.
  void listings() {
    Reading reading = read(realOutput());
    QVERIFY(reading.results);
    Results& r = *reading.results;
    r.designFrequencyMHz = 146;
    r.elements = 3;
    r.diameterMm = 6;
    const QString json = QString::fromStdString(ModelAsJson(r));
    QVERIFY2(json.startsWith(QLatin1String(
                 "{\"frequency_mhz\": 146, \"elements\": 3, \"diameter_mm\": 6, \"reference_ohms\": 50,\n"
                 " \"at_frequency\": {\"frequency_mhz\": 146, \"r_ohms\": 58.769, \"x_ohms\": -41.862, "
                 "\"swr\": 2.159, \"gain_dbi\": 7.75, \"front_to_back_db\": 14.75},\n"
                 " \"lowest_swr\": {\"frequency_mhz\": 146, \"swr\": 2.159},\n"
                 " \"sweep\": [{\"frequency_mhz\": 138.7, \"r_ohms\": 34.069, ")),
             qPrintable(json.left(500)));
    QCOMPARE(json.count(QLatin1String("\"azimuth_deg\"")), 73);
    QVERIFY(json.contains(QLatin1String("{\"azimuth_deg\": 180, \"gain_dbi\": -7}")));
    QVERIFY(json.endsWith(QLatin1String("{\"azimuth_deg\": 360, \"gain_dbi\": 7.75}]}\n")));

    const QStringList text = QString::fromStdString(ModelAsText(r)).split(QLatin1Char('\n'));
    QCOMPARE(text[1], QStringLiteral("At 146 MHz: 58.8 - j41.9 ohms, SWR 2.16 on 50 ohms"));
    QCOMPARE(text[2], QStringLiteral("Gain towards the directors 7.75 dBi, front-to-back 14.75 dB"));
    QCOMPARE(text[3], QStringLiteral("Lowest SWR 2.16 at 146 MHz"));
    QCOMPARE(QString::fromStdString(ModelAsCsv(r)).split(QLatin1Char('\n'))[2],
             QStringLiteral("146,58.769,-41.862,2.159,7.75,14.75"));
  }
};

QTEST_GUILESS_MAIN(TestNecResults)
#include "test_necresults.moc"
