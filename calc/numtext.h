// SPDX-FileCopyrightText: 2026 The Quennick developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Number text with the decimal comma: the one place where the separator is decided.
#ifndef QUENNICK_CALC_NUMTEXT_H
#define QUENNICK_CALC_NUMTEXT_H

#include "calc/types.h"

// Reads a number from `text`, which may use a decimal comma or a decimal point.
// Every comma in the text is turned into a point in place. Leading white space is
// skipped and whatever follows the number is ignored. The empty text gives 0.0 and
// true; a text that holds no number gives 0.0 and false. Never depends on the
// process locale.
Boolean Str2Double(char *text, double *value);

// Writes `value` with `decimals` digits after a decimal comma into `buffer`, which
// must hold 256 bytes. Decimals 0 to 8 are honoured; any other count gives 4.
// The text always fits and always ends with NUL: a value whose fixed-point text
// would not fit is written in exponent form instead, to 15 significant digits
// ("1,5e+300").
void Double2Str(double value, SInt16 decimals, char *buffer);

// Size of the buffer that Double2Str writes into.
enum { kNumTextSize = 256 };

#endif
