// SPDX-FileCopyrightText: 2026 The Quennick developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The catalogue lines' fields, which the reader, FreeCatalogues, the rim and
// hub choices and `quennick --check` all go by.
#include <stddef.h>
#include <string.h>

#include "calc/spoke.h"
#include "catalogue/catalogue.h"

#define RIM(member) offsetof(RimRecord, member)
#define HUB(member) offsetof(HubRecord, member)
#define WHEEL(member) offsetof(Wheel, member)
const CatalogueField kRimFields[kRimFieldCount] = {
    {"ERD", kFieldNumber, false, RIM(diameter), WHEEL(rim.diameter)},
    {"name", kFieldText, false, RIM(text1), WHEEL(rim.name)},
    {"notes", kFieldText, false, RIM(text2), WHEEL(rim.notes)},
    {"size", kFieldText, false, RIM(text3), WHEEL(rim.size)},
    {"source", kFieldText, true, RIM(source), WHEEL(rim.source)},
};
const CatalogueField kHubFields[kHubFieldCount] = {
    {"spoke hole diameter", kFieldNumber, false, HUB(holeDiameter), WHEEL(hub.holeDiameter)},
    {"side 1 flange diameter", kFieldNumber, false, HUB(flangeDiameter1),
     WHEEL(hub.flangeDiameter1)},
    {"side 1 flange distance", kFieldNumber, false, HUB(flangeDistance1),
     WHEEL(hub.flangeDistance1)},
    {"side 2 flange diameter", kFieldNumber, false, HUB(flangeDiameter2),
     WHEEL(hub.flangeDiameter2)},
    {"side 2 flange distance", kFieldNumber, false, HUB(flangeDistance2),
     WHEEL(hub.flangeDistance2)},
    {"name", kFieldText, false, HUB(text1), WHEEL(hub.name)},
    {"axle", kFieldText, false, HUB(text2), WHEEL(hub.axle)},
    {"notes", kFieldText, false, HUB(text3), WHEEL(hub.notes)},
    {"position", kFieldText, false, HUB(text4), WHEEL(hub.position)},
    {"spoke head", kFieldHead, true, HUB(head), WHEEL(hub.head)},
    {"source", kFieldText, true, HUB(source), WHEEL(hub.source)},
    {"head seat figure", kFieldNumber, true, HUB(seatFigure), WHEEL(hub.seatOffset)},
};
#undef RIM
#undef HUB
#undef WHEEL

namespace {

void Record2Wheel(const char *record, const CatalogueField *fields, int count, Wheel *wheel)
{
    char *w = reinterpret_cast<char *>(wheel);
    for (int i = 0; i < count; i++) {
        const CatalogueField &f = fields[i];
        if (f.kind == kFieldNumber) {
            memcpy(w + f.wheel, record + f.record, sizeof(double));
            continue;
        }
        if (f.kind == kFieldHead) {
            memcpy(w + f.wheel, record + f.record, sizeof(int));
            continue;
        }
        const char *text;
        memcpy(&text, record + f.record, sizeof text);
        text = text ? text : "";
        size_t n = strnlen(text, kWheelTextSize - 1);
        // As an item's text is cut: never within a UTF-8 character.
        if (n == kWheelTextSize - 1)
            while (n > 0 && ((unsigned char)text[n] & 0xC0) == 0x80)
                n--;
        memcpy(w + f.wheel, text, n);
        w[f.wheel + n] = '\0';
    }
}

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

void Rim2Wheel(const RimRecord &rim, Wheel *wheel)
{
    Record2Wheel(reinterpret_cast<const char *>(&rim), kRimFields, kRimFieldCount, wheel);
}

void Hub2Wheel(const HubRecord &hub, Wheel *wheel)
{
    Record2Wheel(reinterpret_cast<const char *>(&hub), kHubFields, kHubFieldCount, wheel);
}

int RequiredFields(const CatalogueField *fields, int count)
{
    int n = 0;
    while (n < count && !fields[n].optional)
        n++;
    return n;
}

int Str2SpokeHead(const char *text, bool *known)
{
    *known = true;
    if (text[0] == '\0' || SameIgnoringCase(text, "J-bend"))
        return kJBendHead;
    if (SameIgnoringCase(text, "straight-pull"))
        return kStraightPullHead;
    *known = false;
    return kJBendHead;
}

const char *SpokeHead2Str(int head)
{
    return head == kStraightPullHead ? "straight-pull" : "J-bend";
}
