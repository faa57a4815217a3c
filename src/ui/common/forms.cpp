#include "ui/common/forms.h"

#include <QLineEdit>
#include <QPalette>
#include <QPlainTextEdit>
#include <QTextDocument>
#include <QTextOption>
#include <limits>

namespace quill::ui {

void installFontSubstitutes() {
  // Without these, fontconfig falls back to DejaVu Sans, which is much wider
  // than the face the windows were laid out for.
  QFont::insertSubstitution(kSansFace, "Liberation Sans");
  QFont::insertSubstitution(kSerifFace, "Liberation Serif");
}

QFont designFont(const char* face, double points, bool bold) {
  // Asked for by the installed face's own name: a family fontconfig does not
  // have costs a fallback search per font at start-up.
  QFont font(QFont::substitute(QString::fromLatin1(face)));
  font.setPointSizeF(points);
  font.setBold(bold);
  font.setStyleHint(face == QLatin1String(kSerifFace) ? QFont::Serif : QFont::SansSerif);
  return font;
}

QString designText(const char* text) {
  return QString::fromLatin1(text).replace(QLatin1String("\r\n"), QLatin1String("\n"));
}

QFont defaultFont() { return designFont(kSansFace, 8.25); }

static Qt::Alignment horizontal(Align align) {
  switch (align) {
    case Align::Centre:
      return Qt::AlignHCenter;
    case Align::Right:
      return Qt::AlignRight;
    case Align::Left:
      break;
  }
  return Qt::AlignLeft;
}

void styleLineEdit(QLineEdit* box, bool border, Align align) {
  box->setFrame(border);
  // The boxes take text of any length; QLineEdit would stop at 32767
  // characters and silently drop the rest of a paste.
  box->setMaxLength(std::numeric_limits<int>::max());
  box->setAlignment(horizontal(align) | Qt::AlignVCenter);
}

void styleMultiLine(QPlainTextEdit* box, bool border, Align align, int margin) {
  if (!border) box->setFrameShape(QFrame::NoFrame);
  box->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  box->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  box->setLineWrapMode(QPlainTextEdit::WidgetWidth);
  box->setWordWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
  box->setTabChangesFocus(true);
  QTextOption option = box->document()->defaultTextOption();
  option.setAlignment(horizontal(align));
  option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
  box->document()->setDefaultTextOption(option);
  box->document()->setDocumentMargin(margin);
}

void setTextColour(QWidget* widget, const QColor& text, const QColor& background) {
  QPalette palette = widget->palette();
  if (text.isValid()) {
    palette.setColor(QPalette::Text, text);
    palette.setColor(QPalette::WindowText, text);
    palette.setColor(QPalette::ButtonText, text);
  }
  if (background.isValid()) {
    palette.setColor(QPalette::Base, background);
    palette.setColor(QPalette::Window, background);
  }
  widget->setPalette(palette);
}

}  // namespace quill::ui
