// SPDX-FileCopyrightText: 2026 The Quennick developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The lacing diagram: the wheel drawn to scale from a lacing, in a window of
// its own (not a dialog: the loop does not watch it, Qt handles its events).

#include "toolbox/lacingview.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QPaintEvent>
#include <QPointer>
#include <QWidget>

#include "toolbox/qt.h"
#include "toolbox/testing.h"

namespace {

QString Tr(const char *text)
{
    return QCoreApplication::translate("LacingDiagram", text);
}

QColor Ink(DrawInk ink)
{
    switch (ink) {
    case kInkBlack: return Qt::black;
    case kInkGrey: return Qt::gray;
    case kInkWhite: return Qt::white;
    case kInkSide1: return QColor(213, 94, 0);
    case kInkSide2: return QColor(0, 90, 178);
    case kInkNone: break;
    }
    return Qt::transparent;
}

QPen Pen(const DrawPen &d)
{
    QPen pen(Ink(d.ink), d.width);
    pen.setCapStyle(d.roundCap ? Qt::RoundCap : Qt::FlatCap);
    if (d.dash > 0)
        pen.setDashPattern({d.dash, d.gap});
    return pen;
}

QPointF Point(DrawPoint p)
{
    return {p.x, p.y};
}

QRectF Box(const DrawBox &b)
{
    return {b.left, b.top, b.width, b.height};
}

QString Words(const DrawItem &t)
{
    static const char *const legend[4] = {
        QT_TRANSLATE_NOOP("LacingDiagram", "side 2, trailing"),
        QT_TRANSLATE_NOOP("LacingDiagram", "side 2, leading"),
        QT_TRANSLATE_NOOP("LacingDiagram", "side 1, trailing"),
        QT_TRANSLATE_NOOP("LacingDiagram", "side 1, leading"),
    };
    switch (t.role) {
    case kRoleHoleNumber: return QString::number(t.number);
    case kRoleKeyWord:
        //: Label beside the key spoke on the lacing diagram: the first spoke laced,
        //: the one the others follow ("key" as in guide, not a tool). Keep it short.
        return QCoreApplication::translate("LacingDiagram", "key spoke");
    case kRoleValveWord: return QCoreApplication::translate("LacingDiagram", "valve");
    case kRoleLegendWords: return t.number >= 0 && t.number < 4 ? Tr(legend[t.number]) : QString();
    default: return QString();
    }
}

void Draw(QPainter &p, const DrawItem &item)
{
    p.setPen(Pen(item.pen));
    p.setBrush(item.fill == kInkNone ? QBrush(Qt::NoBrush) : QBrush(Ink(item.fill)));
    switch (item.shape) {
    case kShapeLine: p.drawLine(Point(item.from), Point(item.to)); break;
    case kShapeCircle: p.drawEllipse(Point(item.from), item.radius, item.radius); break;
    case kShapeBox: p.drawRect(Box(item.box)); break;
    case kShapeText: {
        QFont f = p.font();
        f.setPointSizeF(item.points);
        f.setBold(item.bold);
        p.setFont(f);
        p.setPen(Ink(item.pen.ink));
        p.drawText(Box(item.box), item.left ? Qt::AlignVCenter | Qt::AlignLeft : Qt::AlignCenter,
                   Words(item));
        break;
    }
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
    const LacingPicture picture = {c.hasLacing ? &c.lacing : nullptr, c.rimDiameter,
                                   c.flangeDiameter1, c.flangeDiameter2, nullptr};
    LacingDrawing d;
    DrawLacing(&picture, {box.left(), box.top(), box.width(), box.height()}, unit, legend, &d);
    p.save();
    // Text wider than its box (a long word in some language) stops at the frame too.
    p.setClipRect(Box(d.frame), Qt::IntersectClip);
    p.setRenderHint(QPainter::Antialiasing);
    for (int i = 0; i < d.count; i++)
        Draw(p, d.item[i]);
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
