#include "ui/model/tuningpanel.h"

#include <QFileDialog>
#include <QFileInfo>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <QVBoxLayout>

#include "io/localenumber.h"
#include "io/measurementfile.h"
#include "ui/common/numbers.h"

namespace quill::ui {
namespace {

// Room in the tolerance box for this many digits.
constexpr int kInputDigits = 6;

QLabel* sentence() {
  auto* label = new QLabel;
  label->setWordWrap(true);
  label->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
  label->hide();
  return label;
}

// The locale's decimal point and digits, as the summary above writes its
// numbers.
nec::NumberStyle numberStyle() {
  const QLocale locale;
  nec::NumberStyle style;
  style.point = locale.decimalPoint().toStdString();
  for (std::size_t d = 0; d < style.digits.size(); ++d)
    style.digits[d] = locale.toString(int(d)).toStdString();
  return style;
}

void showText(QLabel* label, const std::string& text) {
  label->setText(QString::fromStdString(text));
  label->setVisible(!text.empty());
}

}  // namespace

TuningPanel::TuningPanel(QWidget* parent)
    : QWidget(parent), trimRun_(new io::TrimRun(this)), spreadRun_(new io::NecBatch(this)) {
  tolerance_ = new QLineEdit(PlainNumber(QLocale(), nec::kDefaultCutMm));
  tolerance_->setMaximumWidth(fontMetrics().horizontalAdvance(QString(kInputDigits, QLatin1Char('0'))));
  tolerance_->setToolTip(tr("How precisely the tubes and legs are cut, either way; 0 turns the spread off"));
  load_ = new QPushButton(tr("Load &measurement…"));
  load_->setToolTip(
      tr("Shows an analyser's sweep saved as a Touchstone file (.s1p, .s2p) beside the "
         "model (Ctrl+O, or drop the file on the window)"));
  clear_ = new QPushButton(tr("C&lear measurement"));
  clear_->setEnabled(false);
  trimLine_ = sentence();
  measuredLine_ = sentence();
  spreadLine_ = sentence();

  auto* label = new QLabel(tr("Cutting &tolerance (± mm):"));
  label->setBuddy(tolerance_);
  auto* row = new QHBoxLayout;
  row->addWidget(label);
  row->addWidget(tolerance_);
  row->addSpacing(12);
  row->addWidget(load_);
  row->addWidget(clear_);
  row->addStretch();
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addLayout(row);
  layout->addWidget(measuredLine_);
  layout->addWidget(trimLine_);
  layout->addWidget(spreadLine_);

  connect(load_, &QPushButton::clicked, this, &TuningPanel::chooseMeasurement);
  connect(clear_, &QPushButton::clicked, this, &TuningPanel::clearMeasurement);
  connect(tolerance_, &QLineEdit::editingFinished, this, [this] {
    if (cutMm() != spreadCut_ || !spread_) startSpread();
  });
  connect(trimRun_, &io::TrimRun::finished, this, &TuningPanel::trimmed);
  connect(spreadRun_, &io::NecBatch::finished, this, [this](const std::vector<io::NecOutcome>& outcomes) {
    spread_ = io::SpreadOfOutcomes(spreadCut_, job_->model.frequencyMHz, outcomes);
    showLines();
    emit changed();
  });
  connect(spreadRun_, &io::NecBatch::progress, this, [this](int done, int total) {
    const QLocale locale;
    spreadLine_->setText(
        tr("Cutting within ±%1 mm: nec2c has run %2 of %3 copies…")
            .arg(PlainNumber(locale, spreadCut_), locale.toString(done), locale.toString(total)));
  });
}

std::optional<double> TuningPanel::cutMm() const {
  const std::optional<double> mm = io::ReadLocaleNumber(tolerance_->text());
  if (!mm || !std::isfinite(*mm) || *mm < 0) return std::nullopt;
  return mm;
}

void TuningPanel::stop() {
  trimRun_->stop();
  spreadRun_->stop();
}

void TuningPanel::modelRan(const io::NecJob& job, const nec::Results& results) {
  stop();
  job_ = job;
  job_->referenceOhms = results.referenceOhms;
  search_.reset();
  trim_.reset();
  spread_.reset();
  if (measurement_) {
    measured_->sweep = touchstone::Measure(*measurement_, results.referenceOhms);
  }
  trimRun_->start(*job_, results);
  trimLine_->setText(tr("Trim: nec2c is trying longer and shorter legs…"));
  trimLine_->show();
  spreadLine_->hide();
  emit changed();
}

void TuningPanel::modelCleared() {
  stop();
  job_.reset();
  search_.reset();
  trim_.reset();
  spread_.reset();
  showLines();
  emit changed();
}

void TuningPanel::trimmed(const io::TrimOutcome& outcome) {
  if (!outcome.failure.isEmpty()) {
    trim_.reset();
    trimLine_->setText(tr("No trim: %1").arg(outcome.failure));
  } else {
    search_ = outcome;
    startTrim();
  }
  startSpread();
}

void TuningPanel::startTrim() {
  if (!search_ || !job_) return;
  if (measured_) {
    const touchstone::MeasuredPoint& lowest = measured_->sweep.lowestSwr();
    trim_ = nec::MeasurementTrim(job_->model, search_->probes, lowest.frequencyMHz, lowest.swr,
                                 measured_->sweep.minimumInside());
  } else {
    trim_ = nec::ModelTrim(job_->model, search_->probes, search_->last);
  }
  showLines();
  emit changed();
}

void TuningPanel::startSpread() {
  spreadRun_->stop();
  spread_.reset();
  const std::optional<double> cut = cutMm();
  if (!job_ || !cut || *cut == 0 || *cut > nec::LargestCutMm(job_->model)) {
    spreadCut_ = cut.value_or(-1);
    showLines();
    if (job_ && !cut) {
      spreadLine_->setText(tr("The cutting tolerance must be a number of millimetres, 0 or more."));
      spreadLine_->show();
    } else if (job_ && cut && *cut > nec::LargestCutMm(job_->model)) {
      spreadLine_->setText(tr("A cutting tolerance of %1 mm is more than a tenth of the shortest leg.")
                               .arg(tolerance_->text()));
      spreadLine_->show();
    }
    emit changed();
    return;
  }
  spreadCut_ = *cut;
  spreadLine_->setText(
      tr("Cutting within ±%1 mm: nec2c is running the copies…").arg(PlainNumber(QLocale(), *cut)));
  spreadLine_->show();
  spreadRun_->start(io::SpreadJobs(*job_, *cut));
}

void TuningPanel::showLines() {
  showText(measuredLine_, measured_ ? nec::MeasuredSentence(*measured_, numberStyle()) : std::string());
  if (trim_) {
    showText(trimLine_, nec::TrimSentence(*trim_, numberStyle()));
  } else if (!trimRun_->running()) {
    trimLine_->hide();
  }
  if (spread_) {
    showText(spreadLine_, nec::SpreadSentence(*spread_, numberStyle()));
  } else if (!spreadRun_->running()) {
    spreadLine_->hide();
  }
  clear_->setEnabled(measured_.has_value());
}

bool TuningPanel::loadMeasurement(const QString& path) {
  const QString name = QFileInfo(path).fileName();
  io::MeasurementFile file = io::ReadMeasurementFile(path, name.isEmpty() ? path : name);
  if (!file.measurement) {
    emit problem(tr("The measurement was not loaded: %1.").arg(file.problem));
    return false;
  }
  measurement_ = std::move(file.measurement);
  measured_ = nec::MeasuredListing{name.toStdString(),
                                   touchstone::Measure(*measurement_, job_ ? job_->referenceOhms : 50)};
  if (search_) {
    startTrim();
  } else {
    showLines();
    emit changed();
  }
  return true;
}

void TuningPanel::clearMeasurement() {
  measurement_.reset();
  measured_.reset();
  if (search_) {
    startTrim();
  } else {
    showLines();
    emit changed();
  }
}

void TuningPanel::chooseMeasurement() {
  const QString path =
      QFileDialog::getOpenFileName(this, tr("Load measurement"), QString(),
                                   tr("Touchstone files (*.s1p *.s2p *.S1P *.S2P *.ts);;All files (*)"));
  if (!path.isEmpty()) loadMeasurement(path);
}

std::string TuningPanel::text() const {
  return nec::TuningAsText(trim_ ? &*trim_ : nullptr, measured_ ? &*measured_ : nullptr,
                           spread_ ? &*spread_ : nullptr);
}

}  // namespace quill::ui
