#include "ui/main/form1.h"

#include <QHash>
#include <QLineEdit>
#include <QLocale>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QPushButton>

#include "app/errors.h"
#include "app/windows.h"
#include "calc/format.h"
#include "ui/common/forms.h"
#include "ui/common/picturebox.h"
#include "ui/main/form1_design.h"

using namespace quill;
using namespace quill::ui;

namespace {

QWidget* createControl(const form1::ControlDesign& d) {
  QWidget* widget = nullptr;
  if (d.kind == form1::Kind::Button) {
    auto* button = new QPushButton(QString::fromLatin1(d.text));
    button->setAutoDefault(false);
    widget = button;
  } else if (d.multiLine) {
    auto* box = new QPlainTextEdit(designText(d.text));
    // A small inset, so three caption lines fit the boxes designed for them.
    styleMultiLine(box, d.border, d.align, 1);
    widget = box;
  } else {
    auto* box = new QLineEdit(QString::fromLatin1(d.text));
    styleLineEdit(box, d.border, d.align);
    box->setCursorPosition(0);
    widget = box;
  }
  widget->setObjectName(QString::fromLatin1(d.name));
  if (d.font) widget->setFont(designFont(d.font->face, d.font->points, d.font->bold));
  if (d.colour) setTextColour(widget, QColor(d.colour));
  if (d.accessibleName) widget->setAccessibleName(QString::fromLatin1(d.accessibleName));
  return widget;
}

}  // namespace

Form1::Form1(QWidget* parent) : QWidget(parent) {
  // A sizable tool window: narrow title bar with a close box only.
  setWindowFlags(Qt::Tool);
  // Tool windows do not end the program when closed; this one is the main
  // window, so it counts like any other.
  setAttribute(Qt::WA_QuitOnClose, true);
  setAttribute(Qt::WA_DeleteOnClose, true);
  setWindowTitle(QString::fromLatin1(form1::kTitle));
  setFont(defaultFont());
  resize(px(form1::kClientWidth), px(form1::kClientHeight));

  createControls();
  Text2->installEventFilter(this);
  connect(Command1, &QPushButton::clicked, this, &Form1::Command1_Click);
  connect(Command2, &QPushButton::clicked, this, &Form1::Command2_Click);
  connect(Command3, &QPushButton::clicked, this, &Form1::Command3_Click);
  connect(Command4, &QPushButton::clicked, this, &Form1::Command4_Click);

  // The focus starts on the drawing, first in the tab order.
  Picture1->setFocus();
}

void Form1::createControls() {
  Picture1 = new PictureBox(QStringLiteral(":/ui/main/antenna.svg"), this);
  Picture1->setObjectName(QStringLiteral("Picture1"));
  Picture1->setGeometry(0, 0, px(form1::kPictureWidth), px(form1::kPictureHeight));
  for (const form1::LineDesign& line : form1::kLines) {
    Picture1->addLine(QLine(px(line.x1), px(line.y1), px(line.x2), px(line.y2)));
  }

  QHash<QString, QWidget*> byName;
  QWidget* previous = Picture1;
  for (const form1::ControlDesign& d : form1::controls()) {
    QWidget* widget = createControl(d);
    Picture1->place(widget, pxRect(d.left, d.top, d.width, d.height));
    setTabOrder(previous, widget);
    previous = widget;
    byName.insert(widget->objectName(), widget);
  }

  auto line = [&](const char* name) { return static_cast<QLineEdit*>(byName.value(QLatin1String(name))); };
  auto multi = [&](const char* name) {
    return static_cast<QPlainTextEdit*>(byName.value(QLatin1String(name)));
  };
  auto button = [&](const char* name) {
    return static_cast<QPushButton*>(byName.value(QLatin1String(name)));
  };
  Text1 = line("Text1");
  Text2 = line("Text2");
  Text3 = multi("Text3");
  Command1 = button("Command1");
  Text4 = line("Text4");
  Text5 = line("Text5");
  Text6 = line("Text6");
  Text7 = line("Text7");
  Text8 = line("Text8");
  Text9 = line("Text9");
  Text10 = line("Text10");
  Text11 = line("Text11");
  Text12 = line("Text12");
  Text13 = multi("Text13");
  Text14 = line("Text14");
  Text15 = multi("Text15");
  Text16 = line("Text16");
  Text17 = line("Text17");
  Text18 = line("Text18");
  Text19 = line("Text19");
  Text20 = line("Text20");
  Text21 = line("Text21");
  Text22 = line("Text22");
  Text23 = line("Text23");
  Command2 = button("Command2");
  Command3 = button("Command3");
  Command4 = button("Command4");
}

QLineEdit* Form1::resultBox(ResultBox box) const {
  switch (box) {
    case ResultBox::Text4:
      return Text4;
    case ResultBox::Text5:
      return Text5;
    case ResultBox::Text6:
      return Text6;
    case ResultBox::Text7:
      return Text7;
    case ResultBox::Text8:
      return Text8;
    case ResultBox::Text9:
      return Text9;
    case ResultBox::Text10:
      return Text10;
    case ResultBox::Text11:
      return Text11;
    case ResultBox::Text12:
      return Text12;
    case ResultBox::Text14:
      return Text14;
    case ResultBox::Text17:
      return Text17;
    case ResultBox::Text19:
      return Text19;
    case ResultBox::Text21:
      return Text21;
    case ResultBox::Text23:
      return Text23;
  }
  return nullptr;
}

void Form1::Command1_Click() { showResults(CalculateInches(Text2->text().toStdString())); }

void Form1::Command4_Click() { showResults(CalculateCentimetres(Text2->text().toStdString())); }

void Form1::Command2_Click() { app::ShowNotesWindow(); }

void Form1::Command3_Click() { app::ShowWebLinkWindow(); }

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
  if (calculation.error) app::ReportRunTimeError(*calculation.error);
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
