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
    // The calculation takes each side as a wheel of twice its own spokes.
    double spokes1, spokes2;
    SideSpokes(SpokeCount(XDlgGetValue(dialog, iSpokes)), XDlgGetValue(dialog, iSpokesPerSide),
               &spokes1, &spokes2);
    wheel->spokes1 = (int)(spokes1 / 2);
    wheel->spokes2 = (int)(spokes2 / 2);
}

bool Wheel2Lacing(const Wheel &wheel, Lacing *lacing)
{
    return DoLacing(wheel.spokes1, wheel.spokes2, wheel.crossings1, wheel.crossings2, lacing);
}
