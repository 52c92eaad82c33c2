# SPDX-FileCopyrightText: 2026 The Quennick developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Shared by the end-to-end sessions (session.sh, assistive.sh), which source it
# with the executable and the fixture folder as their first two arguments. It
# runs the calling script again under a private session bus, lays out the
# program beside a copy of the fixture catalogues in "$work", starts the
# accessibility bus, and offers the window manager and the wait for the end.
set -euo pipefail
if [ -z "${QUENNICK_E2E_BUS:-}" ]; then
  export QUENNICK_E2E_BUS=1
  exec dbus-run-session -- "$0" "$@"
fi
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)

work=$(mktemp -d /tmp/quennick-e2e-XXXXXX)
pids=()
cleanup() {
  for p in "${pids[@]}"; do kill "$p" 2>/dev/null || true; done
  rm -rf "$work"
}
trap cleanup EXIT
# The program looks for its catalogues beside its application folder, found
# from where its executable really lies: a copy, not a link.
program="$work/Quennick/Contents/Linux/quennick"
mkdir -p "$(dirname "$program")"
cp "$(readlink -f "$1")" "$program"
cp "$2/rims.txt" "$2/hubs.txt" "$work/"
# Never the developer's own catalogues in ~/.local/share/quennick: a user data
# folder of the session's own, with no catalogue in it.
export XDG_DATA_HOME="$work/data"

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
# Qt registers with the accessibility bus only when asked to here; it must not
# be given the bus's address itself, or it never registers.
unset AT_SPI_BUS_ADDRESS
export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1

# Starts openbox and waits until it announces itself on the root window: a
# window mapped while the window manager is still starting can be lost to it.
start_window_manager() {
  openbox >/dev/null 2>&1 &
  pids+=($!)
  for _ in $(seq 1 100); do
    xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id' && break
    sleep 0.05
  done
}

fail() { echo "FAIL: $*"; kill "${app:-}" 2>/dev/null || true; exit 1; }

# Waits up to 5 s for the program ($app) to end after the session told it to;
# sets $status to its exit status.
wait_for_end() {
  status=0
  for _ in $(seq 1 50); do
    kill -0 "$app" 2>/dev/null || break
    sleep 0.1
  done
  if kill -0 "$app" 2>/dev/null; then fail "the program did not end when told to"; fi
  wait "$app" || status=$?
}
