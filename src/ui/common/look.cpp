#include "ui/common/look.h"

#include <QApplication>
#include <QPointer>
#include <QStyle>
#include <QStyleFactory>
#include <QWidget>

namespace quill::ui {
namespace {

// One colour role in the active and inactive windows, and when disabled.
struct RoleColours {
  QPalette::ColorRole role;
  QRgb enabled;
  QRgb disabled;
};

// Fusion's light palette. Fusion hands out the desktop theme's palette
// instead where there is one, so the values are written down here.
constexpr RoleColours kLightScheme[] = {
    {QPalette::WindowText, 0x000000, 0xbebebe},
    {QPalette::Button, 0xefefef, 0xefefef},
    {QPalette::Light, 0xffffff, 0xffffff},
    {QPalette::Midlight, 0xcacaca, 0xcacaca},
    {QPalette::Dark, 0x9f9f9f, 0xbebebe},
    {QPalette::Mid, 0xb8b8b8, 0xb8b8b8},
    {QPalette::Text, 0x000000, 0xbebebe},
    {QPalette::BrightText, 0xffffff, 0xffffff},
    {QPalette::ButtonText, 0x000000, 0xbebebe},
    {QPalette::Base, 0xffffff, 0xefefef},
    {QPalette::Window, 0xefefef, 0xefefef},
    {QPalette::Shadow, 0x767676, 0xb1b1b1},
    // Fusion's blue is 3.7:1 behind white text; this one, a little darker,
    // is 4.7:1.
    {QPalette::Highlight, 0x2a7aad, 0x919191},
    {QPalette::HighlightedText, 0xffffff, 0xffffff},
    {QPalette::Link, 0x0000ff, 0x0000ff},
    {QPalette::LinkVisited, 0xff00ff, 0xff00ff},
    {QPalette::AlternateBase, 0xf7f7f7, 0xf7f7f7},
    {QPalette::ToolTipBase, 0xffffdc, 0xffffdc},
    {QPalette::ToolTipText, 0x000000, 0x000000},
};
// Black at half strength, as Fusion has it.
constexpr QRgb kPlaceholderText = qRgba(0, 0, 0, 128);

}  // namespace

QPalette DesignPalette() {
  QPalette palette;
  for (const RoleColours& c : kLightScheme) {
    palette.setColor(QPalette::Active, c.role, QColor(c.enabled));
    palette.setColor(QPalette::Inactive, c.role, QColor(c.enabled));
    palette.setColor(QPalette::Disabled, c.role, QColor(c.disabled));
  }
  palette.setColor(QPalette::PlaceholderText, QColor::fromRgba(kPlaceholderText));
  return palette;
}

QStyle* DesignStyle() {
  // Owned by the application, so that it goes with it; widgets that outlive
  // it fall back to the application's style.
  static QPointer<QStyle> style;
  if (!style) {
    style = QStyleFactory::create(QStringLiteral("Fusion"));
    style->setParent(qApp);
  }
  return style;
}

void UseDesignLook(QWidget* window) {
  // Every role is set, so nothing of the desktop's palette reaches the
  // window or, through it, its controls; a role the window set itself stays.
  QPalette palette = DesignPalette();
  const QPalette own = window->palette();
  for (int group = 0; group < QPalette::NColorGroups; ++group) {
    for (int role = 0; role < QPalette::NColorRoles; ++role) {
      const auto g = QPalette::ColorGroup(group);
      const auto r = QPalette::ColorRole(role);
      if (own.isBrushSet(g, r)) palette.setBrush(g, r, own.brush(g, r));
    }
  }
  window->setPalette(palette);

  // A widget's style reaches none of its children, so each gets it. A text
  // box works out the room its frame leaves as the style changes.
  QStyle* style = DesignStyle();
  window->setStyle(style);
  for (QWidget* widget : window->findChildren<QWidget*>()) {
    if (!widget->isWindow()) widget->setStyle(style);
  }
}

}  // namespace quill::ui
