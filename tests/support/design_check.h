#pragma once

// Checks a window's controls against its design written out in the test:
// place and size in twips, text, font, colours, alignment, border and tab
// order. The numbers are the design's own, typed into the test, never read
// from the table the program builds its windows from, so that a slip in
// that table fails here.

#include <QApplication>
#include <QFontInfo>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRgb>
#include <QTest>
#include <QTextDocument>
#include <QWidget>
#include <span>

#include "gui_support.h"
#include "ui/common/controls.h"

namespace quill::test {

// What kind of control a row is, with or without a border.
enum class Kind {
  Box,        // single-line text box with the sunken border
  FlatBox,    // single-line text box without a border
  Lines,      // multi-line text box with the sunken border
  FlatLines,  // multi-line text box without a border
  Button,
  Label,
  Link,  // a label that is clicked
  Picture,
};

struct Font {
  const char* family;  // as fontconfig resolves it
  double points;
  bool bold = false;
};

// The colour of the window's scheme (the system's, unless the window sets
// one of its own) for the control's role.
inline constexpr QRgb kSystem = 0;

struct Designed {
  const char* name;
  Kind kind;
  int tab;                       // tab index: the order Tab moves in; labels take no focus
  const char* text;              // as shown; "\r\n" ends a line; nullptr for a picture
  int left, top, width, height;  // twips, from the container's inner corner
  Qt::Alignment align;           // horizontal; {} for buttons and pictures
  Font font;
  QRgb colour = kSystem;  // of the text
  QRgb background = kSystem;
};

inline constexpr int kTwipsPerPixel = 15;

// The control's place in twips, from its container's inner corner.
inline QRect Twips(const QWidget* w) {
  const QRect g = w->geometry().translated(-w->parentWidget()->contentsRect().topLeft());
  return {g.x() * kTwipsPerPixel, g.y() * kTwipsPerPixel, g.width() * kTwipsPerPixel,
          g.height() * kTwipsPerPixel};
}

// Gives `window` a colour scheme unlike any a design names, for as long as
// it lives: the scheme the window's controls take their "system" colours from
// (the application's, or one the window sets for itself).
class SystemColours {
 public:
  explicit SystemColours(QWidget* window) : window_(window), saved_(window->palette()) {
    QPalette unusual = saved_;
    int shade = 0;
    for (QPalette::ColorRole role : {QPalette::WindowText, QPalette::Button, QPalette::Text, QPalette::Base,
                                     QPalette::Window, QPalette::ButtonText}) {
      unusual.setColor(role, QColor(0x30 + 0x10 * shade++, 0x50, 0x70));
    }
    window_->setPalette(unusual);
    QCoreApplication::processEvents();  // the controls take it up from their event queue
  }
  ~SystemColours() {
    window_->setPalette(saved_);
    QCoreApplication::processEvents();
  }
  SystemColours(const SystemColours&) = delete;
  SystemColours& operator=(const SystemColours&) = delete;

 private:
  QWidget* window_;
  const QPalette saved_;
};

// Checks row `index` of `design` against the control of that name in `window`.
inline void VerifyDesigned(QWidget* window, std::span<const Designed> design, qsizetype index) {
  const Designed& d = design[index];
  QWidget* w = window->findChild<QWidget*>(QString::fromLatin1(d.name));
  QVERIFY2(w, d.name);
  QCOMPARE(Twips(w), QRect(d.left, d.top, d.width, d.height));

  auto* line = qobject_cast<ui::TextBox*>(w);
  auto* lines = qobject_cast<QPlainTextEdit*>(w);
  const QString text = QString::fromLatin1(d.text).replace(QLatin1String("\r\n"), QLatin1String("\n"));
  switch (d.kind) {
    case Kind::Box:
    case Kind::FlatBox:
      QVERIFY(line);
      QCOMPARE(line->text(), text);
      QCOMPARE(line->hasFrame(), d.kind == Kind::Box);
      QCOMPARE(line->alignment() & Qt::AlignHorizontal_Mask, d.align);
      break;
    case Kind::Lines:
    case Kind::FlatLines:
      QVERIFY(lines);
      QCOMPARE(lines->toPlainText(), text);
      QCOMPARE(lines->frameShape() != QFrame::NoFrame, d.kind == Kind::Lines);
      QCOMPARE(lines->document()->defaultTextOption().alignment() & Qt::AlignHorizontal_Mask, d.align);
      break;
    case Kind::Button:
      QVERIFY(qobject_cast<QPushButton*>(w));
      QCOMPARE(qobject_cast<QPushButton*>(w)->text(), text);
      break;
    case Kind::Label:
    case Kind::Link:
      QVERIFY(qobject_cast<QLabel*>(w));
      QCOMPARE(qobject_cast<QLabel*>(w)->text(), text);
      QCOMPARE(qobject_cast<QLabel*>(w)->alignment() & Qt::AlignHorizontal_Mask, d.align);
      QCOMPARE(w->inherits("quill::ui::LinkLabel"), d.kind == Kind::Link);
      // The system's colour for a label is the button text's.
      if (d.colour == kSystem) QCOMPARE(w->foregroundRole(), QPalette::ButtonText);
      break;
    case Kind::Picture:
      QVERIFY(w->inherits("quill::ui::PictureBox"));
      break;
  }

  // A text box may show its text in a narrowed face to fit; it is designed
  // in this one.
  const QFont font = line ? line->designFont() : w->font();
  QCOMPARE(QFontInfo(font).family(), QString::fromLatin1(d.font.family));
  QCOMPARE(font.pointSizeF(), d.font.points);
  QCOMPARE(font.bold(), d.font.bold);

  // Under a scheme unlike any of the design's colours, a control that takes
  // the scheme's colour shows it and one with a colour of its own keeps that.
  const SystemColours unusual(window);
  // A multi-line box paints its text and ground in its viewport.
  const QWidget* painted = lines ? lines->viewport() : w;
  const QPalette system = window->palette();
  const QPalette::ColorRole textRole = painted->foregroundRole(), groundRole = painted->backgroundRole();
  QCOMPARE(painted->palette().color(textRole),
           d.colour == kSystem ? system.color(textRole) : QColor::fromRgb(d.colour));
  QCOMPARE(painted->palette().color(groundRole),
           d.background == kSystem ? system.color(groundRole) : QColor::fromRgb(d.background));

  // Tab moves on to the control with the next tab index that takes the
  // focus, and from the last back to the first.
  if (d.kind == Kind::Label || d.kind == Kind::Link) {
    QCOMPARE(w->focusPolicy(), Qt::NoFocus);
    return;
  }
  const auto takesFocus = [](const Designed& r) { return r.kind != Kind::Label && r.kind != Kind::Link; };
  const Designed* next = nullptr;
  const Designed* first = nullptr;
  for (const Designed& r : design) {
    if (!takesFocus(r)) continue;
    if (!first || r.tab < first->tab) first = &r;
    if (r.tab > d.tab && (!next || r.tab < next->tab)) next = &r;
  }
  QCOMPARE(NextTabStop(w)->objectName(), QString::fromLatin1((next ? next : first)->name));
}

}  // namespace quill::test
