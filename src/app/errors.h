#pragma once

#include <QString>
#include <cstdio>
#include <functional>

#include "calc/design.h"

namespace quill::app {

// The program's default error handling: a run-time error that a handler does
// not deal with is shown to the user in a message box titled "quillcalc",
// with its number and description. The program then goes on; the handler that
// failed has changed nothing it did not finish.
void ReportRunTimeError(const RunTimeError& error);

// "Run-time error '11':\n\nDivision by zero", as the message box shows it.
QString ErrorMessage(const RunTimeError& error);
// "Run-time error '11': Division by zero", the same on one line, as the
// command line says it.
QString ErrorLine(const RunTimeError& error);

// One line on `to` (standard error unless a test asks otherwise), as every
// message of the command line is written: "quillcalc: ", then `line`.
void SayOnStderr(const QString& line, std::FILE* to = stderr);

// A usage error as every one is said: `problem`, then where to look,
// " (Try 'quillcalc --help')".
QString UsageLine(const QString& problem);

// A window's sentence in the command line's style: lower case after the
// prefix (but "NEC" stays), no full stop at the end.
QString AsClause(QString sentence);

// How a message names the file at `path`: "standard output" for "-".
QString FileInMessage(const QString& path);

// Replaces how errors are shown (tests record them instead of opening a
// modal message box). Returns the previous reporter; an empty one restores
// the message box.
using ErrorReporter = std::function<void(const RunTimeError&)>;
ErrorReporter SetErrorReporter(ErrorReporter reporter);

}  // namespace quill::app
