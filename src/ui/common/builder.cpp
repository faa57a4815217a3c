#include "ui/common/builder.h"

#include <QLabel>
#include <QPlainTextEdit>
#include <QTextDocument>
#include <QTextOption>
#include <limits>

#include "ui/common/controls.h"
#include "ui/common/picturebox.h"

namespace quill::ui {
namespace {

// A small inset, so that three caption lines and the notes fit the boxes
// designed for them with a thin margin.
constexpr int kMultiLineMargin = 1;

// What every kind shares: its name, font, colours and accessible texts.
QWidget* finish(QWidget* widget, const ControlDesign& d) {
  widget->setObjectName(QString::fromLatin1(d.name));
  if (d.font) widget->setFont(designFont(d.font->face, d.font->points, d.font->bold));
  if (d.colour || d.background) {
    setTextColour(widget, d.colour ? QColor(d.colour) : QColor(),
                  d.background ? QColor(d.background) : QColor());
  }
  if (d.accessibleName) widget->setAccessibleName(QString::fromLatin1(d.accessibleName));
  if (d.accessibleDescription) widget->setAccessibleDescription(QString::fromLatin1(d.accessibleDescription));
  return widget;
}

// Fills in a single-line box of either kind.
QWidget* setUpTextBox(TextBox* out, const ControlDesign& d) {
  out->setDesignFont(defaultFont());  // the window's, unless the row names one
  out->setFrame(d.border);
  // The boxes take text of any length; QLineEdit would stop at 32767
  // characters and silently drop the rest of a paste.
  out->setMaxLength(std::numeric_limits<int>::max());
  out->setAlignment(horizontalAlignment(d.align) | Qt::AlignVCenter);
  out->setCursorPosition(0);
  return finish(out, d);
}

}  // namespace

QWidget* CreateControl(TextBox*& out, const ControlDesign& d) {
  return setUpTextBox(out = new TextBox(QString::fromLatin1(d.text)), d);
}

QWidget* CreateControl(FrequencyBox*& out, const ControlDesign& d) {
  return setUpTextBox(out = new FrequencyBox(QString::fromLatin1(d.text)), d);
}

QWidget* CreateControl(QPlainTextEdit*& out, const ControlDesign& d) {
  // Wraps at word boundaries, honours line breaks, has no scroll bars, and
  // lets Tab move the focus on instead of inserting a tab.
  out = new QPlainTextEdit(designText(d.text));
  if (!d.border) out->setFrameShape(QFrame::NoFrame);
  out->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  out->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  out->setLineWrapMode(QPlainTextEdit::WidgetWidth);
  out->setTabChangesFocus(true);
  QTextOption option = out->document()->defaultTextOption();
  option.setAlignment(horizontalAlignment(d.align));
  option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
  out->document()->setDefaultTextOption(option);
  out->document()->setDocumentMargin(kMultiLineMargin);
  out->moveCursor(QTextCursor::Start);
  return finish(out, d);
}

QWidget* CreateControl(CommandButton*& out, const ControlDesign& d) {
  return finish(out = new CommandButton(QString::fromLatin1(d.text)), d);
}

namespace {

QWidget* setUpLabel(QLabel* out, const ControlDesign& d) {
  out->setTextFormat(Qt::PlainText);
  out->setAlignment(horizontalAlignment(d.align) | Qt::AlignTop);
  out->setWordWrap(true);  // and clipped at the label's height
  out->setAutoFillBackground(true);
  // Labels take the system's button-text colour unless they name one.
  if (!d.colour) out->setForegroundRole(QPalette::ButtonText);
  return finish(out, d);
}

}  // namespace

QWidget* CreateControl(QLabel*& out, const ControlDesign& d) {
  return setUpLabel(out = new QLabel(QString::fromLatin1(d.text)), d);
}

QWidget* CreateControl(LinkLabel*& out, const ControlDesign& d) {
  return setUpLabel(out = new LinkLabel(QString::fromLatin1(d.text)), d);
}

QWidget* CreateControl(PictureBox*& out, const ControlDesign& d) {
  out = new PictureBox(QString::fromLatin1(d.text));
  return finish(out, d);
}

void PlaceControl(QWidget* container, QWidget* control, const ControlDesign& d) {
  control->setParent(container);
  control->setGeometry(
      pxRect(d.left, d.top, d.width, d.height).translated(container->contentsRect().topLeft()));
  // Labels are painted on the window's surface, under every box.
  if (qobject_cast<QLabel*>(control)) control->lower();
}

}  // namespace quill::ui
