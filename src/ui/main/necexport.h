#pragma once

// "Export NEC model…": a card deck of the designed antenna for NEC-2
// modellers, for the frequency of the last calculation. A small dialog asks
// for the tube diameter and the number of elements, then a file dialog for
// the name.

#include <QDialog>
#include <QLocale>
#include <QString>
#include <optional>
#include <string>

#include "calc/design.h"
#include "calc/necmodel.h"

class QDialogButtonBox;
class QLabel;
class QLineEdit;

namespace quill::ui {

// Asks for the tube diameter in millimetres and the number of elements. OK
// builds the model; while it cannot be built, the dialog says why and stays
// open. The diameter starts at the last one used in this session, or at one
// that suits the frequency.
class NecExportDialog : public QDialog {
  Q_OBJECT

 public:
  explicit NecExportDialog(float frequencyMHz, QWidget* parent = nullptr);

  QLineEdit* diameter() const { return diameter_; }
  QLineEdit* elements() const { return elements_; }
  QLabel* problem() const { return problem_; }
  QDialogButtonBox* buttons() const { return buttons_; }
  // The model, once OK has been accepted.
  const std::optional<nec::Model>& model() const { return model_; }

  void accept() override;

  // Forgets the diameter used last (for tests).
  static void forgetDiameter();

 private:
  float frequencyMHz_;
  QLineEdit* diameter_;
  QLineEdit* elements_;
  QLabel* problem_;
  QDialogButtonBox* buttons_;
  std::optional<nec::Model> model_;
};

// The whole export from the main window: the model for the frequency whose
// values the window shows, the dialog, the file dialog and the file. A
// frequency that the calculation cannot take gives the run-time error
// "INCHES" would give, for the caller to report; nothing is asked and
// nothing written then.
std::optional<RunTimeError> ExportNecModel(float frequencyMHz, QWidget* parent);

}  // namespace quill::ui
