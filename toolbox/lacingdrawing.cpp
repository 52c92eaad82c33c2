// SPDX-FileCopyrightText: 2026 The Quennick developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The lacing diagram laid out as plain data, in the painter's units: plain
// C++ with no Qt, so that tests read what the diagram draws. The painter
// (lacingview.cpp) only draws it.

#include <math.h>

#include "calc/lacing.h"
#include "toolbox/toolbox.h"

static_assert((int)kMaxDrawnSpokes >= (int)kMaxLacingSpokes, "every spoke of a lacing is drawn");

namespace {

DrawPoint At(DrawPoint centre, double radius, double degrees)
{
    const double a = degrees * M_PI / 180.0;
    return {centre.x + radius * sin(a), centre.y - radius * cos(a)};
}

DrawBox Around(DrawPoint p, double halfWidth, double halfHeight)
{
    return {p.x - halfWidth, p.y - halfHeight, 2 * halfWidth, 2 * halfHeight};
}

double Or(double value, double fallback)
{
    return value > 0 && isfinite(value) ? value : fallback;
}

DrawPen Pen(double width, DrawInk ink, double dash = 0, double gap = 0)
{
    return {width, dash, gap, ink, false};
}

// Side 1 is dashed as well as coloured, so that the diagram reads in
// greyscale; trailing (and radial) spokes are drawn with wider lines than
// leading ones.
DrawPen SpokePen(int side, int kind, double unit)
{
    DrawPen pen = Pen((kind == kLeading ? 0.5 : 1.1) * unit, side == 1 ? kInkSide1 : kInkSide2);
    if (side == 1)
        pen.dash = 4, pen.gap = 2;
    return pen;
}

// The rim, axle and flanges, per spoke a line, hub hole, rim hole and number,
// the key's three items, the valve's two and the legend's eight.
static_assert(4 + 4 * kMaxLacingSpokes + 3 + 2 + 8 <= kMaxDrawItems, "every item has room");

// Appends an item of `shape` and `role`, and returns it for the rest to be
// filled in. The list has room for every item of the biggest wheel; were it
// full, the last item would be written again, never past the end.
DrawItem &Add(LacingDrawing *d, DrawShape shape, DrawRole role, SInt16 side = 0)
{
    DrawItem &item = d->item[d->count < kMaxDrawItems ? d->count++ : kMaxDrawItems - 1];
    item = DrawItem();
    item.shape = shape;
    item.role = role;
    item.side = side;
    return item;
}

DrawItem &Circle(LacingDrawing *d, DrawRole role, SInt16 side, DrawPoint centre, double radius,
                 DrawPen pen, DrawInk fill = kInkNone)
{
    DrawItem &c = Add(d, kShapeCircle, role, side);
    c.from = centre;
    c.radius = radius;
    c.pen = pen;
    c.fill = fill;
    return c;
}

DrawItem &Line(LacingDrawing *d, DrawRole role, SInt16 side, DrawPoint from, DrawPoint to,
               DrawPen pen)
{
    DrawItem &l = Add(d, kShapeLine, role, side);
    l.from = from;
    l.to = to;
    l.pen = pen;
    return l;
}

DrawItem &Text(LacingDrawing *d, DrawRole role, DrawBox box, double points)
{
    DrawItem &t = Add(d, kShapeText, role);
    t.box = box;
    t.points = points;
    t.pen = Pen(0, kInkBlack);
    return t;
}

void Legend(LacingDrawing *d, DrawBox area, double unit)
{
    const double row = 11 * unit, line = 22 * unit, colWidth = area.width / 2;
    const struct {
        SInt16 side, kind;
    } entries[4] = {{2, kTrailing}, {2, kLeading}, {1, kTrailing}, {1, kLeading}};
    for (SInt16 i = 0; i < 4; i++) {
        const double x = area.left + (i / 2) * colWidth, y = area.top + (i % 2) * row + row / 2;
        DrawItem &l = Line(d, kRoleLegendLine, entries[i].side, {x, y}, {x + line, y},
                           SpokePen(entries[i].side, entries[i].kind, unit));
        l.kind = entries[i].kind;
        l.number = i;
        DrawItem &t =
            Text(d, kRoleLegendWords,
                 {x + line + 4 * unit, y - row / 2, colWidth - line - 4 * unit, row}, 7.5);
        t.number = i;
        t.left = true;
    }
}

} // namespace

