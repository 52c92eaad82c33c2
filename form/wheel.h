// SPDX-FileCopyrightText: 2026 The Quennick developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The wheel that the form describes, gathered in one place for the lacing
// diagram and the build sheet.
#ifndef QUENNICK_FORM_WHEEL_H
#define QUENNICK_FORM_WHEEL_H

#include "calc/lacing.h"
#include "toolbox/toolbox.h"

struct Wheel {
    double rimDiameter; // mm, at the spoke ends
    double flangeDiameter1;
    double flangeDiameter2;
    int spokes1; // spokes of side 1 and side 2
    int spokes2;
    int crossings1;
    int crossings2;
};

// Reads the wheel from the form: the rim and flange diameters (0 for a field
// with no number), the crossings of items 6 and 7, the spoke count of item 8
// shared between the sides as item 27 says (equal, or 2:1 either way). A
// spoke count the popup cannot hold gives no spokes.
void Form2Wheel(DialogRef dialog, Wheel *wheel);

// Laces the wheel; false, with `lacing` cleared, when it can't be laced.
bool Wheel2Lacing(const Wheel &wheel, Lacing *lacing);

#endif
