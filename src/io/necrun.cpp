#include "io/necrun.h"

#include <QElapsedTimer>
#include <QProcess>
#include <QSocketNotifier>
#include <QStandardPaths>
#include <QTimer>
#include <csignal>

#include "calc/necdeck.h"
#include "io/necparts.h"
#include "io/savefile.h"

namespace quill::io {
namespace {

using detail::OutputReader;
using detail::RunFolder;

const QString kNec2c = QStringLiteral("nec2c");
constexpr const char* kInput = "model.nec";
constexpr const char* kOutput = "model.out";

// A run's folder with the deck in it, or why there is none.
struct Prepared {
  std::unique_ptr<RunFolder> folder;
  QString program;  // nec2c's path
  QStringList arguments;
  QString failure;
};

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
  detail::SweepDeadRuns();
  prepared.folder = std::make_unique<RunFolder>();
  QString problem = prepared.folder->failure();
  if (problem.isEmpty()) problem = prepared.folder->write(kInput, deck);
  if (!problem.isEmpty()) {
    prepared.failure = QStringLiteral("nec2c could not be run: its files could not be written in %1: %2.")
                           .arg(detail::TemporaryFolderName(), problem);
    prepared.folder.reset();
    return prepared;
  }
  prepared.arguments = {QStringLiteral("-i") + prepared.folder->file(kInput),
                        QStringLiteral("-o") + prepared.folder->file(kOutput)};
  return prepared;
}

QString seconds(std::chrono::milliseconds limit) { return QString::number(limit.count() / 1000.0); }

// How nec2c ended, if that was a failure; its stderr's last lines say why.
std::optional<QString> ended(const QProcess& process, const detail::ErrorTail& errors) {
  if (process.exitStatus() == QProcess::CrashExit)
    return QStringLiteral("nec2c crashed and gave no results%1.").arg(errors.said());
  if (process.exitCode() != 0) {
    return QStringLiteral("nec2c stopped with exit status %1 and gave no results%2.")
        .arg(process.exitCode())
        .arg(errors.said());
  }
  return std::nullopt;
}

// What nec2c's output, read to the end, holds.
NecOutcome result(const OutputReader& reader, OutputReader::State state, const RunFolder& folder,
                  const NecJob& job) {
  NecOutcome outcome;
  if (state == OutputReader::State::TooLarge) {
    outcome.failure = QStringLiteral("nec2c's output is too large.");
    return outcome;
  }
  if (state == OutputReader::State::Failed) {
    outcome.failure = reader.descriptor() < 0
                          ? QStringLiteral("nec2c ran, but wrote no output.")
                          : QStringLiteral("nec2c's output could not be read: %1.").arg(reader.failure());
    return outcome;
  }
  const QByteArray& text = reader.bytes();
  nec::Reading reading = nec::ReadResults(std::string_view(text.constData(), std::size_t(text.size())),
                                          nec::SweepFrequencies(job.model), job.referenceOhms);
  if (!reading.results) {
    // nec2c does not notice when its output file cannot grow.
    outcome.failure = folder.full() ? QStringLiteral("nec2c could not write all its output in %1: %2.")
                                          .arg(detail::TemporaryFolderName(), detail::Reason(ENOSPC))
                                    : QStringLiteral("nec2c ran, but its output holds %1.")
                                          .arg(QString::fromStdString(reading.problem));
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

// How often a waiting command line looks for a signal to end.
constexpr int kSignalCheckMs = 50;

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
    const detail::EndingSignals noting;
    const auto deadline = std::chrono::steady_clock::now() + limit;
    auto late = [&deadline] { return std::chrono::steady_clock::now() >= deadline; };
    Prepared prepared = prepare(job);
    if (!prepared.folder) return {std::nullopt, prepared.failure};
    QProcess process;
    detail::SetUpProcess(process);
    process.start(prepared.program, prepared.arguments);
    if (!process.waitForStarted()) return {std::nullopt, notStarted(process)};
    prepared.folder->setGroup(pid_t(process.processId()));
    detail::ErrorTail errors;
    QElapsedTimer waited;
    while (process.state() != QProcess::NotRunning && !late() && !detail::EndingSignals::noted()) {
      // Waiting for stderr reads it a pipe's worth at a time; once it is
      // closed, only the end is left to wait for.
      waited.start();
      if (!process.waitForReadyRead(kSignalCheckMs) && waited.elapsed() < kSignalCheckMs / 2)
        process.waitForFinished(kSignalCheckMs);
      errors.add(process.readAllStandardError());
    }
    errors.add(process.readAllStandardError());
    const bool running = process.state() != QProcess::NotRunning;
    detail::EndProcess(process, prepared.folder->group());
    std::optional<QString> failure = running ? std::nullopt : ended(process, errors);
    std::optional<OutputReader> reader;
    OutputReader::State state = OutputReader::State::Waiting;
    if (!running && !failure) {
      reader.emplace(prepared.folder->file(kOutput));
      state = reader->readAll(deadline, [] { return detail::EndingSignals::noted(); });
    }
    if (detail::EndingSignals::noted()) {
      outcome.failure =
          QStringLiteral("nec2c was stopped by %1.").arg(detail::SignalName(detail::EndingSignals::signal()));
    } else if (failure) {
      outcome.failure = *failure;
    } else if (running || state == OutputReader::State::Waiting || state == OutputReader::State::Reading) {
      outcome.failure = timedOut(limit);
    } else {
      outcome = result(*reader, state, *prepared.folder, job);
    }
  }  // nec2c has ended, its folder is gone and the signals are as they were
  detail::EndingSignals::endAsAsked();
  return outcome;
}

// The run going on. The process is deleted later, as it may be the one
// whose signal ends the run; its folder goes at once. Once nec2c has ended,
// its output is read as it comes, so that the window never waits on it.
struct NecRun::Current {
  NecJob job;
  std::unique_ptr<RunFolder> folder;
  QProcess* process = nullptr;
  detail::ErrorTail errors;
  std::unique_ptr<OutputReader> reader;
  std::unique_ptr<QSocketNotifier> readable;
};

NecRun::NecRun(QObject* parent) : QObject(parent) {
  clock_.setSingleShot(true);
  connect(&clock_, &QTimer::timeout, this, [this] { end({std::nullopt, timedOut(limit_)}); });
}

NecRun::~NecRun() { stop(); }

qint64 NecRun::processId() const {
  return current_ && current_->process->state() != QProcess::NotRunning ? current_->process->processId() : 0;
}

void NecRun::stop() {
  ++generation_;  // a failure still queued was the run's that ends here
  if (!current_) return;
  const std::unique_ptr<Current> ending = std::move(current_);
  clock_.stop();
  ending->process->disconnect(this);
  detail::EndProcess(*ending->process, ending->folder->group());
  ending->process->deleteLater();
  // The run may end in the notifier's own signal.
  if (ending->readable) {
    ending->readable->setEnabled(false);
    ending->readable.release()->deleteLater();
  }
}

void NecRun::end(NecOutcome outcome) {
  stop();
  if (outcome.results) {
    emit finished(*outcome.results);
  } else {
    emit failed(outcome.failure);
  }
}

// nec2c has ended: its output is read in steps, each when there is more.
void NecRun::readOutput() {
  Current& run = *current_;
  run.errors.add(run.process->readAllStandardError());
  detail::EndProcess(*run.process, run.folder->group());  // what nec2c left running
  if (std::optional<QString> failure = ended(*run.process, run.errors)) {
    end({std::nullopt, *failure});
    return;
  }
  run.reader = std::make_unique<OutputReader>(run.folder->file(kOutput));
  auto step = [this] {
    const OutputReader::State state = current_->reader->step();
    if (state == OutputReader::State::Reading || state == OutputReader::State::Waiting) return;
    end(result(*current_->reader, state, *current_->folder, current_->job));
  };
  if (run.reader->descriptor() >= 0) {
    run.readable = std::make_unique<QSocketNotifier>(run.reader->descriptor(), QSocketNotifier::Read);
    connect(run.readable.get(), &QSocketNotifier::activated, this, step);
  }
  step();
}

void NecRun::start(const NecJob& job) {
  stop();
  detail::EndRunsOnSignals();
  Prepared prepared = prepare(job);
  if (!prepared.folder) {
    // Reported once the caller is back in the event loop, as a run's end is.
    QMetaObject::invokeMethod(
        this,
        [this, failure = prepared.failure, generation = generation_] {
          if (generation == generation_) emit failed(failure);
        },
        Qt::QueuedConnection);
    return;
  }
  current_ = std::make_unique<Current>();
  current_->job = job;
  current_->folder = std::move(prepared.folder);
  QProcess* process = current_->process = new QProcess(this);
  detail::SetUpProcess(*process);
  connect(process, &QProcess::readyReadStandardError, this,
          [this] { current_->errors.add(current_->process->readAllStandardError()); });
  connect(process, &QProcess::finished, this, &NecRun::readOutput);
  connect(process, &QProcess::errorOccurred, this, [this](QProcess::ProcessError error) {
    if (error == QProcess::FailedToStart) end({std::nullopt, notStarted(*current_->process)});
  });
  connect(process, &QProcess::started, this,
          [this] { current_->folder->setGroup(pid_t(current_->process->processId())); });
  process->start(prepared.program, prepared.arguments);
  if (current_) clock_.start(limit_);
}

}  // namespace quill::io
