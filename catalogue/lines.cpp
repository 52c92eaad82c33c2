// SPDX-FileCopyrightText: 2026 The Quennick developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "catalogue/lines.h"

#include <string.h>

#include "catalogue/catalogue.h"
#include "catalogue/encoding.h"

namespace {

// A UTF-8 line cut at 254 bytes may end inside a character. When the line
// without that incomplete character is valid UTF-8, drop it: otherwise the
// whole line would be taken for a single-byte text.
void TrimCutCharacter(char *line, size_t n)
{
    size_t start = n;
    while (start > 0 && n - start < 4 && ((unsigned char)line[start - 1] & 0xC0) == 0x80)
        start--;
    if (start == 0 || IsUtf8(line))
        return;
    const unsigned char lead = (unsigned char)line[start - 1];
    const size_t need = lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : lead >= 0xC2 ? 2 : 0;
    if (need == 0 || n - (start - 1) >= need)
        return;
    const char kept = line[start - 1];
    line[start - 1] = '\0';
    if (!IsUtf8(line))
        line[start - 1] = kept;
}

} // namespace

bool ReadLineWithin(FILE *file, char *line, LineInfo *info, int64_t *budget)
{
    // The bytes go to a buffer of this function's own and the budget is
    // counted in a local: a byte stored through `line` could alias the
    // stream's read pointer or the budget, and the compiler would load and
    // store them again for every byte; apart, the loop takes a quarter less.
    char text[kLineSize];
    int64_t left = *budget;
    size_t n = 0;
    bool any = false, ok = true;
    int c;
    info->end = kEndOfFile;
    info->cut = false;
    info->overBudget = false;
    // One byte at a time, without taking the stream's lock for each: the file
    // is this thread's alone.
    while ((c = getc_unlocked(file)) != EOF) {
        if (--left < 0) {
            // A byte past the budget: the file is longer than any catalogue.
            info->overBudget = true;
            ok = false;
            break;
        }
        any = true;
        if (c == '\r') {
            const int next = getc_unlocked(file);
            if (next == '\n' && left > 0) {
                --left;
                info->end = kEndCRLF;
            } else {
                info->end = kEndCR;
                if (next != EOF)
                    ungetc(next, file);
            }
            break;
        }
        if (c == '\n') {
            info->end = kEndLF;
            break;
        }
        // Past 254 bytes the rest of the line is skipped, not split off as
        // another line: the records after it still line up.
        if (n < kLineSize - 2)
            text[n++] = (char)c;
        else
            info->cut = true;
    }
    *budget = left;
    // A read error looks like the end of the file to getc; the line it cut
    // short is not a line of the file.
    if (!ok || (c == EOF && ferror(file))) {
        line[0] = '\0';
        return false;
    }
    memcpy(line, text, n);
    line[n] = '\0';
    if (info->cut)
        TrimCutCharacter(line, n);
    return any;
}

bool ReadLine(FILE *file, char *line, LineInfo *info)
{
    int64_t unlimited = INT64_MAX;
    return ReadLineWithin(file, line, info, &unlimited);
}

bool IsBlankLine(const char *line)
{
    return line[strspn(line, " \t")] == '\0';
}

Boolean fgetline(FILE *file, char *line)
{
    LineInfo info;
    return ReadLine(file, line, &info) ? TRUE : FALSE;
}
