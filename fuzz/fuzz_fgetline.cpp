// SPDX-FileCopyrightText: 2026 The Quennick developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The line reader on arbitrary file contents.
#include <stdint.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>

#include "catalogue/catalogue.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    if (size == 0)
        return 0;
    FILE *f = fmemopen(const_cast<uint8_t *>(data), size, "rb");
    if (!f)
        return 0;
    char line[kLineSize + 4];
    memset(line + kLineSize, 'X', 4);
    // One line per line end (CR LF being one) and one for bytes after the last.
    size_t expected = 0;
    for (size_t i = 0; i < size; i++) {
        if (data[i] == '\r' && i + 1 < size && data[i + 1] == '\n')
            i++;
        if (data[i] == '\r' || data[i] == '\n' || i + 1 == size)
            expected++;
    }
    size_t lines = 0;
    while (fgetline(f, line)) {
        lines++;
        if (memcmp(line + kLineSize, "XXXX", 4) != 0 || strlen(line) > 254)
            abort();
    }
    fclose(f);
    if (lines != expected)
        abort(); // one line for every line end, however long
    return 0;
}
