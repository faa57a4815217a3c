#pragma once

// The model window's part that follows the builder to a tuned antenna: the
// trim of every leg that puts the lowest SWR on the design frequency (from
// the model, or from an analyser's measurement once one is loaded), and the
// spread that cutting within a tolerance gives. Its nec2c runs go on in the
// background, on every core, after each run of the model itself.

#include <QWidget>
#include <optional>

#include "calc/tuningreport.h"
#include "io/necbatch.h"
#include "io/tuning.h"

class QLabel;
class QLineEdit;
class QPushButton;

namespace quill::ui {

class TuningPanel : public QWidget {
  Q_OBJECT

 public:
  explicit TuningPanel(QWidget* parent = nullptr);

  QLineEdit* tolerance() const { return tolerance_; }
  QPushButton* loadButton() const { return load_; }
  QPushButton* clearButton() const { return clear_; }
  // The trim's, the measurement's and the spread's sentences.
  QLabel* trimLine() const { return trimLine_; }
  QLabel* measuredLine() const { return measuredLine_; }
  QLabel* spreadLine() const { return spreadLine_; }

  const std::optional<nec::MeasuredListing>& measured() const { return measured_; }
  const std::optional<nec::TrimAnswer>& trim() const { return trim_; }
  const std::optional<nec::Spread>& spread() const { return spread_; }
  bool running() const { return trimRun_->running() || spreadRun_->running(); }

  // The model ran: find its trim, then its spread, in the background.
  void modelRan(const io::NecJob& job, const nec::Results& results);
  // The model's results are gone (a new run, a bad input): their trim and
  // spread go too, and their runs end. The measurement stays.
  void modelCleared();
  // Ends every run still going.
  void stop();
  // Reads an analyser's Touchstone file; on a fault says so (problem()) and
  // keeps what was shown.
  bool loadMeasurement(const QString& path);
  void clearMeasurement();
  // "Load measurement…": asks for the file.
  void chooseMeasurement();
  // What Ctrl+Shift+C adds to the model's text, as --trim, --measured and
  // --tolerance print it.
  std::string text() const;

 signals:
  // The measurement, the trim or the spread changed: the plots and the
  // summary show them again.
  void changed();
  // One sentence about a measurement file that could not be read.
  void problem(const QString& sentence);

 private:
  void startTrim();
  void startSpread();
  void trimmed(const io::TrimOutcome& outcome);
  void showLines();
  std::optional<double> cutMm() const;

  QLineEdit* tolerance_;
  QPushButton* load_;
  QPushButton* clear_;
  QLabel* trimLine_;
  QLabel* measuredLine_;
  QLabel* spreadLine_;
  io::TrimRun* trimRun_;
  io::NecBatch* spreadRun_;
  std::optional<io::NecJob> job_;
  std::optional<io::TrimOutcome> search_;
  std::optional<touchstone::Measurement> measurement_;
  std::optional<nec::MeasuredListing> measured_;
  std::optional<nec::TrimAnswer> trim_;
  std::optional<nec::Spread> spread_;
  double spreadCut_ = 0;
  QString spreadFailure_;
};

}  // namespace quill::ui
