#include "ui/main/plan_elements.h"

#include <QDialog>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>
#include <cmath>

#include "calc/elements.h"
#include "calc/necmodel.h"
#include "calc/results.h"
#include "io/localenumber.h"

namespace quill::ui {
namespace {

// As wide as the export dialog, so that the hint wraps alike.
constexpr int kDialogWidth = 380;
// As the export dialog offers a diameter: three digits.
constexpr int kDigits = 3;

}  // namespace

std::optional<QString> PlanChoiceProblem(const QString& diameter, const QString& allowance,
                                         std::optional<double>& diameterMm,
                                         std::optional<double>& allowanceValue) {
  diameterMm = io::ReadLocaleNumber(diameter);
  allowanceValue = io::ReadLocaleNumber(allowance);
  if (!diameterMm || !std::isfinite(*diameterMm) || *diameterMm <= 0)
    return QDialog::tr("The tube diameter must be a number of millimetres greater than 0.");
  if (!allowanceValue || !std::isfinite(*allowanceValue) || *allowanceValue < 0)
    return QDialog::tr("The allowance must be a number of 0 or more.");
  return std::nullopt;
}

std::optional<PlanChoice> ChoosePlan(QWidget* parent, const QString& title, float frequencyMHz, Unit unit) {
  QDialog dialog(parent);
  dialog.setWindowTitle(title);
  dialog.setMinimumWidth(kDialogWidth);

  auto* count = new QSpinBox;
  count->setRange(kFewestElements, kMostElements);
  count->setValue(SessionElements());
  count->setAccessibleName(QDialog::tr("Number of elements"));
  auto* hint =
      new QLabel(QDialog::tr("3: reflector, driven element and D1, as drawn. A 4th is D2; "
                             "further ones are D3 to Dn at the all additional director spacing."));
  hint->setWordWrap(true);
  auto* diameter = new QLineEdit(QLocale().toString(nec::DefaultTubeDiameterMm(frequencyMHz), 'g', kDigits));
  const EndAllowance offered = DefaultAllowance(unit);
  auto* allowance = new QLineEdit(QLocale().toString(offered.in(unit), 'g', kDigits));
  diameter->setObjectName(QStringLiteral("diameter"));
  allowance->setObjectName(QStringLiteral("allowance"));
  const QString symbol = QString::fromLatin1(UnitSymbol(unit).data());
  auto* problem = new QLabel;
  problem->setWordWrap(true);
  problem->setAccessibleName(QDialog::tr("Why the plan cannot be made"));
  problem->setObjectName(QStringLiteral("problem"));

  auto* form = new QFormLayout;
  form->addRow(QDialog::tr("Number of &elements (%1 to %2):").arg(kFewestElements).arg(kMostElements), count);
  form->addRow(QString(), hint);
  form->addRow(QDialog::tr("Tube &diameter (mm):"), diameter);
  form->addRow(QDialog::tr("&Allowance past each bolt (%1):").arg(symbol), allowance);

  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
  buttons->button(QDialogButtonBox::Ok)->setText(QDialog::tr("&Continue…"));
  PlanChoice choice;
  QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, [&] {
    std::optional<double> mm, value;
    if (const auto why = PlanChoiceProblem(diameter->text(), allowance->text(), mm, value)) {
      problem->setText(*why);
      const int needed = dialog.layout()->totalHeightForWidth(dialog.width());
      if (needed > dialog.height()) dialog.resize(dialog.width(), needed);
      return;
    }
    choice.tubeDiameterMm = mm;
    choice.allowance = EndAllowance{*value, unit};
    dialog.accept();
  });
  QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);

  auto* layout = new QVBoxLayout(&dialog);
  layout->addLayout(form);
  layout->addWidget(problem);
  layout->addWidget(buttons);
  count->setFocus();
  count->selectAll();

  if (dialog.exec() != QDialog::Accepted) return std::nullopt;
  count->interpretText();
  SetSessionElements(count->value());
  choice.elements = count->value();
  return choice;
}

}  // namespace quill::ui
