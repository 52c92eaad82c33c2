// SPDX-FileCopyrightText: 2026 The Quennick developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Number text in both directions on arbitrary input.
#include <math.h>
#include <stdint.h>
#include <stdlib.h>
#include <stdio.h>
#include <string.h>

#include "calc/numtext.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    // Str2Double on arbitrary bytes, as typed or as a catalogue field.
    char text[1024];
    const size_t n = size < sizeof text - 1 ? size : sizeof text - 1;
    memcpy(text, data, n);
    text[n] = '\0';
    // The same text as sscanf "%lf" sees it (commas already points), read by
    // the library itself: Str2Double must agree with it exactly.
    const size_t len = strlen(text);
    char scanned[sizeof text];
    memcpy(scanned, text, len + 1);
    for (size_t i = 0; i < len; i++)
        if (scanned[i] == ',')
            scanned[i] = '.';
    double expected = 0;
    const bool expectedOk = sscanf(scanned, "%lf", &expected) == 1;

    double value = 1;
    const Boolean ok = Str2Double(text, &value);
    if (len > 0) { // the empty text is 0 and true by the program's own rule
        if ((bool)ok != expectedOk)
            abort();
        if (ok && memcmp(&value, &expected, sizeof value) != 0 &&
            !(isnan(value) && isnan(expected)))
            abort();
    }
    if (!ok && value != 0.0)
        abort();
    if (strchr(text, ','))
        abort(); // every comma became a point

    // Double2Str on arbitrary doubles and decimal counts.
    if (size >= sizeof(double) + sizeof(SInt16)) {
        double v;
        SInt16 decimals;
        memcpy(&v, data, sizeof v);
        memcpy(&decimals, data + sizeof v, sizeof decimals);
        char out[kNumTextSize + 8];
        memset(out, 'X', sizeof out);
        Double2Str(v, decimals, out);
        const char *end = (const char *)memchr(out, '\0', kNumTextSize);
        if (!end)
            abort(); // no NUL inside the 256 bytes
        if (out[kNumTextSize] != 'X')
            abort(); // wrote past the buffer
        if (strchr(out, '.'))
            abort(); // a point the library wrote was left
        if (isfinite(v)) {
            double back;
            if (!Str2Double(out, &back))
                abort(); // the text must read back as a number
        }
    }
    return 0;
}
