// SPDX-FileCopyrightText: 2026 The Quennick developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The catalogue lines' fields, which the reader, the rim and hub choices and
// `quennick --check` all go by.
#include <stddef.h>
#include <string.h>

#include "catalogue/catalogue.h"

#define RIM(member) offsetof(RimRecord, member)
#define HUB(member) offsetof(HubRecord, member)
#define WHEEL(member) offsetof(Wheel, member)
const CatalogueField kRimFields[kRimFieldCount] = {
    {"ERD", true, RIM(diameter), WHEEL(rim.diameter)},
    {"name", false, RIM(text1), WHEEL(rim.name)},
    {"notes", false, RIM(text2), WHEEL(rim.notes)},
    {"size", false, RIM(text3), WHEEL(rim.size)},
};
const CatalogueField kHubFields[kHubFieldCount] = {
    {"spoke hole diameter", true, HUB(holeDiameter), WHEEL(hub.holeDiameter)},
    {"side 1 flange diameter", true, HUB(flangeDiameter1), WHEEL(hub.flangeDiameter1)},
    {"side 1 flange distance", true, HUB(flangeDistance1), WHEEL(hub.flangeDistance1)},
    {"side 2 flange diameter", true, HUB(flangeDiameter2), WHEEL(hub.flangeDiameter2)},
    {"side 2 flange distance", true, HUB(flangeDistance2), WHEEL(hub.flangeDistance2)},
    {"name", false, HUB(text1), WHEEL(hub.name)},
    {"axle", false, HUB(text2), WHEEL(hub.axle)},
    {"notes", false, HUB(text3), WHEEL(hub.notes)},
    {"position", false, HUB(text4), WHEEL(hub.position)},
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
        if (f.number) {
            memcpy(w + f.wheel, record + f.record, sizeof(double));
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

} // namespace

void Rim2Wheel(const RimRecord &rim, Wheel *wheel)
{
    Record2Wheel(reinterpret_cast<const char *>(&rim), kRimFields, kRimFieldCount, wheel);
}

void Hub2Wheel(const HubRecord &hub, Wheel *wheel)
{
    Record2Wheel(reinterpret_cast<const char *>(&hub), kHubFields, kHubFieldCount, wheel);
}
