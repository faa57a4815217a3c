#include "io/necbatch.h"

#include <QEventLoop>
#include <QThread>
#include <QTimer>
#include <algorithm>

#include "io/necparts.h"

namespace quill::io {
namespace {

// How often a waiting command line looks for a signal to end.
constexpr int kSignalCheckMs = 50;

}  // namespace

int NecLanes() { return std::max(1, QThread::idealThreadCount()); }

// One run at a time of the batch. A batch's lanes are its own: a new batch
// gets new ones, so that no late word of an old run reaches it.
struct NecBatch::Lane {
  NecRun* run = nullptr;  // deleted later, as its own signal may be what ends the batch
  std::size_t job = 0;
};

NecBatch::NecBatch(QObject* parent) : QObject(parent) {}

NecBatch::~NecBatch() { stop(); }

void NecBatch::stop() {
  ++batch_;
  for (const std::unique_ptr<Lane>& lane : lanes_) {
    lane->run->disconnect(this);
    lane->run->stop();
    lane->run->deleteLater();
  }
  lanes_.clear();
}

void NecBatch::start(std::vector<NecJob> jobs) {
  stop();
  ++batch_;
  jobs_ = std::move(jobs);
  outcomes_.assign(jobs_.size(), {});
  nextJob_ = done_ = 0;
  if (jobs_.empty()) {
    QMetaObject::invokeMethod(
        this,
        [this, batch = batch_] {
          if (batch == batch_) emit finished(outcomes_);
        },
        Qt::QueuedConnection);
    return;
  }
  const std::size_t lanes = std::min(jobs_.size(), std::size_t(NecLanes()));
  for (std::size_t i = 0; i < lanes; ++i) {
    auto lane = std::make_unique<Lane>();
    lane->run = new NecRun(this);
    lane->run->setTimeLimit(limit_);
    Lane* at = lane.get();
    connect(lane->run, &NecRun::finished, this, [this, at](const nec::Results& results) {
      ended(*at, {results, {}});
    });
    connect(lane->run, &NecRun::failed, this, [this, at](const QString& failure) {
      ended(*at, {std::nullopt, failure});
    });
    lanes_.push_back(std::move(lane));
  }
  // Every lane is in place before the first can end. A run that cannot
  // start reports from the event loop, so no lane ends in here.
  for (const std::unique_ptr<Lane>& lane : lanes_) feed(*lane);
}

void NecBatch::feed(Lane& lane) {
  if (nextJob_ >= jobs_.size()) return;
  lane.job = nextJob_++;
  lane.run->start(jobs_[lane.job]);
}

void NecBatch::ended(Lane& lane, NecOutcome outcome) {
  outcomes_[lane.job] = std::move(outcome);
  ++done_;
  const unsigned batch = batch_;
  emit progress(int(done_), int(jobs_.size()));
  if (batch != batch_ || !running()) return;  // stopped or replaced by whoever heard
  if (done_ == jobs_.size()) {
    stop();
    emit finished(outcomes_);
    return;
  }
  feed(lane);
}

std::vector<NecOutcome> RunNecBatch(const std::vector<NecJob>& jobs, std::chrono::milliseconds limit) {
  std::vector<NecOutcome> outcomes(jobs.size());
  {
    const detail::EndingSignals noting;
    QEventLoop loop;
    NecBatch batch;
    batch.setTimeLimit(limit);
    QObject::connect(&batch, &NecBatch::finished, &loop, [&](const std::vector<NecOutcome>& all) {
      outcomes = all;
      loop.quit();
    });
    QTimer watch;
    QObject::connect(&watch, &QTimer::timeout, &loop, [&] {
      if (!detail::EndingSignals::noted()) return;
      batch.stop();
      loop.quit();
    });
    watch.start(kSignalCheckMs);
    batch.start(jobs);
    loop.exec();
    batch.stop();
  }
  detail::EndingSignals::endAsAsked();
  return outcomes;
}

}  // namespace quill::io
