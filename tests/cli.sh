#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Quennick developers
# SPDX-License-Identifier: GPL-3.0-or-later
# The command line without a display: --help, --version, --check on the
# examples and on a broken catalogue, and a plain one-line failure when no
# display can be reached.
#
#   cli.sh EXE EXAMPLES FIXTURES
set -uo pipefail
exe=$1
examples=$2
fixtures=$3
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }
nodisplay() { env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$@"; }

out=$(nodisplay "$exe" --help); status=$?
[ $status = 0 ] && grep -q -- "--check" <<<"$out" || fail "--help: status $status"
out=$(nodisplay "$exe" --version); status=$?
[ $status = 0 ] && grep -qx "quennick [0-9.]*" <<<"$out" || fail "--version: '$out'"

out=$(nodisplay "$exe" --check "$examples"); status=$?
[ $status = 0 ] || fail "--check on the examples: status $status"
grep -q "^26 record(s), 0 warning(s)\.$" <<<"$out" || fail "--check on the examples: $(tail -1 <<<"$out")"

out=$(nodisplay "$exe" --check "$fixtures/broken"); status=$?
[ $status = 2 ] || fail "--check on a broken folder: status $status"
grep -q "warning: line 4: field 1 (ERD) is not a number" <<<"$out" || fail "--check names no line"

err=$(nodisplay timeout 20 "$exe" 2>&1 >/dev/null); status=$?
[ $status = 1 ] || fail "no display: status $status"
[ "$(wc -l <<<"$err")" = 1 ] && grep -q "cannot open a window" <<<"$err" || fail "no display said: $err"
err=$(DISPLAY=:999 WAYLAND_DISPLAY= QT_QPA_PLATFORM= timeout 20 "$exe" 2>&1 >/dev/null); status=$?
[ $status = 1 ] || fail "a display that refuses: status $status"

echo "$((6 - failures)) checks passed, $failures failed"
[ $failures = 0 ] && echo PASS
