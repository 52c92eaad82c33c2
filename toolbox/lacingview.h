// SPDX-FileCopyrightText: 2026 The Quennick developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Included by: toolbox/*.cpp only (it includes Qt).
// The lacing diagram's painter, shared by its window and the printed sheet.
#ifndef QUENNICK_TOOLBOX_LACINGVIEW_H
#define QUENNICK_TOOLBOX_LACINGVIEW_H

#include <QPainter>
#include <QRectF>
#include <QString>

#include "calc/lacing.h"
#include "toolbox/toolbox.h"

namespace tbx {

// A picture that owns its lacing.
struct LacingCopy {
    bool hasLacing = false;
    Lacing lacing{};
    double rimDiameter = 0, flangeDiameter1 = 0, flangeDiameter2 = 0;
    QString why; // why there is no lacing, when the picture says
};
LacingCopy CopyLacing(const LacingPicture *picture);

// Paints what DrawLacing lays out for `box` (the wheel seen from side 2, to
// scale, with a legend below it when `legend`), clipped to `box`. `unit` is
// the size of a typographic point in the painter's units.
void PaintLacing(QPainter &p, const QRectF &box, const LacingCopy &c, double unit, bool legend);

// What the diagram shows, in words, for assistive technology.
QString DescribeLacing(const LacingCopy &c);

} // namespace tbx

#endif
