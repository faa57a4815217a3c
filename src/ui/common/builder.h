#pragma once

// Builds a window's controls from its design table. Each row names the
// window's member that holds the control, and the member's type decides what
// kind of control is made: a row cannot build one kind and store another, and
// no control is looked up by name afterwards.

#include <QRgb>
#include <QWidget>
#include <type_traits>
#include <variant>

#include "ui/common/forms.h"

class QLabel;
class QPlainTextEdit;

namespace quill::ui {

class CommandButton;
class FrequencyBox;
class LinkLabel;
class PictureBox;
class TextBox;

struct FontSpec {
  const char* face;
  double points;
  bool bold = false;
};

// Where a control stands and how it looks, in the design's terms.
struct ControlDesign {
  const char* name;
  // A label's, box's or button's text ("\r\n" ends a line); a picture box's
  // drawing, as a resource path.
  const char* text;
  int left, top, width, height;  // twips, from the container's inner corner
  Align align = Align::Left;
  bool border = true;  // text boxes
  // 0: the system's colour for the kind of control (button text for labels,
  // window text on the window background for text boxes).
  QRgb colour = 0;
  QRgb background = 0;
  const FontSpec* font = nullptr;  // nullptr: the window's default font
  const char* accessibleName = nullptr;
  const char* accessibleDescription = nullptr;
};

// The member of `Window` that a row fills; its type is the kind of control.
// Single-line text boxes are TextBox (FrequencyBox for the one whose click
// counts), multi-line ones QPlainTextEdit.
template <class Window>
using ControlMember = std::variant<TextBox * Window::*, FrequencyBox * Window::*, QPlainTextEdit * Window::*,
                                   CommandButton * Window::*, QLabel * Window::*, LinkLabel * Window::*,
                                   PictureBox * Window::*>;

template <class Window>
struct Control {
  ControlMember<Window> member;
  ControlDesign design;
};

// One control of each kind, made and styled from its design.
QWidget* CreateControl(TextBox*& out, const ControlDesign& design);
QWidget* CreateControl(FrequencyBox*& out, const ControlDesign& design);
QWidget* CreateControl(QPlainTextEdit*& out, const ControlDesign& design);
QWidget* CreateControl(CommandButton*& out, const ControlDesign& design);
QWidget* CreateControl(QLabel*& out, const ControlDesign& design);
QWidget* CreateControl(LinkLabel*& out, const ControlDesign& design);
QWidget* CreateControl(PictureBox*& out, const ControlDesign& design);

// Puts `control` into `container` at its designed place, measured from the
// container's inner corner (inside a picture box's border).
void PlaceControl(QWidget* container, QWidget* control, const ControlDesign& design);

// Builds every row in table order into `window`, inside `container`, and
// chains the controls that take the focus into the tab order after `first`
// (nullptr: the first such control starts it). A row is any struct with
// `member` (a ControlMember<Window>) and `design`.
template <class Window, class Rows>
void BuildControls(Window& window, QWidget* container, const Rows& rows, QWidget* first = nullptr) {
  QWidget* previous = first;
  for (const auto& row : rows) {
    QWidget* control =
        std::visit([&](auto member) { return CreateControl(window.*member, row.design); }, row.member);
    PlaceControl(container, control, row.design);
    if (control->focusPolicy() & Qt::TabFocus) {
      if (previous) QWidget::setTabOrder(previous, control);
      previous = control;
    }
  }
}

}  // namespace quill::ui
