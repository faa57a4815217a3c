#include "io/necparts.h"

#include <fcntl.h>
#include <poll.h>
#include <sys/prctl.h>
#include <sys/stat.h>
#include <sys/statvfs.h>
#include <unistd.h>

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QSocketNotifier>
#include <algorithm>
#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <set>

namespace quill::io::detail {
namespace {

const QString kPrefix = QStringLiteral("quillcalc-model-");
// The most of nec2c's stderr kept, and of its lines shown.
constexpr qsizetype kErrorTailBytes = 4096;
constexpr int kErrorLinesShown = 3;
constexpr qsizetype kErrorLineShown = 200;
// How much of the output one step reads, so that a window stays alive.
constexpr qsizetype kStepBytes = 1 << 20;
// How often a waiting command line looks for a signal.
constexpr int kPollMs = 50;
// How long a killed nec2c gets to be reaped.
constexpr int kReapMs = 5000;

// The runs' folders still there, for a signal or exit() to remove.
std::set<const RunFolder*>& live() {
  static std::set<const RunFolder*> folders;
  return folders;
}

// The folders go when the program ends through exit(), as it does when
// the X server goes away.
void endAllAtExit() { RunFolder::EndAll(); }

bool removeFolder(const QString& path) { return QDir(path).removeRecursively() || !QDir(path).exists(); }

// Signals for windows, through a pipe to the event loop, where Qt may run.
int signalPipe[2] = {-1, -1};
extern "C" void passSignal(int signal) {
  const int saved = errno;
  const unsigned char byte = static_cast<unsigned char>(signal);
  [[maybe_unused]] const ssize_t written = ::write(signalPipe[1], &byte, 1);
  errno = saved;
}

}  // namespace

const int kEndingSignals[12] = {SIGHUP,  SIGINT,  SIGQUIT,   SIGTERM, SIGUSR1, SIGUSR2,
                                SIGALRM, SIGPIPE, SIGVTALRM, SIGPROF, SIGXCPU, SIGXFSZ};

QString Reason(int error) { return QString::fromLocal8Bit(std::strerror(error)); }

QString SignalName(int signal) {
  const char* abbreviation = ::sigabbrev_np(signal);
  return abbreviation ? QStringLiteral("SIG") + QLatin1String(abbreviation) : QString::number(signal);
}

QString TemporaryFolderName() {
  return qEnvironmentVariableIsEmpty("TMPDIR") ? QDir::tempPath()
                                               : QStringLiteral("TMPDIR (%1)").arg(QDir::tempPath());
}

RunFolder::RunFolder() {
  // The list is made first so that it is destroyed only after the
  // clean-up at exit has run.
  static const bool once = (live(), std::atexit(endAllAtExit) == 0);
  Q_UNUSED(once);
  QByteArray pattern =
      QFile::encodeName(QDir::tempPath() + QLatin1Char('/') + kPrefix + QString::number(::getpid())) +
      "-XXXXXX";
  if (!::mkdtemp(pattern.data())) {
    failure_ = Reason(errno);
    return;
  }
  path_ = QFile::decodeName(pattern);
  live().insert(this);
}

RunFolder::~RunFolder() {
  if (path_.isEmpty()) return;
  live().erase(this);
  if (!removeFolder(path_)) {
    std::fprintf(stderr, "%s: could not remove %s, which a nec2c run left\n",
                 qPrintable(QCoreApplication::applicationName()), QFile::encodeName(path_).constData());
  }
}

QString RunFolder::file(const char* name) const { return path_ + QLatin1Char('/') + QLatin1String(name); }

QString RunFolder::write(const char* name, const std::string& bytes) const {
  const int fd =
      ::open(QFile::encodeName(file(name)).constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
  if (fd < 0) return Reason(errno);
  const char* data = bytes.data();
  std::size_t left = bytes.size();
  int error = 0;
  while (left > 0 && error == 0) {
    const ssize_t written = ::write(fd, data, left);
    if (written > 0) {
      data += written;
      left -= std::size_t(written);
    } else if (errno != EINTR) {
      error = written == 0 ? ENOSPC : errno;
    }
  }
  if (::close(fd) != 0 && error == 0 && errno != EINTR) error = errno;
  return error ? Reason(error) : QString();
}

bool RunFolder::full() const {
  struct statvfs space {};
  if (::statvfs(QFile::encodeName(path_).constData(), &space) != 0) return false;
  return (::geteuid() == 0 ? space.f_bfree : space.f_bavail) == 0 || space.f_favail == 0;
}

void RunFolder::EndAll() {
  for (const RunFolder* folder : live()) {
    if (folder->group_ > 0) ::kill(-folder->group_, SIGKILL);
    removeFolder(folder->path_);
  }
}

void SweepDeadRuns() {
  const QDir temporary(QDir::tempPath());
  for (const QString& name : temporary.entryList({kPrefix + QLatin1Char('*')}, QDir::Dirs | QDir::Hidden)) {
    bool ok = false;
    const pid_t pid = name.mid(kPrefix.size()).section(QLatin1Char('-'), 0, 0).toInt(&ok);
    if (!ok || pid <= 0 || pid == ::getpid() || ::kill(pid, 0) == 0 || errno != ESRCH) continue;
    const QString path = temporary.filePath(name);
    struct stat status {};
    if (::lstat(QFile::encodeName(path).constData(), &status) != 0 || !S_ISDIR(status.st_mode) ||
        status.st_uid != ::geteuid())
      continue;
    QDir(path).removeRecursively();
  }
}

void SetUpProcess(QProcess& process) {
  process.setStandardInputFile(QProcess::nullDevice());
  process.setStandardOutputFile(QProcess::nullDevice());
  process.setReadChannel(QProcess::StandardError);
  const pid_t parent = ::getpid();
  process.setChildProcessModifier([parent] {
    ::setpgid(0, 0);
    ::prctl(PR_SET_PDEATHSIG, SIGKILL);
    if (::getppid() != parent) ::_exit(127);  // the program ended before nec2c started
  });
}

void EndProcess(QProcess& process, pid_t group) {
  if (group > 0) ::kill(-group, SIGKILL);
  if (process.state() == QProcess::NotRunning) return;
  process.kill();
  process.waitForFinished(kReapMs);
}

void ErrorTail::add(const QByteArray& bytes) {
  tail_ += bytes.right(kErrorTailBytes);
  if (tail_.size() > kErrorTailBytes) {
    tail_.remove(0, tail_.size() - kErrorTailBytes);
    cut_ = true;
  }
}

QString ErrorTail::said() const {
  const QString prefix = QStringLiteral("nec2c: ");
  QStringList lines;
  QStringList all = QString::fromLocal8Bit(tail_).split(QLatin1Char('\n'));
  if (cut_) all.removeFirst();  // the end of a line whose start is gone
  for (QString line : all) {
    // No control character reaches a terminal from here.
    for (QChar& c : line) {
      if (c.category() == QChar::Other_Control) c = QLatin1Char(' ');
    }
    line = line.trimmed();
    if (line.startsWith(prefix)) line = line.mid(prefix.size());
    if (line.size() > kErrorLineShown) line = line.left(kErrorLineShown) + QChar(0x2026);
    if (!line.isEmpty()) lines << line;
  }
  lines = lines.mid(std::max<qsizetype>(0, lines.size() - kErrorLinesShown));
  return lines.isEmpty() ? QString() : QStringLiteral(" (%1)").arg(lines.join(QLatin1String("; ")));
}

OutputReader::OutputReader(const QString& path) {
  fd_ = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
  if (fd_ < 0) failure_ = Reason(errno);
}

OutputReader::~OutputReader() {
  if (fd_ >= 0) ::close(fd_);
}

OutputReader::State OutputReader::step() {
  if (fd_ < 0) return State::Failed;
  const qsizetype start = bytes_.size();
  while (bytes_.size() - start < kStepBytes) {
    // A FIFO no writer has opened yet reads as ended, but polls as not
    // ready: only what polls ready is read.
    pollfd ready{fd_, POLLIN, 0};
    if (::poll(&ready, 1, 0) == 0) return State::Waiting;
    const qsizetype at = bytes_.size();
    bytes_.resize(at + std::min<qsizetype>(kStepBytes, kMostOutputBytes + 1 - at));
    const ssize_t got = ::read(fd_, bytes_.data() + at, std::size_t(bytes_.size() - at));
    bytes_.resize(at + std::max<ssize_t>(got, 0));
    if (got == 0) return State::Done;
    if (bytes_.size() > kMostOutputBytes) return State::TooLarge;
    if (got < 0 && (errno == EAGAIN || errno == EWOULDBLOCK)) return State::Waiting;
    if (got < 0 && errno != EINTR) {
      failure_ = Reason(errno);
      return State::Failed;
    }
  }
  return State::Reading;
}

OutputReader::State OutputReader::readAll(std::chrono::steady_clock::time_point deadline, bool (*stop)()) {
  while (true) {
    const State state = step();
    if (state != State::Reading && state != State::Waiting) return state;
    if (stop() || std::chrono::steady_clock::now() >= deadline) return State::Waiting;
    if (state == State::Waiting) {
      pollfd ready{fd_, POLLIN, 0};
      ::poll(&ready, 1, kPollMs);
    }
  }
}

void EndRunsOnSignals() {
  static bool done = false;
  if (done || !QCoreApplication::instance()) return;
  done = true;
  if (::pipe2(signalPipe, O_CLOEXEC | O_NONBLOCK) != 0) return;
  auto* notifier = new QSocketNotifier(signalPipe[0], QSocketNotifier::Read, QCoreApplication::instance());
  QObject::connect(notifier, &QSocketNotifier::activated, [] {
    unsigned char signal = 0;
    if (::read(signalPipe[0], &signal, 1) != 1) return;
    RunFolder::EndAll();
    std::signal(signal, SIG_DFL);
    std::raise(signal);
  });
  for (const int signal : kEndingSignals) {
    // Qt ignores SIGPIPE for its processes' pipes; a window keeps that.
    if (signal == SIGPIPE) continue;
    struct sigaction before {};
    if (::sigaction(signal, nullptr, &before) != 0 || before.sa_handler != SIG_DFL) continue;
    struct sigaction passing {};
    passing.sa_handler = passSignal;
    sigemptyset(&passing.sa_mask);
    passing.sa_flags = SA_RESTART;
    ::sigaction(signal, &passing, nullptr);
  }
}

namespace {
// The signal that asked the command line to end while its runs went on, or 0.
volatile std::sig_atomic_t endingSignal = 0;
extern "C" void noteEndingSignal(int signal) { endingSignal = signal; }
}  // namespace

EndingSignals::EndingSignals() {
  endingSignal = 0;
  struct sigaction noting {};
  noting.sa_handler = noteEndingSignal;
  sigemptyset(&noting.sa_mask);
  for (std::size_t i = 0; i < std::size(kEndingSignals); ++i) {
    sigaction(kEndingSignals[i], nullptr, &before_[i]);
    if (before_[i].sa_handler != SIG_IGN) sigaction(kEndingSignals[i], &noting, nullptr);
  }
}

EndingSignals::~EndingSignals() {
  for (std::size_t i = 0; i < std::size(kEndingSignals); ++i)
    sigaction(kEndingSignals[i], &before_[i], nullptr);
}

bool EndingSignals::noted() { return endingSignal != 0; }
int EndingSignals::signal() { return endingSignal; }
void EndingSignals::endAsAsked() {
  if (endingSignal != 0) std::raise(endingSignal);
}

}  // namespace quill::io::detail
