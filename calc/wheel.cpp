// SPDX-FileCopyrightText: 2026 The Quennick developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "calc/wheel.h"

#include <math.h>
#include <string.h>

#include "calc/spoke.h"

namespace {

// One side as the formulas take it: its spoke count doubled, its flange
// distance moved by the rim's offset.
struct Side {
    double flangeDiameter;
    double flangeDistance;
    double crossings;
    double spokes;
};

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

// The note: which side's spokes would cross their own flange (a crossing
// angle over a right angle); else a looser side that may go slack.
LacingNote NoteOf(const Side &side1, const Side &side2, int slackSide, double slackPercent)
{
    LacingNote note = {kNoteNone, 0, NAN, NAN};
    const double angle1 = CrossingAngle(side1.crossings, side1.spokes);
    const double angle2 = CrossingAngle(side2.crossings, side2.spokes);
    const bool steep1 = angle1 > 90, steep2 = angle2 > 90;
    if (steep1 && steep2) {
        note.kind = kNoteBothTooSteep;
    } else if (steep1 || steep2) {
        note.kind = kNoteTooSteep;
        note.side = steep1 ? 1 : 2;
        note.angle = steep1 ? angle1 : angle2;
    } else if (slackSide != 0) {
        note.kind = kNoteMaySlacken;
        note.side = slackSide;
        note.percent = slackPercent;
    }
    return note;
}

} // namespace

void Wheel2Results(const Wheel &w, Results *r)
{
    memset(r, 0, sizeof *r);
    r->calculated = true;
    r->wheel = w;
    // A straight-pull head bears on its seat: no hole to wrap around.
    const double hole = w.hub.head == kStraightPullHead ? 0 : w.hub.holeDiameter;
    const double rim = w.rim.diameter, spokes = w.spokes;
    double spokes1, spokes2;
    SideSpokes(spokes, w.sharing, &spokes1, &spokes2);
    // An asymmetric rim's spoke bed sits nearer side 2's flange.
    const Side side1 = {w.hub.flangeDiameter1, w.hub.flangeDistance1 + w.rim.offset,
                        (double)w.crossings1, spokes1};
    const Side side2 = {w.hub.flangeDiameter2, w.hub.flangeDistance2 - w.rim.offset,
                        (double)w.crossings2, spokes2};
    SideResults &s1 = r->side1, &s2 = r->side2;
    s1 = NoSide(spokes1);
    s2 = NoSide(spokes2);
    // A spoke count the popup cannot hold stands for no wheel at all.
    if (spokes > 0) {
        // Each side is laced as a wheel of twice its own spokes.
        double unused;
        DoCalculate(side1.flangeDiameter, side2.flangeDiameter, side1.flangeDistance,
                    side2.flangeDistance, rim, side1.crossings, side2.crossings, spokes1, hole,
                    &s1.length, spokes1 == spokes2 ? &s2.length : &unused);
        if (spokes1 != spokes2)
            DoCalculate(side1.flangeDiameter, side2.flangeDiameter, side1.flangeDistance,
                        side2.flangeDistance, rim, side1.crossings, side2.crossings, spokes2, hole,
                        &unused, &s2.length);
        r->laced = DoLacing(s1.spokes, s2.spokes, w.crossings1, w.crossings2, &r->lacing);
    }
    const bool lengths = isfinite(s1.length) && isfinite(s2.length);
    const bool balance =
        lengths &&
        DoSideTensionBalance(side1.flangeDiameter, side2.flangeDiameter, side1.flangeDistance,
                             side2.flangeDistance, rim, side1.crossings, side2.crossings, spokes1,
                             spokes2, &s1.percent, &s2.percent);
    // The tighter side's tension as typed, in newtons for the stretch.
    const double newtons = w.unit == kUnitNewton ? w.target : w.target * kNewtonsPerKgf;
    const bool target = balance && w.target > 0 && isfinite(newtons);
    const double step = w.stockStep;
    const Side *sides[2] = {&side1, &side2};
    SideResults *results[2] = {&s1, &s2};
    const int gauges[2] = {w.gauge1, w.gauge2};
    for (int i = 0; i < 2; i++) {
        const Side &side = *sides[i];
        SideResults *s = results[i];
        if (lengths)
            s->bracing = BracingAngle(side.flangeDiameter, side.flangeDistance, side.crossings, rim,
                                      side.spokes);
        s->geometric = SpokeGeometricLength(side.flangeDiameter, side.flangeDistance,
                                            side.crossings, rim, side.spokes);
        if (target) {
            s->tension = w.target * s->percent / 100;
            s->stretch = SpokeStretch(gauges[i], newtons * s->percent / 100, s->geometric);
        }
        Buy(s, hole, step);
    }
    int slackSide = 0;
    if (target && MaySlacken(s1.percent < s2.percent ? s1.percent : s2.percent))
        slackSide = s1.percent < s2.percent ? 1 : 2;
    r->note = {kNoteNone, 0, NAN, NAN};
    if (spokes > 0)
        r->note = NoteOf(side1, side2, slackSide, slackSide == 1 ? s1.percent : s2.percent);
}

void ClearedResults(const Wheel &wheel, Results *r)
{
    memset(r, 0, sizeof *r);
    r->wheel = wheel;
    r->side1 = NoSide(0);
    r->side2 = NoSide(0);
    r->side1.length = r->side2.length = 0;
    r->note = {kNoteNone, 0, NAN, NAN};
}
