// SPDX-FileCopyrightText: 2026 The Quennick developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The catalogue files' lines: what ends them, what is cut, which are blank.
#ifndef QUENNICK_CATALOGUE_LINES_H
#define QUENNICK_CATALOGUE_LINES_H

#include <stdio.h>

#include "calc/types.h"

// What ended a line: CR, LF, CR LF, or the end of the file.
enum LineEnd { kEndOfFile, kEndCR, kEndLF, kEndCRLF };

struct LineInfo {
    LineEnd end;
    bool cut; // the line was longer than 254 bytes; the rest was skipped
};

// Reads one line into `line` (256 bytes) without its line end. CR, LF and CR LF
// each end a line; a last line with no line end is a line too. Returns false,
// with the empty text, when the file has nothing more to read. A line longer
// than 254 bytes keeps its first 254 and the rest of it is skipped; a UTF-8 line
// cut in the middle of a character loses that incomplete character.
bool ReadLine(FILE *file, char *line, LineInfo *info);

// True for a line of nothing but spaces and tabs, the empty line included.
bool IsBlankLine(const char *line);

#endif
