#include "calc/numtext.h"

#include <ctype.h>
#include <locale.h>
#include <stdlib.h>
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

// Reads one number as sscanf's "%lf" does. strtod takes the same syntax at a
// fraction of the cost (it matters for catalogues of tens of thousands of
// lines); the one difference is a hexadecimal prefix with no digit after it,
// where scanf fails and strtod reads the "0", so such texts go to sscanf.
bool ScanDouble(const char *text, double *value)
{
    char *end;
    const double v = strtod_l(text, &end, CLocale());
    if (end == text)
        return false;
    const char *p = text;
    while (isspace((unsigned char)*p))
        p++;
    if (*p == '+' || *p == '-')
        p++;
    if (p[0] == '0' && (p[1] == 'x' || p[1] == 'X')) {
        CLocaleScope c;
        return sscanf(text, "%lf", value) == 1;
    }
    *value = v;
    return true;
}

}  // namespace

Boolean Str2Double(char *text, double *value)
{
    // The count is 16-bit as the interface has always had it; texts in the
    // system are at most 255 bytes.
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
