// SPDX-FileCopyrightText: 2026 The Quennick developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The Calculate command: from the form's fields to the two spoke lengths.
#ifndef QUENNICK_CALC_CALCULATE_HIT_H
#define QUENNICK_CALC_CALCULATE_HIT_H

#include "form/toolbox.h"

// Reads the rim, hub and lacing fields of the main form, computes both spoke
// lengths and shows them with 2 decimals in items 22 and 23. A field that holds
// no number counts as 0. A side with no finite length shows kNoResultText.
void DoCalculateHit(DialogRef dialog);

// What a result field shows when there is no length to show.
extern const char kNoResultText[];

#endif
