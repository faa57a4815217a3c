// --help and --version answer on stdout and exit before any window or display
// is needed; every other argument leaves the start-up as it was.
#include <QProcess>
#include <QProcessEnvironment>
#include <QTest>

#include "app/commandline.h"

namespace {

const QString kVersionLine = QStringLiteral("quillcalc " QUILLCALC_TEST_VERSION "\n");

enum class Reply { None, Help, Version };

void checkHelp(const QString& text) {
  QVERIFY2(text.startsWith(QStringLiteral("Usage: quillcalc [options]\n")), qPrintable(text));
  QVERIFY2(text.contains(QStringLiteral("--help")), qPrintable(text));
  QVERIFY2(text.contains(QStringLiteral("--version")), qPrintable(text));
  QVERIFY2(text.contains(QStringLiteral("INCHES or CM")), qPrintable(text));
  QVERIFY2(!text.contains(QStringLiteral("--help-all")), qPrintable(text));
  QVERIFY2(text.endsWith(QLatin1Char('\n')), qPrintable(text));
}

}  // namespace

Q_DECLARE_METATYPE(Reply)

class TestCommandLine : public QObject {
  Q_OBJECT

 private slots:
  void reply_data() {
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<Reply>("expected");
    const QString program = QStringLiteral("/usr/bin/quillcalc");
    QTest::newRow("none") << QStringList{program} << Reply::None;
    QTest::newRow("--version") << QStringList{program, "--version"} << Reply::Version;
    QTest::newRow("-v") << QStringList{program, "-v"} << Reply::Version;
    QTest::newRow("--help") << QStringList{program, "--help"} << Reply::Help;
    QTest::newRow("-h") << QStringList{program, "-h"} << Reply::Help;
    QTest::newRow("--help-all is not offered") << QStringList{program, "--help-all"} << Reply::None;
    QTest::newRow("help wins over version") << QStringList{program, "--version", "--help"} << Reply::Help;
    QTest::newRow("unknown option") << QStringList{program, "--frobnicate"} << Reply::None;
    QTest::newRow("unknown before --version")
        << QStringList{program, "--frobnicate", "--version"} << Reply::Version;
    QTest::newRow("a file from a launcher") << QStringList{program, "notes.txt"} << Reply::None;
    QTest::newRow("version after --") << QStringList{program, "--", "--version"} << Reply::None;
    // Qt's own single-dash options are words, not bundles holding -v or -h.
    QTest::newRow("-reverse") << QStringList{program, "-reverse"} << Reply::None;
    QTest::newRow("-platformtheme") << QStringList{program, "-platformtheme", "gtk3"} << Reply::None;
    QTest::newRow("-stylesheet") << QStringList{program, "-stylesheet=dark.qss"} << Reply::None;
    QTest::newRow("-platform") << QStringList{program, "-platform", "offscreen"} << Reply::None;
    QTest::newRow("-vh") << QStringList{program, "-vh"} << Reply::None;
  }
  void reply() {
    QFETCH(QStringList, arguments);
    QFETCH(Reply, expected);
    const std::optional<QString> reply = quill::app::CommandLineReply(arguments);
    QCOMPARE(reply.has_value(), expected != Reply::None);
    if (expected == Reply::Version) QCOMPARE(*reply, kVersionLine);
    if (expected == Reply::Help) checkHelp(*reply);
  }

  // The built program itself, with no display of any kind to reach.
  void programAnswersWithoutDisplay_data() {
    QTest::addColumn<QString>("argument");
    QTest::newRow("--version") << QStringLiteral("--version");
    QTest::newRow("--help") << QStringLiteral("--help");
  }
  void programAnswersWithoutDisplay() {
    QFETCH(QString, argument);
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"}) environment.remove(name);
    QProcess program;
    program.setProcessEnvironment(environment);
    program.start(QStringLiteral(QUILLCALC_TEST_PROGRAM), {argument});
    QVERIFY2(program.waitForFinished(30000), "the program did not end by itself");
    const QString out = QString::fromLocal8Bit(program.readAllStandardOutput());
    const QByteArray err = program.readAllStandardError();
    QCOMPARE(program.exitStatus(), QProcess::NormalExit);
    QCOMPARE(program.exitCode(), 0);
    QVERIFY2(err.isEmpty(), err.constData());
    if (argument == QLatin1String("--version")) {
      QCOMPARE(out, kVersionLine);
    } else {
      checkHelp(out);
    }
  }
};

QTEST_GUILESS_MAIN(TestCommandLine)
#include "test_commandline.moc"
