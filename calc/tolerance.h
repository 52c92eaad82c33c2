// SPDX-FileCopyrightText: 2026 The Quennick developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The ERD that nipple washers give. The stock lengths a side would take with
// that ERD a millimetre either way are Wheel2Results's (calc/wheel.h).
#ifndef QUENNICK_CALC_TOLERANCE_H
#define QUENNICK_CALC_TOLERANCE_H

// The ERD the spoke lengths are worked from when a washer of `washer` mm sits
// under each nipple: every nipple sits a washer further out, at both ends of
// the diameter, so the ERD grows by twice the washer. A washer of 0, below 0
// or not a number is none, and gives `erd` itself, to the last bit.
double WasherErd(double erd, double washer);

#endif
