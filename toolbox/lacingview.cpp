// SPDX-FileCopyrightText: 2026 The Quennick developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The lacing diagram: the wheel drawn to scale from a lacing, in a window of
// its own (not a dialog: the loop does not watch it, Qt handles its events).

#include "toolbox/lacingview.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QPaintEvent>
#include <QPainterPath>
#include <QPointer>
#include <QWidget>

#include <math.h>

#include "toolbox/qt.h"
#include "toolbox/testing.h"

namespace {

QString Tr(const char *text)
{
    return QCoreApplication::translate("LacingDiagram", text);
}

// Side 1 and side 2 differ in colour (a blue and an orange that stay apart for
// colour-blind eyes) and in line style (side 1 dashed), so that the diagram
// reads in greyscale too. Trailing spokes are drawn with wider lines than
// leading ones.
const QColor kSideColour[3] = {QColor(0, 0, 0), QColor(213, 94, 0), QColor(0, 90, 178)};

QPointF At(QPointF centre, double radius, double degrees)
{
    const double a = degrees * M_PI / 180.0;
    return {centre.x() + radius * sin(a), centre.y() - radius * cos(a)};
}

QPen SpokePen(int side, SpokeKind kind, double unit)
{
    QPen pen(kSideColour[side]);
    pen.setWidthF((kind == kLeading ? 0.5 : 1.1) * unit);
    pen.setCapStyle(Qt::FlatCap);
    if (side == 1)
        pen.setDashPattern({4.0, 2.0});
    return pen;
}

double Or(double value, double fallback)
{
    return value > 0 && isfinite(value) ? value : fallback;
}

void DrawLegend(QPainter &p, QRectF area, double unit)
{
    QFont f = p.font();
    f.setPointSizeF(7.5);
    p.setFont(f);
    const double row = 11 * unit, line = 22 * unit;
    struct Entry {
        int side;
        SpokeKind kind;
        const char *text;
    };
    const Entry entries[] = {
        {2, kTrailing, QT_TRANSLATE_NOOP("LacingDiagram", "side 2, trailing")},
        {2, kLeading, QT_TRANSLATE_NOOP("LacingDiagram", "side 2, leading")},
        {1, kTrailing, QT_TRANSLATE_NOOP("LacingDiagram", "side 1, trailing")},
        {1, kLeading, QT_TRANSLATE_NOOP("LacingDiagram", "side 1, leading")},
    };
    const double colWidth = area.width() / 2;
    for (int i = 0; i < 4; i++) {
        const double x = area.left() + (i / 2) * colWidth, y = area.top() + (i % 2) * row + row / 2;
        p.setPen(SpokePen(entries[i].side, entries[i].kind, unit));
        p.drawLine(QPointF(x, y), QPointF(x + line, y));
        p.setPen(Qt::black);
        p.drawText(QRectF(x + line + 4 * unit, y - row / 2, colWidth - line, row),
                   Qt::AlignVCenter | Qt::AlignLeft, Tr(entries[i].text));
    }
}

} // namespace

tbx::LacingCopy tbx::CopyLacing(const LacingPicture *picture)
{
    LacingCopy c;
    if (!picture)
        return c;
    if (picture->lacing) {
        c.lacing = *picture->lacing;
        c.hasLacing = c.lacing.spokes > 0;
    }
    c.rimDiameter = picture->rimDiameter;
    c.flangeDiameter1 = picture->flangeDiameter1;
    c.flangeDiameter2 = picture->flangeDiameter2;
    if (!c.hasLacing && picture->why)
        c.why = QString::fromUtf8(picture->why);
    return c;
}

