// SPDX-FileCopyrightText: 2026 The Quennick developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Which encoding a catalogue file's texts are in, and their conversion to UTF-8.
#ifndef QUENNICK_CATALOGUE_ENCODING_H
#define QUENNICK_CATALOGUE_ENCODING_H

#include <stddef.h>

enum TextEncoding { kEncodingUtf8, kEncodingMacRoman, kEncodingWindows1252 };

// Evidence gathered line by line while a file is counted. Only lines that are
// not valid UTF-8 count: a valid UTF-8 text is shown as it is, whatever the
// rest of the file holds.
struct EncodingGuess {
    bool utf8 = true;    // every line so far is valid UTF-8
    long macLetters = 0; // 0x80-0x9F bytes next to a letter: accented letters in Mac OS Roman
    long winLetters = 0; // 0xC0-0xFF bytes next to a letter: accented letters in Windows-1252
};

bool IsUtf8(const char *text);
// Takes one line's evidence; returns whether the line is valid UTF-8.
bool GuessLine(EncodingGuess *guess, const char *line);
// The single-byte encoding that the non-UTF-8 lines' letters favour (Mac OS
// Roman or Windows-1252); UTF-8 when every line was valid UTF-8.
TextEncoding GuessEncoding(const EncodingGuess *guess);

// Converts a NUL-terminated text to UTF-8 into `out` (`size` bytes, at least 1).
// UTF-8 input is copied unchanged. Output that would not fit is cut before the
// character that does not fit, and always ends with NUL.
void Text2Utf8(const char *in, TextEncoding encoding, char *out, size_t size);

// Room enough for any 254-byte line converted to UTF-8.
enum { kUtf8LineSize = 3 * 254 + 1 };

#endif
