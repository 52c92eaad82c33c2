// SPDX-FileCopyrightText: 2026 The Quennick developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "catalogue/fields.h"

#include "catalogue/catalogue.h"
#include "form/items.h"

const OptionalField kRimOptional[] = {
    {5, kOptionalText, offsetof(RimRecord, source), "source"},
    {0, kOptionalText, 0, nullptr},
};

const OptionalField kHubOptional[] = {
    {10, kOptionalHead, offsetof(HubRecord, head), "spoke head"},
    {11, kOptionalText, offsetof(HubRecord, source), "source"},
    {12, kOptionalNumber, offsetof(HubRecord, seatFigure), "head seat figure"},
    {0, kOptionalText, 0, nullptr},
};

namespace {

// ASCII letters only, whatever the locale: in a Turkish one "I" is no "i".
bool SameIgnoringCase(const char *a, const char *b)
{
    for (;; a++, b++) {
        const char x = *a >= 'A' && *a <= 'Z' ? (char)(*a - 'A' + 'a') : *a;
        const char y = *b >= 'A' && *b <= 'Z' ? (char)(*b - 'A' + 'a') : *b;
        if (x != y)
            return false;
        if (x == '\0')
            return true;
    }
}

} // namespace

SInt16 Str2SpokeHead(const char *text, bool *known)
{
    *known = true;
    if (text[0] == '\0' || SameIgnoringCase(text, "J-bend"))
        return kJBendHead;
    if (SameIgnoringCase(text, "straight-pull"))
        return kStraightPullHead;
    *known = false;
    return kJBendHead;
}

const char *SpokeHead2Str(SInt16 head)
{
    return head == kStraightPullHead ? "straight-pull" : "J-bend";
}
