#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Quennick developers
# SPDX-License-Identifier: GPL-3.0-or-later
# The program worked by assistive technology alone (tests/e2e/actions.py: AT-SPI
# actions on controls found by their accessible names), on X11 with a window
# manager, or with "wayland" under the weston compositor on Qt's wayland
# platform. Run it inside xvfb-run; it starts a private session bus, the
# accessibility bus and, for Wayland, weston as a window of that X server.
#
#   assistive.sh EXE FIXTURES [x11|wayland] [SCREENSHOT.png]
#
# With SCREENSHOT, the screen is saved while the About box is open.
source "$(dirname "$0")/common.sh"
platform=${3:-x11}
shot=${4:-}

if [ "$platform" = wayland ]; then
  # weston needs a run-time folder of its own for its socket.
  export XDG_RUNTIME_DIR="$work/run"
  mkdir -m 700 "$XDG_RUNTIME_DIR"
  # Software rendering: with GL, weston's X11 output spins a core on Xvfb. Its
  # X11 back end now and then fails to connect to a busy server at once: it
  # is given three tries.
  for _ in 1 2 3; do
    weston --backend=x11-backend.so --use-pixman --shell=kiosk-shell.so --socket=quennick-0 \
      --width=1024 --height=768 --idle-time=0 --log="$work/weston.log" &
    weston=$!
    for _ in $(seq 1 600); do
      [ -S "$XDG_RUNTIME_DIR/quennick-0" ] && break
      kill -0 "$weston" 2>/dev/null || break
      sleep 0.05
    done
    [ -S "$XDG_RUNTIME_DIR/quennick-0" ] && break
    sleep 0.5
  done
  pids+=($weston)
  [ -S "$XDG_RUNTIME_DIR/quennick-0" ] || { echo "FAIL: weston did not start"; cat "$work/weston.log"; exit 1; }
  export WAYLAND_DISPLAY=quennick-0 QT_QPA_PLATFORM=wayland
  # Qt's Wayland input method support crashes when a compositor offers no
  # input device; the program takes no composed input in this session anyway.
  export QT_IM_MODULE=none
else
  export QT_QPA_PLATFORM=xcb
  start_window_manager
fi

"$program" 2>"$work/stderr" &
app=$!

QUENNICK_SHOT="$shot" /usr/bin/python3 "$here/actions.py" ||
  { cat "$work/stderr"; fail "the assistive session did not go as it should"; }
wait_for_end
echo "platform: $platform, exit status: $status"
[ "$status" = 0 ] || fail "exit status $status"
if grep -v -E 'XDG_RUNTIME_DIR|^$' "$work/stderr" | grep -q .; then
  echo "the program said:"; cat "$work/stderr"
fi
echo "PASS"
