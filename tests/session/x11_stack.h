#pragma once

// What the X server itself says of the windows: their stacking order and
// where their client areas are on the screen. Only under the xcb platform.

#include <xcb/xcb.h>

#include <QGuiApplication>
#include <QPoint>
#include <QWidget>
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

}  // namespace quill::test
