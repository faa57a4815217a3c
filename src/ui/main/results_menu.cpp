#include "ui/main/results_menu.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QFileDialog>
#include <QMarginsF>
#include <QMenu>
#include <QMessageBox>
#include <QPageSize>
#include <QPrintDialog>
#include <QPrinter>

#include "calc/elements.h"
#include "calc/format.h"
#include "io/savefile.h"
#include "ui/common/controls.h"
#include "ui/common/picturebox.h"
#include "ui/main/dimension_names.h"
#include "ui/main/form1.h"
#include "ui/main/necexport.h"
#include "ui/main/plan.h"
#include "ui/main/plan_elements.h"

namespace quill::ui {

ResultsMenu::ResultsMenu(Form1* form) : QObject(form), form_(form), menu_(new QMenu(form)) {
  // The entries, in menu order. The shortcuts belong to the window, so they
  // work whichever control has the focus.
  add(tr("Copy results"), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_C), &ResultsMenu::copyResults);
  add(tr("Print plan…"), QKeySequence(Qt::CTRL | Qt::Key_P), &ResultsMenu::printPlan);
  add(tr("Save plan as PDF…"), QKeySequence(Qt::CTRL | Qt::Key_S), &ResultsMenu::savePlan);
  add(tr("Export NEC model…"), QKeySequence(), &ResultsMenu::exportNecModel);
  add(tr("Model the antenna…"), QKeySequence(Qt::CTRL | Qt::Key_M), &ResultsMenu::showModel);

  enableEntries();
  connect(form_, &Form1::resultsShown, this, &ResultsMenu::enableEntries);
  // Boxes handle their own context menu; a right-click on a button reaches
  // the drawing and is told apart there.
  form_->Picture1->setContextMenuPolicy(Qt::CustomContextMenu);
  connect(form_->Picture1, &QWidget::customContextMenuRequested, this, &ResultsMenu::popUp);
}

void ResultsMenu::add(const QString& text, const QKeySequence& shortcut, void (ResultsMenu::*action)()) {
  auto* entry = new QAction(text, form_);
  entry->setShortcut(shortcut);
  entry->setShortcutContext(Qt::WindowShortcut);
  connect(entry, &QAction::triggered, this, action);
  form_->addAction(entry);
  menu_->addAction(entry);
  entries_.append(entry);
}

void ResultsMenu::enableEntries() {
  for (QAction* entry : entries_) entry->setEnabled(form_->shown().has_value());
}

void ResultsMenu::popUp(const QPoint& position) {
  if (form_->Picture1->childAt(position)) return;  // a button
  menu_->popup(form_->Picture1->mapToGlobal(position));
}

ResultList ResultsMenu::shownResults() const {
  if (!form_->shown()) return {};
  const std::string separator = QLocale().decimalPoint().toStdString();
  ResultList list{FormatDimension(form_->shown()->frequencyMHz, separator),
                  form_->shown()->frequencyMHz,
                  form_->shown()->unit,
                  {},
                  {}};
  const DimensionNames& names = form1::dimensionNames();
  for (const Dimension& dimension : ListedDimensions()) {
    list.lines.push_back({dimension.key, names[static_cast<std::size_t>(dimension.box)],
                          form_->resultBox(dimension.box)->text().toStdString()});
  }
  // The antenna from the values behind the boxes: the shown frequency worked
  // out again aside gives exactly those.
  DesignValues scratch;
  const Calculation calculation =
      CalculateFrequency(scratch, form_->shown()->frequencyMHz, form_->shown()->unit);
  if (calculation.ok()) {
    const Unit unit = form_->shown()->unit;
    const EndAllowance allowance =
        choice_ && choice_->allowance ? *choice_->allowance : DefaultAllowance(unit);
    list.assembly = Assemble(ValuesOf(calculation), SessionElements(), allowance.in(unit));
  }
  return list;
}

void ResultsMenu::copyResults() {
  if (!form_->shown()) return;
  const std::string text = ResultsAsText(shownResults(), QLocale().decimalPoint().toStdString());
  QApplication::clipboard()->setText(QString::fromStdString(text));
}

