// SPDX-FileCopyrightText: 2026 The Quennick developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "calc/calculate_hit.h"

#include "app/globals.h"
#include "calc/wheel.h"
#include "form/wheel.h"

void DoCalculateHit(DialogRef dialog)
{
    Wheel wheel;
    Form2Wheel(dialog, &wheel);
    Wheel2Results(wheel, &theResults);
    Results2Form(dialog, theResults);
}
