#include "ui/main/form1.h"

#include <QLocale>
#include <QPlainTextEdit>

#include "calc/format.h"
#include "ui/common/builder.h"
#include "ui/common/controls.h"
#include "ui/common/digits.h"
#include "ui/common/forms.h"
#include "ui/common/look.h"
#include "ui/common/picturebox.h"
#include "ui/main/form1_design.h"
#include "ui/main/results_menu.h"

using namespace quill;
using namespace quill::ui;

namespace {

// The user's decimal separator: the result boxes show it, and the frequency
// box reads it beside ".".
std::string decimalPoint() { return QLocale().decimalPoint().toStdString(); }

// The frequency as typed, in the locale's own digits or in ASCII ones.
std::string typedFrequency(const FrequencyBox* box) { return WithAsciiDigits(box->text()); }

}  // namespace

Form1::Form1(QWidget* parent) : QWidget(parent) {
  // A sizable tool window: narrow title bar with a close box only.
  setWindowFlags(Qt::Tool);
  // Tool windows do not end the program when closed; this one is the main
  // window, so it counts like any other.
  setAttribute(Qt::WA_QuitOnClose, true);
  setWindowTitle(QString::fromLatin1(form1::kTitle));
  setFont(defaultFont());
  resize(px(form1::kClientWidth), px(form1::kClientHeight));

  BuildControls(*this, this, std::span(&form1::picture(), 1));
  for (const unsigned char* bitmap : form1::drawingBitmaps()) Picture1->addBitmap(bitmap);
  Picture1->setBitmapText(form1::drawingText());
  for (const form1::LineDesign& line : form1::kLines) {
    Picture1->addLine(QLine(px(line.x1), px(line.y1), px(line.x2), px(line.y2)));
  }
  BuildControls(*this, Picture1, form1::controls(), Picture1);
  for (const form1::Row& row : form1::controls()) {
    if (row.shows)
      results_[static_cast<std::size_t>(*row.shows)] = this->*std::get<TextBox * Form1::*>(row.member);
  }

  for (TextBox* box : results_) box->setAccessibleDescription(QString::fromLatin1(form1::kNothingCalculated));

  connect(Text2, &FrequencyBox::clicked, this, &Form1::Text2_Click);
  connect(Command1, &QPushButton::clicked, this, &Form1::Command1_Click);
  connect(Command2, &QPushButton::clicked, this, &Form1::Command2_Click);
  connect(Command3, &QPushButton::clicked, this, &Form1::Command3_Click);
  connect(Command4, &QPushButton::clicked, this, &Form1::Command4_Click);

  resultsMenu_ = new ResultsMenu(this);
  UseDesignLook(this);

  // The focus starts on the drawing, first in the tab order.
  Picture1->setFocus();
}

void Form1::Command1_Click() {
  showResults(CalculateInches(typedFrequency(Text2), decimalPoint()), Unit::Inches);
}

void Form1::Command4_Click() {
  showResults(CalculateCentimetres(typedFrequency(Text2), decimalPoint()), Unit::Centimetres);
}

void Form1::Command2_Click() { emit notesRequested(); }

void Form1::Command3_Click() { emit webLinkRequested(); }

void Form1::Text2_Click() {
  // In the user's decimal separator, which the frequency box reads back.
  Text2->setText(QString::fromStdString(FormatDimension(LastFrequency(), decimalPoint())));
  // Selected, so that what the user types next replaces it.
  Text2->selectAll();
}

void Form1::showResults(const Calculation& calculation, Unit unit) {
  const BoxTexts texts = FormatResults(calculation, decimalPoint());
  const QString description =
      QString::fromLatin1(unit == Unit::Inches ? form1::kInInches : form1::kInCentimetres);
  // In the order the calculation wrote them.
  for (const BoxWrite& write : calculation) {
    TextBox* box = resultBox(write.box);
    box->setText(QString::fromStdString(texts[static_cast<std::size_t>(write.box)]));
    box->setCursorPosition(0);
    box->setAccessibleDescription(description);
  }
  if (calculation.count == kResultBoxCount) {
    shown_ = Shown{LastFrequency(), unit};
    emit resultsShown();
  }
  if (calculation.error) emit runTimeError(*calculation.error);
}
