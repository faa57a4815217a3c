#pragma once

// "Model the antenna…": what the designed antenna will do, as nec2c works it
// out from the deck "Export NEC model…" writes: the feed impedance, SWR, gain
// and front-to-back ratio at the design frequency, the lowest SWR of the
// sweep, and plots of SWR, R and X against frequency and of the horizontal
// pattern. It models the frequency it is given to follow (the application
// hands it each calculation the main window shows); nec2c runs in the
// background, so both windows stay in use while it works.

#include <QWidget>
#include <optional>

#include "calc/necresults.h"
#include "io/necrun.h"

class QLabel;
class QLineEdit;
class QProgressBar;
class QPushButton;
class QSpinBox;

namespace quill::ui {

class SwrPlot;
class ImpedancePlot;
class PatternPlot;
class TuningPanel;

class ModelWindow : public QWidget {
  Q_OBJECT

 public:
  explicit ModelWindow(QWidget* parent = nullptr);
  ~ModelWindow() override;

  QLineEdit* diameter() const { return diameter_; }
  QSpinBox* elements() const { return elements_; }
  QLineEdit* reference() const { return reference_; }
  QProgressBar* busy() const { return busy_; }
  // What the window says about the run: running, why it failed, or which
  // input is wrong; empty with results.
  QLabel* status() const { return status_; }
  // The summary's values: feed impedance, SWR, gain, front-to-back, lowest SWR.
  const QList<QLabel*>& summary() const { return values_; }
  io::NecRun* run() const { return run_; }
  TuningPanel* tuning() const { return tuning_; }
  const std::optional<nec::Results>& results() const { return results_; }

  // Models `frequencyMHz` from now on, as the main window shows it.
  void follow(float frequencyMHz);
  // Models the frequency followed with the inputs as they stand; a bad
  // input is reported and runs nothing.
  void runModel();
  // Ctrl+Shift+C: the results as `quillcalc --model --format text` prints them.
  void copyResults();

 protected:
  void closeEvent(QCloseEvent* event) override;
  // A Touchstone file dropped on the window loads as "Load measurement…" does.
  void dragEnterEvent(QDragEnterEvent* event) override;
  void dropEvent(QDropEvent* event) override;

 private:
  void userSetDiameter();
  void showRunning(bool running);
  void showResults(const nec::Results& results);
  void showFailure(const QString& failure);
  void clearResults();
  void showTuning();

  float frequencyMHz_ = 0;
  bool userDiameter_ = false;  // the user typed one: it no longer follows the frequency
  QLineEdit* diameter_;
  QSpinBox* elements_;
  QLineEdit* reference_;
  QPushButton* runButton_;
  QPushButton* copyButton_;
  QProgressBar* busy_;
  QLabel* status_;
  QLabel* heading_;
  QList<QLabel*> values_;
  SwrPlot* swrPlot_;
  ImpedancePlot* impedancePlot_;
  PatternPlot* patternPlot_;
  TuningPanel* tuning_;
  io::NecRun* run_;
  std::optional<io::NecJob> job_;  // the run's, for the trim and the spread
  std::optional<nec::Results> results_;
};

}  // namespace quill::ui
