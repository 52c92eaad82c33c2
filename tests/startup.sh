#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Quennick developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Start-up in hostile environments: when no window can open, one line that
# names what failed and status 1; and a run-time folder that does not exist is
# never made.
#
#   startup.sh EXE
set -uo pipefail
exe=$1
failures=0
checks=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }
tmp=$(mktemp -d /tmp/quennick-startup-XXXXXX)
trap 'rm -rf "$tmp"' EXIT
mkdir -m 700 "$tmp/run"

# name | environment (env arguments) | program arguments | what the one line must say
while IFS='|' read -r name envs args said; do
  [ -n "$name" ] || continue
  checks=$((checks + 1))
  # shellcheck disable=SC2086
  err=$(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM XDG_RUNTIME_DIR="$tmp/run" $envs \
    timeout 20 "$exe" $args 2>&1 >/dev/null)
  status=$?
  [ $status = 1 ] || fail "$name: status $status"
  [ "$(wc -l <<<"$err")" = 1 ] || fail "$name: more than one line: $err"
  grep -q "^quennick: cannot open a window: .*$said" <<<"$err" || fail "$name: said '$err'"
done <<'TABLE'
wayland_no_compositor|QT_QPA_PLATFORM=wayland||no Wayland compositor is running (WAYLAND_DISPLAY is unset)
wayland_socket_missing|QT_QPA_PLATFORM=wayland WAYLAND_DISPLAY=wayland-77||the Wayland display "wayland-77" could not be reached
wayland_then_x11|WAYLAND_DISPLAY=wayland-77||"wayland-77" could not be reached.*; DISPLAY is unset
x11_refuses|DISPLAY=:999||the X display ":999" could not be reached
no_such_platform|DISPLAY=:999|-platform bogus|Qt has no platform "bogus"
TABLE

# A run-time folder that does not exist is not made: Qt gets the fallback of a
# missing variable, in the temporary folder. Waits for either folder to appear.
checks=$((checks + 1))
env -u DISPLAY -u WAYLAND_DISPLAY QT_QPA_PLATFORM=offscreen TMPDIR="$tmp" \
  XDG_RUNTIME_DIR="$tmp/missing" "$exe" >/dev/null 2>&1 &
app=$!
for _ in $(seq 1 200); do
  compgen -G "$tmp/runtime-*" >/dev/null || [ -e "$tmp/missing" ] && break
  kill -0 $app 2>/dev/null || break
  sleep 0.05
done
kill $app 2>/dev/null
wait $app 2>/dev/null
[ ! -e "$tmp/missing" ] || fail "XDG_RUNTIME_DIR=$tmp/missing was made"
compgen -G "$tmp/runtime-*" >/dev/null || fail "no run-time folder in TMPDIR"

echo "$checks checks, $failures failure(s)"
[ $failures = 0 ] && echo PASS
