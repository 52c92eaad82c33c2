// SPDX-FileCopyrightText: 2026 The Quennick developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The wheel records and the main form: what the form says, read into a Wheel
// and written back from one, and what a Calculate gave, shown in the form.
#ifndef QUENNICK_FORM_WHEEL_H
#define QUENNICK_FORM_WHEEL_H

#include <stddef.h>

#include "calc/wheel.h"
#include "toolbox/toolbox.h"

// Reads every input of the form: texts as they are, numbers as Str2Double reads
// them (0 for a field with no number), popups by their value (a spoke count
// the popup cannot hold gives 0 spokes).
void Form2Wheel(DialogRef dialog, Wheel *wheel);

// Writes every input of `wheel` into the form: texts as they are, numbers
// with 2 decimals (an unset target tension as the empty text), popups set to
// the entry that stands for the value. What depends on the popups (the
// spokes-per-side popup's state, the hub labels) is the caller's to update.
void Wheel2Form(DialogRef dialog, const Wheel &wheel);

// Writes the wheel's texts and numbers into the form as Wheel2Form does, and
// leaves its popups as they are (Clear, and the rim and hub choices).
void WheelFields2Form(DialogRef dialog, const Wheel &wheel);

// Writes the one text or number field whose member lies at `offset` in the
// Wheel, as Wheel2Form does; nothing for an offset of no field.
void WheelMember2Form(DialogRef dialog, const Wheel &wheel, size_t offset);

// Shows the results in the form's result items (22, 23, 25, 26, 29 to 31,
// 38 to 41), each as ResultText words it.
void Results2Form(DialogRef dialog, const Results &results);

// The text that result item `item` shows for `results`, in the user's
// language, cut to fit `size` bytes; the empty text for an item that is not
// a result and for a figure that is NAN. Items 22 and 23: the length with 2
// decimals, or text 1 of string list 128 (kNoResultText in English) when it
// is not finite. Items 25 and 26: the whole percentage ("58 %"), with a
// target the tension after it ("58 % · 69 kgf"). Items 30 and 31: degrees
// with 1 decimal; 38 and 39: the stretch in mm with 2; 40 and 41: the stock
// length and its difference ("290 mm, +0,6"); 29: the note's sentence.
void ResultText(const Results &results, DialogItemIndex item, char *out, size_t size);

// The text that input item `item` (a text or number field) shows for `wheel`
// as Wheel2Form writes it; false for an item that is no such field.
bool WheelText(const Wheel &wheel, DialogItemIndex item, char *out, size_t size);

// The value of popup `item` for `wheel`, as Wheel2Form sets it; 0 for an item
// that is no popup of the wheel.
SInt16 WheelValue(const Wheel &wheel, DialogItemIndex item);

#endif
