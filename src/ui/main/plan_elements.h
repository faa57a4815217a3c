#pragma once

#include <optional>

#include "calc/design.h"
#include "ui/main/plan.h"

class QString;
class QWidget;

namespace quill::ui {

// The plan dialog: how many elements the plan is for (offering the
// session's count), the tube diameter in millimetres (offering the model's
// default for the frequency) and the allowance past each bolt in the plan's
// unit (offering 3/8 in or 10 mm). OK checks them; while one cannot be
// used, the dialog says why and stays open. The count becomes the
// session's. Nothing if the user cancelled.
std::optional<PlanChoice> ChoosePlan(QWidget* parent, const QString& title, float frequencyMHz, Unit unit);

// What is wrong with the dialog's texts, or nothing: a diameter that is not
// a number greater than 0, or an allowance that is not a number of 0 or
// more. Read in the user's locale, or with a point.
std::optional<QString> PlanChoiceProblem(const QString& diameter, const QString& allowance,
                                         std::optional<double>& diameterMm,
                                         std::optional<double>& allowanceValue);

}  // namespace quill::ui
