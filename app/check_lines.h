// SPDX-FileCopyrightText: 2026 The Quennick developers
// SPDX-License-Identifier: GPL-3.0-or-later

// What --check says of how a text file it read was written: its line ends and
// its encoding. Catalogue and meter files are read by the same line rules, and
// their reports carry the same counts.
#ifndef QUENNICK_APP_CHECK_LINES_H
#define QUENNICK_APP_CHECK_LINES_H

#include <stdio.h>

#include "catalogue/encoding.h"

// "  N lines; line ends: CR a LF b CR LF c" and "  encoding: ..." on `out`,
// for a report with the catalogue reader's line counts.
template <typename Report> void DescribeLines(FILE *out, const Report &r)
{
    fprintf(out, "  %lld lines; line ends:", (long long)r.lines);
    if (r.crLines)
        fprintf(out, " CR %lld", (long long)r.crLines);
    if (r.lfLines)
        fprintf(out, " LF %lld", (long long)r.lfLines);
    if (r.crlfLines)
        fprintf(out, " CR LF %lld", (long long)r.crlfLines);
    fprintf(out, "%s\n", r.unterminated ? " (the last line has none)" : "");
    if (r.nonUtf8Lines == 0)
        fprintf(out, "  encoding: UTF-8\n");
    else
        fprintf(out, "  encoding: %lld line(s) not UTF-8, shown as %s\n", (long long)r.nonUtf8Lines,
                r.singleByte == kEncodingMacRoman ? "Mac OS Roman" : "Windows-1252");
}

#endif
