// SPDX-FileCopyrightText: 2026 The Quennick developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "catalogue/encoding.h"

#include <string.h>

namespace {

// Unicode code points of bytes 0x80-0xFF.
const unsigned short kMacRoman[128] = {
    0x00C4, 0x00C5, 0x00C7, 0x00C9, 0x00D1, 0x00D6, 0x00DC, 0x00E1, 0x00E0, 0x00E2, 0x00E4, 0x00E3,
    0x00E5, 0x00E7, 0x00E9, 0x00E8, 0x00EA, 0x00EB, 0x00ED, 0x00EC, 0x00EE, 0x00EF, 0x00F1, 0x00F3,
    0x00F2, 0x00F4, 0x00F6, 0x00F5, 0x00FA, 0x00F9, 0x00FB, 0x00FC, 0x2020, 0x00B0, 0x00A2, 0x00A3,
    0x00A7, 0x2022, 0x00B6, 0x00DF, 0x00AE, 0x00A9, 0x2122, 0x00B4, 0x00A8, 0x2260, 0x00C6, 0x00D8,
    0x221E, 0x00B1, 0x2264, 0x2265, 0x00A5, 0x00B5, 0x2202, 0x2211, 0x220F, 0x03C0, 0x222B, 0x00AA,
    0x00BA, 0x03A9, 0x00E6, 0x00F8, 0x00BF, 0x00A1, 0x00AC, 0x221A, 0x0192, 0x2248, 0x2206, 0x00AB,
    0x00BB, 0x2026, 0x00A0, 0x00C0, 0x00C3, 0x00D5, 0x0152, 0x0153, 0x2013, 0x2014, 0x201C, 0x201D,
    0x2018, 0x2019, 0x00F7, 0x25CA, 0x00FF, 0x0178, 0x2044, 0x20AC, 0x2039, 0x203A, 0xFB01, 0xFB02,
    0x2021, 0x00B7, 0x201A, 0x201E, 0x2030, 0x00C2, 0x00CA, 0x00C1, 0x00CB, 0x00C8, 0x00CD, 0x00CE,
    0x00CF, 0x00CC, 0x00D3, 0x00D4, 0xF8FF, 0x00D2, 0x00DA, 0x00DB, 0x00D9, 0x0131, 0x02C6, 0x02DC,
    0x00AF, 0x02D8, 0x02D9, 0x02DA, 0x00B8, 0x02DD, 0x02DB, 0x02C7};

// Windows-1252 differs from Latin-1 only in 0x80-0x9F; its five unused bytes are
// shown as the C1 controls of the same value.
const unsigned short kWindows1252[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

bool IsAsciiLetter(unsigned char c)
{
    return (c | 0x20) >= 'a' && (c | 0x20) <= 'z';
}

unsigned CodePoint(unsigned char c, TextEncoding e)
{
    if (c < 0x80)
        return c;
    if (e == kEncodingMacRoman)
        return kMacRoman[c - 0x80];
    if (c < 0xA0)
        return kWindows1252[c - 0x80];
    return c;
}

size_t EncodeUtf8(unsigned cp, char *out)
{
    if (cp < 0x80) {
        out[0] = (char)cp;
        return 1;
    }
    if (cp < 0x800) {
        out[0] = (char)(0xC0 | (cp >> 6));
        out[1] = (char)(0x80 | (cp & 0x3F));
        return 2;
    }
    out[0] = (char)(0xE0 | (cp >> 12));
    out[1] = (char)(0x80 | ((cp >> 6) & 0x3F));
    out[2] = (char)(0x80 | (cp & 0x3F));
    return 3;
}

} // namespace

bool IsUtf8(const char *text)
{
    const unsigned char *p = (const unsigned char *)text;
    while (*p) {
        unsigned c = *p;
        int more;
        unsigned min;
        if (c < 0x80) {
            p++;
            continue;
        } else if (c >= 0xC2 && c <= 0xDF) {
            more = 1;
            min = 0x80;
        } else if (c >= 0xE0 && c <= 0xEF) {
            more = 2;
            min = 0x800;
        } else if (c >= 0xF0 && c <= 0xF4) {
            more = 3;
            min = 0x10000;
        } else {
            return false;
        }
        unsigned cp = c & (0x3F >> more);
        for (int i = 1; i <= more; i++) {
            if ((p[i] & 0xC0) != 0x80)
                return false;
            cp = (cp << 6) | (p[i] & 0x3F);
        }
        if (cp < min || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF))
            return false;
        p += more + 1;
    }
    return true;
}

bool GuessLine(EncodingGuess *guess, const char *line)
{
    if (IsUtf8(line))
        return true;
    guess->utf8 = false;
    const unsigned char *p = (const unsigned char *)line;
    for (size_t i = 0; p[i]; i++) {
        const unsigned char c = p[i];
        const bool afterLetter = i > 0 && IsAsciiLetter(p[i - 1]);
        if (c >= 0x80 && c < 0xA0) {
            // An accented letter inside or at the end of a word. 0x92 and 0x94
            // close a quotation in Windows-1252 and so follow letters there too.
            if (afterLetter && c != 0x92 && c != 0x94)
                guess->macLetters++;
        } else if (c >= 0xC0 && c != 0xD7 && c != 0xF7) {
            if (afterLetter || IsAsciiLetter(p[i + 1]))
                guess->winLetters++;
        }
    }
    return false;
}

TextEncoding GuessEncoding(const EncodingGuess *guess)
{
    if (guess->utf8)
        return kEncodingUtf8;
    return guess->macLetters > guess->winLetters ? kEncodingMacRoman : kEncodingWindows1252;
}

void Text2Utf8(const char *in, TextEncoding encoding, char *out, size_t size)
{
    if (encoding == kEncodingUtf8) {
        size_t n = strlen(in);
        if (n >= size) {
            n = size - 1;
            while (n > 0 && ((unsigned char)in[n] & 0xC0) == 0x80)
                n--;
        }
        memcpy(out, in, n);
        out[n] = '\0';
        return;
    }
    size_t n = 0;
    for (const unsigned char *p = (const unsigned char *)in; *p; p++) {
        char bytes[3];
        const size_t len = EncodeUtf8(CodePoint(*p, encoding), bytes);
        if (n + len >= size)
            break;
        memcpy(out + n, bytes, len);
        n += len;
    }
    out[n] = '\0';
}
