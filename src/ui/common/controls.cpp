#include "ui/common/controls.h"

#include <QAccessibleWidget>
#include <QFocusEvent>
#include <QFontMetricsF>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QStyle>
#include <QStyleOptionFrame>
#include <algorithm>
#include <cmath>

#include "ui/common/picturebox.h"

namespace quill::ui {
namespace {

// QLineEdit keeps this many pixels free on each side of its text, inside
// the room its frame and text margins leave.
constexpr int kLineEditMargin = 2;
// QLineEdit draws its text 2 pixels further in than the design's boxes did;
// these text margins give the room back (the text keeps clear of the
// frame: QLineEdit still reserves the font's overhangs).
constexpr int kTextMarginGain = 2;
// The caret QLineEdit reserves beside the text.
constexpr int kCaretWidth = 1;
// Narrower than this, digits begin to merge at the design's 11-pixel size;
// a text that still does not fit is made smaller as well, down to the size
// below which it cannot be read at all. Beyond that it scrolls as usual.
constexpr int kMinStretch = 50;
constexpr qreal kMinPoints = 6.0;
constexpr qreal kPointStep = 0.25;

// What a screen reader sees of the controls Qt has no interface for: the
// link as a link with a press action, a picture box as a picture, and the
// windows as windows.
class LinkLabelAccessible : public QAccessibleWidget {
 public:
  explicit LinkLabelAccessible(LinkLabel* label) : QAccessibleWidget(label, QAccessible::Link) {}

  QString text(QAccessible::Text t) const override {
    const QString own = QAccessibleWidget::text(t);
    if (own.isEmpty() && (t == QAccessible::Name || t == QAccessible::Value)) {
      return static_cast<const LinkLabel*>(widget())->text();
    }
    return own;
  }
  QStringList actionNames() const override { return {pressAction()}; }
  void doAction(const QString& action) override {
    // Queued: the press may show a message box, which must not run inside
    // the screen reader's call.
    if (action == pressAction()) QMetaObject::invokeMethod(widget(), "click", Qt::QueuedConnection);
  }
};

// A window built on a plain QWidget, as every window of the program is. Qt
// describes it as a client area, which screen readers list as a "filler" and
// do not announce when it opens or takes the focus; it is a frame, or a
// dialog where it has a dialog's frame.
class WindowAccessible : public QAccessibleWidget {
 public:
  explicit WindowAccessible(QWidget* window) : QAccessibleWidget(window) {}

