// quillcalc --frequency F --model: the numbers are nec2c's for the deck --nec
// writes, and every way the run fails exits 4 with one line naming nec2c and
// leaves nothing behind.
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTemporaryFile>
#include <QTest>

#include "app/modelcommand.h"
#include "calc/elements.h"
#include "fake_nec2c.h"
#include "run_program.h"

using namespace quill;
using test::FakeNec;
using test::RunProgram;

Q_DECLARE_METATYPE(quill::test::FakeNec)

namespace {

// The sweep's feed impedances and the middle pattern's gains at azimuth 0
// and 180, as nec2c printed them.
struct ByHand {
  QList<QPair<double, double>> impedances;
  double front = 0, back = 0;
};

ByHand runByHand(const QString& deck, const QString& output) {
  QProcess nec2c;
  nec2c.start(QStringLiteral("nec2c"), {QStringLiteral("-i") + deck, QStringLiteral("-o") + output});
  nec2c.waitForFinished(60000);
  QFile file(output);
  file.open(QIODevice::ReadOnly);
  const QString text = QString::fromLatin1(file.readAll());
  ByHand found;
  const QRegularExpression source(QStringLiteral("\\n +5 +\\d+ +(?:\\S+ +){4}(\\S+) +(\\S+)"));
  for (const QRegularExpressionMatch& m : source.globalMatch(text))
    found.impedances.append({m.captured(1).toDouble(), m.captured(2).toDouble()});
  const QRegularExpression gain(QStringLiteral("\\n +90\\.00 +(0|180)\\.00 +\\S+ +\\S+ +(\\S+)"));
  QList<double> fronts, backs;
  for (const QRegularExpressionMatch& m : gain.globalMatch(text))
    (m.captured(1) == QLatin1String("0") ? fronts : backs).append(m.captured(2).toDouble());
  found.front = fronts.value(fronts.size() / 2);
  found.back = backs.value(backs.size() / 2);
  return found;
}

}  // namespace

class TestModelCommand : public QObject {
  Q_OBJECT

 private slots:
  void numbersAreNec2cs_data() {
    QTest::addColumn<QString>("frequency");
    QTest::addColumn<QStringList>("options");
    QTest::newRow("146 MHz, 6 mm") << "146" << QStringList{"--diameter", "6"};
    QTest::newRow("432 MHz") << "432" << QStringList();
    QTest::newRow("50.1 MHz, 4 elements") << "50.1" << QStringList{"--elements", "4"};
    // Every amateur band from 6 m to 3 cm, with the most elements, where
    // the wires' numbers are longest.
    for (const char* band : {"50", "144", "222", "432", "903", "1296", "2304", "3456", "5760", "10368"})
      QTest::newRow(band) << band << QStringList{"--elements", QString::number(kMostElements)};
  }
  void numbersAreNec2cs() {
    QFETCH(QString, frequency);
    QFETCH(QStringList, options);
    QVERIFY2(!QStandardPaths::findExecutable(QStringLiteral("nec2c")).isEmpty(),
             "nec2c is not installed (script/bootstrap --test installs it)");
    QTemporaryDir dir;
    const QString deck = dir.filePath(QStringLiteral("beam.nec"));
    QCOMPARE(RunProgram(QStringList{"--frequency", frequency, "--nec", deck} + options).exitCode, 0);
    QFile written(deck);
    QVERIFY(written.open(QIODevice::ReadOnly));
    for (const QByteArray& card : written.readAll().split('\n'))
      QVERIFY2(card.size() <= 80, card.constData());  // as every NEC-2 reader takes them
    const ByHand byHand = runByHand(deck, dir.filePath(QStringLiteral("beam.out")));

    const test::Run run =
        RunProgram(QStringList{"--frequency", frequency, "--model", "--format", "json"} + options);
    QVERIFY2(run.exitCode == 0, qPrintable(run.err));
    const QJsonObject json = QJsonDocument::fromJson(run.out.toUtf8()).object();
    const QJsonArray sweep = json[QLatin1String("sweep")].toArray();
    QCOMPARE(sweep.size(), 41);
    QCOMPARE(byHand.impedances.size(), 41);
    for (int i = 0; i < 41; ++i) {
      const QJsonObject p = sweep[i].toObject();
      QVERIFY2(p[QLatin1String("r_ohms")].toDouble() == byHand.impedances[i].first &&
                   p[QLatin1String("x_ohms")].toDouble() == byHand.impedances[i].second,
               qPrintable(QStringLiteral("step %1").arg(i)));
    }
    const QJsonObject at = json[QLatin1String("at_frequency")].toObject();
    QCOMPARE(at, sweep[20].toObject());
    QCOMPARE(at[QLatin1String("frequency_mhz")].toDouble(), frequency.toDouble());
    QVERIFY(at[QLatin1String("gain_dbi")].toDouble() == byHand.front);
    QVERIFY(std::abs(at[QLatin1String("front_to_back_db")].toDouble() - (byHand.front - byHand.back)) <
            0.001);
    QCOMPARE(json[QLatin1String("pattern")].toArray().size(), 73);
  }