void DrawLacing(const LacingPicture *picture, DrawBox frame, double unit, Boolean legend,
                LacingDrawing *out)
{
    LacingDrawing &d = *out;
    d.frame = frame;
    d.count = 0;
    const double legendHeight = legend ? 26 * unit : 0;
    const double side = fmin(frame.width, frame.height - legendHeight);
    // Below this the valve's word and the hole numbers would not fit.
    if (!picture || !(unit > 0) || !(side >= 64 * unit))
        return;
    const DrawBox square = {frame.left + (frame.width - side) / 2, frame.top, side, side};
    const DrawPoint centre = {square.left + side / 2, square.top + side / 2};
    // Room around the largest circle for the hole numbers and the valve's word.
    const double outer = side / 2 - 16 * unit;
    const double rim = Or(picture->rimDiameter, 600);
    const double flange1 = Or(picture->flangeDiameter1, 45);
    const double flange2 = Or(picture->flangeDiameter2, 45);
    const double scale = outer / (fmax(rim, fmax(flange1, flange2)) / 2);
    const double rimRadius = rim / 2 * scale;
    const double flange[3] = {0, flange1 / 2 * scale, flange2 / 2 * scale};

    Circle(&d, kRoleRim, 0, centre, rimRadius, Pen(1.5 * unit, kInkBlack));
    Circle(&d, kRoleAxle, 0, centre, fmin(4 * scale, outer), Pen(0.5 * unit, kInkGrey));
    // Side 1's flange lies behind, dashed; side 2's in front.
    Circle(&d, kRoleFlange, 1, centre, flange[1], Pen(0.6 * unit, kInkSide1, 3, 2));
    Circle(&d, kRoleFlange, 2, centre, flange[2], Pen(0.6 * unit, kInkSide2));

    const Lacing *l = picture->lacing;
    if (l && l->spokes > 0 && l->spokes <= kMaxLacingSpokes) {
        // Side 1's spokes first: side 2's lie in front of them.
        for (SInt16 s = 1; s <= 2; s++)
            for (int i = 0; i < l->spokes; i++) {
                const RimHole &h = l->hole[i];
                if (h.side != s)
                    continue;
                const double hubAngle = (s == 1 ? l->hub1 : l->hub2)[h.hubHole - 1];
                DrawItem &spoke = Line(&d, kRoleSpoke, s, At(centre, flange[s], hubAngle),
                                       At(centre, rimRadius, h.angle), SpokePen(s, h.kind, unit));
                spoke.kind = (SInt16)h.kind;
                spoke.number = (SInt16)(i + 1);
            }
        // Hub holes: side 2's filled, side 1's open.
        for (SInt16 s = 1; s <= 2; s++) {
            const int n = s == 1 ? l->spokes1 : l->spokes2;
            const DrawInk ink = s == 1 ? kInkSide1 : kInkSide2;
            for (int k = 0; k < n; k++) {
                Circle(&d, kRoleHubHole, s, At(centre, flange[s], (s == 1 ? l->hub1 : l->hub2)[k]),
                       1.2 * unit, Pen(0.5 * unit, ink), s == 2 ? ink : kInkWhite)
                    .number = (SInt16)(k + 1);
            }
        }
        // Rim holes with their numbers outside the rim, every one up to 48.
        const int every = l->spokes > 48 ? 2 : 1;
        for (int i = 0; i < l->spokes; i++) {
            const RimHole &h = l->hole[i];
            const DrawInk ink = h.side == 1 ? kInkSide1 : kInkSide2;
            Circle(&d, kRoleRimHole, (SInt16)h.side, At(centre, rimRadius, h.angle), 1.4 * unit,
                   Pen(0.5 * unit, ink), ink)
                .number = (SInt16)(i + 1);
            if ((i + 1) % every == 0 || i == 0) {
                DrawItem &t =
                    Text(&d, kRoleHoleNumber,
                         Around(At(centre, rimRadius + 7 * unit, h.angle), 8 * unit, 5 * unit),
                         l->spokes > 40 ? 5.5 : 6.5);
                t.number = (SInt16)(i + 1);
            }
        }
        // The key spoke: a heavier black line, a ring at its rim hole and its
        // word inside the rim beside it.
        const RimHole &key = l->hole[0];
        const double keyHub = (key.side == 1 ? l->hub1 : l->hub2)[key.hubHole - 1];
        DrawPen keyPen = Pen(2.2 * unit, kInkBlack);
        keyPen.roundCap = true;
        Line(&d, kRoleKeySpoke, (SInt16)key.side, At(centre, flange[key.side], keyHub),
             At(centre, rimRadius, key.angle), keyPen)
            .number = 1;
        Circle(&d, kRoleKeyRing, (SInt16)key.side, At(centre, rimRadius, key.angle), 4 * unit,
               keyPen);
        Text(&d, kRoleKeyWord,
             Around(At(centre, rimRadius - 12 * unit, key.angle + 360.0 / l->spokes), 30 * unit,
                    5 * unit),
             7)
            .bold = true;
    }

    // The valve hole, at the top between the last rim hole and hole 1.
    DrawItem &valve = Add(&d, kShapeBox, kRoleValve);
    valve.box = Around(At(centre, rimRadius, 0), 2.5 * unit, 2.5 * unit);
    valve.pen = Pen(0.8 * unit, kInkBlack);
    valve.fill = kInkWhite;
    Text(&d, kRoleValveWord, {centre.x - 30 * unit, square.top, 60 * unit, 9 * unit}, 7);
    if (legend)
        Legend(&d, {square.left, square.top + side + 2 * unit, side, legendHeight - 2 * unit},
               unit);
}
