#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Quennick developers
# SPDX-License-Identifier: GPL-3.0-or-later
# A whole session with the real program on a real X server (Xvfb and a window
# manager), from the keyboard, every field found by its accessible name over
# AT-SPI (tests/e2e/session.py): choose a rim and a hub, calculate, copy both
# results out through the clipboard, clear, paste, open and close the About box,
# quit. Checks the lengths and the exit status.
#
#   session.sh EXE FIXTURES [TRACE]
#
# With TRACE, the program runs under strace and every file it opens for writing,
# creates, renames or removes is checked against the short list in
# tests/e2e/allowed-writes.txt. Run it inside xvfb-run; it starts a private
# session bus and the accessibility bus itself.
set -euo pipefail
if [ -z "${QUENNICK_E2E_BUS:-}" ]; then
  export QUENNICK_E2E_BUS=1
  exec dbus-run-session -- "$0" "$@"
fi
exe=$1
fixtures=$2
trace=${3:-}
here=$(cd "$(dirname "$0")" && pwd)

work=$(mktemp -d /tmp/quennick-e2e-XXXXXX)
pids=()
cleanup() {
  for p in "${pids[@]}"; do kill "$p" 2>/dev/null || true; done
  rm -rf "$work"
}
trap cleanup EXIT
# The program looks for its catalogues beside its application folder, found
# from where its executable really lies: a copy, not a link.
mkdir -p "$work/Quennick/Contents/Linux"
cp "$(readlink -f "$exe")" "$work/Quennick/Contents/Linux/quennick"
cp "$fixtures/rims.txt" "$fixtures/hubs.txt" "$work/"
sums_before=$(cd "$work" && md5sum rims.txt hubs.txt)

# The accessibility bus, as a desktop session has it.
/usr/libexec/at-spi-bus-launcher --launch-immediately --a11y=1 >/dev/null 2>&1 &
pids+=($!)
for _ in $(seq 1 100); do
  dbus-send --session --print-reply --dest=org.a11y.Bus /org/a11y/bus org.a11y.Bus.GetAddress \
    >/dev/null 2>&1 && break
  sleep 0.05
done
/usr/libexec/at-spi2-registryd >/dev/null 2>&1 &
pids+=($!)
openbox >/dev/null 2>&1 &
pids+=($!)
# A window mapped while the window manager is still starting can be lost to
# it: wait until it announces itself on the root window.
for _ in $(seq 1 100); do
  xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id' && break
  sleep 0.05
done

# Qt registers with the accessibility bus only when asked to here; it must not
# be given the bus's address itself, or it never registers.
unset AT_SPI_BUS_ADDRESS
export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1
if [ -n "$trace" ]; then
  strace -f -qq -e trace=openat,open,creat,rename,renameat,renameat2,unlink,unlinkat,truncate,mkdir,mkdirat \
    -o "$trace" "$work/Quennick/Contents/Linux/quennick" &
else
  "$work/Quennick/Contents/Linux/quennick" &
fi
app=$!

fail() { echo "FAIL: $*"; kill "$app" 2>/dev/null || true; exit 1; }

/usr/bin/python3 "$here/session.py" || fail "the session did not go as it should"

status=0
for _ in $(seq 1 50); do
  kill -0 "$app" 2>/dev/null || break
  sleep 0.1
done
if kill -0 "$app" 2>/dev/null; then fail "the program did not end on Ctrl+Q"; fi
wait "$app" || status=$?
echo "exit status: $status"
[ "$status" = 0 ] || fail "exit status $status"
[ "$(cd "$work" && md5sum rims.txt hubs.txt)" = "$sums_before" ] || fail "a catalogue changed"

if [ -n "$trace" ]; then
  "$here/check-writes.sh" "$trace" "$here/allowed-writes.txt" || fail "the program wrote files"
fi
echo "PASS"
