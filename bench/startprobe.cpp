// Times a program's start-up as the X server sees it: from just before the
// program is started until its first top-level window is mapped, and until
// that window's whole area has been drawn (DAMAGE extension). Then closes the
// window as a window manager would (WM_DELETE_WINDOW) and waits for the
// program to end.
//
//   startprobe [--timeout SECONDS] -- PROGRAM [ARGS...]
//
// Prints one line: "map_ms M paint_ms P exit S maxrss_kb K". Exits 0 when the
// window was painted and the program ended by itself, 1 otherwise.
#include <poll.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <time.h>
#include <unistd.h>
#include <xcb/damage.h>
#include <xcb/xcb.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <map>
#include <memory>
#include <string>

namespace {

double now() {
  timespec t{};
  clock_gettime(CLOCK_MONOTONIC, &t);
  return t.tv_sec * 1e3 + t.tv_nsec / 1e6;
}

xcb_atom_t atom(xcb_connection_t* c, const char* name) {
  auto cookie = xcb_intern_atom(c, 0, static_cast<uint16_t>(std::strlen(name)), name);
  std::unique_ptr<xcb_intern_atom_reply_t, decltype(&std::free)> reply(
      xcb_intern_atom_reply(c, cookie, nullptr), &std::free);
  return reply ? reply->atom : xcb_atom_t{XCB_ATOM_NONE};
}

struct Tracked {
  int width = 0, height = 0;
  bool mapped = false;
};

int usage() {
  std::fprintf(stderr, "usage: startprobe [--timeout SECONDS] -- PROGRAM [ARGS...]\n");
  return 2;
}

}  // namespace

int main(int argc, char** argv) {
  double timeoutMs = 20000;
  int first = 1;
  for (; first < argc; ++first) {
    if (std::strcmp(argv[first], "--timeout") == 0 && first + 1 < argc) {
      timeoutMs = std::atof(argv[++first]) * 1000;
    } else if (std::strcmp(argv[first], "--") == 0) {
      ++first;
      break;
    } else {
      return usage();
    }
  }
  if (first >= argc) return usage();

  xcb_connection_t* c = xcb_connect(nullptr, nullptr);
  if (xcb_connection_has_error(c)) {
    std::fprintf(stderr, "startprobe: cannot open the display\n");
    return 2;
  }
  const xcb_query_extension_reply_t* damageExt = xcb_get_extension_data(c, &xcb_damage_id);
  if (!damageExt || !damageExt->present) {
    std::fprintf(stderr, "startprobe: the X server has no DAMAGE extension\n");
    return 2;
  }
  free(xcb_damage_query_version_reply(c, xcb_damage_query_version(c, 1, 1), nullptr));
  const uint8_t damageNotify = damageExt->first_event + XCB_DAMAGE_NOTIFY;
  const xcb_atom_t wmProtocols = atom(c, "WM_PROTOCOLS");
  const xcb_atom_t wmDelete = atom(c, "WM_DELETE_WINDOW");

  xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(c)).data->root;
  const uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
  xcb_void_cookie_t selected = xcb_change_window_attributes_checked(c, root, XCB_CW_EVENT_MASK, &mask);
  if (xcb_generic_error_t* e = xcb_request_check(c, selected)) {
    std::fprintf(stderr, "startprobe: cannot watch the root window (error %d)\n", e->error_code);
    return 2;
  }

  const double start = now();
  const pid_t child = fork();
  if (child < 0) return 2;
  if (child == 0) {
    close(xcb_get_file_descriptor(c));
    execvp(argv[first], argv + first);
    std::perror("startprobe: exec");
    _exit(127);
  }

  std::map<xcb_window_t, Tracked> windows;
  xcb_window_t shown = XCB_WINDOW_NONE;
  double mapMs = -1, paintMs = -1;
  int status = 0;
  bool exited = false;
  rusage usage{};

  pollfd fd{xcb_get_file_descriptor(c), POLLIN, 0};
  while (paintMs < 0 && now() - start < timeoutMs) {
    if (wait4(child, &status, WNOHANG, &usage) == child) {
      exited = true;
      break;
    }
    poll(&fd, 1, 5);
    while (xcb_generic_event_t* event = xcb_poll_for_event(c)) {
      const uint8_t type = event->response_type & 0x7f;
      const double t = now() - start;
      if (type == XCB_CREATE_NOTIFY) {
        auto* e = reinterpret_cast<xcb_create_notify_event_t*>(event);
        if (e->parent == root && !e->override_redirect) {
          windows[e->window] = {e->width, e->height, false};
          // Watch for drawing from the start, so that none is missed.
          xcb_damage_create(c, xcb_generate_id(c), e->window, XCB_DAMAGE_REPORT_LEVEL_BOUNDING_BOX);
          xcb_flush(c);
        }
      } else if (type == XCB_CONFIGURE_NOTIFY) {
        auto* e = reinterpret_cast<xcb_configure_notify_event_t*>(event);
        if (auto it = windows.find(e->window); it != windows.end()) {
          it->second.width = e->width;
          it->second.height = e->height;
        }
      } else if (type == XCB_MAP_NOTIFY) {
        auto* e = reinterpret_cast<xcb_map_notify_event_t*>(event);
        if (auto it = windows.find(e->window); it != windows.end() && shown == XCB_WINDOW_NONE) {
          it->second.mapped = true;
          shown = e->window;
          mapMs = t;
        }
      } else if (type == damageNotify) {
        auto* e = reinterpret_cast<xcb_damage_notify_event_t*>(event);
        auto it = windows.find(e->drawable);
        if (e->drawable == shown && it != windows.end() && e->area.x <= 0 && e->area.y <= 0 &&
            e->area.x + e->area.width >= it->second.width &&
            e->area.y + e->area.height >= it->second.height) {
          paintMs = t;
        }
      }
      std::free(event);
    }
    if (xcb_connection_has_error(c)) break;
  }

  if (paintMs >= 0) {
    // Close it the way a window manager's close button does.
    xcb_client_message_event_t close{};
    close.response_type = XCB_CLIENT_MESSAGE;
    close.format = 32;
    close.window = shown;
    close.type = wmProtocols;
    close.data.data32[0] = wmDelete;
    close.data.data32[1] = XCB_CURRENT_TIME;
    xcb_send_event(c, 0, shown, XCB_EVENT_MASK_NO_EVENT, reinterpret_cast<const char*>(&close));
    xcb_flush(c);
  }
  const double deadline = now() + 10000;
  while (!exited && now() < deadline) {
    if (wait4(child, &status, WNOHANG, &usage) == child) {
      exited = true;
    } else {
      usleep(2000);
    }
  }
  if (!exited) {
    kill(child, SIGKILL);
    wait4(child, &status, 0, &usage);
  }
  const int code = WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
  std::printf("map_ms %.2f paint_ms %.2f exit %d maxrss_kb %ld\n", mapMs, paintMs, code, usage.ru_maxrss);
  xcb_disconnect(c);
  return paintMs >= 0 && exited && code == 0 ? 0 : 1;
}
