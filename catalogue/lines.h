// SPDX-FileCopyrightText: 2026 The Quennick developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The catalogue files' lines: what ends them, what is cut, which are blank.
#ifndef QUENNICK_CATALOGUE_LINES_H
#define QUENNICK_CATALOGUE_LINES_H

#include <stdint.h>
#include <stdio.h>

#include "calc/types.h"

// What ended a line: CR, LF, CR LF, or the end of the file.
enum LineEnd { kEndOfFile, kEndCR, kEndLF, kEndCRLF };

struct LineInfo {
    LineEnd end;
    bool cut;        // the line was longer than 254 bytes; the rest was skipped
    bool overBudget; // the byte budget ran out before the line's end: no line was read
};

// Reads one line into `line` (256 bytes) without its line end. CR, LF and CR LF
// each end a line; a last line with no line end is a line too. Returns false,
// with the empty text, when the file has nothing more to read. A line longer
// than 254 bytes keeps its first 254 and the rest of it is skipped; a UTF-8 line
// cut in the middle of a character loses that incomplete character.
// A line that a read error cuts short is not read either: ReadLine returns false
// with the empty text and ferror(file) tells why.
bool ReadLine(FILE *file, char *line, LineInfo *info);

// As ReadLine, taking at most `*budget` more bytes from the file and counting
// down `*budget` by the bytes it takes. When the file holds more than that, the
// line the budget ends in is not read: returns false, with the empty text and
// `overBudget` set (a file that ends exactly at the budget is read whole).
bool ReadLineWithin(FILE *file, char *line, LineInfo *info, int64_t *budget);

// True for a line of nothing but spaces and tabs, the empty line included.
bool IsBlankLine(const char *line);

#endif
