#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Quennick developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Lists what a strace log shows the program writing: files opened for writing or
# created, renames, removals, truncations and new folders. Each one must match a
# pattern of the allowed list (one extended regular expression a line; # starts
# a comment). Exits 1 when something else was written.
set -euo pipefail
log=$1
allowed=$2
patterns=$(grep -v -E '^\s*(#|$)' "$allowed" | paste -sd '|' -)
writes=$(grep -E 'O_WRONLY|O_RDWR|O_CREAT|O_TRUNC|creat\(|rename|unlink|truncate\(|mkdir' "$log" \
  | grep -v -E '= -1 E' || true)
bad=$(printf '%s\n' "$writes" | grep -v -E "$patterns" | grep -v '^$' || true)
if [ -n "$bad" ]; then
  echo "Writes outside the allowed list:"
  printf '%s\n' "$bad"
  exit 1
fi
echo "writes checked: $(printf '%s\n' "$writes" | grep -c . || true) allowed, none else"
