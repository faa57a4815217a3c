#pragma once

// A stand-in for nec2c on PATH, for the failures the real one cannot be made
// to show on purpose: a crash's exit status, an output without results, a
// hang. It writes its process id to "pid" in its folder.

#include <QDir>
#include <QFile>
#include <QString>
#include <QTemporaryDir>
#include <csignal>

namespace quill::test {

enum class FakeNec {
  ExitEight,
  NoResults,
  Hang,
  EndlessOutput,   // the output file is /dev/zero
  ErrorFlood,      // 50 MB on stderr, then one last line and exit 1
  ReadsInput,      // waits for a line on its standard input
  OutlivingChild,  // leaves a child running, and exits 8
  SilentFifo,      // the output is a FIFO held open by a process outside its group
};

class FakeNec2c {
 public:
  explicit FakeNec2c(FakeNec how) {
    static const char* const kBodies[] = {
        "echo 'nec2c: floating point exception' >&2\nexit 8\n",
        "printf '  NUMERICAL ELECTROMAGNETICS CODE (nec2c)\\n' > \"$out\"\nexit 0\n",
        "exec /bin/sleep 600\n",
        "/bin/ln -sf /dev/zero \"$out\"\nexit 0\n",
        "/usr/bin/head -c 50000000 /dev/zero | /usr/bin/tr '\\0' x >&2\n"
        "echo >&2\necho 'nec2c: the last word' >&2\nexit 1\n",
        "read line\nexit 9\n",
        "/bin/sleep 600 &\necho $! > \"$pidfile\"\nexit 8\n",
        "/usr/bin/mkfifo \"$out\"\n/usr/bin/setsid /bin/sh -c 'exec /bin/sleep 5 > \"$1\"' sh \"$out\" "
        "&\nexit 0\n",
    };
    QFile script(dir_.filePath(QStringLiteral("nec2c")));
    script.open(QIODevice::WriteOnly);
    script.write(QByteArray("#!/bin/sh\npidfile='") + dir_.filePath(QStringLiteral("pid")).toUtf8() +
                 "'\necho $$ > \"$pidfile\"\nfor a; do case $a in -o*) out=${a#-o};; esac; done\n" +
                 kBodies[int(how)]);
    script.close();
    script.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
  }
  QString folder() const { return dir_.path(); }
  // The fake's process id once it has started, else 0.
  qint64 pid() const {
    QFile file(dir_.filePath(QStringLiteral("pid")));
    return file.open(QIODevice::ReadOnly) ? file.readAll().trimmed().toLongLong() : 0;
  }
  bool alive() const { return pid() > 0 && ::kill(pid_t(pid()), 0) == 0; }

 private:
  QTemporaryDir dir_;
};

// PATH with only `folder` on it, and TMPDIR a fresh folder, for as long as it
// lives.
class ModelEnvironment {
 public:
  explicit ModelEnvironment(const QString& folder) : path_(qgetenv("PATH")), tmp_(qgetenv("TMPDIR")) {
    qputenv("PATH", folder.toUtf8());
    qputenv("TMPDIR", temporary_.path().toUtf8());
  }
  ~ModelEnvironment() {
    qputenv("PATH", path_);
    tmp_.isNull() ? qunsetenv("TMPDIR") : qputenv("TMPDIR", tmp_);
  }
  // What runs left in TMPDIR.
  QStringList leftOver() const {
    return QDir(temporary_.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot);
  }

 private:
  QByteArray path_, tmp_;
  QTemporaryDir temporary_;
};

}  // namespace quill::test
