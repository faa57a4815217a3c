// quillcalc --frequency F --model: the numbers are nec2c's for the deck --nec
// writes, and every way the run fails exits 4 with one line naming nec2c and
// leaves nothing behind.
#include <sys/wait.h>
#include <unistd.h>

#include <QDir>
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
#include <QTimer>
#include <complex>
#include <csignal>

#include "app/modelcommand.h"
#include "calc/elements.h"
#include "calc/necmodel.h"
#include "fake_nec2c.h"
#include "io/necrun.h"
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

// A 3-element model at 146 MHz, to run in this process.
io::NecJob job() { return {*nec::BuildModel("146", std::nullopt, 3).model, 50, "test"}; }

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
    QTest::newRow("endless output") << int(FakeNec::EndlessOutput)
                                    << "quillcalc: nec2c's output is too large";
    QTest::newRow("50 MB on stderr")
        << int(FakeNec::ErrorFlood)
        << "quillcalc: nec2c stopped with exit status 1 and gave no results (the last word)";
    QTest::newRow("reads its input") << int(FakeNec::ReadsInput)
                                     << "quillcalc: nec2c stopped with exit status 9 and gave no results";
    QTest::newRow("a child outlives it")
        << int(FakeNec::OutlivingChild) << "quillcalc: nec2c stopped with exit status 8 and gave no results";
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
    QTRY_VERIFY2_WITH_TIMEOUT(!fake.alive(), "a process of nec2c's still runs", 5000);
  }

  // A window's run, ended with the program by a signal or by exit() (as
  // when the X server goes away), ends nec2c and leaves nothing in TMPDIR.
  void windowsRunEndsWithTheProgram_data() {
    QTest::addColumn<int>("signal");  // 0: exit(1)
    for (const int signal : {SIGTERM, SIGHUP, SIGINT, 0})
      QTest::newRow(signal ? sigabbrev_np(signal) : "exit") << signal;
  }
  void windowsRunEndsWithTheProgram() {
    QFETCH(int, signal);
    test::FakeNec2c fake(FakeNec::Hang);
    test::ModelEnvironment environment(fake.folder());
    const pid_t child = ::fork();
    if (child == 0) {
      // As a program starts, before the test's own handlers.
      for (const int each : {SIGTERM, SIGHUP, SIGINT}) std::signal(each, SIG_DFL);
      io::NecRun run;
      run.start(job());
      if (signal == 0) QTimer::singleShot(300, [] { std::exit(1); });
      QCoreApplication::exec();
      ::_exit(0);
    }
    QTRY_VERIFY_WITH_TIMEOUT(fake.alive(), 20000);
    if (signal) {
      QTest::qWait(100);
      ::kill(child, signal);
    }
    int status = 0;
    QCOMPARE(::waitpid(child, &status, 0), child);
    QVERIFY2(signal ? WIFSIGNALED(status) && WTERMSIG(status) == signal : WIFEXITED(status),
             qPrintable(QString::number(status, 16)));
    QTRY_VERIFY2_WITH_TIMEOUT(!fake.alive(), "nec2c still runs", 5000);
    QCOMPARE(environment.leftOver(), QStringList());
  }

  // No folder for the run: the message names TMPDIR and the system's reason.
  void noRoomInTmpdir() {
    test::FakeNec2c fake(FakeNec::NoResults);
    test::ModelEnvironment environment(fake.folder());
    const QByteArray tmpdir = qgetenv("TMPDIR");
    qputenv("TMPDIR", fake.folder().toUtf8() + "/nec2c");  // a file, not a folder
    const io::NecOutcome outcome = io::RunNec(job());
    qputenv("TMPDIR", tmpdir);
    QCOMPARE(outcome.failure,
             QStringLiteral("nec2c could not be run: its files could not be written in TMPDIR "
                            "(%1/nec2c): Not a directory.")
                 .arg(fake.folder()));
  }

  // A run that could not start reports once the caller is back in the
  // event loop; stopped or replaced before then, it reports nothing.
  void unstartedRunReportsOnlyIfKept() {
    const QTemporaryDir empty;
    test::ModelEnvironment environment(empty.path());
    io::NecRun run;
    QStringList failures;
    QObject::connect(&run, &io::NecRun::failed, [&failures](const QString& failure) { failures << failure; });
    run.start(job());
    run.stop();
    run.start(job());
    run.start(job());
    QTest::qWait(50);
    QCOMPARE(failures, QStringList{io::NecMissing()});
  }

  // The time limit covers reading the output: a FIFO that never delivers.
  void silentOutputIsEnded() {
    test::FakeNec2c fake(FakeNec::SilentFifo);
    test::ModelEnvironment environment(fake.folder());
    const io::NecOutcome outcome = io::RunNec(job(), std::chrono::milliseconds(500));
    QCOMPARE(outcome.failure, QStringLiteral("nec2c took longer than 0.5 s and was stopped."));
    QCOMPARE(environment.leftOver(), QStringList());
  }

  // The folder of a run whose program was killed outright goes with the
  // next run; another live program's stays.
  void deadRunsFolderIsSwept() {
    test::FakeNec2c fake(FakeNec::NoResults);
    test::ModelEnvironment environment(fake.folder());
    QProcess gone;
    gone.start(QStringLiteral("/bin/true"));
    QVERIFY(gone.waitForStarted());
    const qint64 pid = gone.processId();
    QVERIFY(gone.waitForFinished());
    const QString dead = QStringLiteral("quillcalc-model-%1-AbCdEf").arg(pid);
    const QString living = QStringLiteral("quillcalc-model-%1-AbCdEf").arg(::getppid());
    QDir temporary(QDir::tempPath());
    QVERIFY(temporary.mkpath(dead + QStringLiteral("/inside")) && temporary.mkdir(living));
    io::RunNec(job());
    QCOMPARE(environment.leftOver(), QStringList{living});
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

  // Ended by a signal while nec2c runs, it ends nec2c and leaves no files;
  // a signal ignored at the start (nohup) stays ignored.
  void signalEndsNec2cToo_data() {
    QTest::addColumn<int>("signal");
    QTest::addColumn<bool>("ignored");
    for (const int signal : {SIGTERM, SIGINT, SIGHUP, SIGQUIT, SIGUSR1, SIGALRM, SIGPIPE})
      QTest::newRow(sigabbrev_np(signal)) << signal << false;
    QTest::newRow("HUP under nohup") << SIGHUP << true;
  }
  void signalEndsNec2cToo() {
    QFETCH(int, signal);
    QFETCH(bool, ignored);
    test::FakeNec2c fake(FakeNec::Hang);
    test::ModelEnvironment environment(fake.folder());
    QProcess program;
    if (ignored) program.setChildProcessModifier([] { std::signal(SIGHUP, SIG_IGN); });
    program.start(QStringLiteral(QUILLCALC_TEST_PROGRAM), {"--frequency", "146", "--model"});
    QTRY_VERIFY_WITH_TIMEOUT(fake.alive(), 20000);
    ::kill(pid_t(program.processId()), signal);
    if (ignored) {
      QVERIFY(!program.waitForFinished(300));
      QVERIFY(fake.alive());
      ::kill(pid_t(program.processId()), SIGTERM);
    }
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

  // The tuning options and a measurement file that cannot be read: one
  // line naming what is wrong, nothing on stdout, and no nec2c run.
  void tuningRefused_data() {
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("says");
    QTest::newRow("--trim alone") << QStringList{"--frequency", "146", "--trim"} << "--trim";
    QTest::newRow("--measured with --nec")
        << QStringList{"--frequency", "146", "--nec", "-", "--measured", "x.s1p"} << "--measured";
    QTest::newRow("--tolerance with --nec")
        << QStringList{"--frequency", "146", "--nec", "-", "--tolerance", "3"} << "--tolerance";
    QTest::newRow("negative tolerance") << QStringList{"--frequency", "146", "--model", "--tolerance", "-1"}
                                        << "--tolerance: -1 mm is below 0";
    QTest::newRow("tolerance a word") << QStringList{"--frequency", "146", "--model", "--tolerance", "abc"}
                                      << "--tolerance: 'abc' is not a number";
    QTest::newRow("absurd tolerance") << QStringList{"--frequency", "146", "--model", "--tolerance", "100"}
                                      << "more than a tenth of the shortest leg";
    QTest::newRow("missing file") << QStringList{"--frequency", "146", "--model", "--measured",
                                                 "/no/such.s1p"}
                                  << "quillcalc: /no/such.s1p: No such file or directory";
    QTest::newRow("a directory") << QStringList{"--frequency", "146", "--model", "--measured", "/tmp"}
                                 << "quillcalc: /tmp: Is a directory";
    QTest::newRow("Z parameters") << QStringList{"--frequency", "146", "--model", "--measured", "Z"}
                                  << "quillcalc: %1:2: ";
  }
  void tuningRefused() {
    QFETCH(QStringList, arguments);
    QFETCH(QString, says);
    QTemporaryDir dir;
    const QString zFile = dir.filePath(QStringLiteral("z.s1p"));
    QFile z(zFile);
    z.open(QIODevice::WriteOnly);
    z.write("! impedance, not S\n# MHz Z RI R 50\n146 50 0\n147 51 1\n");
    z.close();
    if (arguments.constLast() == QLatin1String("Z")) arguments.last() = zFile;
    test::FakeNec2c fake(FakeNec::NoResults);
    test::ModelEnvironment environment(fake.folder());
    const test::Run run = RunProgram(arguments);
    QCOMPARE(run.exitCode, 2);
    QCOMPARE(run.out, QString());
    QVERIFY2(run.err.contains(says.arg(zFile)) && run.err.count(QLatin1Char('\n')) == 1, qPrintable(run.err));
    QCOMPARE(fake.pid(), 0);
  }

  // A "measurement" of the model with every leg 20 mm longer: the trim from
  // it is what is left of the model's own trim, whatever form the file takes.
  void trimFromMeasurement_data() {
    QTest::addColumn<QString>("file");
    QTest::newRow("RI, Hz") << "measured-146mhz-ri.s1p";
    QTest::newRow("MA, 75 ohms") << "measured-146mhz-ma75.s1p";
    QTest::newRow("DB, GHz, tabs") << "measured-146mhz-db.s1p";
  }
  void trimFromMeasurement() {
    QFETCH(QString, file);
    const test::Run run = RunProgram({"--frequency", "146", "--model", "--trim", "--measured",
                                      QStringLiteral(QUILL_TEST_DATA "/") + file, "--format", "json"});
    QVERIFY2(run.exitCode == 0, qPrintable(run.err));
    const QJsonObject json = QJsonDocument::fromJson(run.out.toUtf8()).object();
    const QJsonObject trim = json[QStringLiteral("trim")].toObject();
    const QJsonObject measured = json[QStringLiteral("measured")].toObject();
    QCOMPARE(trim[QStringLiteral("basis")].toString(), QStringLiteral("measurement"));
    const double change = trim[QStringLiteral("leg_change_mm")].toDouble();
    QVERIFY2(change > 4 && change < 10, qPrintable(QString::number(change)));
    QCOMPARE(measured[QStringLiteral("points")].toInt(), 41);
    QCOMPARE(measured[QStringLiteral("sweep")].toArray().size(), 41);
    const double lowest =
        measured[QStringLiteral("lowest_swr")].toObject()[QStringLiteral("frequency_mhz")].toDouble();
    QVERIFY2(std::abs(lowest - 147.2) < 0.4, qPrintable(QString::number(lowest)));
  }

  // --nec --trim writes the deck whose lowest SWR the model puts on the frequency.
  void necTrimWritesTheTrimmedDeck() {
    QTemporaryDir dir;
    const QString deck = dir.filePath(QStringLiteral("trimmed.nec"));
    const test::Run run = RunProgram({"--frequency", "146", "--nec", deck, "--trim"});
    QVERIFY2(run.exitCode == 0, qPrintable(run.err));
    const ByHand byHand = runByHand(deck, dir.filePath(QStringLiteral("trimmed.out")));
    double lowest = HUGE_VAL;
    int at = 0;
    for (int i = 0; i < byHand.impedances.size(); ++i) {
      const std::complex<double> z(byHand.impedances[i].first, byHand.impedances[i].second);
      const double g = std::abs((z - 50.0) / (z + 50.0));
      if (g < lowest) lowest = g, at = i;
    }
    QCOMPARE(at, 20);  // the middle of the sweep: the design frequency
  }

  // The spread: inside the range seen by hand, and the same bytes each run.
  void toleranceRepeats() {
    const QStringList arguments{"--frequency", "146", "--model", "--tolerance", "3", "--format", "json"};
    const test::Run run = RunProgram(arguments);
    QVERIFY2(run.exitCode == 0, qPrintable(run.err));
    const QJsonObject spread =
        QJsonDocument::fromJson(run.out.toUtf8()).object()[QStringLiteral("tolerance")].toObject();
    const QJsonObject range = spread[QStringLiteral("lowest_swr_frequency_mhz")].toObject();
    const double low = range[QStringLiteral("min")].toDouble(),
                 high = range[QStringLiteral("max")].toDouble();
    QVERIFY2(low >= 148.9 && high <= 150.9 && high - low >= 0.5, qPrintable(run.out.left(2000)));
    QCOMPARE(spread[QStringLiteral("copies")].toInt(), 32);
    QVERIFY(RunProgram(arguments).out == run.out);
  }
};

QTEST_GUILESS_MAIN(TestModelCommand)
#include "test_model_command.moc"
