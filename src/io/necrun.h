#pragma once

// Runs Debian's nec2c on a model's deck and reads its results: in the
// background for the model window, or waiting for it on the command line.
// Each run has a private temporary folder for the deck and nec2c's output,
// removed when the run ends however it ends (a signal, exit(), or the next
// run after the program was killed outright). nec2c runs in a process group
// of its own with nothing on its standard input; the time limit covers the
// whole run, reading its output included, and a run past it is ended with
// every process it started. Its output is read up to a limit, its stderr
// kept to the last lines. Every failure is one sentence that names nec2c.

#include <QObject>
#include <QString>
#include <QTimer>
#include <chrono>
#include <memory>
#include <optional>
#include <string>

#include "calc/necmodel.h"
#include "calc/necresults.h"

namespace quill::io {

// nec2c runs a 10-element deck in about a second; a zero-length wire makes
// it run for ever.
inline constexpr std::chrono::milliseconds kNecTimeLimit{30000};

// The sentence when nec2c is not installed.
QString NecMissing();

struct NecOutcome {
  std::optional<nec::Results> results;
  QString failure;  // one sentence, when there are no results
};

// What to run: the model's deck as "Export NEC model…" writes it (`program`
// names the program and its version in the deck's comments), the SWR
// against `referenceOhms`.
struct NecJob {
  nec::Model model;
  double referenceOhms = nec::kReferenceOhms;
  std::string program;
};

// Runs nec2c and waits for it, at most `limit`; for a command line. A
// signal that would end the program (SIGINT, SIGTERM, SIGHUP, SIGQUIT,
// SIGALRM, ...) while it waits ends nec2c and removes the run's folder
// before it ends the program; one ignored at the start stays ignored.
NecOutcome RunNec(const NecJob& job, std::chrono::milliseconds limit = kNecTimeLimit);

// Writes `deck` to `path` through SaveFile (savefile.h): a regular file is
// replaced only by a complete deck, "-", a FIFO or a device get it as Unix
// tools write them. A deck that nec2c would stop on, or run without
// results, is a fault of this program and is not written. Returns what went
// wrong, or an empty text.
QString SaveNecDeck(const QString& path, const std::string& deck);

// One run at a time, in the background.
class NecRun : public QObject {
  Q_OBJECT

 public:
  explicit NecRun(QObject* parent = nullptr);
  // Ends a run still going.
  ~NecRun() override;

  void setTimeLimit(std::chrono::milliseconds limit) { limit_ = limit; }
  // Starts a run, ending one still going: only the new one reports.
  void start(const NecJob& job);
  // Ends the run still going, if any, without a report.
  void stop();
  bool running() const { return current_ != nullptr; }
  // nec2c's process id while it runs, else 0.
  qint64 processId() const;

 signals:
  // Exactly one of the two for each run that was not stopped or replaced.
  void finished(const quill::nec::Results& results);
  void failed(const QString& failure);

 private:
  struct Current;
  void end(NecOutcome outcome);
  void readOutput();

  std::chrono::milliseconds limit_ = kNecTimeLimit;
  QTimer clock_;
  std::unique_ptr<Current> current_;
  quint64 generation_ = 0;  // counts the runs stopped, so a queued report knows it is stale
};

}  // namespace quill::io
