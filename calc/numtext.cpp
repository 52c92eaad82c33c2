// SPDX-FileCopyrightText: 2026 The Quennick developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "calc/numtext.h"

#include <ctype.h>
#include <locale.h>
#include <stdlib.h>
#include <stdint.h>
#include <stdio.h>
#include <string.h>

namespace {

// The "C" locale, made once. The program's windowing sets the user's locale at
// start-up, and under de_DE or fr_FR the library would read and write commas
// itself; the number rules here must not depend on that.
locale_t CLocale()
{
    static const locale_t c = newlocale(LC_ALL_MASK, "C", (locale_t)0);
    return c;
}

// Runs the library's number conversions in the "C" locale for as long as it lives.
struct CLocaleScope {
    locale_t saved;
    CLocaleScope() : saved(uselocale(CLocale())) {}
    ~CLocaleScope() { uselocale(saved); }
    CLocaleScope(const CLocaleScope &) = delete;
    CLocaleScope &operator=(const CLocaleScope &) = delete;
};

// Plain decimals ("602", "2,6", "-35.25") with at most 15 significant digits
// and 22 decimals: the digits as an integer, divided by a power of ten. Both
// are exact doubles and the division rounds once, so the value is the
// correctly rounded one that strtod and sscanf give. Returns false, leaving
// the text to the library, for anything else: an exponent, a hexadecimal
// prefix, more digits, no digit at all.
bool ScanPlainDecimal(const char *p, double *value)
{
    static const double kPowers[] = {1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,
                                     1e8,  1e9,  1e10, 1e11, 1e12, 1e13, 1e14, 1e15,
                                     1e16, 1e17, 1e18, 1e19, 1e20, 1e21, 1e22};
    const bool negative = *p == '-';
    if (*p == '+' || *p == '-')
        p++;
    uint64_t digits = 0;
    int significant = 0, decimals = 0, seen = 0;
    bool point = false;
    for (;; p++) {
        if (*p >= '0' && *p <= '9') {
            seen++;
            if (digits != 0 || *p != '0')
                significant++;
            digits = digits * 10 + (uint64_t)(*p - '0');
            decimals += point;
            if (significant > 15 || decimals > 22)
                return false;
        } else if (*p == '.' && !point) {
            point = true;
        } else {
            break;
        }
    }
    if (seen == 0 || *p == 'e' || *p == 'E' || *p == 'x' || *p == 'X')
        return false;
    const double v = (double)digits / kPowers[decimals];
    *value = negative ? -v : v;
    return true;
}

// Reads one number exactly as sscanf's "%lf" does (result and value). strtod
// takes the same syntax at a fraction of the cost, which matters for
// catalogues of tens of thousands of lines, but the two part ways on texts
// that start like a number and then stop being one: a hexadecimal prefix with
// no digit after it ("0x"), and a word that begins as "infinity" but is not it
// ("infi", "infinite"), where sscanf reads nothing and strtod reads the
// leading "0" or "inf". Texts that are no plain decimal or exponent number
// therefore go to sscanf itself.
bool ScanDouble(const char *text, double *value)
{
    const char *p = text;
    while (isspace_l((unsigned char)*p, CLocale()))
        p++;
    if (ScanPlainDecimal(p, value))
        return true;
    const char *q = p + (*p == '+' || *p == '-');
    const bool decimal = (*q >= '0' && *q <= '9') || (*q == '.' && q[1] >= '0' && q[1] <= '9');
    if (!decimal || (q[0] == '0' && (q[1] == 'x' || q[1] == 'X'))) {
        CLocaleScope c;
        return sscanf(text, "%lf", value) == 1;
    }
    char *end;
    *value = strtod_l(text, &end, CLocale());
    return end != text;
}

} // namespace

Boolean Str2Double(char *text, double *value)
{
    // The count is 16-bit, as the interface has it; texts in the system are at
    // most 255 bytes.
    SInt16 n = (SInt16)strlen(text);
    if (n <= 0) {
        *value = 0.0;
        return TRUE;
    }
    for (SInt16 i = 0; i < n; i++) {
        if (text[i] == ',')
            text[i] = '.';
    }
    if (ScanDouble(text, value))
        return TRUE;
    *value = 0.0;
    return FALSE;
}

void Double2Str(double value, SInt16 decimals, char *buffer)
{
    if (decimals < 0 || decimals > 8)
        decimals = 4;
    int written;
    {
        CLocaleScope c;
        written = snprintf(buffer, kNumTextSize, "%.*f", (int)decimals, value);
        // Beyond about 1e250 the fixed-point text no longer fits: say the same
        // number in exponent form, to 15 significant digits, rather than cut
        // its digits off.
        if (written < 0 || written >= kNumTextSize)
            snprintf(buffer, kNumTextSize, "%.15g", value);
    }
    for (char *p = buffer; *p; p++) {
        if (*p == '.')
            *p = ',';
    }
}
