// SPDX-FileCopyrightText: 2026 The Quennick developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Catalogue text encodings: which one a file is in, and its conversion to UTF-8.
#include <cstring>
#include <string>

#include <gtest/gtest.h>

#include "catalogue/encoding.h"

namespace {

TextEncoding Guess(std::initializer_list<const char *> lines)
{
    EncodingGuess g;
    for (const char *l : lines)
        GuessLine(&g, l);
    return GuessEncoding(&g);
}

std::string Convert(const char *in, TextEncoding e, size_t size = kUtf8LineSize)
{
    std::string out(size, '\0');
    Text2Utf8(in, e, &out[0], size);
    return out.c_str();
}

TEST(Encoding, ValidUtf8FileIsUtf8)
{
    EXPECT_EQ(Guess({"Caf\xC3\xA9", "plain"}), kEncodingUtf8);
    EXPECT_EQ(Guess({"plain ascii"}), kEncodingUtf8);
}

TEST(Encoding, AccentsInTheLowHighRangeMeanMacRoman)
{
    // "Café" and "Größe" as Mac OS Roman wrote them.
    EXPECT_EQ(Guess({"Caf\x8E", "Gr\x9A\xA7"
                                "e"}),
              kEncodingMacRoman);
    // The degree sign alone decides nothing; the file's letters do.
    EXPECT_EQ(Guess({"28\xA1", "Caf\x8E"}), kEncodingMacRoman);
}

TEST(Encoding, LatinLettersMeanWindows1252)
{
    EXPECT_EQ(Guess({"Caf\xE9", "M\xFCller"}), kEncodingWindows1252);
    // Curly quotes and dashes sit in 0x80-0x9F in Windows-1252, between spaces.
    EXPECT_EQ(Guess({"\x93quoted\x94 \x96 n\xE9"}), kEncodingWindows1252);
    // Closing quotes after letters are no Mac OS Roman letters: one
    // Windows-1252 letter against none wins outright.
    EXPECT_EQ(Guess({"Caf\xE9 \x93Rider\x92s best\x94", "Smith\x92s"}), kEncodingWindows1252);
}

TEST(Encoding, InvalidUtf8IsNotUtf8)
{
    EXPECT_FALSE(IsUtf8("\xC3"));             // cut short
    EXPECT_FALSE(IsUtf8("\xC0\xAF"));         // overlong
    EXPECT_FALSE(IsUtf8("\xED\xA0\x80"));     // surrogate
    EXPECT_FALSE(IsUtf8("\xF5\x80\x80\x80")); // beyond U+10FFFF
    EXPECT_TRUE(IsUtf8("\xF0\x9F\x9A\xB2"));  // a bicycle
}

TEST(Encoding, ConvertsToUtf8)
{
    EXPECT_EQ(Convert("Caf\x8E", kEncodingMacRoman), "Caf\xC3\xA9");
    EXPECT_EQ(Convert("Caf\xE9", kEncodingWindows1252), "Caf\xC3\xA9");
    EXPECT_EQ(Convert("\x80", kEncodingWindows1252), "\xE2\x82\xAC"); // euro sign
    EXPECT_EQ(Convert("\xDB", kEncodingMacRoman), "\xE2\x82\xAC");
    EXPECT_EQ(Convert("a&b\tc", kEncodingUtf8), "a&b\tc");
}

TEST(Encoding, ConversionNeverOverrunsAndCutsWholeCharacters)
{
    // 254 bytes that each become three: the line buffer's worst case fits.
    std::string worst(254, '\xDB');
    EXPECT_EQ(Convert(worst.c_str(), kEncodingMacRoman).size(), 762u);
    // A small buffer keeps whole characters only.
    EXPECT_EQ(Convert("\xE9\xE9\xE9", kEncodingWindows1252, 6), "\xC3\xA9\xC3\xA9");
    EXPECT_EQ(Convert("ab\xC3\xA9", kEncodingUtf8, 4), "ab");
}

} // namespace
