#include "ui/model/modelwindow.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFormLayout>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QMimeData>
#include <QProgressBar>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QSpinBox>
#include <QVBoxLayout>
#include <cmath>

#include "calc/build.h"
#include "calc/elements.h"
#include "calc/format.h"
#include "calc/necreport.h"
#include "io/localenumber.h"
#include "io/necrun.h"
#include "io/program.h"
#include "ui/common/look.h"
#include "ui/common/numbers.h"
#include "ui/model/plots.h"
#include "ui/model/tuningpanel.h"

namespace quill::ui {
namespace {

const char kTitle[] = "Model of the antenna";
constexpr QSize kFirstSize{960, 760};
// Small enough for a 1920 x 1080 screen at 200 %: what does not fit scrolls.
constexpr QSize kSmallest{480, 360};
// Of the screen's room, at most this much for the window's first size.
constexpr double kScreenShare = 0.9;
constexpr int kBusyWidth = 120;
// Room in the input boxes for this many digits.
constexpr int kInputDigits = 8;
// The summary's values a little larger than their names.
constexpr double kValueScale = 1.2;
const char* const kSummaryNames[] = {
    "Feed impedance:", "SWR:", "Gain towards the directors:", "Front-to-back ratio:", "Lowest SWR:"};

// Numbers in the user's locale, one style for the window. What is not a
// number is a word, as the copied text says it: an infinite SWR, and no
// power (and so no ratio) where nec2c found none.
QString fixed(double value, int decimals) {
  if (!std::isfinite(value)) return value > 0 ? ModelWindow::tr("infinite") : ModelWindow::tr("none");
  return FixedNumber(QLocale(), value, decimals);
}
// A number with its unit; a word alone.
QString withUnit(double value, const QString& unit) {
  return std::isfinite(value) ? fixed(value, 2) + QLatin1Char(' ') + unit : fixed(value, 2);
}
QString mhz(double value) { return MhzNumber(QLocale(), value); }
QString number(double value) { return PlainNumber(QLocale(), value); }

QString impedance(const nec::SweepPoint& p) {
  return QStringLiteral("%1 %2 j%3 Ω")
      .arg(fixed(p.r, 1), p.x < 0 ? QStringLiteral("−") : QStringLiteral("+"), fixed(std::abs(p.x), 1));
}

}  // namespace

ModelWindow::ModelWindow(QWidget* parent) : QWidget(parent), run_(new io::NecRun(this)) {
  setWindowFlags(Qt::Window);
  setWindowTitle(QString::fromLatin1(kTitle));
  setMinimumSize(kSmallest);
  setAcceptDrops(true);

  diameter_ = new QLineEdit;
  elements_ = new QSpinBox;
  elements_->setRange(kFewestElements, kMostElements);
  elements_->setValue(SessionElements());
  reference_ = new QLineEdit(number(nec::kReferenceOhms));
  runButton_ = new QPushButton(tr("&Run nec2c"));
  runButton_->setAutoDefault(true);
  copyButton_ = new QPushButton(tr("&Copy results"));
  copyButton_->setToolTip(tr("Copies the results as text (Ctrl+Shift+C)"));

  const int inputWidth = fontMetrics().horizontalAdvance(QString(kInputDigits, QLatin1Char('0')));
  for (QLineEdit* box : {diameter_, reference_}) box->setMaximumWidth(inputWidth);
  // Room for "10" beside the arrows in every style (Adwaita's are wide).
  elements_->setMinimumWidth(elements_->sizeHint().width() +
                             fontMetrics().horizontalAdvance(QStringLiteral("00")));

  auto* inputs = new QHBoxLayout;
  auto addInput = [inputs](const QString& name, QWidget* input) {
    auto* label = new QLabel(name);
    label->setBuddy(input);
    inputs->addWidget(label);
    inputs->addWidget(input);
    inputs->addSpacing(12);
  };
  addInput(tr("Tube &diameter (mm):"), diameter_);
  addInput(tr("&Elements (3 to 10):"), elements_);
  addInput(tr("Reference &impedance (Ω):"), reference_);
  inputs->addStretch();
  inputs->addWidget(runButton_);
  inputs->addWidget(copyButton_);

  busy_ = new QProgressBar;
  busy_->setRange(0, 0);  // no end known: it only says nec2c is at work
  busy_->setTextVisible(false);
  busy_->setFixedWidth(kBusyWidth);
  busy_->setAccessibleName(tr("nec2c is running"));
  busy_->hide();
  status_ = new QLabel;
  status_->setWordWrap(true);
  status_->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
  auto* statusRow = new QHBoxLayout;
  statusRow->addWidget(busy_);
  statusRow->addWidget(status_, 1);

  heading_ = new QLabel;
  QFont bold = heading_->font();
  bold.setBold(true);
  heading_->setFont(bold);
  auto* summary = new QFormLayout;
  QFont valueFont = bold;
  valueFont.setPointSizeF(valueFont.pointSizeF() * kValueScale);
  for (const char* name : kSummaryNames) {
    auto* value = new QLabel;
    value->setFont(valueFont);
    // Focusable and selectable, so that a screen reader reads each value
    // with its name and a user can copy it.
    value->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    value->setAccessibleName(tr(name).chopped(1));
    summary->addRow(tr(name), value);
    values_.append(value);
  }

  swrPlot_ = new SwrPlot;
  impedancePlot_ = new ImpedancePlot;
  patternPlot_ = new PatternPlot;
  auto* plots = new QGridLayout;
  plots->addWidget(swrPlot_, 0, 0);
  plots->addWidget(impedancePlot_, 1, 0);
  plots->addWidget(patternPlot_, 0, 1, 2, 1);
  plots->setColumnStretch(0, 1);
  plots->setColumnStretch(1, 1);

  tuning_ = new TuningPanel;

  auto* leftOut = new QLabel(QString::fromUtf8(nec::kLeftOut.data(), qsizetype(nec::kLeftOut.size())));
  leftOut->setWordWrap(true);

  // Everything scrolls together where the window is smaller than it wants.
  auto* content = new QWidget;
  auto* layout = new QVBoxLayout(content);
  layout->addLayout(inputs);
  layout->addLayout(statusRow);
  layout->addWidget(heading_);
  layout->addLayout(summary);
  layout->addWidget(tuning_);
  layout->addLayout(plots, 1);
  layout->addWidget(leftOut);
  auto* scroll = new QScrollArea;
  scroll->setWidget(content);
  scroll->setWidgetResizable(true);
  scroll->setFrameShape(QFrame::NoFrame);
  auto* outer = new QVBoxLayout(this);
  outer->setContentsMargins(0, 0, 0, 0);
  outer->addWidget(scroll);
  QSize first = kFirstSize;
  if (const QScreen* screen = QGuiApplication::primaryScreen()) {
    first = first.boundedTo((QSizeF(screen->availableSize()) * kScreenShare).toSize());
  }
  resize(first.expandedTo(kSmallest));

  auto* copy = new QAction(tr("Copy results"), this);
  copy->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_C));
  copy->setShortcutContext(Qt::WindowShortcut);
  addAction(copy);
  connect(copy, &QAction::triggered, this, &ModelWindow::copyResults);
  connect(copyButton_, &QPushButton::clicked, this, &ModelWindow::copyResults);
  auto* load = new QAction(tr("Load measurement…"), this);
  load->setShortcut(QKeySequence::Open);
  load->setShortcutContext(Qt::WindowShortcut);
  addAction(load);
  connect(load, &QAction::triggered, tuning_, &TuningPanel::chooseMeasurement);
  connect(tuning_, &TuningPanel::changed, this, &ModelWindow::showTuning);
  connect(tuning_, &TuningPanel::problem, status_, &QLabel::setText);
  connect(runButton_, &QPushButton::clicked, this, &ModelWindow::runModel);
  connect(diameter_, &QLineEdit::textEdited, this, &ModelWindow::userSetDiameter);
  for (QLineEdit* box : {diameter_, reference_}) {
    connect(box, &QLineEdit::returnPressed, this, &ModelWindow::runModel);
  }
  connect(elements_, &QSpinBox::valueChanged, this, [this](int count) {
    SetSessionElements(count);
    runModel();
  });
  connect(run_, &io::NecRun::finished, this, &ModelWindow::showResults);
  connect(run_, &io::NecRun::failed, this, &ModelWindow::showFailure);

  UseDesignLook(this);
  clearResults();
}

