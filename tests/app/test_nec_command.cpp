// quillcalc --frequency TEXT --nec FILE [--diameter MM] [--elements N]: the
// built program writes the model's deck with no display, or says what is
// wrong and writes nothing.
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include "calc/necdeck.h"
#include "calc/necmodel.h"
#include "run_program.h"

namespace {

using quill::test::Run;
using quill::test::RunProgram;

QByteArray contents(const QString& path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

}  // namespace

Q_DECLARE_METATYPE(std::optional<double>)

class TestNecCommand : public QObject {
  Q_OBJECT

 private slots:
  // The same deck as the window's export for the same choices.
  void writesTheDeck_data() {
    QTest::addColumn<QStringList>("options");
    QTest::addColumn<QString>("frequency");
    QTest::addColumn<std::optional<double>>("diameter");
    QTest::addColumn<int>("elements");
    QTest::newRow("146 MHz, 6 mm") << QStringList{"--diameter", "6"} << "146" << std::optional(6.0) << 3;
    QTest::newRow("432 MHz, 5 elements, default tube")
        << QStringList{"--elements", "5"} << "432" << std::optional<double>() << 5;
  }
  void writesTheDeck() {
    QFETCH(QStringList, options);
    QFETCH(QString, frequency);
    QFETCH(std::optional<double>, diameter);
    QFETCH(int, elements);
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("beam.nec"));
    const Run run = RunProgram(QStringList{"--frequency", frequency, "--nec", file} + options);
    QVERIFY2(run.exitCode == 0, qPrintable(run.err));
    QCOMPARE(run.out, QString());
    QCOMPARE(run.err, QString());
    const quill::nec::Outcome outcome = quill::nec::BuildModel(frequency.toStdString(), diameter, elements);
    QVERIFY(outcome.model);
    QCOMPARE(contents(file), QByteArray::fromStdString(
                                 quill::nec::Deck(*outcome.model, "quillcalc " QUILLCALC_TEST_VERSION)));
  }

  // A message naming the problem, and the file as it was: a deck already
  // there is neither replaced nor joined by a half-written one.
  void refusesAndWritesNothing_data() {
    QTest::addColumn<QStringList>("options");
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<QString>("said");
    const QString frequency = QStringLiteral("--frequency");
    QTest::newRow("diameter 0") << QStringList{frequency, "146", "--diameter", "0"} << 2
                                << "--diameter: the tube diameter must be greater than 0 mm (Try";
    QTest::newRow("diameter not a number")
        << QStringList{frequency, "146", "--diameter", "six"} << 2 << "--diameter: 'six' is not a number";
    QTest::newRow("diameter too thick")
        << QStringList{frequency, "146", "--diameter", "50"} << 2 << "too thick to model at 146 MHz";
    QTest::newRow("11 elements") << QStringList{frequency, "146", "--elements", "11"} << 2 << "from 3 to 10";
    QTest::newRow("elements not a number") << QStringList{frequency, "146", "--elements", "3.5"} << 2
                                           << "--elements: '3.5' is not a whole number";
    QTest::newRow("a control character") << QStringList{frequency, "146", "--elements", "3\x1b[2J"} << 2
                                         << "--elements: '3\\x1B[2J' is not a whole number";
    QTest::newRow("diameter 1e-300") << QStringList{frequency, "146", "--diameter", "1e-300"} << 2
                                     << "--diameter: a tube of 1e-300 mm is too thin to model at 146 MHz";
    QTest::newRow("negative frequency")
        << QStringList{frequency, "-146"} << 2
        << "--frequency: a Quillbeam is built for 1 MHz to 30 GHz, not for -146 MHz (Try";
    QTest::newRow("diameter without --nec")
        << QStringList{frequency, "146", "--diameter", "6", "--format", "csv"} << 2
        << "--diameter: needs --nec";
    QTest::newRow("frequency 0") << QStringList{frequency, "0"} << 3
                                 << "quillcalc: Run-time error '11': Division by zero\n";
  }
  void refusesAndWritesNothing() {
    QFETCH(QStringList, options);
    QFETCH(int, exitCode);
    QFETCH(QString, said);
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("beam.nec"));
    {
      QFile old(file);
      QVERIFY(old.open(QIODevice::WriteOnly));
      old.write("an earlier deck\n");
    }
    if (!options.contains(QLatin1String("--format"))) options << QStringLiteral("--nec") << file;
    const Run run = RunProgram(options);
    QCOMPARE(run.exitCode, exitCode);
    QVERIFY2(run.err.contains(said), qPrintable(run.err));
    QCOMPARE(run.out, QString());
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"beam.nec"});
    QCOMPARE(contents(file), QByteArray("an earlier deck\n"));
  }
};

QTEST_GUILESS_MAIN(TestNecCommand)
#include "test_nec_command.moc"
