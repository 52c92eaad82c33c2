#!/usr/bin/env bash
# A whole session with the real program on a real X server (Xvfb and a window
# manager), from the keyboard alone: choose a rim and a hub, calculate, copy both
# results out through the clipboard, clear, paste, open and close the About box,
# quit. Checks the lengths and the exit status.
#
#   session.sh EXE FIXTURES [TRACE]
#
# With TRACE, the program runs under strace and every file it opens for writing,
# creates, renames or removes is checked against the short list in
# tests/e2e/allowed-writes.txt. Run it inside xvfb-run.
set -euo pipefail
exe=$1
fixtures=$2
trace=${3:-}
here=$(cd "$(dirname "$0")" && pwd)

work=$(mktemp -d /tmp/quennick-e2e-XXXXXX)
trap 'rm -rf "$work"' EXIT
# The program looks for its catalogues beside its application folder, found
# from where its executable really lies: a copy, not a link.
mkdir -p "$work/Quennick/Contents/Linux"
cp "$(readlink -f "$exe")" "$work/Quennick/Contents/Linux/quennick"
cp "$fixtures/rims.txt" "$fixtures/hubs.txt" "$work/"
sums_before=$(cd "$work" && md5sum rims.txt hubs.txt)

openbox >/dev/null 2>&1 &
wm=$!
sleep 0.5

if [ -n "$trace" ]; then
  strace -f -qq -e trace=openat,open,creat,rename,renameat,renameat2,unlink,unlinkat,truncate,mkdir,mkdirat \
    -o "$trace" "$work/Quennick/Contents/Linux/quennick" &
else
  "$work/Quennick/Contents/Linux/quennick" &
fi
app=$!

fail() { echo "FAIL: $*"; kill "$app" "$wm" 2>/dev/null || true; exit 1; }

win=""
for _ in $(seq 1 100); do
  win=$(xdotool search --onlyvisible --name '^Quennick$' 2>/dev/null | head -1 || true)
  [ -n "$win" ] && break
  sleep 0.1
done
[ -n "$win" ] || fail "no window titled Quennick appeared"
xdotool windowactivate --sync "$win" >/dev/null 2>&1 || true
sleep 0.3

k() { xdotool key --delay 60 "$@"; sleep 0.25; }
clip() { xclip -o -selection clipboard 2>/dev/null || true; }

# The rim button has the focus first: its list, the first rim.
k space; k Return
# Five tabs to the hub button: its list, the third hub; then calculate.
k Tab Tab Tab Tab Tab; k space; k Down Down Return; k Return
# Thirteen tabs to the side 1 result, which Tab selects whole: copy it out.
k Tab Tab Tab Tab Tab Tab Tab Tab Tab Tab Tab Tab Tab; k ctrl+c
length1=$(clip)
k Tab; k ctrl+c
length2=$(clip)
# Two tabs to Clear (past Quit), press it; then eleven back to the hole diameter
# and paste a 4 there from another program.
k Tab Tab; k space
k shift+Tab shift+Tab shift+Tab shift+Tab shift+Tab shift+Tab shift+Tab shift+Tab shift+Tab shift+Tab shift+Tab
printf 4 | xclip -selection clipboard
k ctrl+v
# All zeros but a hole of 4: side 1 is -2,00. Eight tabs to the result.
k Return
k Tab Tab Tab Tab Tab Tab Tab Tab; k ctrl+c
pasted=$(clip)
# The About box from the first menu, closed with Return.
xdotool mousemove --window "$win" 20 10 click 1; sleep 0.4
k Down; k Return; sleep 0.3
about=$(xdotool search --onlyvisible --name '^About Quennick' 2>/dev/null | head -1 || true)
k Return
k ctrl+q

status=0
for _ in $(seq 1 50); do
  kill -0 "$app" 2>/dev/null || break
  sleep 0.1
done
if kill -0 "$app" 2>/dev/null; then fail "the program did not end on Ctrl+Q"; fi
wait "$app" || status=$?
kill "$wm" 2>/dev/null || true

echo "lengths: '$length1' '$length2', after clear and paste: '$pasted', about box: ${about:-none}, exit status: $status"
[ "$length1" = "292,33" ] || fail "side 1 length '$length1', expected 292,33"
[ "$length2" = "289,10" ] || fail "side 2 length '$length2', expected 289,10"
[ "$pasted" = "-2,00" ] || fail "after clear and paste '$pasted', expected -2,00"
[ -n "$about" ] || fail "the About box did not open"
[ "$status" = 0 ] || fail "exit status $status"
[ "$(cd "$work" && md5sum rims.txt hubs.txt)" = "$sums_before" ] || fail "a catalogue changed"

if [ -n "$trace" ]; then
  "$here/check-writes.sh" "$trace" "$here/allowed-writes.txt" || fail "the program wrote files"
fi
echo "PASS"
