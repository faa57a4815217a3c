// The program started with no display it can reach: one line on stderr that
// says what is missing and how to start it, exit status 1, no abort.
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

namespace {

// Variables that could point the program at a display of this machine.
const QStringList kDisplayVariables = {QStringLiteral("DISPLAY"), QStringLiteral("WAYLAND_DISPLAY"),
                                       QStringLiteral("WAYLAND_SOCKET"), QStringLiteral("QT_QPA_PLATFORM")};

}  // namespace

class TestNoDisplay : public QObject {
  Q_OBJECT

  QTemporaryDir runtime;  // an XDG_RUNTIME_DIR where no compositor listens

  QProcessEnvironment environment(const QStringList& settings) const {
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    for (const QString& name : kDisplayVariables) env.remove(name);
    env.insert(QStringLiteral("XDG_RUNTIME_DIR"), runtime.path());
    for (const QString& setting : settings) {
      const qsizetype equals = setting.indexOf(QLatin1Char('='));
      env.insert(setting.left(equals), setting.mid(equals + 1));
    }
    return env;
  }

 private slots:
  void initTestCase() { QVERIFY(runtime.isValid()); }

  void saysWhatIsMissingAndExits_data() {
    QTest::addColumn<QStringList>("settings");
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QStringList>("named");  // what the line must name
    const QStringList none;
    QTest::newRow("no display at all")
        << none << none << QStringList{"DISPLAY is not set", "WAYLAND_DISPLAY"};
    // No X server on that display number: the one this test makes up.
    QTest::newRow("X display not answering") << QStringList{"DISPLAY=:7391"} << none
                                             << QStringList{"\":7391\" cannot be opened", "WAYLAND_DISPLAY"};
    QTest::newRow("Wayland display not answering")
        << QStringList{"WAYLAND_DISPLAY=wayland-quill-none"} << none
        << QStringList{"DISPLAY is not set", "\"wayland-quill-none\" cannot be reached"};
    QTest::newRow("Wayland socket by path, absent") << QStringList{"WAYLAND_DISPLAY=/nonexistent/wayland-0"}
                                                    << none << QStringList{"/nonexistent/wayland-0"};
    QTest::newRow("both named, neither answers")
        << QStringList{"DISPLAY=:7391", "WAYLAND_DISPLAY=wayland-quill-none"} << none
        << QStringList{"\":7391\"", "\"wayland-quill-none\""};
    QTest::newRow("QT_QPA_PLATFORM=wayland, no compositor")
        << QStringList{"QT_QPA_PLATFORM=wayland", "DISPLAY=:7391"} << none
        << QStringList{"asks for wayland", "WAYLAND_DISPLAY is not set"};
    QTest::newRow("QT_QPA_PLATFORM=xcb, no X server")
        << QStringList{"QT_QPA_PLATFORM=xcb"} << none << QStringList{"asks for xcb", "DISPLAY is not set"};
    QTest::newRow("-platform xcb:options, no X server")
        << none << QStringList{"-platform", "xcb:nograb"} << QStringList{"asks for xcb:nograb"};
    QTest::newRow("a list, none of it reachable")
        << QStringList{"QT_QPA_PLATFORM=wayland;xcb"} << none
        << QStringList{"WAYLAND_DISPLAY is not set", "DISPLAY is not set"};
  }

  void saysWhatIsMissingAndExits() {
    QFETCH(QStringList, settings);
    QFETCH(QStringList, arguments);
    QFETCH(QStringList, named);
    QProcess program;
    program.setProcessEnvironment(environment(settings));
    program.start(QStringLiteral(QUILLCALC_PROGRAM), arguments);
    QVERIFY2(program.waitForFinished(30000), "the program did not end");
    QCOMPARE(program.exitStatus(), QProcess::NormalExit);  // no abort, no core
    QCOMPARE(program.exitCode(), 1);
    QCOMPARE(program.readAllStandardOutput(), QByteArray());
    const QString said = QString::fromUtf8(program.readAllStandardError());
    QVERIFY2(said.endsWith(QLatin1Char('\n')) && said.count(QLatin1Char('\n')) == 1, qPrintable(said));
    QVERIFY2(said.startsWith(QLatin1String("quillcalc: no display to open its windows on")),
             qPrintable(said));
    QVERIFY2(said.contains(QLatin1String("start it from a graphical desktop session")), qPrintable(said));
    for (const QString& what : named) QVERIFY2(said.contains(what), qPrintable(said));
  }

  // A platform that needs no display is the user's choice and is left alone:
  // the program starts, says nothing and runs until it is stopped.
  void aPlatformWithoutDisplayStillStarts() {
    QProcess program;
    program.setProcessEnvironment(environment({QStringLiteral("QT_QPA_PLATFORM=offscreen")}));
    program.start(QStringLiteral(QUILLCALC_PROGRAM), QStringList());
    QVERIFY(program.waitForStarted());
    QVERIFY2(!program.waitForFinished(1500), program.readAllStandardError().constData());
    program.kill();
    program.waitForFinished();
    QCOMPARE(program.readAllStandardError(), QByteArray());
  }
};

QTEST_GUILESS_MAIN(TestNoDisplay)
#include "test_no_display.moc"
