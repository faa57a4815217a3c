#pragma once

// The controls of the windows that behave differently from Qt's own widgets:
// text boxes that always show their whole text, the frequency box's click,
// buttons that Enter presses, and the web link.

#include <QFont>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace quill::ui {

// What counts as a click on the controls that react to one: a left press and
// a left release, both on the control.
class ClickRule {
 public:
  void press(const QMouseEvent* event);
  // Whether this release ends a click.
  bool release(const QWidget* control, const QMouseEvent* event);

 private:
  bool pressed_ = false;
};

// A single-line text box that shows its whole text. A QLineEdit scrolls a
// text wider than its room to the caret and stays scrolled, so a value can
// read as another ("0.47945" for 40.47945). This box keeps its size and its
// own font while the text fits, and otherwise shows the text in the same
// face made just narrow enough (and, past a legibility limit, just small
// enough) to fit. Losing the focus brings the first character back into view.
class TextBox : public QLineEdit {
  Q_OBJECT

 public:
  explicit TextBox(const QString& text, QWidget* parent = nullptr);

  // The font the box was designed with; font() is the one it shows in.
  QFont designFont() const { return designFont_; }
  void setDesignFont(const QFont& font);

  // The width the box leaves for its text, and whether `text` fits into it
  // in `font` without scrolling, by the rule QLineEdit itself applies: the
  // text, a 1-pixel caret and room for the font's widest overhangs.
  int textRoom() const;
  bool fits(const QString& text, const QFont& font) const;

 protected:
  void focusOutEvent(QFocusEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void changeEvent(QEvent* event) override;

 private:
  void fitText();

  QFont designFont_;
  bool fitting_ = false;
};

// The frequency box. A click is a left press and a release both inside the
// box; a drag that ends outside it is no click, and entering with Tab is none.
class FrequencyBox : public TextBox {
  Q_OBJECT

 public:
  using TextBox::TextBox;

 signals:
  void clicked();

 protected:
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;

 private:
  ClickRule click_;
};

// A push button that is pressed by Enter as well as Space when it has the
// focus, without being the window's default button.
class CommandButton : public QPushButton {
  Q_OBJECT

 public:
  explicit CommandButton(const QString& text, QWidget* parent = nullptr);

 protected:
  void keyPressEvent(QKeyEvent* event) override;
};

// A label that reacts to a click (a left press and release both on it) and
// offers screen readers a press action that does the same. It takes no
// keyboard focus.
class LinkLabel : public QLabel {
  Q_OBJECT

 public:
  explicit LinkLabel(const QString& text, QWidget* parent = nullptr);

 public slots:
  // What a click does, for keyboard-less presses (a screen reader's action).
  void click();

 signals:
  void clicked();

 protected:
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;

 private:
  ClickRule click_;
};

// Registers the screen-reader interfaces of LinkLabel, PictureBox and the
// windows built on a plain QWidget; the constructors of LinkLabel and
// PictureBox call it (every window has one or the other), and it runs once.
void ensureAccessibleInterfaces();

}  // namespace quill::ui
