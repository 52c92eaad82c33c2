// SPDX-FileCopyrightText: 2026 The Quennick developers
// SPDX-License-Identifier: GPL-3.0-or-later

// What the lacing diagram draws, read from its drawing data without pixels:
// each spoke from its hub hole to its rim hole in its side's pen, the key
// spoke and its ring, and everything inside the frame whatever the parts.

#include <math.h>

#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "calc/lacing.h"
#include "toolbox/toolbox.h"

namespace {

const DrawBox kFrame = {10, 20, 400, 440};
const double kUnit = 1.25;

double Distance(DrawPoint a, DrawPoint b)
{
    return hypot(a.x - b.x, a.y - b.y);
}

// The angle of p around the centre, clockwise from the top, in [0, 360).
double Angle(DrawPoint centre, DrawPoint p)
{
    const double a = atan2(p.x - centre.x, centre.y - p.y) * 180 / M_PI;
    return a < 0 ? a + 360 : a;
}

double Turn(double a, double b)
{
    return fabs(remainder(a - b, 360.0));
}

std::vector<const DrawItem *> Items(const LacingDrawing &d, DrawRole role)
{
    std::vector<const DrawItem *> found;
    for (int i = 0; i < d.count; i++)
        if (d.item[i].role == role)
            found.push_back(&d.item[i]);
    return found;
}

struct DrawnWheel {
    const char *name;
    int spokes1, spokes2, crossings1, crossings2;
};

class Drawing : public testing::TestWithParam<DrawnWheel> {};

// Every spoke runs from its hub hole on its side's flange to its rim hole, in
// its side's ink, side 1's dashed and side 2's solid, trailing spokes heavier
// than leading ones, side 2's in front; the key spoke is drawn black over rim
// hole 1's spoke, ringed at its rim hole; every rim hole is numbered.
TEST_P(Drawing, EachSpokeInItsSidesPenFromItsHubHoleToItsRimHole)
{
    const DrawnWheel &w = GetParam();
    Lacing l;
    ASSERT_TRUE(DoLacing(w.spokes1, w.spokes2, w.crossings1, w.crossings2, &l));
    const LacingPicture picture = {&l, 600, 45, 57, nullptr};
    LacingDrawing d;
    DrawLacing(&picture, kFrame, kUnit, TRUE, &d);
    const auto rims = Items(d, kRoleRim), flanges = Items(d, kRoleFlange);
    const auto spokes = Items(d, kRoleSpoke), rimHoles = Items(d, kRoleRimHole);
    ASSERT_EQ(rims.size(), 1u);
    ASSERT_EQ(flanges.size(), 2u);
    ASSERT_EQ(spokes.size(), (size_t)l.spokes);
    ASSERT_EQ(rimHoles.size(), (size_t)l.spokes);
    const DrawPoint c = rims[0]->from;
    double leading = 0, trailing = 1e9, heaviest = 0;
    int lastSide = 1;
    for (const DrawItem *s : spokes) {
        const std::string name = "spoke into rim hole " + std::to_string(s->number);
        ASSERT_EQ(s->shape, kShapeLine);
        ASSERT_GE(s->number, 1);
        ASSERT_LE(s->number, l.spokes);
        const RimHole &h = l.hole[s->number - 1];
        EXPECT_EQ(s->side, h.side) << name;
        EXPECT_EQ(s->kind, h.kind) << name;
        EXPECT_GE(s->side, lastSide) << name;
        lastSide = s->side;
        const DrawItem *flange = flanges[0]->side == h.side ? flanges[0] : flanges[1];
        const double hubAngle = (h.side == 1 ? l.hub1 : l.hub2)[h.hubHole - 1];
        EXPECT_NEAR(Distance(c, s->from), flange->radius, 1e-9) << name;
        EXPECT_LT(Turn(Angle(c, s->from), hubAngle), 1e-6) << name;
        EXPECT_NEAR(Distance(s->to, rimHoles[s->number - 1]->from), 0, 1e-9) << name;
        EXPECT_NEAR(Distance(c, s->to), rims[0]->radius, 1e-9) << name;
        EXPECT_LT(Turn(Angle(c, s->to), h.angle), 1e-6) << name;
        EXPECT_EQ(s->pen.ink, h.side == 1 ? kInkSide1 : kInkSide2) << name;
        EXPECT_EQ(s->pen.dash > 0, h.side == 1) << name;
        heaviest = fmax(heaviest, s->pen.width);
        if (h.kind == kLeading)
            leading = fmax(leading, s->pen.width);
        else if (h.kind == kTrailing)
            trailing = fmin(trailing, s->pen.width);
    }
    if (w.crossings1 > 0 || w.crossings2 > 0) {
        EXPECT_GT(trailing, leading);
    }
    // The key spoke: rim hole 1's, over it in black, and ringed.
    const DrawItem *keyed = nullptr;
    for (const DrawItem *s : spokes)
        if (s->number == 1)
            keyed = s;
    ASSERT_NE(keyed, nullptr);
    const auto key = Items(d, kRoleKeySpoke), ring = Items(d, kRoleKeyRing);
    ASSERT_EQ(key.size(), 1u);
    ASSERT_EQ(ring.size(), 1u);
    EXPECT_GT(key[0] - d.item, keyed - d.item) << "drawn over the others";
    EXPECT_NEAR(Distance(key[0]->from, keyed->from), 0, 1e-9);
    EXPECT_NEAR(Distance(key[0]->to, keyed->to), 0, 1e-9);
    EXPECT_EQ(key[0]->pen.ink, kInkBlack);
    EXPECT_GT(key[0]->pen.width, heaviest);
    EXPECT_EQ(ring[0]->shape, kShapeCircle);
    EXPECT_NEAR(Distance(ring[0]->from, rimHoles[0]->from), 0, 1e-9);
    EXPECT_GT(ring[0]->radius, rimHoles[0]->radius);
    EXPECT_GT(ring[0]->pen.width, 0);
    EXPECT_EQ(ring[0]->pen.ink, kInkBlack);
    EXPECT_EQ(ring[0]->fill, kInkNone);
    // Every rim hole is numbered (up to 48 spokes), each beside its hole.
    const auto numbers = Items(d, kRoleHoleNumber);
    ASSERT_EQ(numbers.size(), (size_t)l.spokes);
    for (size_t i = 0; i < numbers.size(); i++) {
        EXPECT_EQ(numbers[i]->number, (int)i + 1);
        const DrawBox &b = numbers[i]->box;
        const DrawPoint at = {b.left + b.width / 2, b.top + b.height / 2};
        EXPECT_LT(Turn(Angle(c, at), l.hole[i].angle), 1e-6) << "number " << i + 1;
    }
}

const DrawnWheel kDrawnWheels[] = {
    {"32_3x", 16, 16, 3, 3},
    {"24_2to1_more_on_2", 8, 16, 2, 2},
    {"36_2to1_more_on_1_radial_2", 24, 12, 3, 0},
    {"28_1x_and_2x", 14, 14, 1, 2},
    {"18_radial", 9, 9, 0, 0},
};

INSTANTIATE_TEST_SUITE_P(Wheels, Drawing, testing::ValuesIn(kDrawnWheels),
                         [](const testing::TestParamInfo<DrawnWheel> &info) {
                             return std::string(info.param.name);
                         });

bool Inside(const DrawBox &frame, DrawPoint p)
{
    const double e = 1e-9;
    return p.x >= frame.left - e && p.x <= frame.left + frame.width + e && p.y >= frame.top - e &&
           p.y <= frame.top + frame.height + e;
}

bool Inside(const DrawBox &frame, const DrawBox &b)
{
    return Inside(frame, DrawPoint{b.left, b.top}) &&
           Inside(frame, DrawPoint{b.left + b.width, b.top + b.height});
}

// Whatever the parts, every item lies inside the frame: a flange bigger than
// the rim, sizes of 0, not a number or beyond any wheel, in a wide or tall
// frame; a frame too small for the numbers gets nothing.
TEST(Drawing, EverythingStaysInsideItsFrame)
{
    const struct {
        const char *name;
        double rim, flange1, flange2;
        DrawBox frame;
        bool legend;
    } cases[] = {
        {"worked wheel", 600, 45, 57, kFrame, true},
        {"flanges bigger than the rim", 100, 300, 300, kFrame, true},
        {"one flange far bigger", 600, 45, 1e6, kFrame, true},
        {"ERD 0", 0, 45, 57, kFrame, true},
        {"sizes not numbers", NAN, INFINITY, -57, kFrame, true},
        {"a huge rim", 1e300, 45, 57, kFrame, true},
        {"a wide frame", 100, 300, 300, {0, 0, 2000, 300}, true},
        {"a tall frame", 100, 300, 300, {0, 0, 300, 2000}, false},
        {"a frame too small", 600, 45, 57, {0, 0, 60, 60}, true},
    };
    Lacing l;
    ASSERT_TRUE(DoLacing(16, 16, 3, 3, &l));
    for (const auto &c : cases) {
        const LacingPicture picture = {&l, c.rim, c.flange1, c.flange2, nullptr};
        LacingDrawing d;
        DrawLacing(&picture, c.frame, kUnit, c.legend, &d);
        EXPECT_EQ(d.count == 0, c.frame.width < 100) << c.name;
        EXPECT_EQ(Items(d, kRoleLegendLine).size(), c.legend && d.count ? 4u : 0u) << c.name;
        for (int i = 0; i < d.count; i++) {
            const DrawItem &item = d.item[i];
            const double r = item.radius;
            const bool inside =
                item.shape == kShapeLine ? Inside(c.frame, item.from) && Inside(c.frame, item.to)
                : item.shape == kShapeCircle
                    ? Inside(c.frame, DrawBox{item.from.x - r, item.from.y - r, 2 * r, 2 * r})
                    : Inside(c.frame, item.box);
            EXPECT_TRUE(inside) << c.name << ", item " << i << " of role " << item.role;
        }
    }
}

} // namespace
