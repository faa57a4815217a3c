#pragma once

// What the X server itself says of the windows: their stacking order and
// where their client areas are on the screen. Only under the xcb platform.

#include <xcb/xcb.h>

#include <QGuiApplication>
#include <QPoint>
#include <QSize>
#include <QWidget>
#include <cstdint>
#include <cstdlib>

namespace quill::test {

inline xcb_connection_t* X11Connection() {
  auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
  return x11 ? x11->connection() : nullptr;
}

inline xcb_window_t RootOf(xcb_connection_t* c) {
  return xcb_setup_roots_iterator(xcb_get_setup(c)).data->root;
}

// Whether `upper` is stacked above `lower` among the screen's top-level windows.
inline bool IsAbove(const QWidget* upper, const QWidget* lower) {
  xcb_connection_t* c = X11Connection();
  if (!c) return false;
  xcb_query_tree_reply_t* tree = xcb_query_tree_reply(c, xcb_query_tree(c, RootOf(c)), nullptr);
  if (!tree) return false;
  const xcb_window_t* children = xcb_query_tree_children(tree);  // bottom to top
  int upperAt = -1, lowerAt = -1;
  for (int i = 0; i < xcb_query_tree_children_length(tree); ++i) {
    if (children[i] == upper->winId()) upperAt = i;
    if (children[i] == lower->winId()) lowerAt = i;
  }
  std::free(tree);
  return upperAt >= 0 && lowerAt >= 0 && upperAt > lowerAt;
}

// The top-left corner of a window's client area, in screen pixels.
inline QPoint ScreenPosition(const QWidget* window) {
  xcb_connection_t* c = X11Connection();
  if (!c) return {};
  xcb_translate_coordinates_reply_t* at = xcb_translate_coordinates_reply(
      c, xcb_translate_coordinates(c, window->winId(), RootOf(c), 0, 0), nullptr);
  if (!at) return {};
  const QPoint position(at->dst_x, at->dst_y);
  std::free(at);
  return position;
}

// The size a window manager must keep (WM_NORMAL_HINTS with equal minimum
// and maximum), or an invalid size where it may resize the window.
inline QSize FixedSizeHint(const QWidget* window) {
  xcb_connection_t* c = X11Connection();
  if (!c) return {};
  xcb_get_property_reply_t* hints = xcb_get_property_reply(
      c, xcb_get_property(c, 0, window->winId(), XCB_ATOM_WM_NORMAL_HINTS, XCB_ATOM_WM_SIZE_HINTS, 0, 18),
      nullptr);
  QSize fixed;
  // flags, x, y, width, height, min width, min height, max width, max height...
  if (hints && xcb_get_property_value_length(hints) >= 36) {
    const auto* words = static_cast<const uint32_t*>(xcb_get_property_value(hints));
    constexpr uint32_t kMinSize = 16, kMaxSize = 32;
    if ((words[0] & kMinSize) && (words[0] & kMaxSize) && words[5] == words[7] && words[6] == words[8]) {
      fixed = QSize(int(words[5]), int(words[6]));
    }
  }
  std::free(hints);
  return fixed;
}

// What the window lets a window manager offer for it (_MOTIF_WM_HINTS), as
// bits of kMotif*, or -1 where it says nothing.
inline constexpr long kMotifMinimize = 0x8, kMotifMaximize = 0x10, kMotifClose = 0x20;
inline long MotifFunctions(const QWidget* window) {
  xcb_connection_t* c = X11Connection();
  if (!c) return -1;
  static constexpr char name[] = "_MOTIF_WM_HINTS";
  xcb_intern_atom_reply_t* atom =
      xcb_intern_atom_reply(c, xcb_intern_atom(c, 1, sizeof name - 1, name), nullptr);
  if (!atom) return -1;
  xcb_get_property_reply_t* hints = xcb_get_property_reply(
      c, xcb_get_property(c, 0, window->winId(), atom->atom, XCB_GET_PROPERTY_TYPE_ANY, 0, 5), nullptr);
  std::free(atom);
  long functions = -1;
  // flags, functions, decorations, input mode, status; bit 0 of flags: functions given
  if (hints && xcb_get_property_value_length(hints) >= 8) {
    const auto* words = static_cast<const uint32_t*>(xcb_get_property_value(hints));
    if (words[0] & 0x1) functions = words[1];
  }
  std::free(hints);
  return functions;
}

}  // namespace quill::test
