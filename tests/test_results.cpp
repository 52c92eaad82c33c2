// SPDX-FileCopyrightText: 2026 The Quennick developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Wheel2Results: every figure of a Calculate from the wheel record alone, no
// window: lengths, tension shares and tensions, stretch, lengths to buy, the
// lacing note and the lacing.
#include <cmath>
#include <memory>
#include <string>

#include <gtest/gtest.h>

#include "calc/numtext.h"
#include "calc/spoke.h"
#include "calc/wheel.h"

namespace {

// The worked wheel: ERD 600, flanges 45/57 at 35/20, hole 2,6, 32 spokes, 3 crossings.
Wheel Worked()
{
    Wheel w = Wheel();
    w.rim.diameter = 600;
    w.hub.head = kJBendHead;
    w.hub.flangeDiameter1 = 45, w.hub.flangeDiameter2 = 57;
    w.hub.flangeDistance1 = 35, w.hub.flangeDistance2 = 20;
    w.hub.holeDiameter = 2.6;
    w.crossings1 = w.crossings2 = 3;
    w.spokes = 32;
    w.sharing = kSidesEqual;
    w.gauge1 = w.gauge2 = kGaugeNotSet;
    w.unit = kUnitKgf;
    w.stockStep = 2;
    return w;
}

std::string Shown(double v, int decimals)
{
    if (std::isnan(v))
        return "";
    char text[kNumTextSize];
    Double2Str(v, (SInt16)decimals, text);
    return text;
}

// Both sides' figures as the form rounds them, "side 1 | side 2"; "" for NAN.
typedef std::string (*Figure)(const SideResults &);
std::string Both(const Results &r, Figure f)
{
    return f(r.side1) + " | " + f(r.side2);
}
std::string Rounded(double v)
{
    return Shown(std::isnan(v) ? NAN : std::round(v), 0);
}
std::string Length(const SideResults &s)
{
    return Shown(s.length, 2);
}
// The whole percentage, and with a target the tension after it.
std::string Share(const SideResults &s)
{
    return Rounded(s.percent) + "%" + (std::isnan(s.tension) ? "" : " " + Rounded(s.tension));
}
std::string Stretch(const SideResults &s)
{
    return Shown(s.stretch, 2);
}
std::string Buy(const SideResults &s)
{
    return Shown(s.toBuy, 0) + " " + Shown(s.toBuyDifference, 1);
}

// A wheel changed from the worked one, and what it must give; a null figure
// is not looked at in that row.
struct Row {
    const char *name;
    void (*change)(Wheel *);
    const char *lengths, *shares, *stretch, *buy;
    NoteKind note;
    int noteSide;
    double noteFigure; // the note's angle or percent, rounded; 0 when it has none
    bool laced;
};

void Butted120Kgf(Wheel *w)
{
    w->gauge1 = w->gauge2 = kGaugeButted201820;
    w->target = 120;
}

const char kWorked[] = "292,33 | 289,10";

const Row kRows[] = {
    // Without a target, the length shown rounded to the stock length.
    {"worked_no_target", [](Wheel *) {}, kWorked, "58% | 100%", " | ", "292 -0,3 | 290 0,9",
     kNoteNone, 0, 0, true},
    // Geometric lengths 294,22 and 290,98, side 1 at 57,78 %; unstretched (less
    // the half hole 1,3 and the stretch) 292,52 and 288,99.
    {"worked_butted_120_kgf", Butted120Kgf, kWorked, "58% 69 | 100% 120", "0,40 | 0,69",
     "292 -0,5 | 288 -1,0", kNoteNone, 0, 0, true},
    {"worked_butted_1176_N",
     [](Wheel *w) {
         Butted120Kgf(w);
         w->target = 1176.798, w->unit = kUnitNewton;
     },
     kWorked, "58% 680 | 100% 1177", "0,40 | 0,69", "292 -0,5 | 288 -1,0", kNoteNone, 0, 0, true},
    {"worked_butted_1176_N_every_1mm",
     [](Wheel *w) {
         Butted120Kgf(w);
         w->target = 1176.798, w->unit = kUnitNewton, w->stockStep = 1;
     },
     kWorked, "58% 680 | 100% 1177", "0,40 | 0,69", "293 0,5 | 289 0,0", kNoteNone, 0, 0, true},
    {"target_without_gauge_gives_no_stretch", [](Wheel *w) { w->target = 120; }, kWorked,
     "58% 69 | 100% 120", " | ", "292 -0,3 | 290 0,9", kNoteNone, 0, 0, true},
    {"symmetric_front_hub",
     [](Wheel *w) {
         w->hub.flangeDiameter1 = w->hub.flangeDiameter2 = 38;
         w->hub.flangeDistance1 = w->hub.flangeDistance2 = 35;
     },
     nullptr, "100% | 100%", nullptr, nullptr, kNoteNone, 0, 0, true},
    // A flange distance no hub has: no share, and the note says so.
    {"flange_distance_zero_gives_no_share",
     [](Wheel *w) { w->hub.flangeDistance1 = 0, w->target = 120; }, nullptr, "% | %", " | ",
     nullptr, kNoteFlangeDistance, 0, 0, true},
    {"flange_distance_below_zero_gives_no_share", [](Wheel *w) { w->hub.flangeDistance2 = -1; },
     nullptr, "% | %", nullptr, nullptr, kNoteFlangeDistance, 0, 0, true},
    {"no_spoke_count_gives_nothing", [](Wheel *w) { w->spokes = 0, w->target = 120; }, " | ",
     "% | %", " | ", "  |  ", kNoteNone, 0, 0, false},
    // With 2:1 the side with fewer spokes carries more tension each; a looser
    // side below half the target's may go slack, unless a side cannot be
    // laced at all.
    {"24_2to1_more_on_2",
     [](Wheel *w) {
         w->spokes = 24, w->sharing = kSidesMoreOn2, w->crossings1 = w->crossings2 = 2;
         w->target = 120;
     },
     nullptr, "100% 120 | 81% 97", nullptr, nullptr, kNotePastTangent, 1, 90, true},
    {"36_2to1_more_on_1_side_1_may_slacken",
     [](Wheel *w) {
         w->spokes = 36, w->sharing = kSidesMoreOn1, w->crossings1 = w->crossings2 = 2;
         w->target = 120;
     },
     nullptr, "28% 34 | 100% 120", nullptr, nullptr, kNoteMaySlacken, 1, 28, true},
    {"24_2to1_more_on_1_side_2_at_its_tangent_before_slack",
     [](Wheel *w) {
         w->spokes = 24, w->sharing = kSidesMoreOn1, w->crossings1 = w->crossings2 = 2;
         w->target = 120;
     },
     nullptr, "27% 32 | 100% 120", nullptr, nullptr, kNotePastTangent, 2, 90, true},
    {"24_2to1_more_on_1_steep_side_before_slack",
     [](Wheel *w) { w->spokes = 24, w->sharing = kSidesMoreOn1, w->target = 120; }, nullptr,
     "26% 31 | 100% 120", nullptr, nullptr, kNoteTooSteep, 2, 135, true},
    // A side whose spokes span a quarter turn or more, or reach the tangent of
    // their flange (85,7 degrees for side 1, 84,5 for side 2): the lengths and
    // the lacing are still made.
    {"24_both_at_90_past_their_tangents", [](Wheel *w) { w->spokes = 24; }, nullptr, nullptr,
     nullptr, nullptr, kNoteBothPastTangent, 0, 0, true},
    {"16_side_1_at_90_past_its_tangent",
     [](Wheel *w) { w->spokes = 16, w->crossings1 = 2, w->crossings2 = 1; }, nullptr, nullptr,
     nullptr, nullptr, kNotePastTangent, 1, 90, true},
    {"20_side_2_past_a_quarter_turn", [](Wheel *w) { w->spokes = 20, w->crossings1 = 0; }, nullptr,
     nullptr, nullptr, nullptr, kNoteTooSteep, 2, 108, true},
    {"16_side_1_past_a_quarter_turn_side_2_at_90",
     [](Wheel *w) { w->spokes = 16, w->crossings2 = 2; }, nullptr, nullptr, nullptr, nullptr,
     kNoteBothPastTangent, 0, 0, true},
    {"20_both_past_a_quarter_turn", [](Wheel *w) { w->spokes = 20; }, nullptr, nullptr, nullptr,
     nullptr, kNoteBothTooSteep, 0, 0, true},
    {"18_2to1_side_1_past_a_quarter_turn_side_2_at_85",
     [](Wheel *w) { w->spokes = 18, w->sharing = kSidesMoreOn2, w->crossings1 = 2; }, nullptr,
     nullptr, nullptr, nullptr, kNoteBothPastTangent, 0, 0, true},
    // Side 2's 12 at 3 crossings span 90 degrees less a quarter rim hole pitch.
    {"18_2to1_side_2_at_85_past_its_tangent",
     [](Wheel *w) { w->spokes = 18, w->sharing = kSidesMoreOn2, w->crossings1 = 1; }, nullptr,
     nullptr, nullptr, nullptr, kNotePastTangent, 2, 85, true},
    {"18_2to1_at_60_and_55",
     [](Wheel *w) {
         w->spokes = 18, w->sharing = kSidesMoreOn2, w->crossings1 = 1, w->crossings2 = 2;
     },
     nullptr, nullptr, nullptr, nullptr, kNoteNone, 0, 0, true},
};

class Results2 : public testing::TestWithParam<Row> {};

TEST_P(Results2, FiguresOfTheWheel)
{
    const Row &row = GetParam();
    Wheel w = Worked();
    row.change(&w);
    auto r = std::make_unique<Results>();
    Wheel2Results(w, r.get());
    EXPECT_TRUE(r->calculated);
    EXPECT_EQ(r->wheel.spokes, w.spokes) << "the results keep the wheel they are for";
    const struct {
        const char *expected;
        Figure figure;
        const char *what;
    } figures[] = {{row.lengths, Length, "lengths"},
                   {row.shares, Share, "shares"},
                   {row.stretch, Stretch, "stretch"},
                   {row.buy, Buy, "to buy"}};
    for (const auto &f : figures) {
        if (f.expected) {
            EXPECT_EQ(Both(*r, f.figure), f.expected) << f.what;
        }
    }
    if (!row.lengths) {
        EXPECT_TRUE(std::isfinite(r->side1.length) && std::isfinite(r->side2.length));
    }
    EXPECT_EQ(r->note.kind, row.note);
    if (row.note == kNoteTooSteep || row.note == kNotePastTangent || row.note == kNoteMaySlacken) {
        EXPECT_EQ(r->note.side, row.noteSide);
    }
    if (row.note == kNoteTooSteep || row.note == kNotePastTangent) {
        EXPECT_EQ(std::round(r->note.angle), row.noteFigure);
    } else if (row.note == kNoteMaySlacken) {
        EXPECT_EQ(std::round(r->note.percent), row.noteFigure);
    }
    EXPECT_EQ(r->laced, row.laced);
}

INSTANTIATE_TEST_SUITE_P(Wheel2Results, Results2, testing::ValuesIn(kRows),
                         [](const testing::TestParamInfo<Row> &info) {
                             return std::string(info.param.name);
                         });

} // namespace
