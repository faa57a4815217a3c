#include "ui/main/plan_elements.h"

#include <QDialog>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

#include "calc/elements.h"
#include "calc/necmodel.h"

namespace quill::ui {
namespace {

// As wide as the export dialog, so that the hint wraps alike.
constexpr int kDialogWidth = 380;

}  // namespace

bool ChoosePlanElements(QWidget* parent, const QString& title) {
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

  auto* form = new QFormLayout;
  form->addRow(QDialog::tr("Number of &elements (%1 to %2):").arg(kFewestElements).arg(kMostElements), count);
  form->addRow(QString(), hint);

  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
  buttons->button(QDialogButtonBox::Ok)->setText(QDialog::tr("&Continue…"));
  QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
  QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);

  auto* layout = new QVBoxLayout(&dialog);
  layout->addLayout(form);
  layout->addWidget(buttons);
  count->setFocus();
  count->selectAll();

  if (dialog.exec() != QDialog::Accepted) return false;
  count->interpretText();
  SetSessionElements(count->value());
  return true;
}

}  // namespace quill::ui
