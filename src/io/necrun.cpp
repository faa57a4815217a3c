#include "io/necrun.h"

#include <sys/prctl.h>

#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTimer>
#include <csignal>

#include "calc/necdeck.h"
#include "io/savefile.h"

namespace quill::io {
namespace {

const QString kNec2c = QStringLiteral("nec2c");
// How long a killed nec2c gets to be reaped.
constexpr int kReapMs = 5000;
// How often a waiting command line looks for a signal to end.
constexpr int kSignalCheckMs = 50;

// The signal that asked the command line to end while nec2c ran, or 0.
volatile std::sig_atomic_t endingSignal = 0;
extern "C" void noteEndingSignal(int signal) { endingSignal = signal; }

// While it lives, Ctrl+C, a hang-up or a termination request is noted
// instead of ending the program at once, so that nec2c can be ended and the
// run's folder removed first; then the signal ends the program as it would
// have.
class EndingSignals {
 public:
  EndingSignals() {
    endingSignal = 0;
    struct sigaction noting {};
    noting.sa_handler = noteEndingSignal;
    sigemptyset(&noting.sa_mask);
    for (std::size_t i = 0; i < std::size(kSignals); ++i) sigaction(kSignals[i], &noting, &before_[i]);
  }
  ~EndingSignals() {
    for (std::size_t i = 0; i < std::size(kSignals); ++i) sigaction(kSignals[i], &before_[i], nullptr);
  }
  static bool noted() { return endingSignal != 0; }
  static void endAsAsked() {
    if (endingSignal != 0) std::raise(endingSignal);
  }

