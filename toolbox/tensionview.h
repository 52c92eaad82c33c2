// SPDX-FileCopyrightText: 2026 The Quennick developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Included by: toolbox/*.cpp only (it includes Qt).
// The tension chart's painter, shared by the tension window and the printed sheet.
#ifndef QUENNICK_TOOLBOX_TENSIONVIEW_H
#define QUENNICK_TOOLBOX_TENSIONVIEW_H

#include <QPainter>
#include <QRectF>

#include "calc/tension.h"

namespace tbx {

// Draws each side's tensions round the wheel as a polar plot, seen from side 2
// with the valve at the top (rim hole 1 just right of it, as the lacing diagram
// places it): a spoke's distance from the centre is its tension; each side's
// mean is a circle and its band a ring round it. Side 1 is orange, dashed, with
// open squares; side 2 blue, solid, with filled dots, so that it reads in
// greyscale; a spoke outside its band is ringed. `unit` is a point's size.
void PaintTensionChart(QPainter &p, const QRectF &box, const TensionFigures &f, double unit);

} // namespace tbx

#endif