void tbx::PaintLacing(QPainter &p, const QRectF &box, const LacingCopy &c, double unit, bool legend)
{
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    const double legendHeight = legend ? 26 * unit : 0;
    const double side = qMin(box.width(), box.height() - legendHeight);
    const QRectF square(box.left() + (box.width() - side) / 2, box.top(), side, side);
    const QPointF centre = square.center();
    // Room around the rim for the hole numbers and the valve's label.
    const double rimRadius = side / 2 - 16 * unit;
    const double rim = Or(c.rimDiameter, 600);
    const double scale = rimRadius / (rim / 2);
    const double flange[3] = {0, Or(c.flangeDiameter1, 45) / 2 * scale,
                              Or(c.flangeDiameter2, 45) / 2 * scale};
    const Lacing &l = c.lacing;

    // The rim, and the hub's axle.
    p.setPen(QPen(Qt::black, 1.5 * unit));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(centre, rimRadius, rimRadius);
    p.setPen(QPen(Qt::gray, 0.5 * unit));
    p.drawEllipse(centre, 4 * scale, 4 * scale);

    // The flanges: side 1's behind, dashed; side 2's in front.
    for (int s = 1; s <= 2; s++) {
        QPen pen(kSideColour[s], 0.6 * unit);
        if (s == 1)
            pen.setDashPattern({3.0, 2.0});
        p.setPen(pen);
        p.drawEllipse(centre, flange[s], flange[s]);
    }

    if (c.hasLacing) {
        // Side 1's spokes first: side 2's lie in front of them.
        for (int s = 1; s <= 2; s++)
            for (int i = 0; i < l.spokes; i++) {
                const RimHole &h = l.hole[i];
                if (h.side != s)
                    continue;
                const double hubAngle = (s == 1 ? l.hub1 : l.hub2)[h.hubHole - 1];
                p.setPen(SpokePen(s, h.kind, unit));
                p.drawLine(At(centre, flange[s], hubAngle), At(centre, rimRadius, h.angle));
            }
        // Hub holes: side 2's filled, side 1's open.
        for (int s = 1; s <= 2; s++) {
            const int n = s == 1 ? l.spokes1 : l.spokes2;
            p.setPen(QPen(kSideColour[s], 0.5 * unit));
            p.setBrush(s == 2 ? QBrush(kSideColour[s]) : QBrush(Qt::white));
            for (int k = 0; k < n; k++)
                p.drawEllipse(At(centre, flange[s], (s == 1 ? l.hub1 : l.hub2)[k]), 1.2 * unit,
                              1.2 * unit);
        }
        // Rim holes with their numbers outside the rim, every one up to 48.
        QFont f = p.font();
        f.setPointSizeF(l.spokes > 40 ? 5.5 : 6.5);
        p.setFont(f);
        const int every = l.spokes > 48 ? 2 : 1;
        for (int i = 0; i < l.spokes; i++) {
            const RimHole &h = l.hole[i];
            p.setPen(QPen(kSideColour[h.side], 0.5 * unit));
            p.setBrush(QBrush(kSideColour[h.side]));
            p.drawEllipse(At(centre, rimRadius, h.angle), 1.4 * unit, 1.4 * unit);
            if ((i + 1) % every == 0 || i == 0) {
                p.setPen(Qt::black);
                const QPointF at = At(centre, rimRadius + 7 * unit, h.angle);
                p.drawText(QRectF(at.x() - 8 * unit, at.y() - 5 * unit, 16 * unit, 10 * unit),
                           Qt::AlignCenter, QString::number(i + 1));
            }
        }
        // The key spoke: a ring at its rim hole and a heavier line.
        const RimHole &key = l.hole[0];
        const double keyHub = (key.side == 1 ? l.hub1 : l.hub2)[key.hubHole - 1];
        QPen keyPen(Qt::black, 2.2 * unit);
        keyPen.setCapStyle(Qt::RoundCap);
        p.setPen(keyPen);
        p.drawLine(At(centre, flange[key.side], keyHub), At(centre, rimRadius, key.angle));
        p.setBrush(Qt::NoBrush);
        p.drawEllipse(At(centre, rimRadius, key.angle), 4 * unit, 4 * unit);
        QFont k = p.font();
        k.setPointSizeF(7);
        k.setBold(true);
        p.setFont(k);
        const QPointF kat = At(centre, rimRadius - 12 * unit, key.angle + 360.0 / l.spokes);
        // The label is centred on its place, in a box wide enough for a word or two.
        p.drawText(QRectF(kat.x() - 30 * unit, kat.y() - 5 * unit, 60 * unit, 10 * unit),
                   Qt::AlignCenter,
                   //: Label beside the key spoke on the lacing diagram: the first spoke laced,
                   //: the one the others follow ("key" as in guide, not a tool). Keep it short.
                   QCoreApplication::translate("LacingDiagram", "key spoke"));
    }

    // The valve hole, at the top between the last rim hole and hole 1.
    p.setPen(QPen(Qt::black, 0.8 * unit));
    p.setBrush(Qt::white);
    const QPointF valve = At(centre, rimRadius, 0);
    p.drawRect(QRectF(valve.x() - 2.5 * unit, valve.y() - 2.5 * unit, 5 * unit, 5 * unit));
    QFont v = p.font();
    v.setPointSizeF(7);
    v.setBold(false);
    p.setFont(v);
    p.setPen(Qt::black);
    p.drawText(QRectF(valve.x() - 30 * unit, square.top(), 60 * unit, 9 * unit), Qt::AlignCenter,
               QCoreApplication::translate("LacingDiagram", "valve"));

    if (legend)
        DrawLegend(p,
                   QRectF(square.left(), square.bottom() + 2 * unit, square.width(),
                          legendHeight - 2 * unit),
                   unit);
    p.restore();
}

