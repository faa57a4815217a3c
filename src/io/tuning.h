#pragma once

// The nec2c runs of the trim search and of the cutting-tolerance spread,
// through NecBatch: in the background for the model window, or waiting for
// them on the command line.

#include <QObject>
#include <QString>
#include <optional>
#include <vector>

#include "calc/spread.h"
#include "calc/trim.h"
#include "io/necbatch.h"

namespace quill::io {

struct TrimOutcome {
  std::vector<nec::TrimProbe> probes;  // the first the model as calculated
  nec::TrimStep last;                  // where the search stopped
  QString failure;                     // one sentence, when a run failed
};

// The search, from `job` and its results: rounds of trimmed models, each
// round on every core, until NextTrimStep stops.
TrimOutcome RunTrim(const NecJob& job, const nec::Results& nominal,
                    std::chrono::milliseconds limit = kNecTimeLimit);

// The copies of `job`'s model cut within `cutMm`, run on every core. A copy
// that nec2c fails on, or that runs past its time limit, is left out. At
// 0 mm every copy is the model itself, run once.
std::vector<NecJob> SpreadJobs(const NecJob& job, double cutMm);
nec::Spread SpreadOfOutcomes(double cutMm, double designMHz, const std::vector<NecOutcome>& outcomes);
nec::Spread RunSpread(const NecJob& job, double cutMm, std::chrono::milliseconds limit = kNecTimeLimit);

// The search in the background. A new start, stop or the end of the object
// ends the runs still going.
class TrimRun : public QObject {
  Q_OBJECT

 public:
  explicit TrimRun(QObject* parent = nullptr);
  void start(const NecJob& job, const nec::Results& nominal);
  void stop();
  bool running() const { return batch_.running(); }

 signals:
  void finished(const quill::io::TrimOutcome& outcome);

 private:
  void step();
  NecBatch batch_;
  NecJob job_;
  TrimOutcome outcome_;
  std::vector<double> changes_;  // of the round running
  unsigned search_ = 0;          // changes when a search starts or stops
};

}  // namespace quill::io
