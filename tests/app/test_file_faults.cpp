// Files written under faults, as a user would meet them: a full disk, a
// name that is not UTF-8, another's file, a closed standard output, a
// read-only or sticky folder. Some need root (a tmpfs, another owner,
// setpriv) and are skipped, saying why, where the test is not root.
#include <sys/mount.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <cstdio>

namespace {

enum class Fault {
  FullDisk,
  NotUtf8,
  OthersFile,
  StdoutClosed,
  DescriptorClosed,
  ReadOnlyFolder,
  StickyFolder
};

constexpr uid_t kNobody = 65534;

struct Run {
  int status = -1;
  QString err;
};

// `script` run by sh with the program as $0 and `file` as $1.
Run shell(const QString& script, const QByteArray& file) {
  QProcess sh;
  sh.setProcessEnvironment(QProcessEnvironment::systemEnvironment());
  sh.setProgram(QStringLiteral("/bin/sh"));
  sh.setArguments(
      {QStringLiteral("-c"), script, QStringLiteral(QUILLCALC_TEST_PROGRAM), QFile::decodeName(file)});
  // The name's own bytes, which a QString cannot carry.
  if (file.contains('\xff')) {
    sh.setArguments({QStringLiteral("-c"), script.arg(QStringLiteral("\"$(printf 'pre\\377.nec')\"")),
                     QStringLiteral(QUILLCALC_TEST_PROGRAM)});
  }
  sh.start();
  if (!sh.waitForFinished(30000)) return {};
  return {sh.exitCode(), QString::fromLocal8Bit(sh.readAllStandardError())};
}

// By the name's own bytes.
QByteArray contents(const QByteArray& name) {
  QFile file;
  std::FILE* opened = std::fopen(name.constData(), "rb");
  if (!opened || !file.open(opened, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) return {};
  return file.readAll();
}

void write(const QByteArray& name, const QByteArray& bytes) {
  QFile file(QFile::decodeName(name));
  QVERIFY(file.open(QIODevice::WriteOnly));
  file.write(bytes);
}

}  // namespace

Q_DECLARE_METATYPE(Fault)

class TestFileFaults : public QObject {
  Q_OBJECT

