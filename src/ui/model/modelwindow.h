#pragma once

// "Model the antenna…": what the designed antenna will do, as nec2c works it
// out from the deck "Export NEC model…" writes: the feed impedance, SWR, gain
// and front-to-back ratio at the design frequency, the lowest SWR of the
// sweep, and plots of SWR, R and X against frequency and of the horizontal
// pattern. It models the frequency the main window shows and follows each
// new calculation; nec2c runs in the background, so both windows stay in
// use while it works.

#include <QPointer>
#include <QWidget>
#include <optional>

#include "calc/necresults.h"

class Form1;
class QLabel;
class QLineEdit;
class QProgressBar;
class QPushButton;
class QSpinBox;

namespace quill::ui {

class NecRun;
class SwrPlot;
class ImpedancePlot;
class PatternPlot;

class ModelWindow : public QWidget {
  Q_OBJECT

 public:
  // Follows `form`'s calculations and models the one it shows now.
  explicit ModelWindow(Form1* form, QWidget* parent = nullptr);
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
  NecRun* run() const { return run_; }
  const std::optional<nec::Results>& results() const { return results_; }

  // Models the main window's frequency with the inputs as they stand; a bad
  // input is reported and runs nothing.
  void runModel();
  // Ctrl+Shift+C: the results as `quillcalc --model --format text` prints them.
  void copyResults();

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  void follow();
  void userSetDiameter();
  void showRunning(bool running);
  void showResults(const nec::Results& results);
  void showFailure(const QString& failure);
  void clearResults();

  QPointer<Form1> form_;
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
  NecRun* run_;
  std::optional<nec::Results> results_;
};

}  // namespace quill::ui
