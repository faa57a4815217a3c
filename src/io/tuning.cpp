#include "io/tuning.h"

namespace quill::io {
namespace {

std::vector<NecJob> trimJobs(const NecJob& job, const std::vector<double>& changes) {
  std::vector<NecJob> jobs;
  for (const double change : changes)
    jobs.push_back({nec::WithLegsChanged(job.model, change), job.referenceOhms, job.program});
  return jobs;
}

// Adds a round's results to the probes; false, with the failure, if a run failed.
bool addRound(TrimOutcome& outcome, const std::vector<double>& changes, const std::vector<NecOutcome>& runs) {
  for (std::size_t i = 0; i < runs.size(); ++i) {
    if (!runs[i].results) {
      outcome.failure = runs[i].failure;
      return false;
    }
    outcome.probes.push_back({changes[i], *runs[i].results});
  }
  return true;
}

}  // namespace

TrimOutcome RunTrim(const NecJob& job, const nec::Results& nominal, std::chrono::milliseconds limit) {
  TrimOutcome outcome;
  outcome.probes.push_back({0, nominal});
  for (;;) {
    outcome.last = nec::NextTrimStep(job.model, outcome.probes, NecLanes());
    if (outcome.last.run.empty()) return outcome;
    const std::vector<double> changes = outcome.last.run;
    if (!addRound(outcome, changes, RunNecBatch(trimJobs(job, changes), limit))) return outcome;
  }
}

std::vector<NecJob> SpreadJobs(const NecJob& job, double cutMm) {
  std::vector<NecJob> jobs;
  for (int copy = 0; copy < nec::kSpreadCopies; ++copy) {
    jobs.push_back({nec::CutCopy(job.model, cutMm, copy), job.referenceOhms, job.program});
  }
  return jobs;
}

nec::Spread SpreadOfOutcomes(double cutMm, double designMHz, const std::vector<NecOutcome>& outcomes) {
  std::vector<nec::Results> ran;
  for (const NecOutcome& outcome : outcomes) {
    if (outcome.results) ran.push_back(*outcome.results);
  }
  return nec::SpreadOf(cutMm, designMHz, int(outcomes.size()), ran);
}

nec::Spread RunSpread(const NecJob& job, double cutMm, std::chrono::milliseconds limit) {
  if (cutMm == 0) {
    // Every copy is the model itself.
    NecOutcome nominal = RunNec(job, limit);
    std::vector<NecOutcome> same(nec::kSpreadCopies, nominal);
    return SpreadOfOutcomes(cutMm, job.model.frequencyMHz, same);
  }
  return SpreadOfOutcomes(cutMm, job.model.frequencyMHz, RunNecBatch(SpreadJobs(job, cutMm), limit));
}

TrimRun::TrimRun(QObject* parent) : QObject(parent) {
  connect(&batch_, &NecBatch::finished, this, [this](const std::vector<NecOutcome>& runs) {
    if (!addRound(outcome_, changes_, runs)) {
      emit finished(outcome_);
      return;
    }
    step();
  });
}

void TrimRun::stop() {
  ++search_;
  batch_.stop();
}

void TrimRun::start(const NecJob& job, const nec::Results& nominal) {
  stop();
  job_ = job;
  outcome_ = {};
  outcome_.probes.push_back({0, nominal});
  step();
}

void TrimRun::step() {
  outcome_.last = nec::NextTrimStep(job_.model, outcome_.probes, NecLanes());
  if (outcome_.last.run.empty()) {
    // From the event loop, as a run's end is.
    QMetaObject::invokeMethod(
        this,
        [this, outcome = outcome_, search = search_] {
          if (search == search_) emit finished(outcome);
        },
        Qt::QueuedConnection);
    return;
  }
  changes_ = outcome_.last.run;
  batch_.start(trimJobs(job_, changes_));
}

}  // namespace quill::io
