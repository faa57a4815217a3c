#pragma once

// The pieces of a nec2c run that keep it from losing anything or hanging:
// its folder, nec2c in a process group of its own, its stderr kept to the
// last lines, its output read without waiting for ever or without end, and
// the clean-up when a signal or exit() ends the program during a run.

#include <sys/types.h>

#include <QByteArray>
#include <QProcess>
#include <QString>
#include <chrono>
#include <csignal>
#include <optional>
#include <string>

namespace quill::io::detail {

// The most of nec2c's output that is read: its largest real output (10
// elements, 41 frequencies) is about 0.5 MB.
inline constexpr qint64 kMostOutputBytes = 4 << 20;

// The system's words for an errno value.
QString Reason(int error);
// "TMPDIR (/path)", or the folder alone when TMPDIR is not set.
QString TemporaryFolderName();

// A run's private folder, quillcalc-model-PID-XXXXXX in TMPDIR, removed
// when it goes. The process id lets a later run recognise, and remove, the
// folders of runs whose program was killed outright.
class RunFolder {
 public:
  RunFolder();
  ~RunFolder();
  RunFolder(const RunFolder&) = delete;
  RunFolder& operator=(const RunFolder&) = delete;

  // Empty once the folder is made; else the system's reason.
  const QString& failure() const { return failure_; }
  QString file(const char* name) const;
  // Writes the deck into the folder; returns the system's reason, or empty.
  QString write(const char* name, const std::string& bytes) const;
  // The file system holding the folder has no room left.
  bool full() const;
  // The process group of nec2c while it runs in this folder, or 0; ended
  // with the folder when the program ends by a signal or exit().
  void setGroup(pid_t group) { group_ = group; }
  pid_t group() const { return group_; }

  // Removes every run's folder still there and ends their nec2c; for the
  // end of the program.
  static void EndAll();

 private:
  QString path_;
  QString failure_;
  pid_t group_ = 0;
};

// Removes the folders left by runs whose program no longer lives.
void SweepDeadRuns();

// Sets `process` to run nec2c safely: standard input /dev/null, standard
// output discarded, a process group of its own, and killed with the program.
void SetUpProcess(QProcess& process);
// Ends nec2c and every process it started (its process group, `group`,
// even once nec2c itself has ended), and reaps it.
void EndProcess(QProcess& process, pid_t group);

// nec2c's stderr, kept to its last few kilobytes.
class ErrorTail {
 public:
  void add(const QByteArray& bytes);
  // The last lines, without "nec2c: ", as " (a; b)", or empty.
  QString said() const;

 private:
  QByteArray tail_;
  bool cut_ = false;  // the start of the stderr is gone
};

// nec2c's output file, read without blocking: a FIFO that never delivers
// is read only as long as the run's time allows, and an endless one only
// up to kMostOutputBytes.
class OutputReader {
 public:
  enum class State { Reading, Waiting, Done, TooLarge, Failed };
  explicit OutputReader(const QString& path);
  ~OutputReader();
  OutputReader(const OutputReader&) = delete;
  OutputReader& operator=(const OutputReader&) = delete;

  // Reads what there is, up to a few megabytes: Reading if there may be
  // more at once, Waiting if there is none yet.
  State step();
  int descriptor() const { return fd_; }
  const QByteArray& bytes() const { return bytes_; }
  const QString& failure() const { return failure_; }
  // Reads to the end, waiting at most until `deadline`, and checking
  // `stop` between waits; for the command line.
  State readAll(std::chrono::steady_clock::time_point deadline, bool (*stop)());

 private:
  int fd_ = -1;
  QByteArray bytes_;
  QString failure_;
};

// While the program runs windows, the signals that would end it (those not
// ignored, nor handled already) first end the runs going on and remove
// their folders. Once; needs a QCoreApplication.
void EndRunsOnSignals();

// While it lives, a signal that would end the program (Ctrl+C, a hang-up,
// a termination request, SIGQUIT, SIGALRM, ...) is noted instead, so that
// the command line can end its nec2c runs and remove their folders first;
// endAsAsked() then ends the program as the signal would have. A signal
// ignored at start (nohup) stays ignored.
class EndingSignals {
 public:
  EndingSignals();
  ~EndingSignals();
  EndingSignals(const EndingSignals&) = delete;
  EndingSignals& operator=(const EndingSignals&) = delete;
  static bool noted();
  static int signal();  // the signal noted, or 0
  static void endAsAsked();

 private:
  struct sigaction before_[12]{};
};

// The signals that end a program unless handled: all the catchable ones.
extern const int kEndingSignals[12];
// "SIGHUP"
QString SignalName(int signal);

}  // namespace quill::io::detail
