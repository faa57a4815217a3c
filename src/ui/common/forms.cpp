#include "ui/common/forms.h"

#include <QPalette>
#include <QWidget>

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

Qt::Alignment horizontalAlignment(Align align) {
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

QFont defaultFont() { return designFont(kSansFace, 8.25); }

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
