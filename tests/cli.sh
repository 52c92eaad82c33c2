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
# Never the developer's own catalogues in ~/.local/share/quennick.
export XDG_DATA_HOME=/nonexistent/quennick-tests
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

# A meter file is read as the catalogues are, and its bad rows are named.
out=$(nodisplay "$exe" --check "$fixtures/meters"); status=$?
[ $status = 1 ] || fail "--check on a meter file: status $status"
grep -q "^  line ends: CR LF 4$\|line ends: CR LF 4" <<<"$out" || fail "--check: the meter file's line ends"
grep -q "Métre, 2,0 mm (kgf): 10,00→50,00 20,00→100,00$" <<<"$out" || fail "--check: the meter table"
grep -q "warning: line 4: the tension is not a number above 0" <<<"$out" || fail "--check: the bad meter row"

# Output that is lost is an error, as with ls: one line, status 2.
err=$(nodisplay "$exe" --version 2>&1 >&-); status=$?
[ $status = 2 ] && [ "$err" = "quennick: write error: Bad file descriptor" ] \
  || fail "--version to a closed output: status $status, '$err'"
err=$(nodisplay "$exe" --check "$examples" 2>&1 >/dev/full); status=$?
[ $status = 2 ] && [ "$err" = "quennick: write error: No space left on device" ] \
  || fail "--check to a full disk: status $status, '$err'"

# The user's own catalogues, found by XDG_DATA_HOME, and by HOME without it.
home=$(mktemp -d /tmp/quennick-cli-XXXXXX)
mkdir -p "$home/.local/share"
ln -s "$fixtures/user/quennick" "$home/.local/share/quennick"
out=$(XDG_DATA_HOME="$fixtures/user" nodisplay "$exe" --check); status=$?
grep -q "^rims.txt, your own: $fixtures/user/quennick/rims.txt$" <<<"$out" \
  && grep -q "^    line 2: My own road 622x19 | ERD 605,50$" <<<"$out" \
  || fail "--check found no catalogue by XDG_DATA_HOME: $(head -1 <<<"$out")"
out=$(unset XDG_DATA_HOME; HOME="$home" nodisplay "$exe" --check); status=$?
grep -q "^hubs.txt, your own: $home/.local/share/quennick/hubs.txt$" <<<"$out" \
  && grep -q "^    line 9: My own rear rear" <<<"$out" \
  || fail "--check found no catalogue by HOME: $(head -1 <<<"$out")"
out=$(XDG_DATA_HOME=relative HOME="$home" nodisplay "$exe" --check); status=$?
grep -q "^rims.txt, your own: $home/.local/share/quennick/rims.txt$" <<<"$out" \
  || fail "a relative XDG_DATA_HOME was not ignored: $(head -1 <<<"$out")"
rm -rf "$home"

err=$(nodisplay timeout 20 "$exe" 2>&1 >/dev/null); status=$?
[ $status = 1 ] || fail "no display: status $status"
[ "$(wc -l <<<"$err")" = 1 ] && grep -q "cannot open a window" <<<"$err" || fail "no display said: $err"
err=$(DISPLAY=:999 WAYLAND_DISPLAY= QT_QPA_PLATFORM= timeout 20 "$exe" 2>&1 >/dev/null); status=$?
[ $status = 1 ] || fail "a display that refuses: status $status"

echo "$((11 - failures)) checks passed, $failures failed"
[ $failures = 0 ] && echo PASS