  void failuresExitFour_data() {
    QTest::addColumn<int>("how");  // a FakeNec, or -1 for no nec2c at all
    QTest::addColumn<QString>("said");
    QTest::newRow("no nec2c") << -1 << "quillcalc: the model needs nec2c: sudo apt install nec2c";
    QTest::newRow("exit 8") << int(FakeNec::ExitEight)
                            << "quillcalc: nec2c stopped with exit status 8 and gave no results (floating "
                               "point exception)";
    QTest::newRow("no results") << int(FakeNec::NoResults)
                                << "quillcalc: nec2c ran, but its output holds no results";
  }
  void failuresExitFour() {
    QFETCH(int, how);
    QFETCH(QString, said);
    test::FakeNec2c fake(how < 0 ? FakeNec::Hang : FakeNec(how));
    QTemporaryDir empty;
    test::ModelEnvironment environment(how < 0 ? empty.path() : fake.folder());
    const test::Run run = RunProgram({"--frequency", "146", "--model"});
    QCOMPARE(run.exitCode, 4);
    QCOMPARE(run.out, QString());
    QCOMPARE(run.err, said + QLatin1Char('\n'));
    QCOMPARE(environment.leftOver(), QStringList());
  }

  // A nec2c that never ends is killed at the time limit (shortened here).
  void hangIsEnded() {
    QTemporaryFile out, err;
    QVERIFY(out.open() && err.open());
    test::FakeNec2c fake(FakeNec::Hang);
    test::ModelEnvironment environment(fake.folder());
    std::FILE* outFile = std::fopen(qPrintable(out.fileName()), "w");
    std::FILE* errFile = std::fopen(qPrintable(err.fileName()), "w");
    app::Request request;
    request.frequency = "146";
    const int status = app::RunModelCommand(request, outFile, errFile, std::chrono::milliseconds(300));
    std::fclose(outFile);
    std::fclose(errFile);
    QCOMPARE(status, 4);
    QCOMPARE(out.readAll(), QByteArray());
    QCOMPARE(err.readAll(), QByteArray("quillcalc: nec2c took longer than 0.3 s and was stopped\n"));
    QVERIFY(fake.pid() > 0);
    QVERIFY2(!fake.alive(), "nec2c still runs");
    QCOMPARE(environment.leftOver(), QStringList());
  }

  // Ended by a signal while nec2c runs, it ends nec2c and leaves no files.
  void signalEndsNec2cToo() {
    test::FakeNec2c fake(FakeNec::Hang);
    test::ModelEnvironment environment(fake.folder());
    QProcess program;
    program.start(QStringLiteral(QUILLCALC_TEST_PROGRAM), {"--frequency", "146", "--model"});
    QTRY_VERIFY_WITH_TIMEOUT(fake.alive(), 20000);
    ::kill(pid_t(program.processId()), SIGTERM);
    QVERIFY(program.waitForFinished(20000));
    QCOMPARE(program.exitStatus(), QProcess::CrashExit);
    QVERIFY2(!fake.alive(), "nec2c still runs");
    QCOMPARE(environment.leftOver(), QStringList());
  }

  // Bad usage and a frequency that cannot be calculated run no nec2c.
  void refusedBeforeRunning_data() {
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<int>("status");
    QTest::newRow("with --unit") << QStringList{"--frequency", "146", "--model", "--unit", "cm"} << 2;
    QTest::newRow("11 elements") << QStringList{"--frequency", "146", "--model", "--elements", "11"} << 2;
    QTest::newRow("frequency 0") << QStringList{"--frequency", "0", "--model"} << 3;
  }
  void refusedBeforeRunning() {
    QFETCH(QStringList, arguments);
    QFETCH(int, status);
    test::FakeNec2c fake(FakeNec::NoResults);
    test::ModelEnvironment environment(fake.folder());
    const test::Run run = RunProgram(arguments);
    QCOMPARE(run.exitCode, status);
    QCOMPARE(run.out, QString());
    QCOMPARE(fake.pid(), 0);
  }
};

QTEST_GUILESS_MAIN(TestModelCommand)
#include "test_model_command.moc"