  QAccessible::Role role() const override {
    if (!widget()->isWindow()) return QAccessibleWidget::role();
    return widget()->windowType() == Qt::Dialog ? QAccessible::Dialog : QAccessible::Window;
  }
};

QAccessibleInterface* accessibleFactory(const QString& className, QObject* object) {
  if (className == QLatin1String(LinkLabel::staticMetaObject.className())) {
    return new LinkLabelAccessible(static_cast<LinkLabel*>(object));
  }
  if (className == QLatin1String(PictureBox::staticMetaObject.className())) {
    return new QAccessibleWidget(static_cast<QWidget*>(object), QAccessible::Graphic);
  }
  // Asked for last, once no class between the window's own and QWidget has
  // an interface of its own (QDialog, QMainWindow and the like do).
  if (className == QLatin1String("QWidget") && object->isWidgetType() &&
      static_cast<QWidget*>(object)->isWindow()) {
    return new WindowAccessible(static_cast<QWidget*>(object));
  }
  return nullptr;
}

}  // namespace

void ClickRule::press(const QMouseEvent* event) {
  if (event->button() == Qt::LeftButton) pressed_ = true;
}

bool ClickRule::release(const QWidget* control, const QMouseEvent* event) {
  if (event->button() != Qt::LeftButton) return false;
  const bool click = pressed_ && control->rect().contains(event->position().toPoint());
  pressed_ = false;
  return click;
}

void ensureAccessibleInterfaces() {
  static const bool installed = [] {
    QAccessible::installFactory(accessibleFactory);
    return true;
  }();
  (void)installed;
}

// ---- TextBox

TextBox::TextBox(const QString& text, QWidget* parent) : QLineEdit(text, parent), designFont_(font()) {
  setTextMargins(-kTextMarginGain, 0, -kTextMarginGain, 0);
  connect(this, &QLineEdit::textChanged, this, &TextBox::fitText);
  fitText();
}

void TextBox::setDesignFont(const QFont& font) {
  designFont_ = font;
  fitText();
}

int TextBox::textRoom() const {
  QStyleOptionFrame option;
  initStyleOption(&option);
  const QRect contents = style()->subElementRect(QStyle::SE_LineEditContents, &option, this);
  return contents.marginsRemoved(textMargins()).width() - 2 * kLineEditMargin;
}

namespace {

// The room QLineEdit keeps for the font's widest overhangs on either side.
int overhangs(const QFont& font, const QWidget* box) {
  const QFontMetrics metrics(font, box);
  return std::max(0, -metrics.minLeftBearing()) + std::max(0, -metrics.minRightBearing());
}

}  // namespace

bool TextBox::fits(const QString& text, const QFont& font) const {
  const qreal width = QFontMetricsF(font, this).horizontalAdvance(text);
  return overhangs(font, this) + static_cast<int>(std::ceil(width)) + kCaretWidth <= textRoom();
}

void TextBox::fitText() {
  if (fitting_) return;
  fitting_ = true;
  const QString shown = text();
  QFont font = designFont_;
  if (!fits(shown, font)) {
    // The widest stretch that fits, no wider than the text's proportion of
    // the room. Every stretch tried loads a font of its own (a fontconfig
    // match each, the most expensive step of start-up after the font
    // database): the width shrinks in proportion to the stretch, give or
    // take the rounding of each glyph, and so do the overhangs, so the first
    // guess takes both into account and is then moved by single steps.
    const qreal width = std::max<qreal>(QFontMetricsF(font, this).horizontalAdvance(shown), 1);
    const int widest = std::clamp(static_cast<int>(100 * textRoom() / width), kMinStretch, 99);
    const int guess = static_cast<int>(100 * (textRoom() - kCaretWidth) / (width + overhangs(font, this)));
    const auto fitsAt = [&](int stretch) {
      QFont narrower = font;
      narrower.setStretch(stretch);
      return fits(shown, narrower);
    };
    int stretch = std::clamp(guess, kMinStretch, widest);
    if (fitsAt(stretch)) {
      while (stretch < widest && fitsAt(stretch + 1)) ++stretch;
    } else {
      while (stretch > kMinStretch && !fitsAt(stretch - 1)) --stretch;
      if (stretch > kMinStretch) --stretch;
    }
    font.setStretch(stretch);
    for (qreal points = font.pointSizeF(); !fits(shown, font) && points - kPointStep >= kMinPoints;) {
      points -= kPointStep;
      font.setPointSizeF(points);
    }
  }
  if (font != QWidget::font()) setFont(font);
  fitting_ = false;
}

void TextBox::focusOutEvent(QFocusEvent* event) {
  QLineEdit::focusOutEvent(event);
  // A context menu takes the focus for a moment; anything else leaves the
  // box showing its text from the start, as designed.
  if (event->reason() != Qt::PopupFocusReason) setCursorPosition(0);
}

void TextBox::resizeEvent(QResizeEvent* event) {
  QLineEdit::resizeEvent(event);
  fitText();
}

void TextBox::changeEvent(QEvent* event) {
  QLineEdit::changeEvent(event);
  if (fitting_) return;
  if (event->type() == QEvent::FontChange) {
    designFont_ = font();
    fitText();
  } else if (event->type() == QEvent::StyleChange) {
    fitText();
  }
}

// ---- FrequencyBox

void FrequencyBox::mousePressEvent(QMouseEvent* event) {
  TextBox::mousePressEvent(event);
  click_.press(event);
}

void FrequencyBox::mouseReleaseEvent(QMouseEvent* event) {
  // The box ends its own click (caret, selection, drag) first.
  TextBox::mouseReleaseEvent(event);
  if (click_.release(this, event)) emit clicked();
}

// ---- CommandButton

CommandButton::CommandButton(const QString& text, QWidget* parent) : QPushButton(text, parent) {
  // No button is the window's default button; Enter presses the focused one.
  setAutoDefault(false);
  setDefault(false);
}

void CommandButton::keyPressEvent(QKeyEvent* event) {
  const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
  if (enter && !event->isAutoRepeat() && (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier) {
    click();
    event->accept();
    return;
  }
  QPushButton::keyPressEvent(event);
}

// ---- LinkLabel

LinkLabel::LinkLabel(const QString& text, QWidget* parent) : QLabel(text, parent) {
  ensureAccessibleInterfaces();
  setFocusPolicy(Qt::NoFocus);
}

void LinkLabel::click() { emit clicked(); }

void LinkLabel::mousePressEvent(QMouseEvent* event) {
  QLabel::mousePressEvent(event);
  click_.press(event);
  event->accept();  // the label, not the window, receives the release
}

void LinkLabel::mouseReleaseEvent(QMouseEvent* event) {
  QLabel::mouseReleaseEvent(event);
  if (click_.release(this, event)) emit clicked();
}

}  // namespace quill::ui
