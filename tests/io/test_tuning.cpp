// The trim and the cutting-tolerance spread, run in Debian's nec2c through
// the batch runner: the trimmed deck's lowest SWR lands on the frequency,
// the copies are sound decks within the tolerance, and a failing nec2c
// leaves nothing behind.
#include <unistd.h>

#include <QCoreApplication>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <complex>

#include "calc/necdeck.h"
#include "calc/necreport.h"
#include "calc/tuningreport.h"
#include "fake_nec2c.h"
#include "io/measurementfile.h"
#include "io/tuning.h"

using namespace quill;

namespace {

nec::Model modelAt(const char* frequency) { return *nec::BuildModel(frequency, std::nullopt, 3).model; }

io::NecJob jobAt(const char* frequency) { return {modelAt(frequency), 50, "test"}; }

// Every end of a wire meets its neighbour exactly.
bool joined(const nec::Element& e) { return e.leftLeg.to == e.tube.from && e.tube.to == e.rightLeg.from; }

}  // namespace

class TestTuning : public QObject {
  Q_OBJECT

 private slots:
  void generatorIsTheSameEverywhere() {
    // SplitMix64's published first output for the seed 0.
    nec::CutErrors errors(0);
    QVERIFY(errors.next() == 0xe220a8397b1dcdafULL);
    for (int i = 0; i < 1000; ++i) {
      const double amount = errors.within(3);
      QVERIFY(amount >= -3 && amount < 3);
    }
  }

  void copiesAreSoundAndWithinTolerance_data() {
    QTest::addColumn<QByteArray>("frequency");
    QTest::addColumn<double>("cut");
    QTest::newRow("146 MHz, 3 mm") << QByteArray("146") << 3.0;
    QTest::newRow("146 MHz, 1/4 in") << QByteArray("146") << 6.35;
    QTest::newRow("432 MHz, 1 mm") << QByteArray("432") << 1.0;
  }
  void copiesAreSoundAndWithinTolerance() {
    QFETCH(QByteArray, frequency);
    QFETCH(double, cut);
    const nec::Model model = modelAt(frequency.constData());
    double widest = 0;
    for (int copy = 0; copy < nec::kSpreadCopies; ++copy) {
      const nec::Model c = nec::CutCopy(model, cut, copy);
      QVERIFY(nec::Deck(c, "t") == nec::Deck(nec::CutCopy(model, cut, copy), "t"));
      QVERIFY2(nec::DeckFault(nec::Deck(c, "t")).empty(), nec::DeckFault(nec::Deck(c, "t")).c_str());
      for (std::size_t i = 0; i < c.elements.size(); ++i) {
        const nec::Element &e = c.elements[i], &n = model.elements[i];
        QVERIFY(joined(e));
        const double off[] = {e.tube.length() - n.tube.length(), e.leftLeg.length() - n.leftLeg.length(),
                              e.rightLeg.length() - n.rightLeg.length(), e.tube.from.x - n.tube.from.x};
        for (const double o : off) {
          QVERIFY2(std::abs(o) * 1000 <= cut + 1e-9, qPrintable(QString::number(o * 1000)));
          widest = std::max(widest, std::abs(o) * 1000);
        }
        if (i == 0) QVERIFY(e.tube.from.x == n.tube.from.x);
      }
    }
    QVERIFY(widest > cut * 0.9);  // the amounts do use the tolerance
  }

  void lowestLiesBetweenSteps() {
    // A series resonance at 146.1 MHz on 50 ohms: its SWR is lowest where X is 0.
    nec::Results results;
    for (int i = 0; i < 41; ++i) {
      const double f = 146 * (0.95 + 0.0025 * i), f0 = 146.1;
      const double x = 300 * (f / f0 - f0 / f);
      results.sweep.push_back({f, 50, x, nec::Swr(50, x, 50), 0, 0});
    }
    const nec::Lowest lowest = nec::LowestBetweenSteps(results);
    QVERIFY2(std::abs(lowest.frequencyMHz - 146.1) < 0.01, qPrintable(QString::number(lowest.frequencyMHz)));
    QVERIFY(lowest.swr < results.lowestSwr().swr);
  }