QString tbx::DescribeLacing(const LacingCopy &c)
{
    if (!c.hasLacing && !c.why.isEmpty())
        return QCoreApplication::translate("LacingDiagram", "The rim alone. %1").arg(c.why);
    if (!c.hasLacing)
        return QCoreApplication::translate("LacingDiagram",
                                           "The rim alone: calculate a wheel to see its spokes.");
    const Lacing &l = c.lacing;
    //: What the lacing diagram shows, for screen readers. "Wider lines": the pen, not the
    //: spoke. The key spoke: the first spoke laced, the one the others follow.
    return QCoreApplication::translate(
               "LacingDiagram",
               "The wheel seen from side 2 with the valve hole at the top: %1 spokes, %2 on side 1 "
               "with %3 crossings (dashed, orange) and %4 on side 2 with %5 crossings (solid, "
               "blue); trailing spokes drawn with wider lines than leading ones; the key spoke, "
               "in rim hole 1 right of the valve hole, drawn black.")
        .arg(l.spokes)
        .arg(l.spokes1)
        .arg(l.crossings1)
        .arg(l.spokes2)
        .arg(l.crossings2);
}

namespace {

class LacingWindow : public QWidget {
  public:
    LacingWindow()
    {
        setWindowTitle(QCoreApplication::translate("LacingDiagram", "Lacing diagram"));
        setAccessibleName(QCoreApplication::translate("LacingDiagram", "Lacing diagram"));
        setMinimumSize(320, 360);
        resize(560, 620);
        setAttribute(Qt::WA_QuitOnClose, false);
    }
    void SetPicture(const tbx::LacingCopy &c)
    {
        picture_ = c;
        setAccessibleDescription(tbx::DescribeLacing(c));
        update();
    }

  protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter p(this);
        p.fillRect(rect(), Qt::white);
        // A point is about a pixel and a third on a screen of 96 dots per inch.
        const double unit = logicalDpiY() / 72.0;
        p.setFont(font());
        tbx::PaintLacing(p, QRectF(rect()).adjusted(8, 8, -8, -8), picture_, unit, true);
    }
    void keyPressEvent(QKeyEvent *e) override
    {
        if (e->key() == Qt::Key_Escape)
            hide();
        else
            QWidget::keyPressEvent(e);
    }

  private:
    tbx::LacingCopy picture_;
};

QPointer<LacingWindow> lacingWindow;

} // namespace

void SetLacingWindow(const LacingPicture *picture, Boolean show)
{
    tbx::EnsureApp();
    if (!lacingWindow && !show)
        return;
    if (!lacingWindow)
        lacingWindow = new LacingWindow;
    lacingWindow->SetPicture(tbx::CopyLacing(picture));
    if (show) {
        lacingWindow->show();
        lacingWindow->raise();
        lacingWindow->activateWindow();
    }
}

void *ToolboxLacingWindow(void)
{
    return lacingWindow.data();
}
