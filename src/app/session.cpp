#include "app/session.h"

#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>
#include <xcb/xcb.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <string_view>
#include <vector>

#include "app/version.h"

namespace quill::app {
namespace {

constexpr const char* kPlatformVariable = "QT_QPA_PLATFORM";
bool choiceSet = false;

std::string variable(const char* name) {
  const char* value = std::getenv(name);
  return value ? value : "";
}

// An X server answers on DISPLAY, with the access rights it asks for.
bool x11Reachable() {
  if (variable("DISPLAY").empty()) return false;
  xcb_connection_t* connection = xcb_connect(nullptr, nullptr);
  const bool reached = xcb_connection_has_error(connection) == 0;
  xcb_disconnect(connection);
  return reached;
}

// A Wayland compositor listens on WAYLAND_DISPLAY: a socket name in
// XDG_RUNTIME_DIR, or a path. A socket handed over in WAYLAND_SOCKET is taken
// as reachable; probing it would use it up.
bool waylandReachable() {
  if (!variable("WAYLAND_SOCKET").empty()) return true;
  const std::string name = variable("WAYLAND_DISPLAY");
  if (name.empty()) return false;
  std::string path = name;
  if (name.front() != '/') {
    const std::string runtime = variable("XDG_RUNTIME_DIR");
    if (runtime.empty()) return false;
    path = runtime + '/' + name;
  }
  sockaddr_un address{};
  address.sun_family = AF_UNIX;
  if (path.size() >= sizeof address.sun_path) return false;
  std::memcpy(address.sun_path, path.c_str(), path.size() + 1);
  const int fd = socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
  if (fd < 0) return false;
  const bool reached = connect(fd, reinterpret_cast<const sockaddr*>(&address), sizeof address) == 0;
  close(fd);
  return reached;
}

// Why one kind of display cannot be used, for the message.
std::string x11Reason() {
  const std::string display = variable("DISPLAY");
  return display.empty() ? "DISPLAY is not set" : "the X display \"" + display + "\" cannot be opened";
}

std::string waylandReason() {
  const std::string display = variable("WAYLAND_DISPLAY");
  return display.empty() ? "WAYLAND_DISPLAY is not set"
                         : "the Wayland display \"" + display + "\" cannot be reached";
}

int noDisplay(const std::string& why) {
  std::fprintf(stderr,
               QUILLCALC_NAME
               ": no display to open its windows on (%s); start it from a graphical desktop session, "
               "or set DISPLAY or WAYLAND_DISPLAY to a running one\n",
               why.c_str());
  return 1;
}

// The platform named with -platform or --platform, else QT_QPA_PLATFORM.
std::string requestedPlatform(int argc, char* argv[]) {
  for (int i = 1; i + 1 < argc; ++i) {
    const std::string_view arg = argv[i];
    if (arg == "-platform" || arg == "--platform") return argv[i + 1];
  }
  return variable(kPlatformVariable);
}

// Qt tries the plugins of a list such as "xcb;wayland" in turn; each may
// carry options after a colon.
std::vector<std::string> pluginNames(const std::string& platforms) {
  std::vector<std::string> names;
  std::size_t start = 0;
  while (start <= platforms.size()) {
    std::size_t end = platforms.find(';', start);
    if (end == std::string::npos) end = platforms.size();
    const std::string entry = platforms.substr(start, end - start);
    if (!entry.empty()) names.push_back(entry.substr(0, entry.find(':')));
    start = end + 1;
  }
  return names;
}

bool isWayland(const std::string& plugin) { return plugin.rfind("wayland", 0) == 0; }

// The user's own choice: fine if one of its X11 or Wayland plugins has its
// display; any other plugin (offscreen, vnc, eglfs) needs none of them.
std::optional<int> checkRequested(const std::string& platforms) {
  std::string why;
  for (const std::string& plugin : pluginNames(platforms)) {
    if (plugin == "xcb") {
      if (x11Reachable()) return std::nullopt;
      why += (why.empty() ? "" : ", ") + x11Reason();
    } else if (isWayland(plugin)) {
      if (waylandReachable()) return std::nullopt;
      why += (why.empty() ? "" : ", ") + waylandReason();
    } else {
      return std::nullopt;
    }
  }
  if (why.empty()) return std::nullopt;  // an empty list: Qt's default
  return noDisplay(std::string(kPlatformVariable) + " or -platform asks for " + platforms + ", but " + why);
}

void choose(const char* platform) {
  setenv(kPlatformVariable, platform, 1);
  choiceSet = true;
}

}  // namespace

std::optional<int> ChooseWindowSystem(int argc, char* argv[]) {
  const std::string requested = requestedPlatform(argc, argv);
  if (!requested.empty()) return checkRequested(requested);
  if (x11Reachable()) {
    choose("xcb");
  } else if (waylandReachable()) {
    choose("wayland");
  } else {
    return noDisplay(x11Reason() + ", " + waylandReason());
  }
  return std::nullopt;
}

void ForgetWindowSystemChoice() {
  if (choiceSet) unsetenv(kPlatformVariable);
  choiceSet = false;
}

}  // namespace quill::app
