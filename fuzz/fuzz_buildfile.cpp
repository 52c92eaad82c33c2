// SPDX-FileCopyrightText: 2026 The Quennick developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The build file reader on arbitrary text. A refused text leaves the record
// as it was; an accepted one holds texts that fit their fields, finite
// figures and popup values the form offers, and writes out to a text that
// reads back as the same record.
#include <math.h>
#include <stdint.h>
#include <stdlib.h>
#include <string.h>

#include <string>

#include "buildfile/buildfile.h"

namespace {

bool Fits(const char *text)
{
    return memchr(text, '\0', kWheelTextSize) != nullptr;
}

bool Same(const Build &a, const Build &b)
{
    const Wheel &x = a.wheel, &y = b.wheel;
    return !strcmp(a.wheel.name, b.wheel.name) && !strcmp(a.wheel.notes, b.wheel.notes) &&
           !strcmp(x.rim.name, y.rim.name) && !strcmp(x.rim.size, y.rim.size) &&
           !strcmp(x.rim.notes, y.rim.notes) && x.rim.diameter == y.rim.diameter &&
           x.rim.offset == y.rim.offset && !strcmp(x.hub.name, y.hub.name) &&
           !strcmp(x.hub.axle, y.hub.axle) && !strcmp(x.hub.notes, y.hub.notes) &&
           !strcmp(x.hub.position, y.hub.position) && x.hub.head == y.hub.head &&
           x.hub.flangeDiameter1 == y.hub.flangeDiameter1 &&
           x.hub.flangeDiameter2 == y.hub.flangeDiameter2 &&
           x.hub.flangeDistance1 == y.hub.flangeDistance1 &&
           x.hub.flangeDistance2 == y.hub.flangeDistance2 &&
           x.hub.holeDiameter == y.hub.holeDiameter && x.crossings1 == y.crossings1 &&
           x.crossings2 == y.crossings2 && x.spokes == y.spokes && x.sharing == y.sharing &&
           x.gauge1 == y.gauge1 && x.gauge2 == y.gauge2 && x.target == y.target &&
           x.unit == y.unit && x.stockStep == y.stockStep && x.rim.offsetSide == y.rim.offsetSide &&
           x.hub.exit == y.hub.exit && x.hub.seatOffset == y.hub.seatOffset && SameBuild(a, b);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    Build build;
    ClearBuild(&build);
    strcpy(build.wheel.name, "untouched");
    const Build before = build;
    const BuildStatus status = Text2Build((const char *)data, size, &build);
    if (status != kBuildOK && status != kBuildNewer) {
        if (!Same(build, before))
            abort();
        return 0;
    }
    const Wheel &w = build.wheel;
    if (!Fits(w.name) || !Fits(w.notes) || !Fits(w.rim.name) || !Fits(w.hub.position))
        abort();
    if (!isfinite(w.rim.diameter) || !isfinite(w.target) || w.crossings1 < 0 || w.crossings1 > 4 ||
        (w.stockStep != 1 && w.stockStep != 2) || w.spokes < 16)
        abort();
    const std::string text = Build2Text(build);
    Build again;
    ClearBuild(&again);
    if (Text2Build(text.data(), text.size(), &again) != kBuildOK || !Same(again, build))
        abort();
    return 0;
}
