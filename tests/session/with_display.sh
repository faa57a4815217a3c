#!/usr/bin/env bash
# Runs a command under a display of its own, started here and stopped when
# the command ends; exits with the command's status. Run by ctest.
#
#   with_display.sh wayland COMMAND...   a headless weston compositor:
#                                        WAYLAND_DISPLAY set, DISPLAY unset
#   with_display.sh x11 COMMAND...       an Xvfb X server:
#                                        DISPLAY set, WAYLAND_DISPLAY unset
#
# QT_QPA_PLATFORM is cleared, so that the command chooses its window system
# as the program does; QUILL_TEST_EXPECT_PLATFORM tells it what it should get.
set -euo pipefail

kind=$1
shift
work=$(mktemp -d)
chmod 700 "$work"
server=
cleanup() {
  if [ -n "$server" ]; then
    kill "$server" 2>/dev/null || true
    wait "$server" 2>/dev/null || true
  fi
  rm -rf "$work"
}
trap cleanup EXIT

# wait_for TEST: up to 10 s for `test` to hold.
wait_for() {
  for _ in $(seq 200); do
    if eval "$1"; then return 0; fi
    if ! kill -0 "$server" 2>/dev/null; then break; fi
    sleep 0.05
  done
  echo "with_display.sh: the $kind display did not come up:" >&2
  cat "$work/server.log" >&2
  return 1
}

unset QT_QPA_PLATFORM WAYLAND_SOCKET
case $kind in
  wayland)
    # The compositor's sockets go into a runtime folder of this run's own.
    export XDG_RUNTIME_DIR=$work
    weston --backend=headless-backend.so --socket=quill-test --width=1400 --height=1000 \
      --idle-time=0 --no-config >"$work/server.log" 2>&1 &
    server=$!
    wait_for '[ -S "$work/quill-test" ]'
    unset DISPLAY
    export WAYLAND_DISPLAY=quill-test QUILL_TEST_EXPECT_PLATFORM=wayland
    ;;
  x11)
    Xvfb -displayfd 3 -screen 0 1400x1000x24 -noreset -nolisten tcp \
      3>"$work/display" >"$work/server.log" 2>&1 &
    server=$!
    wait_for '[ -s "$work/display" ]'
    unset WAYLAND_DISPLAY
    export DISPLAY=:$(cat "$work/display") QUILL_TEST_EXPECT_PLATFORM=xcb
    ;;
  *)
    echo "usage: with_display.sh wayland|x11 COMMAND..." >&2
    exit 2
    ;;
esac

status=0
"$@" || status=$?
if [ "$status" -ne 0 ]; then
  echo "with_display.sh: exit status $status; the $kind server said:" >&2
  cat "$work/server.log" >&2
fi
exit "$status"
