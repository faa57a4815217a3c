#include "ui/main/form1.h"

#include <QLineEdit>
#include <QLocale>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QPushButton>

#include "calc/format.h"
#include "ui/common/builder.h"
#include "ui/common/forms.h"
#include "ui/common/picturebox.h"
#include "ui/main/form1_design.h"

using namespace quill;
using namespace quill::ui;

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
  for (const form1::LineDesign& line : form1::kLines) {
    Picture1->addLine(QLine(px(line.x1), px(line.y1), px(line.x2), px(line.y2)));
  }
  BuildControls(*this, Picture1, form1::controls(), Picture1);
  for (const form1::Row& row : form1::controls()) {
    if (row.shows) results_[static_cast<std::size_t>(*row.shows)] = this->*std::get<QLineEdit* Form1::*>(row.member);
  }

  Text2->installEventFilter(this);
  connect(Command1, &QPushButton::clicked, this, &Form1::Command1_Click);
  connect(Command2, &QPushButton::clicked, this, &Form1::Command2_Click);
  connect(Command3, &QPushButton::clicked, this, &Form1::Command3_Click);
  connect(Command4, &QPushButton::clicked, this, &Form1::Command4_Click);

  // The focus starts on the drawing, first in the tab order.
  Picture1->setFocus();
}

void Form1::Command1_Click() { showResults(CalculateInches(Text2->text().toStdString())); }

void Form1::Command4_Click() { showResults(CalculateCentimetres(Text2->text().toStdString())); }

void Form1::Command2_Click() { emit notesRequested(); }

void Form1::Command3_Click() { emit webLinkRequested(); }

void Form1::Text2_Click() {
  // Always with ".": the frequency box reads only "." as the decimal point,
  // so the shown value must compute the same frequency when used again.
  Text2->setText(QString::fromStdString(FormatDimension(LastFrequency())));
  // Selected, so that what the user types next replaces it.
  Text2->selectAll();
}

void Form1::showResults(const Calculation& calculation) {
  const std::string separator = QLocale().decimalPoint().toStdString();
  for (const BoxWrite& write : calculation) {
    QLineEdit* box = resultBox(write.box);
    box->setText(QString::fromStdString(FormatDimension(write.value, separator)));
    box->setCursorPosition(0);  // a value too long for its box shows its start
  }
  if (calculation.error) emit runTimeError(*calculation.error);
}

bool Form1::eventFilter(QObject* watched, QEvent* event) {
  // Every left click in the frequency box, including the one that places the
  // caret; entering it with Tab is no click.
  if (watched == Text2 && event->type() == QEvent::MouseButtonRelease &&
      static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
    watched->event(event);  // the box ends its own click (selection, drag) first
    Text2_Click();
    return true;
  }
  return QWidget::eventFilter(watched, event);
}
