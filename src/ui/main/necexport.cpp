#include "ui/main/necexport.h"

#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QDir>
#include <QFileDialog>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QMessageBox>
#include <QPushButton>
#include <QVBoxLayout>

#include "calc/elements.h"
#include "calc/format.h"
#include "calc/necdeck.h"
#include "io/localenumber.h"
#include "io/necrun.h"
#include "io/program.h"
#include "io/savefile.h"
#include "ui/common/numbers.h"

namespace quill::ui {
namespace {

const char kTitle[] = "Export NEC model";
// Wide enough that a refusal wraps onto a few lines, not a dozen.
constexpr int kDialogWidth = 380;

// The diameter used last in this session, if any.
std::optional<double>& lastDiameter() {
  static std::optional<double> diameter;
  return diameter;
}

QString frequencyText(float frequencyMHz) {
  return QString::fromStdString(FormatDimension(frequencyMHz, QLocale().decimalPoint().toStdString()));
}

}  // namespace

NecExportDialog::NecExportDialog(float frequencyMHz, QWidget* parent)
    : QDialog(parent), frequencyMHz_(frequencyMHz) {
  setWindowTitle(QString::fromLatin1(kTitle));
  setMinimumWidth(kDialogWidth);

  auto* about = new QLabel(tr("A wire model of the antenna for %1 MHz, the frequency of the last "
                              "calculation, for NEC-2 modellers such as nec2c and xnec2c.")
                               .arg(frequencyText(frequencyMHz)));
  about->setWordWrap(true);

  const double diameter = lastDiameter().value_or(nec::DefaultTubeDiameterMm(frequencyMHz));
  diameter_ = new QLineEdit(PlainNumber(QLocale(), diameter));
  elements_ = new QLineEdit(QString::number(SessionElements()));
  auto* elementsHint =
      new QLabel(tr("3: reflector, driven element and D1, as drawn. A 4th is D2; "
                    "further ones are D3 to Dn at the all additional director spacing."));
  elementsHint->setWordWrap(true);

  auto* form = new QFormLayout;
  form->addRow(tr("Tube &diameter (mm):"), diameter_);
  form->addRow(tr("Number of &elements (%1 to %2):").arg(kFewestElements).arg(kMostElements), elements_);
  form->addRow(QString(), elementsHint);

  problem_ = new QLabel;
  problem_->setWordWrap(true);
  problem_->setAccessibleName(tr("Why the model cannot be made"));

  buttons_ = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
  buttons_->button(QDialogButtonBox::Ok)->setText(tr("&Export…"));
  connect(buttons_, &QDialogButtonBox::accepted, this, &NecExportDialog::accept);
  connect(buttons_, &QDialogButtonBox::rejected, this, &NecExportDialog::reject);

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(about);
  layout->addLayout(form);
  layout->addWidget(problem_);
  layout->addWidget(buttons_);
}

void NecExportDialog::accept() {
  // A diameter that is not a number is refused by the model, in its words.
  const double diameter = io::ReadLocaleNumber(diameter_->text()).value_or(std::nan(""));
  bool countOk = false;
  const int count = elements_->text().trimmed().toInt(&countOk);
  nec::Outcome outcome;
  if (!countOk) {
    outcome.message = "The number of elements must be a whole number from " +
                      std::to_string(kFewestElements) + " to " + std::to_string(kMostElements) + ".";
  } else {
    outcome = nec::BuildModel(frequencyMHz_, diameter, count);
  }
  if (!outcome.model) {
    // The dialog stays open and says why.
    problem_->setText(QString::fromStdString(outcome.message));
    // Taller if the words need it, so that nothing above is squeezed.
    const int needed = layout()->totalHeightForWidth(width());
    if (needed > height()) resize(width(), needed);
    (outcome.problem == nec::Problem::Elements ? elements_ : diameter_)->setFocus();
    return;
  }
  model_ = std::move(outcome.model);
  lastDiameter() = diameter;
  SetSessionElements(count);
  QDialog::accept();
}

void NecExportDialog::forgetDiameter() { lastDiameter().reset(); }

std::optional<RunTimeError> ExportNecModel(float frequency, QWidget* parent) {
  // The frequency first: whether it can be calculated and modelled at all.
  const nec::Outcome check = nec::BuildModel(frequency, std::nullopt, kFewestElements);
  if (check.error) return check.error;
  if (check.problem == nec::Problem::Frequency) {
    QMessageBox::warning(parent, QString::fromLatin1(kTitle), QString::fromStdString(check.message));
    return std::nullopt;
  }

  NecExportDialog dialog(frequency, parent);
  if (dialog.exec() != QDialog::Accepted) return std::nullopt;
  // Named and placed as the saved plans are.
  const QString suggested =
      QDir(io::DefaultSaveFolder())
          .filePath(QStringLiteral("quillbeam-%1-MHz.nec").arg(QString::number(frequency)));
  const QString path = QFileDialog::getSaveFileName(parent, QString::fromLatin1(kTitle), suggested,
                                                    QObject::tr("NEC-2 card decks (*.nec);;All files (*)"));
  if (path.isEmpty()) return std::nullopt;
  const QString failure =
      io::SaveNecDeck(path, nec::Deck(*dialog.model(), io::ProgramAndVersion().toStdString()));
  if (!failure.isEmpty()) {
    QMessageBox::warning(parent, QString::fromLatin1(kTitle),
                         QObject::tr("The model could not be written to %1: %2").arg(path, failure));
  }
  return std::nullopt;
}

}  // namespace quill::ui
