#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Quennick developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Keeping a build with the real program on a real X server, driven over AT-SPI
# (tests/e2e/build_session.py): a session that saves a build through the file
# chooser and quits, under strace, which must show no write but the chosen
# file and its temporary sibling (allowed-writes.txt); then the program started
# with that file on its command line, which must show the same lengths.
#
#   build-session.sh EXE FIXTURES TRACE
source "$(dirname "$0")/common.sh"
trace=$3
start_window_manager
export QUENNICK_E2E_BUILD="$work/rear-wheel.quennick"

strace -f -qq -e trace=openat,open,creat,rename,renameat,renameat2,unlink,unlinkat,truncate,mkdir,mkdirat \
  -o "$trace" "$program" &
app=$!
/usr/bin/python3 "$here/build_session.py" || fail "saving the build did not go as it should"
wait_for_end
[ "$status" = 0 ] || fail "exit status $status after saving"
[ -f "$QUENNICK_E2E_BUILD" ] || fail "no build file"
"$here/check-writes.sh" "$trace" "$here/allowed-writes.txt" || fail "the program wrote other files"
grep -q 'rename(".*/\.rear-wheel\.quennick\.[A-Za-z0-9]\{6\}", ".*/rear-wheel\.quennick")' "$trace" \
  || fail "the build was not renamed into place"

"$program" "$QUENNICK_E2E_BUILD" &
app=$!
QUENNICK_E2E_STAGE=open /usr/bin/python3 "$here/build_session.py" \
  || fail "opening the build did not go as it should"
wait_for_end
[ "$status" = 0 ] || fail "exit status $status after opening"
echo "PASS"