 private slots:
  void faults_data() {
    QTest::addColumn<Fault>("fault");
    QTest::addColumn<QString>("option");
    QTest::addColumn<int>("status");
    QTest::addColumn<QString>("said");
    QTest::newRow("--nec, full disk") << Fault::FullDisk << "--nec" << 1 << "No space left on device";
    QTest::newRow("--plan, full disk") << Fault::FullDisk << "--plan" << 1 << "No space left on device";
    QTest::newRow("--nec, not UTF-8") << Fault::NotUtf8 << "--nec" << 0 << "";
    QTest::newRow("--nec, nobody's file") << Fault::OthersFile << "--nec" << 0 << "";
    QTest::newRow("--nec -, stdout closed")
        << Fault::StdoutClosed << "--nec" << 1 << "standard output is closed";
    QTest::newRow("--plan -, stdout closed")
        << Fault::StdoutClosed << "--plan" << 1 << "standard output is closed";
    QTest::newRow("--plan /dev/fd/3, not open")
        << Fault::DescriptorClosed << "--plan" << 1 << "descriptor 3 is not open";
    QTest::newRow("--nec, read-only folder") << Fault::ReadOnlyFolder << "--nec" << 0 << "";
    QTest::newRow("--nec, sticky folder") << Fault::StickyFolder << "--nec" << 0 << "";
  }
  void faults() {
    QFETCH(Fault, fault);
    QFETCH(QString, option);
    QFETCH(int, status);
    QFETCH(QString, said);
    const bool root = ::geteuid() == 0;
    if (!root && fault != Fault::NotUtf8 && fault != Fault::StdoutClosed && fault != Fault::DescriptorClosed)
      QSKIP("needs root: a tmpfs of its own, another owner, or setpriv");
    QTemporaryDir dir;
    const QByteArray folder = QFile::encodeName(dir.path());
    QByteArray file = folder + "/beam";
    QString script = QStringLiteral("exec \"$0\" --frequency 146 %1 \"$1\"").arg(option);
    bool mounted = false;
    switch (fault) {
      case Fault::FullDisk: {
        if (::mount("tmpfs", folder.constData(), "tmpfs", 0, "size=64k") != 0)
          QSKIP("no tmpfs can be mounted here");
        mounted = true;
        write(file, "the old file\n");
        QFile filler(dir.filePath(QStringLiteral("filler")));
        QVERIFY(filler.open(QIODevice::WriteOnly | QIODevice::Unbuffered));
        while (filler.write(QByteArray(4096, 'x')) > 0) {
        }
        break;
      }
      case Fault::NotUtf8:
        file = folder + "/pre\xff.nec";
        script = QStringLiteral("cd '%1' && exec \"$0\" --frequency 146 --nec %2").arg(dir.path());
        break;
      case Fault::OthersFile:
        write(file, "nobody's\n");
        QVERIFY(::chown(file.constData(), kNobody, kNobody) == 0);
        break;
      case Fault::StdoutClosed:
        script = QStringLiteral("exec \"$0\" --frequency 146 %1 - >&-").arg(option);
        break;
      case Fault::DescriptorClosed:
        script = QStringLiteral("exec 3>&-; exec \"$0\" --frequency 146 %1 /dev/fd/3").arg(option);
        break;
      case Fault::ReadOnlyFolder:
      case Fault::StickyFolder:
        write(file, "an old deck\n");
        QVERIFY(::chmod(folder.constData(), fault == Fault::StickyFolder ? 01777 : 0755) == 0);
        if (fault == Fault::ReadOnlyFolder) {
          QVERIFY(::chown(file.constData(), kNobody, kNobody) == 0);
        } else {
          QVERIFY(::chmod(file.constData(), 0666) == 0);
        }
        script = QStringLiteral(
                     "exec setpriv --reuid=%1 --regid=%1 --clear-groups \"$0\" --frequency 146 "
                     "--nec \"$1\"")
                     .arg(kNobody);
        break;
    }
    const Run run = shell(script, file);
    if (mounted) ::umount2(folder.constData(), MNT_DETACH);
    QVERIFY2(run.status == status, qPrintable(run.err));
    QVERIFY2(status == 0 ? run.err.isEmpty() : run.err.endsWith(said + QLatin1Char('\n')),
             qPrintable(run.err));
    if (fault == Fault::FullDisk) return;  // checked below, before the unmount
    struct stat after {};
    if (fault == Fault::NotUtf8 || fault == Fault::OthersFile || fault == Fault::ReadOnlyFolder ||
        fault == Fault::StickyFolder) {
      QVERIFY2(::stat(file.constData(), &after) == 0, file.constData());
      QVERIFY(contents(file).startsWith("CM "));
    }
    if (fault == Fault::OthersFile || fault == Fault::ReadOnlyFolder)
      QVERIFY(after.st_uid == kNobody && after.st_gid == kNobody);
  }

  // The old file stays whole when the new one finds no room.
  void fullDiskKeepsTheOldFile() {
    if (::geteuid() != 0) QSKIP("needs root for a tmpfs of its own");
    QTemporaryDir dir;
    const QByteArray folder = QFile::encodeName(dir.path());
    if (::mount("tmpfs", folder.constData(), "tmpfs", 0, "size=64k") != 0)
      QSKIP("no tmpfs can be mounted here");
    const QByteArray file = folder + "/good.nec";
    write(file, "the old deck\n");
    QFile filler(dir.filePath(QStringLiteral("filler")));
    QVERIFY(filler.open(QIODevice::WriteOnly | QIODevice::Unbuffered));
    while (filler.write(QByteArray(4096, 'x')) > 0) {
    }
    const Run run = shell(QStringLiteral("exec \"$0\" --frequency 146 --nec \"$1\""), file);
    const QByteArray after = contents(file);
    const QStringList names = QDir(dir.path()).entryList(QDir::Files | QDir::Hidden);
    ::umount2(folder.constData(), MNT_DETACH);
    QCOMPARE(run.status, 1);
    QCOMPARE(after, QByteArray("the old deck\n"));
    QCOMPARE(names, QStringList({"filler", "good.nec"}));
  }
};

QTEST_GUILESS_MAIN(TestFileFaults)
#include "test_file_faults.moc"