  void trimPutsTheLowestSwrOnTheFrequency_data() {
    QTest::addColumn<QByteArray>("frequency");
    QTest::newRow("146 MHz") << QByteArray("146");
    QTest::newRow("432 MHz") << QByteArray("432");
    QTest::newRow("50.1 MHz") << QByteArray("50.1");
  }
  void trimPutsTheLowestSwrOnTheFrequency() {
    QFETCH(QByteArray, frequency);
    const io::NecJob job = jobAt(frequency.constData());
    const io::NecOutcome nominal = io::RunNec(job);
    QVERIFY2(nominal.results, qPrintable(nominal.failure));
    const io::TrimOutcome search = io::RunTrim(job, *nominal.results);
    const nec::TrimAnswer trim = nec::ModelTrim(job.model, search.probes, search.last);
    QVERIFY2(trim.found, trim.refusal.c_str());
    QVERIFY(trim.legChangeMm > 0);  // the model as calculated is resonant high
    // The trimmed deck, run afresh: its lowest sweep point is the design frequency's.
    const io::NecOutcome trimmed = io::RunNec({nec::WithLegsChanged(job.model, trim.legChangeMm), 50, "t"});
    const double off = trimmed.results->lowestSwr().frequencyMHz / job.model.frequencyMHz - 1;
    QVERIFY2(std::abs(off) < 0.003, qPrintable(QString::number(off)));
    QVERIFY(nec::Deck(nec::WithLegsChanged(job.model, trim.legChangeMm), "t").find("CM Trimmed") !=
            std::string::npos);
    // In a locale with a decimal comma every number takes it; the words stay.
    const QString point = QString::fromStdString(nec::TrimSentence(trim));
    const QString comma = QString::fromStdString(nec::TrimSentence(trim, {",", nec::NumberStyle().digits}));
    const QRegularExpression decimal(QStringLiteral("\\d\\.\\d"));
    QVERIFY(point.contains(decimal) && !comma.contains(decimal));
    QCOMPARE(
        QString(comma).replace(QRegularExpression(QStringLiteral("(\\d),(\\d)")), QStringLiteral("\\1.\\2")),
        point);
  }

  void measuredTrimFollowsTheMeasurement() {
    const io::NecJob job = jobAt("146");
    const io::NecOutcome nominal = io::RunNec(job);
    const io::TrimOutcome search = io::RunTrim(job, *nominal.results);
    const nec::TrimAnswer high = nec::MeasurementTrim(job.model, search.probes, 148.2, 1.15, true);
    const nec::TrimAnswer low = nec::MeasurementTrim(job.model, search.probes, 144.5, 1.15, true);
    QVERIFY(high.found && high.legChangeMm > 0 && low.found && low.legChangeMm < 0);
    QVERIFY(!nec::MeasurementTrim(job.model, search.probes, 148.2, 1.15, false).found);
    QVERIFY(!nec::MeasurementTrim(job.model, search.probes, 190, 1.15, true).found);
  }

  void spreadTakesEveryCopy_data() {
    QTest::addColumn<int>("extreme");  // the copy with the highest and lowest figures
    QTest::newRow("first") << 0;
    QTest::newRow("middle") << 1;
    QTest::newRow("last") << 2;
  }
  void spreadTakesEveryCopy() {
    QFETCH(int, extreme);
    std::vector<nec::Results> copies(3);
    for (int c = 0; c < 3; ++c) {
      const double v = c == extreme ? 9 : 2 + c * 0.1;
      for (int i = 0; i < 3; ++i) copies[c].sweep.push_back({100.0 + i, 50, 0, i == 1 ? 1.0 : v, v, v});
    }
    copies[extreme].sweep[1].swr = 0.5;
    const nec::Spread spread = nec::SpreadOf(3, 101, 3, copies);
    QVERIFY(spread.gainDbi.max == 9 && spread.frontToBackDb.max == 9 && spread.band[0].swrMax == 9);
    QVERIFY(spread.lowestSwr.min == 0.5 && spread.swrAtFrequency.min == 0.5 && spread.band[1].swrMin == 0.5);
    QVERIFY(spread.gainDbi.min == (extreme == 0 ? 2.1 : 2) && spread.copies == 3);
  }