 private:
  static constexpr int kSignals[] = {SIGINT, SIGTERM, SIGHUP};
  struct sigaction before_[std::size(kSignals)]{};
};

// A run's folder with the deck in it, or why there is none.
struct Prepared {
  std::unique_ptr<QTemporaryDir> folder;
  QString program;  // nec2c's path
  QStringList arguments;
  QString failure;
};

QString input(const QTemporaryDir& folder) { return folder.filePath(QStringLiteral("model.nec")); }
QString output(const QTemporaryDir& folder) { return folder.filePath(QStringLiteral("model.out")); }

Prepared prepare(const NecJob& job) {
  Prepared prepared;
  prepared.program = QStandardPaths::findExecutable(kNec2c);
  if (prepared.program.isEmpty()) {
    prepared.failure = NecMissing();
    return prepared;
  }
  const std::string deck = nec::Deck(job.model, job.program);
  if (const std::string fault = nec::DeckFault(deck); !fault.empty()) {
    prepared.failure =
        QStringLiteral("nec2c was not run: the model is faulty (%1).").arg(QString::fromStdString(fault));
    return prepared;
  }
  prepared.folder =
      std::make_unique<QTemporaryDir>(QDir::tempPath() + QStringLiteral("/quillcalc-model-XXXXXX"));
  QFile file(prepared.folder->isValid() ? input(*prepared.folder) : QString());
  if (!prepared.folder->isValid() || !file.open(QIODevice::WriteOnly) ||
      file.write(deck.data(), qint64(deck.size())) != qint64(deck.size()) || !file.flush()) {
    prepared.failure =
        QStringLiteral("nec2c could not be run: no room for its files in %1 (%2).")
            .arg(QDir::tempPath(),
                 prepared.folder->isValid() ? file.errorString() : prepared.folder->errorString());
    prepared.folder.reset();
    return prepared;
  }
  prepared.arguments = {QStringLiteral("-i") + input(*prepared.folder),
                        QStringLiteral("-o") + output(*prepared.folder)};
  return prepared;
}

// nec2c's own word on why it stopped (its stderr, without its name), in
// brackets, or nothing.
QString said(QProcess& process) {
  QString text = QString::fromLocal8Bit(process.readAllStandardError()).trimmed();
  text = text.section(QLatin1Char('\n'), 0, 0).trimmed();
  if (text.startsWith(kNec2c + QLatin1String(": "))) text = text.mid(kNec2c.size() + 2);
  return text.isEmpty() ? QString() : QStringLiteral(" (%1)").arg(text);
}

QString seconds(std::chrono::milliseconds limit) { return QString::number(limit.count() / 1000.0); }

// What a finished process left.
NecOutcome result(QProcess& process, const QTemporaryDir& folder, const NecJob& job) {
  NecOutcome outcome;
  if (process.exitStatus() == QProcess::CrashExit) {
    outcome.failure = QStringLiteral("nec2c crashed and gave no results%1.").arg(said(process));
    return outcome;
  }
  if (process.exitCode() != 0) {
    outcome.failure = QStringLiteral("nec2c stopped with exit status %1 and gave no results%2.")
                          .arg(process.exitCode())
                          .arg(said(process));
    return outcome;
  }
  QFile file(output(folder));
  if (!file.open(QIODevice::ReadOnly)) {
    outcome.failure = QStringLiteral("nec2c ran, but wrote no output.");
    return outcome;
  }
  const QByteArray text = file.readAll();
  nec::Reading reading = nec::ReadResults(std::string_view(text.constData(), std::size_t(text.size())),
                                          nec::SweepFrequencies(job.model), job.referenceOhms);
  if (!reading.results) {
    outcome.failure =
        QStringLiteral("nec2c ran, but its output holds %1.").arg(QString::fromStdString(reading.problem));
    return outcome;
  }
  nec::Results& results = *reading.results;
  results.designFrequencyMHz = job.model.frequencyMHz;
  results.elements = int(job.model.elements.size());
  results.diameterMm = job.model.tubeDiameterMm;
  outcome.results = std::move(results);
  return outcome;
}

QString timedOut(std::chrono::milliseconds limit) {
  return QStringLiteral("nec2c took longer than %1 s and was stopped.").arg(seconds(limit));
}

QString notStarted(QProcess& process) {
  return QStringLiteral("nec2c could not be started: %1.").arg(process.errorString());
}

// nec2c ends with the program, however the program ends.
void endWithUs(QProcess& process) {
  process.setChildProcessModifier([] { ::prctl(PR_SET_PDEATHSIG, SIGKILL); });
}

void kill(QProcess& process) {
  if (process.state() == QProcess::NotRunning) return;
  process.kill();
  process.waitForFinished(kReapMs);
}

}  // namespace

QString SaveNecDeck(const QString& path, const std::string& deck) {
  if (const std::string fault = nec::DeckFault(deck); !fault.empty()) {
    return QStringLiteral("the model is faulty (%1)").arg(QString::fromStdString(fault));
  }
  return SaveFile(path, QByteArrayView(deck.data(), qsizetype(deck.size())));
}

QString NecMissing() { return QStringLiteral("The model needs nec2c: sudo apt install nec2c"); }

NecOutcome RunNec(const NecJob& job, std::chrono::milliseconds limit) {
  NecOutcome outcome;
  {
    const EndingSignals noting;
    Prepared prepared = prepare(job);
    if (!prepared.folder) return {std::nullopt, prepared.failure};
    QProcess process;
    endWithUs(process);
    process.start(prepared.program, prepared.arguments);
    if (!process.waitForStarted()) return {std::nullopt, notStarted(process)};
    const QDeadlineTimer deadline(limit);
    while (!process.waitForFinished(kSignalCheckMs) && process.state() != QProcess::NotRunning) {
      if (deadline.hasExpired() || EndingSignals::noted()) break;
    }
    if (process.state() != QProcess::NotRunning) {
      kill(process);
      outcome.failure = timedOut(limit);
    } else {
      outcome = result(process, *prepared.folder, job);
    }
  }  // nec2c has ended, its folder is gone and the signals are as they were
  EndingSignals::endAsAsked();
  return outcome;
}

// The run going on. The process is deleted later, as it may be the one
// whose signal ends the run; its folder goes at once.
struct NecRun::Current {
  NecJob job;
  std::unique_ptr<QTemporaryDir> folder;
  QProcess* process = nullptr;
};

NecRun::NecRun(QObject* parent) : QObject(parent) {
  clock_.setSingleShot(true);
  connect(&clock_, &QTimer::timeout, this, [this] { end({std::nullopt, timedOut(limit_)}); });
}

NecRun::~NecRun() { stop(); }

qint64 NecRun::processId() const { return current_ ? current_->process->processId() : 0; }

void NecRun::stop() {
  if (!current_) return;
  const std::unique_ptr<Current> ending = std::move(current_);
  clock_.stop();
  ending->process->disconnect(this);
  kill(*ending->process);
  ending->process->deleteLater();
}

void NecRun::end(NecOutcome outcome) {
  stop();
  if (outcome.results) {
    emit finished(*outcome.results);
  } else {
    emit failed(outcome.failure);
  }
}

void NecRun::start(const NecJob& job) {
  stop();
  Prepared prepared = prepare(job);
  if (!prepared.folder) {
    // Reported once the caller is back in the event loop, as a run's end is.
    QMetaObject::invokeMethod(
        this, [this, failure = prepared.failure] { emit failed(failure); }, Qt::QueuedConnection);
    return;
  }
  current_ = std::make_unique<Current>();
  current_->job = job;
  current_->folder = std::move(prepared.folder);
  QProcess* process = current_->process = new QProcess(this);
  connect(process, &QProcess::finished, this,
          [this] { end(result(*current_->process, *current_->folder, current_->job)); });
  connect(process, &QProcess::errorOccurred, this, [this](QProcess::ProcessError error) {
    if (error == QProcess::FailedToStart) end({std::nullopt, notStarted(*current_->process)});
  });
  endWithUs(*process);
  process->start(prepared.program, prepared.arguments);
  if (current_) clock_.start(limit_);
}

}  // namespace quill::io
