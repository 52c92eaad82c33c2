// SPDX-FileCopyrightText: 2026 The Quennick developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "form/wheel.h"

#include "calc/spoke.h"
#include "form/items.h"

void Form2Wheel(DialogRef dialog, Wheel *wheel)
{
    XDlgGetDouble(dialog, iRimDiameter, &wheel->rimDiameter);
    XDlgGetDouble(dialog, iFlangeDiameter1, &wheel->flangeDiameter1);
    XDlgGetDouble(dialog, iFlangeDiameter2, &wheel->flangeDiameter2);
    wheel->crossings1 = XDlgGetValue(dialog, iCrossings1) - 1;
    wheel->crossings2 = XDlgGetValue(dialog, iCrossings2) - 1;
    const int spokes = (int)SpokeCount(XDlgGetValue(dialog, iSpokes));
    // Every wheel is laced with equal sides for now. The spokes-per-side
    // popup plugs in here: 2:1 more on side 2 gives spokes1 = spokes / 3 and
    // spokes2 = spokes - spokes1, and the other way round for side 1.
    wheel->spokes1 = spokes / 2;
    wheel->spokes2 = spokes - spokes / 2;
}

bool Wheel2Lacing(const Wheel &wheel, Lacing *lacing)
{
    return DoLacing(wheel.spokes1, wheel.spokes2, wheel.crossings1, wheel.crossings2, lacing);
}