ModelWindow::~ModelWindow() = default;

void ModelWindow::closeEvent(QCloseEvent* event) {
  run_->stop();
  tuning_->stop();
  QWidget::closeEvent(event);
}

void ModelWindow::userSetDiameter() { userDiameter_ = true; }

void ModelWindow::follow(float frequencyMHz) {
  frequencyMHz_ = frequencyMHz;
  // No tube is offered for a frequency no antenna is built for.
  if (!userDiameter_ && FrequencyRefusal(frequencyMHz_).empty()) {
    diameter_->setText(number(nec::DefaultTubeDiameterMm(frequencyMHz_)));
  }
  if (elements_->value() != SessionElements()) {
    const QSignalBlocker quiet(elements_);
    elements_->setValue(SessionElements());
  }
  runModel();
}

void ModelWindow::dragEnterEvent(QDragEnterEvent* event) {
  const QList<QUrl> urls = event->mimeData()->urls();
  if (!urls.isEmpty() && urls.front().isLocalFile()) event->acceptProposedAction();
}

void ModelWindow::dropEvent(QDropEvent* event) {
  const QList<QUrl> urls = event->mimeData()->urls();
  if (urls.isEmpty() || !urls.front().isLocalFile()) return;
  event->acceptProposedAction();
  if (tuning_->loadMeasurement(urls.front().toLocalFile()) &&
      status_->text().startsWith(tr("The measurement")))
    status_->clear();
}

