#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Quennick developers
# SPDX-License-Identifier: GPL-3.0-or-later
# A whole session with the real program on a real X server (Xvfb and a window
# manager), from the keyboard, every field found by its accessible name over
# AT-SPI (tests/e2e/session.py): choose a rim and a hub, calculate, copy both
# results out through the clipboard, read and hear a lacing note and every label,
# clear, paste, open and close the About box, quit. Checks the lengths and the exit status.
#
#   session.sh EXE FIXTURES [TRACE]
#
# With TRACE, the program runs under strace and every file it opens for writing,
# creates, renames or removes is checked against the short list in
# tests/e2e/allowed-writes.txt. Run it inside xvfb-run; it starts a private
# session bus and the accessibility bus itself (common.sh).
source "$(dirname "$0")/common.sh"
trace=${3:-}
sums_before=$(cd "$work" && md5sum rims.txt hubs.txt)
start_window_manager

if [ -n "$trace" ]; then
  strace -f -qq -e trace=openat,open,creat,rename,renameat,renameat2,unlink,unlinkat,truncate,mkdir,mkdirat \
    -o "$trace" "$program" &
else
  "$program" &
fi
app=$!

/usr/bin/python3 "$here/session.py" || fail "the session did not go as it should"
wait_for_end
echo "exit status: $status"
[ "$status" = 0 ] || fail "exit status $status"
[ "$(cd "$work" && md5sum rims.txt hubs.txt)" = "$sums_before" ] || fail "a catalogue changed"

if [ -n "$trace" ]; then
  "$here/check-writes.sh" "$trace" "$here/allowed-writes.txt" || fail "the program wrote files"
fi
echo "PASS"
