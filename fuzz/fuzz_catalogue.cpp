// SPDX-FileCopyrightText: 2026 The Quennick developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The whole catalogue reader on arbitrary file contents. The first byte says
// which file the rest is: even for "rims.txt", odd for "hubs.txt".
#include <stdint.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>

#include "catalogue/catalogue.h"
#include "catalogue/catalogue_testing.h"
#include "catalogue/encoding.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    if (size < 2)
        return 0;
    const bool hubs = data[0] & 1;
    FILE *f = fmemopen(const_cast<uint8_t *>(data + 1), size - 1, "rb");
    if (!f)
        return 0;
    // The records a plain reading of the text gives: lines split at CR, LF or
    // CR LF, the header skipped, lines of only spaces and tabs (or only what
    // follows a NUL) skipped, at most 32,767 records. A line cut at 254 bytes
    // may lose a character at its end, and with it all but blanks: with such a
    // line there may be fewer records, never more.
    const size_t header = hubs ? 8 : 1;
    size_t lines = 0, expected = 0, length = 0;
    bool blank = true, nul = false, open = false, cut = false;
    for (size_t i = 1; i <= size; i++) {
        const bool end = i == size || data[i] == '\r' || data[i] == '\n';
        if (!end) {
            open = true;
            if (++length > 254) {
                cut = true;
                continue;
            }
            nul = nul || data[i] == '\0';
            blank = blank && (nul || data[i] == ' ' || data[i] == '\t');
            continue;
        }
        if (i < size && data[i] == '\r' && i + 1 < size && data[i + 1] == '\n')
            i++;
        if (i == size && !open)
            break;
        if (++lines > header && !blank && expected < 32767)
            expected++;
        blank = true;
        nul = open = false;
        length = 0;
    }
    // No menus: the entries are still built, and appending to no menu is a no-op.
    if (hubs)
        ReadHubs(f, nullptr);
    else
        ReadRims(f, nullptr);
    fclose(f);
    const size_t records = (size_t)(hubs ? hubc : rimc);
    if (records > expected || (!cut && records != expected))
        abort();
    // Every text valid UTF-8, the optional ones too, and the spoke head one of
    // the two kinds.
    for (SInt32 i = 0; i < rimc; i++)
        if (!IsUtf8(rimt[i].text1) || !IsUtf8(rimt[i].text2) || !IsUtf8(rimt[i].text3) ||
            !IsUtf8(rimt[i].source))
            abort();
    for (SInt32 i = 0; i < hubc; i++) {
        bool known = true;
        if (!IsUtf8(hubt[i].text1) || !IsUtf8(hubt[i].text4) || !IsUtf8(hubt[i].source) ||
            hubt[i].head != Str2SpokeHead(SpokeHead2Str(hubt[i].head), &known) || !known)
            abort();
    }
    FreeCatalogues();
    return 0;
}
