// SPDX-FileCopyrightText: 2026 The Quennick developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "calc/wheel.h"

#include <math.h>
#include <string.h>

#include "calc/checks.h"
#include "calc/geometry.h"
#include "calc/lacing_note.h"
#include "calc/spoke.h"

namespace {

SideResults NoSide(double spokes)
{
    SideResults s;
    s.spokes = (int)(spokes / 2);
    s.length = s.geometric = s.percent = s.tension = s.bracing = NAN;
    s.stretch = s.toBuy = s.toBuyDifference = NAN;
    return s;
}

// The stock length to buy for the length it stands for: the unstretched
// spoke (the geometric length less half the hole, less the stretch), or
// without a stretch the length shown.
void Buy(SideResults *s, double holeDiameter, double step)
{
    const double computed =
        isfinite(s->stretch) ? s->geometric - 0.5 * holeDiameter - s->stretch : s->length;
    if (!isfinite(computed))
        return;
    s->toBuy = StockLength(computed, step);
    // To the tenth shown, and no "-0,0" for a difference that rounds to nothing.
    const double difference = round((s->toBuy - computed) * 10) / 10;
    s->toBuyDifference = difference == 0 ? 0 : difference;
}

NoteKind PartsNote(PartsKind kind)
{
    switch (kind) {
    case kPartsNoRim: return kNoteNoRim;
    case kPartsFlangeOverRim: return kNoteFlangeOverRim;
    case kPartsFlangeDistance: return kNoteFlangeDistance;
    case kPartsOffsetPastFlange: return kNoteOffsetPastFlange;
    case kPartsFine: break;
    }
    return kNoteNone;
}

} // namespace

void Wheel2Results(const Wheel &w, Results *r)
{
    r->calculated = true;
    r->wheel = w;
    const bool straight = w.hub.head == kStraightPullHead;
    r->laced = false;
    // A straight-pull head bears on its seat: no hole to wrap around.
    const double hole = straight ? 0 : w.hub.holeDiameter;
    // Each side as the lacing lays it, with its own spoke count and the rim's
    // offset taken from the flange distance of the side its holes sit toward.
    SpokeSide side1, side2;
    WheelSides(w, straight, &side1, &side2);
    SideResults &s1 = r->side1, &s2 = r->side2;
    s1 = NoSide(side1.spokes);
    s2 = NoSide(side2.spokes);
    // A spoke count the popup cannot hold stands for no wheel at all.
    if (w.spokes > 0) {
        s1.length = SideSpokeLength(side1, hole);
        s2.length = SideSpokeLength(side2, hole);
        r->laced = DoLacing(s1.spokes, s2.spokes, w.crossings1, w.crossings2, &r->lacing);
    } else {
        memset(&r->lacing, 0, sizeof r->lacing);
    }
    const bool lengths = isfinite(s1.length) && isfinite(s2.length);
    const bool balance = lengths && SidesTensionBalance(side1, side2, &s1.percent, &s2.percent);
    // The tighter side's tension as typed, in newtons for the stretch; only
    // one that spokes take (1e5 kgf would stretch a spoke by 76 cm).
    const bool typed = w.targetTyped || w.target != 0;
    const TargetKind kind = typed ? TargetKindOf(w.target, w.unit == kUnitNewton) : kTargetEmpty;
    const double newtons = w.unit == kUnitNewton ? w.target : w.target * kNewtonsPerKgf;
    const bool target = balance && kind == kTargetInRange;
    const SpokeSide *sides[2] = {&side1, &side2};
    SideResults *results[2] = {&s1, &s2};
    const int gauges[2] = {w.gauge1, w.gauge2};
    for (int i = 0; i < 2; i++) {
        SideResults *s = results[i];
        if (lengths)
            s->bracing = SideBracing(*sides[i]);
        s->geometric = SideGeometric(*sides[i]);
        if (target) {
            s->tension = w.target * s->percent / 100;
            s->stretch = SpokeStretch(gauges[i], newtons * s->percent / 100, s->geometric);
        }
        // No length to buy from a target no spoke takes.
        if (kind == kTargetEmpty || kind == kTargetInRange)
            Buy(s, hole, w.stockStep);
    }
    int slackSide = 0;
    if (target && MaySlacken(s1.percent < s2.percent ? s1.percent : s2.percent))
        slackSide = s1.percent < s2.percent ? 1 : 2;
    // The rim's offset as the form's distances take it: toward side 2.
    r->parts = CheckParts(w.rim.diameter, OffsetTowardSide2(w.rim.offset, w.rim.offsetSide),
                          w.hub.flangeDiameter1, w.hub.flangeDiameter2, w.hub.flangeDistance1,
                          w.hub.flangeDistance2);
    r->unlaced = LacingCheck();
    if (w.spokes > 0 && !r->laced)
        r->unlaced = CheckLacing(s1.spokes, s2.spokes, w.crossings1, w.crossings2);
    // One note: parts no wheel has, then a target no spoke takes, then what the
    // lacing and the tensions say.
    r->note = LacingNote();
    if (r->parts.kind != kPartsFine) {
        r->note.kind = PartsNote(r->parts.kind);
        r->note.side = r->parts.side;
    } else if (kind == kTargetNotNumber || kind == kTargetOutOfRange || kind == kTargetOtherUnit) {
        r->note.kind = kind == kTargetNotNumber   ? kNoteTargetNotNumber
                       : kind == kTargetOtherUnit ? kNoteTargetOtherUnit
                                                  : kNoteTargetOutOfRange;
    } else if (w.spokes > 0) {
        r->note =
            LacingNoteOf(side1, side2, hole, slackSide, slackSide == 1 ? s1.percent : s2.percent);
    }
}

bool CanBuild(const Results &r)
{
    return r.calculated && r.laced && r.parts.kind == kPartsFine && isfinite(r.side1.length) &&
           isfinite(r.side2.length);
}

void ClearedResults(const Wheel &wheel, Results *r)
{
    memset(r, 0, sizeof *r);
    r->wheel = wheel;
    r->side1 = NoSide(0);
    r->side2 = NoSide(0);
    r->side1.length = r->side2.length = 0;
    r->note = LacingNote();
}
