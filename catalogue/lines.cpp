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
    size_t n = 0;
    bool any = false;
    int c;
    info->end = kEndOfFile;
    info->cut = false;
    info->overBudget = false;
    // One byte at a time, without taking the stream's lock for each: the file
    // is this thread's alone.
    while ((c = getc_unlocked(file)) != EOF) {
        if (--*budget < 0) {
            // A byte past the budget: the file is longer than any catalogue.
            info->overBudget = true;
            line[0] = '\0';
            return false;
        }
        any = true;
        if (c == '\r') {
            const int next = getc_unlocked(file);
            if (next == '\n' && *budget > 0) {
                --*budget;
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
            line[n++] = (char)c;
        else
            info->cut = true;
    }
    // A read error looks like the end of the file to getc; the line it cut
    // short is not a line of the file.
    if (c == EOF && ferror(file)) {
        line[0] = '\0';
        return false;
    }
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
