#!/usr/bin/env bash
# Runs a command under displays of its own, started here and stopped when
# the command ends; exits with the command's status. Run by ctest.
#
#   with_display.sh wayland COMMAND...   a headless weston compositor:
#                                        WAYLAND_DISPLAY set, DISPLAY unset
#   with_display.sh x11 COMMAND...       an Xvfb X server:
#                                        DISPLAY set, WAYLAND_DISPLAY unset
#   with_display.sh both COMMAND...      both, as on a Wayland desktop with
#                                        XWayland
#
# QT_QPA_PLATFORM is cleared, so that the command chooses its window system
# as the program does; QUILL_TEST_EXPECT_PLATFORM says what it should get.
set -euo pipefail

kind=$1
shift
work=$(mktemp -d)
chmod 700 "$work"
servers=()
cleanup() {
  for pid in "${servers[@]}"; do
    kill "$pid" 2>/dev/null || true
    wait "$pid" 2>/dev/null || true
  done
  rm -rf "$work"
}
trap cleanup EXIT

logs() { cat "$work"/*.log >&2 2>/dev/null || true; }

# wait_for NAME TEST: up to 10 s for the shell test TEST to hold.
wait_for() {
  for _ in $(seq 200); do
    if eval "$2"; then return 0; fi
    sleep 0.05
  done
  echo "with_display.sh: the $1 server did not come up:" >&2
  logs
  return 1
}

start_wayland() {
  # The compositor's socket goes into a runtime folder of this run's own.
  export XDG_RUNTIME_DIR=$work
  weston --backend=headless-backend.so --socket=quill-test --width=1400 --height=1000 \
    --idle-time=0 --no-config >"$work/weston.log" 2>&1 &
  servers+=($!)
  wait_for weston '[ -S "$work/quill-test" ]'
  export WAYLAND_DISPLAY=quill-test
}

start_x11() {
  Xvfb -displayfd 3 -screen 0 1400x1000x24 -noreset -nolisten tcp \
    3>"$work/display" >"$work/xvfb.log" 2>&1 &
  servers+=($!)
  wait_for Xvfb '[ -s "$work/display" ]'
  export DISPLAY=:$(cat "$work/display")
}

# Under the sanitizers (script/sanitize), past the faults of the libraries a
# real display brings in: libxkbcommon-x11 hands strndup atom names without
# a terminating NUL, which only the strict string check minds; Mesa's EGL,
# loaded for an OpenGL that these windows never use, is unloaded at exit
# with its memory, which no suppression can name. The windows draw into
# shared memory either way.
if [ -n "${ASAN_OPTIONS:-}" ]; then
  export ASAN_OPTIONS="$ASAN_OPTIONS:strict_string_checks=0"
  export LSAN_OPTIONS="suppressions=$(dirname "$0")/lsan.supp${LSAN_OPTIONS:+:$LSAN_OPTIONS}"
  export QT_WAYLAND_CLIENT_BUFFER_INTEGRATION=none
fi

unset QT_QPA_PLATFORM WAYLAND_SOCKET DISPLAY WAYLAND_DISPLAY
case $kind in
  wayland) start_wayland; export QUILL_TEST_EXPECT_PLATFORM=wayland ;;
  x11) start_x11; export QUILL_TEST_EXPECT_PLATFORM=xcb ;;
  both) start_wayland; start_x11; export QUILL_TEST_EXPECT_PLATFORM=xcb ;;
  *)
    echo "usage: with_display.sh wayland|x11|both COMMAND..." >&2
    exit 2
    ;;
esac

status=0
"$@" || status=$?
if [ "$status" -ne 0 ]; then
  echo "with_display.sh: exit status $status; the servers said:" >&2
  logs
fi
exit "$status"