bool ResultsMenu::refused(const QString& title) {
  const std::string refusal = FrequencyRefusal(form_->shown()->frequencyMHz);
  if (!refusal.empty()) showProblem(title, QString::fromStdString(refusal));
  return !refusal.empty();
}

std::optional<Plan> ResultsMenu::plan(const QString& title) {
  PlanChoice choice = choice_.value_or(PlanChoice{});
  choice.elements = SessionElements();
  Plan plan;
  if (const auto failure =
          MakePlan(form_->shown()->frequencyMHz, form_->shown()->unit, choice, QLocale(), plan)) {
    if (failure->error) {
      emit form_->runTimeError(*failure->error);
    } else {
      showProblem(title, failure->refusal);
    }
    return std::nullopt;
  }
  return plan;
}

void ResultsMenu::printPlan() {
  if (!form_->shown() || refused(tr("Print plan"))) return;
  choice_ = ChoosePlan(form_, tr("Print plan"), form_->shown()->frequencyMHz, form_->shown()->unit);
  if (!choice_) return;
  QPrinter printer(QPrinter::HighResolution);
  // Without a printer of the system's, the dialog offers a file: give it
  // the locale's paper. A printer brings its own.
  if (printer.outputFormat() == QPrinter::PdfFormat) printer.setPageSize(LocalePageSize(QLocale()));
  // The plan's own margins; a printer whose printable area reaches the
  // edge of the paper (a PDF printer) would otherwise get none.
  printer.setPageMargins(PlanMargins(), QPageLayout::Millimeter);
  QPrintDialog dialog(&printer, form_);
  dialog.setWindowTitle(tr("Print plan"));
  dialog.setOption(QAbstractPrintDialog::PrintPageRange, false);
  if (dialog.exec() == QDialog::Accepted) print(printer);
}

bool ResultsMenu::print(QPrinter& printer) {
  if (!form_->shown()) return false;
  const std::optional<Plan> made = plan(tr("Print plan"));
  if (!made) return false;
  printer.setDocName(made->title);
  PaintPlan(printer, *made);
  if (printer.printerState() == QPrinter::Error) {
    showProblem(tr("Print plan"), tr("The plan could not be printed."));
    return false;
  }
  return true;
}

void ResultsMenu::savePlan() {
  if (!form_->shown() || refused(tr("Save plan as PDF"))) return;
  choice_ = ChoosePlan(form_, tr("Save plan as PDF"), form_->shown()->frequencyMHz, form_->shown()->unit);
  if (!choice_) return;
  QFileDialog dialog(form_, tr("Save plan as PDF"));
  dialog.setAcceptMode(QFileDialog::AcceptSave);
  dialog.setNameFilter(tr("PDF files (*.pdf)"));
  dialog.setDefaultSuffix(QStringLiteral("pdf"));
  dialog.setDirectory(io::DefaultSaveFolder());
  dialog.selectFile(PlanFileName(form_->shown()->frequencyMHz, SessionElements(), form_->shown()->unit));
  if (dialog.exec() == QDialog::Accepted && !dialog.selectedFiles().isEmpty())
    savePdf(dialog.selectedFiles().first());
}

bool ResultsMenu::savePdf(const QString& path) {
  if (!form_->shown()) return false;
  const std::optional<Plan> made = plan(tr("Save plan as PDF"));
  if (!made) return false;
  const QString problem = WritePlanPdf(*made, path, QLocale());
  if (!problem.isEmpty()) showProblem(tr("Save plan as PDF"), tr("Could not save %1: %2").arg(path, problem));
  return problem.isEmpty();
}

void ResultsMenu::exportNecModel() {
  if (!form_->shown()) return;
  if (const auto error = ExportNecModel(form_->shown()->frequencyMHz, form_))
    emit form_->runTimeError(*error);
}

void ResultsMenu::showModel() {
  if (form_->shown()) emit modelRequested();
}

void ResultsMenu::showProblem(const QString& title, const QString& text) {
  QMessageBox::warning(form_, title, text);
}

}  // namespace quill::ui
