// SPDX-FileCopyrightText: 2026 The Quennick developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Test names for cases that run under each of several locales.
#ifndef QUENNICK_TESTS_LOCALE_NAMES_H
#define QUENNICK_TESTS_LOCALE_NAMES_H

#include <cctype>
#include <string>

// "de_DE.UTF-8" becomes "de_DE_UTF_8": test names take letters, digits and _.
struct LocaleName {
    template <class Info> std::string operator()(const Info &info) const
    {
        std::string s = info.param;
        for (char &c : s)
            if (!isalnum((unsigned char)c))
                c = '_';
        return s;
    }
};

#endif
