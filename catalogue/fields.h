// SPDX-FileCopyrightText: 2026 The Quennick developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The fields a catalogue line may carry after the ones every line has: where a
// part's figures come from, and a hub's spoke head and head seat figure. One
// table per file, read by the reader, freed by FreeCatalogues and listed by
// --check, so that a new field is added in one place.
#ifndef QUENNICK_CATALOGUE_FIELDS_H
#define QUENNICK_CATALOGUE_FIELDS_H

#include <stddef.h>

#include "calc/types.h"

enum OptionalKind {
    kOptionalText,   // an owned UTF-8 text (char *), "" when the line lacks it
    kOptionalHead,   // "J-bend" or "straight-pull" in any case, into an SInt16
    kOptionalNumber, // a number (double), 0 when the line lacks it or it is empty
};

struct OptionalField {
    SInt16 field;      // its field number in the line, from 1
    OptionalKind kind; // how it is read
    size_t offset;     // where it goes in the record
    const char *name;  // what --check calls it
};

// The optional fields of "rims.txt" and "hubs.txt", in field order, each table
// ending in an entry whose field is 0.
extern const OptionalField kRimOptional[];
extern const OptionalField kHubOptional[];

// The spoke head a catalogue names: kJBendHead for "J-bend" and for the empty
// text, kStraightPullHead for "straight-pull", either in any case. Any other
// text gives kJBendHead and sets `*known` false (true otherwise).
SInt16 Str2SpokeHead(const char *text, bool *known);

// The name of a spoke head as a catalogue writes it.
const char *SpokeHead2Str(SInt16 head);

#endif