  // A sweep whose lowest SWR does not move with the legs has no trim.
  void noTrimWhereTheLegsDoNothing() {
    const nec::Model model = modelAt("146");
    nec::Results flat;
    flat.designFrequencyMHz = 146;
    for (const double f : nec::SweepFrequencies(model)) {
      const double x = 300 * (f / 150 - 150 / f);
      flat.sweep.push_back({f, 50, x, nec::Swr(50, x, 50), 0, 0});
    }
    std::vector<nec::TrimProbe> probes{{0, flat}};
    nec::TrimStep step = nec::NextTrimStep(model, probes, 2);
    for (int round = 0; !step.run.empty() && round < 20; ++round) {
      for (const double change : step.run) probes.push_back({change, flat});
      step = nec::NextTrimStep(model, probes, 2);
    }
    QVERIFY(step.hopeless && !step.found);
    const nec::TrimAnswer answer = nec::ModelTrim(model, probes, step);
    QVERIFY(!answer.found && answer.refusal.find("No trim") == 0);
  }

  // What cannot be read is named with its line, or with the system's words.
  void measurementFilesRefused_data() {
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("says");
    QTest::newRow("one point") << QByteArray("# MHz S RI R 50\n146 0.1 0\n") << "m.s1p:";
    QTest::newRow("decimal comma") << QByteArray("# MHz S RI R 50\n146 0,1 0\n147 0.1 0\n") << "m.s1p:2: ";
    QTest::newRow("NaN") << QByteArray("# MHz S RI R 50\n146 nan 0\n147 0.1 0\n") << "m.s1p:2: ";
    QTest::newRow("falling") << QByteArray("# MHz S RI R 50\n147 0.1 0\n146 0.1 0\n") << "m.s1p:3: ";
    QTest::newRow("two numbers") << QByteArray("# MHz S RI R 50\n146 0.1\n147 0.1 0\n") << "m.s1p:2: ";
    QTest::newRow("empty") << QByteArray() << "m.s1p: ";
    QTest::newRow("unreadable") << QByteArray("-") << "m.s1p: Permission denied";
    QTest::newRow("missing") << QByteArray("missing") << "m.s1p: No such file or directory";
    QTest::newRow("a directory") << QByteArray("directory") << "m.s1p: Is a directory";
  }
  void measurementFilesRefused() {
    QFETCH(QByteArray, bytes);
    QFETCH(QString, says);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("m.s1p"));
    if (bytes == "directory") {
      QDir(dir.path()).mkdir(QStringLiteral("m.s1p"));
    } else if (bytes != "missing") {
      QFile file(path);
      QVERIFY(file.open(QIODevice::WriteOnly));
      file.write(bytes);
      file.close();
      if (bytes == "-") {
        if (::geteuid() == 0) QSKIP("root reads every file");
        file.setPermissions({});
      }
    }
    const io::MeasurementFile read = io::ReadMeasurementFile(path, QStringLiteral("m.s1p"));
    QVERIFY(!read.measurement);
    QVERIFY2(read.problem.startsWith(says) && !read.problem.contains(QLatin1Char('\n')),
             qPrintable(read.problem));
  }

  // The listings' JSON reads as JSON, an SWR off the scale is null, and a
  // file name is escaped.
  void listingsReadAsJson() {
    touchstone::Measurement measurement;
    measurement.points = {{146, {0.1, 0}, 0.1}, {147, {1.2, 0}, 1.2}};
    const nec::MeasuredListing listing{"a \"b\"\\c.s1p", touchstone::Measure(measurement, 50)};
    const io::NecJob job = jobAt("146");
    const nec::Results nominal = *io::RunNec(job).results;
    const nec::Spread spread = nec::SpreadOf(3, 146, 1, {nominal});
    nec::TrimAnswer trim;
    trim.fromMHz = 150, trim.toMHz = 146, trim.refusal = "No trim: \"none\".";
    const std::string json = nec::WithTuningJson(nec::ModelAsJson(nominal), &trim, &listing, &spread);
    QJsonParseError error;
    const QJsonObject object = QJsonDocument::fromJson(QByteArray::fromStdString(json), &error).object();
    QVERIFY2(error.error == QJsonParseError::NoError, qPrintable(error.errorString()));
    const QJsonObject measured = object[QStringLiteral("measured")].toObject();
    QCOMPARE(measured[QStringLiteral("file")].toString(), QStringLiteral("a \"b\"\\c.s1p"));
    QVERIFY(measured[QStringLiteral("sweep")].toArray()[1].toObject()[QStringLiteral("swr")].isNull());
    QVERIFY(object[QStringLiteral("trim")].toObject()[QStringLiteral("leg_change_mm")].isNull());
    QCOMPARE(object[QStringLiteral("tolerance")].toObject()[QStringLiteral("band")].toArray().size(), 41);
  }

  void spreadAtZeroIsTheModel() {
    const io::NecJob job = jobAt("146");
    const nec::Results nominal = *io::RunNec(job).results;
    const nec::Spread spread = io::RunSpread(job, 0);
    QVERIFY(spread.copies == nec::kSpreadCopies);
    QVERIFY(spread.lowestFrequencyMHz.min == nominal.lowestSwr().frequencyMHz &&
            spread.lowestFrequencyMHz.max == nominal.lowestSwr().frequencyMHz);
    QVERIFY(spread.swrAtFrequency.min == nominal.atFrequency().swr &&
            spread.swrAtFrequency.max == nominal.atFrequency().swr);
    QVERIFY(spread.gainDbi.min == spread.gainDbi.max && spread.frontToBackDb.min == spread.frontToBackDb.max);
  }

  void spreadHoldsTheModelAndRepeats() {
    const io::NecJob job = jobAt("146");
    const nec::Results nominal = *io::RunNec(job).results;
    const nec::Spread spread = io::RunSpread(job, 3);
    QVERIFY(spread.copies == nec::kSpreadCopies);
    for (std::size_t i = 0; i < spread.band.size(); ++i) {
      QVERIFY(spread.band[i].swrMin <= nominal.sweep[i].swr && nominal.sweep[i].swr <= spread.band[i].swrMax);
    }
    QVERIFY(spread.lowestFrequencyMHz.max - spread.lowestFrequencyMHz.min >= 0.5);
    const std::string json = nec::WithTuningJson(nec::ModelAsJson(nominal), nullptr, nullptr, &spread);
    const nec::Spread again = io::RunSpread(job, 3);
    QVERIFY(json == nec::WithTuningJson(nec::ModelAsJson(nominal), nullptr, nullptr, &again));
  }

  void batchReportsInOrderAndOnlyTheNewest() {
    io::NecBatch batch;
    QSignalSpy done(&batch, &io::NecBatch::finished);
    batch.start({jobAt("50"), jobAt("146")});
    QSignalSpy progress(&batch, &io::NecBatch::progress);
    batch.start({jobAt("146"), jobAt("432"), jobAt("50.1")});
    QVERIFY(done.wait(60000));
    QTest::qWait(200);
    QCOMPARE(done.size(), 1);
    QCOMPARE(progress.size(), 3);  // the first batch's runs say nothing
    const auto outcomes = done.at(0).at(0).value<std::vector<io::NecOutcome>>();
    QCOMPARE(outcomes.size(), std::size_t(3));
    const double expected[] = {146, 432, 50.1};
    for (std::size_t i = 0; i < 3; ++i) {
      QVERIFY(outcomes[i].results && outcomes[i].results->designFrequencyMHz == float(expected[i]));
    }
  }

  void hangingNec2cEndsEveryCopyAndLeavesNothing() {
    test::FakeNec2c fake(test::FakeNec::Hang);
    test::ModelEnvironment environment(fake.folder());
    const nec::Spread spread = io::RunSpread(jobAt("146"), 3, std::chrono::milliseconds(300));
    QVERIFY(spread.copies == 0 && spread.asked == nec::kSpreadCopies);
    QVERIFY(nec::SpreadSentence(spread).find("failed on all 32") != std::string::npos);
    QVERIFY2(environment.leftOver().isEmpty(), qPrintable(environment.leftOver().join(' ')));
    QVERIFY(!fake.alive());
  }
};

QTEST_GUILESS_MAIN(TestTuning)
#include "test_tuning.moc"