void ModelWindow::runModel() {
  run_->stop();
  tuning_->modelCleared();
  if (frequencyMHz_ > 0)
    setWindowTitle(tr("%1 – %2 MHz").arg(QString::fromLatin1(kTitle), mhz(frequencyMHz_)));
  // A diameter that is not a number is refused by the model, in its words.
  const double diameter = io::ReadLocaleNumber(diameter_->text()).value_or(std::nan(""));
  const std::optional<double> reference = io::ReadLocaleNumber(reference_->text());
  nec::Outcome outcome;
  QWidget* wrong = diameter_;
  if (!reference || !(*reference > 0) || !std::isfinite(*reference)) {
    outcome.message = "The reference impedance must be a number of ohms greater than 0.";
    wrong = reference_;
  } else {
    outcome = nec::BuildModel(frequencyMHz_, diameter, elements_->value());
    if (outcome.problem == nec::Problem::Elements) wrong = elements_;
  }
  if (!outcome.model) {
    clearResults();
    showRunning(false);
    status_->setText(QString::fromStdString(outcome.message));
    if (outcome.problem != nec::Problem::Frequency && outcome.problem != nec::Problem::Calculation)
      wrong->setFocus();
    return;
  }
  setWindowTitle(tr("%1 – %2 MHz").arg(QString::fromLatin1(kTitle), mhz(frequencyMHz_)));
  showRunning(true);
  status_->setText(tr("nec2c is working out the model for %1 MHz…").arg(mhz(frequencyMHz_)));
  job_ = io::NecJob{std::move(*outcome.model), *reference, io::ProgramAndVersion().toStdString()};
  run_->start(*job_);
}

void ModelWindow::showRunning(bool running) {
  busy_->setVisible(running);
  runButton_->setEnabled(true);
}

void ModelWindow::showResults(const nec::Results& results) {
  showRunning(false);
  results_ = results;
  const nec::SweepPoint& at = results.atFrequency();
  const nec::SweepPoint& lowest = results.lowestSwr();
  status_->clear();
  heading_->setText(tr("A Quillbeam of %1 elements for %2 MHz, tubes %3 mm, at the design frequency:")
                        .arg(results.elements)
                        .arg(mhz(results.designFrequencyMHz), number(results.diameterMm)));
  const QStringList texts = {
      impedance(at),
      tr("%1 on %2 Ω").arg(fixed(at.swr, 2), number(results.referenceOhms)),
      withUnit(at.gainDbi, tr("dBi")),
      withUnit(at.frontToBackDb, tr("dB")),
      tr("%1 at %2 MHz").arg(fixed(lowest.swr, 2), mhz(lowest.frequencyMHz)),
  };
  for (int i = 0; i < values_.size(); ++i) values_[i]->setText(texts[i]);
  swrPlot_->setResults(results);
  impedancePlot_->setResults(results);
  patternPlot_->setResults(results);
  copyButton_->setEnabled(true);
  if (job_) tuning_->modelRan(*job_, results);
}

void ModelWindow::showTuning() {
  std::vector<nec::SweepPoint> measured;
  QString name;
  if (const auto& listing = tuning_->measured()) {
    for (const touchstone::MeasuredPoint& p : listing->sweep.points)
      measured.push_back({p.frequencyMHz, p.r, p.x, p.swr, 0, 0});
    name = QString::fromStdString(listing->file);
  }
  swrPlot_->setMeasured(measured, name);
  impedancePlot_->setMeasured(measured, name);
  swrPlot_->setBand(tuning_->spread() ? tuning_->spread()->band : std::vector<nec::BandPoint>());
}

void ModelWindow::showFailure(const QString& failure) {
  clearResults();
  showRunning(false);
  status_->setText(failure);
}

void ModelWindow::clearResults() {
  results_.reset();
  heading_->setText(tr("No results yet."));
  for (QLabel* value : values_) value->setText(QStringLiteral("–"));
  swrPlot_->clear();
  impedancePlot_->clear();
  patternPlot_->clear();
  copyButton_->setEnabled(false);
}

void ModelWindow::copyResults() {
  if (!results_) return;
  QApplication::clipboard()->setText(QString::fromStdString(nec::ModelAsText(*results_) + tuning_->text()));
}

}  // namespace quill::ui
