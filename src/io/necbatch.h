#pragma once

// Runs many nec2c decks at once, one per core: the trim's probes and the
// copies of the cutting-tolerance spread. In the background for the model
// window, or waiting for them on the command line.

#include <QObject>
#include <chrono>
#include <cstddef>
#include <vector>

#include "io/necrun.h"

namespace quill::io {

// How many nec2c runs go at once: one per core.
int NecLanes();

// One batch at a time, in the background, spread over NecLanes() runs.
class NecBatch : public QObject {
  Q_OBJECT

 public:
  explicit NecBatch(QObject* parent = nullptr);
  // Ends the runs still going.
  ~NecBatch() override;

  void setTimeLimit(std::chrono::milliseconds limit) { limit_ = limit; }
  // Starts the jobs, ending a batch still going: only the new one reports.
  // An empty list reports at once, from the event loop.
  void start(std::vector<NecJob> jobs);
  // Ends the runs still going, without a report; their folders go at once.
  void stop();
  bool running() const { return !lanes_.empty(); }

 signals:
  // After each job that ends, failed or not.
  void progress(int done, int total);
  // Once every job has ended: an outcome per job, in the jobs' order.
  void finished(const std::vector<quill::io::NecOutcome>& outcomes);

 private:
  struct Lane;
  void feed(Lane& lane);
  void ended(Lane& lane, NecOutcome outcome);

  std::chrono::milliseconds limit_ = kNecTimeLimit;
  std::vector<NecJob> jobs_;
  std::vector<NecOutcome> outcomes_;
  std::vector<std::unique_ptr<Lane>> lanes_;
  std::size_t nextJob_ = 0, done_ = 0;
  unsigned batch_ = 0;  // changes when a batch starts or stops
};

// Runs the jobs on every core and waits for them all, each within `limit`.
// A SIGINT, SIGTERM or SIGHUP while it waits ends every nec2c and removes
// their folders before the signal ends the program, as RunNec does.
std::vector<NecOutcome> RunNecBatch(const std::vector<NecJob>& jobs,
                                    std::chrono::milliseconds limit = kNecTimeLimit);

}  // namespace quill::io
