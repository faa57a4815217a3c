#pragma once

// Runs the built program as a script would, with no display of any kind to
// reach. QUILLCALC_TEST_PROGRAM is the program's path, set by the build.

#include <QProcess>
#include <QProcessEnvironment>
#include <QString>
#include <QStringList>

namespace quill::test {

struct Run {
  int exitCode = -1;  // -1: the program did not end by itself within 30 s
  QString out;
  QString err;
};

// `locale`, if given, is the LC_ALL the program runs in; `path`, a copy of
// the program elsewhere.
inline Run RunProgram(const QStringList& arguments, const QString& locale = {},
                      const QString& path = QStringLiteral(QUILLCALC_TEST_PROGRAM)) {
  QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
  for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"}) environment.remove(name);
  if (!locale.isEmpty()) environment.insert(QStringLiteral("LC_ALL"), locale);
  QProcess program;
  program.setProcessEnvironment(environment);
  program.start(path, arguments);
  if (!program.waitForFinished(30000) || program.exitStatus() != QProcess::NormalExit) return {};
  return {program.exitCode(), QString::fromUtf8(program.readAllStandardOutput()),
          QString::fromUtf8(program.readAllStandardError())};
}

}  // namespace quill::test
