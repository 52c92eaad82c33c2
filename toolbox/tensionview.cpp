// SPDX-FileCopyrightText: 2026 The Quennick developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The spoke tension window: the spokes in a table that takes readings from the
// keyboard, the figures, and the chart. A window of its own, as the lacing
// diagram's: the loop does not watch it, Qt hands it its events, and every
// edit goes to the program's procedure, which answers with a new view.

#include "toolbox/tensionview.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QPainterPath>
#include <QPointer>
#include <QTableWidget>
#include <QVBoxLayout>
#include <QWidget>

#include <math.h>
#include <string.h>

#include "toolbox/qt.h"
#include "toolbox/testing.h"

namespace {

QString Tr(const char *text)
{
    return QCoreApplication::translate("TensionWindow", text);
}

const QColor kSideColour[3] = {QColor(0, 0, 0), QColor(213, 94, 0), QColor(0, 90, 178)};

QPointF At(QPointF centre, double radius, double degrees)
{
    const double a = degrees * M_PI / 180.0;
    return {centre.x() + radius * sin(a), centre.y() - radius * cos(a)};
}

bool HasTension(const SpokeTension &s)
{
    return s.state >= kReadingInBand && isfinite(s.tension);
}

} // namespace

void tbx::PaintTensionChart(QPainter &p, const QRectF &box, const TensionFigures &f, double unit)
{
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    const double side = qMin(box.width(), box.height());
    const QRectF square(box.left() + (box.width() - side) / 2, box.top(), side, side);
    const QPointF centre = square.center();
    const double outer = side / 2 - 12 * unit;
    // The scale: the highest tension or band edge a little inside the outer circle.
    double top = 0;
    for (int i = 0; i < f.spokes; i++)
        if (HasTension(f.spoke[i]))
            top = qMax(top, f.spoke[i].tension);
    for (int s = 1; s <= 2; s++)
        if (isfinite(f.side[s].mean))
            top = qMax(top, f.side[s].mean * (1 + f.band / 100));
    const double scale = top > 0 ? outer / (top * 1.08) : 0;

    p.setPen(QPen(Qt::lightGray, 0.5 * unit));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(centre, outer, outer);
    for (int s = 1; s <= 2 && scale > 0; s++) {
        const double mean = f.side[s].mean;
        if (!isfinite(mean))
            continue;
        // The band: a ring of light grey hatch, the same for both sides' shades.
        QPainterPath ring;
        ring.addEllipse(centre, mean * (1 + f.band / 100) * scale,
                        mean * (1 + f.band / 100) * scale);
        ring.addEllipse(centre, mean * (1 - f.band / 100) * scale,
                        mean * (1 - f.band / 100) * scale);
        QColor fill = kSideColour[s];
        fill.setAlpha(28);
        p.fillPath(ring, fill);
        QPen pen(kSideColour[s], 0.9 * unit);
        if (s == 1)
            pen.setDashPattern({4.0, 2.0});
        p.setPen(pen);
        p.drawEllipse(centre, mean * scale, mean * scale);
    }
    // Each side's spokes joined round the wheel, then their marks.
    for (int s = 1; s <= 2 && scale > 0; s++) {
        QPen pen(kSideColour[s], 0.7 * unit);
        if (s == 1)
            pen.setDashPattern({4.0, 2.0});
        QPolygonF line;
        for (int i = 0; i < f.spokes; i++)
            if (f.spoke[i].side == s && HasTension(f.spoke[i]))
                line << At(centre, f.spoke[i].tension * scale, f.spoke[i].angle);
        if (line.size() > 2)
            line << line.first();
        p.setPen(pen);
        p.drawPolyline(line);
        for (int i = 0; i < f.spokes; i++) {
            const SpokeTension &t = f.spoke[i];
            if (t.side != s || !HasTension(t))
                continue;
            const QPointF at = At(centre, t.tension * scale, t.angle);
            p.setPen(QPen(kSideColour[s], 0.8 * unit));
            const double r = 2.0 * unit;
            if (s == 2) {
                p.setBrush(kSideColour[s]);
                p.drawEllipse(at, r, r);
            } else {
                p.setBrush(Qt::white);
                p.drawRect(QRectF(at.x() - r, at.y() - r, 2 * r, 2 * r));
            }
            if (t.state != kReadingInBand) {
                p.setPen(QPen(Qt::black, 1.0 * unit));
                p.setBrush(Qt::NoBrush);
                p.drawEllipse(at, 4.5 * unit, 4.5 * unit);
            }
        }
    }
    // Rim hole numbers round the outside, and the valve at the top.
    QFont font = p.font();
    font.setPointSizeF(f.spokes > 40 ? 5.5 : 6.5);
    p.setFont(font);
    p.setPen(Qt::black);
    for (int i = 0; i < f.spokes; i++) {
        const QPointF at = At(centre, outer + 6 * unit, f.spoke[i].angle);
        p.drawText(QRectF(at.x() - 8 * unit, at.y() - 5 * unit, 16 * unit, 10 * unit),
                   Qt::AlignCenter, QString::number(f.spoke[i].rimHole));
    }
    p.setBrush(Qt::white);
    const QPointF valve = At(centre, outer, 0);
    p.drawRect(QRectF(valve.x() - 2.5 * unit, valve.y() - 2.5 * unit, 5 * unit, 5 * unit));
    p.restore();
}

namespace {

// The table takes a row's reading from the keyboard itself: no editor opens,
// so a key is never lost between a cell's editor and the next row.
class ReadingTable : public QTableWidget {
  public:
    std::function<void(int row, const QString &text)> typed;
    std::function<int(int row, int step)> next; // the row Return or Backspace goes to

  protected:
    void keyPressEvent(QKeyEvent *e) override
    {
        const int row = currentRow();
        const QString reading = row >= 0 && item(row, 3) ? item(row, 3)->text() : QString();
        const Qt::KeyboardModifiers mods =
            e->modifiers() & ~(Qt::KeypadModifier | Qt::ShiftModifier);
        if (row < 0 || mods != Qt::NoModifier) {
            QTableWidget::keyPressEvent(e);
            return;
        }
        switch (e->key()) {
        case Qt::Key_Return:
        case Qt::Key_Enter: Go(next(row, 1)); return;
        case Qt::Key_Backspace:
            if (reading.isEmpty())
                Go(next(row, -1));
            else
                typed(row, reading.left(reading.size() - 1));
            return;
        case Qt::Key_Delete: typed(row, QString()); return;
        case Qt::Key_Escape: window()->hide(); return;
        default: break;
        }
        const QString text = e->text();
        if (!text.isEmpty() && text.at(0).isPrint()) {
            typed(row, reading + text);
            return;
        }
        QTableWidget::keyPressEvent(e);
    }

  private:
    void Go(int row)
    {
        if (row >= 0 && row < rowCount())
            setCurrentCell(row, 3);
    }
};

class ChartWidget : public QWidget {
  public:
    TensionFigures figures{};
    bool has = false;

  protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter p(this);
        p.fillRect(rect(), Qt::white);
        if (has)
            tbx::PaintTensionChart(p, QRectF(rect()).adjusted(4, 4, -4, -4), figures,
                                   logicalDpiY() / 72.0);
    }
};

class TensionWindow : public QWidget {
  public:
    TensionWindow()
    {
        setAttribute(Qt::WA_QuitOnClose, false);
        resize(1000, 680);
        auto *outer = new QHBoxLayout(this);
        auto *left = new QVBoxLayout;
        outer->addLayout(left, 3);
        auto *choices = new QHBoxLayout;
        left->addLayout(choices);
        meterLabel_ = new QLabel(Tr("Meter:"));
        meter_ = new QComboBox;
        meter_->setObjectName("meter");
        meterLabel_->setBuddy(meter_);
        band_ = new QComboBox;
        band_->setObjectName("band");
        band_->addItem(Tr("±10 % (a careful build)"), 10);
        band_->addItem(Tr("±20 % (a sound wheel)"), 20);
        band_->setAccessibleName(Tr("Band round each side's mean"));
        order_ = new QComboBox;
        order_->setObjectName("order");
        order_->addItem(Tr("Return: the next rim hole"));
        order_->addItem(Tr("Return: side 1's spokes, then side 2's"));
        order_->setAccessibleName(Tr("Where Return moves"));
        meter_->setAccessibleName(Tr("Meter"));
        choices->addWidget(meterLabel_);
        choices->addWidget(meter_, 1);
        choices->addWidget(band_);
        choices->addWidget(order_);
        noWheel_ = new QLabel;
        noWheel_->setTextFormat(Qt::PlainText);
        noWheel_->setWordWrap(true);
        left->addWidget(noWheel_);
        table_ = new ReadingTable;
        table_->setObjectName("readings");
        table_->setAccessibleName(Tr("Spoke tensions"));
        table_->setColumnCount(kTensionColumns);
        table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
        table_->setSelectionBehavior(QAbstractItemView::SelectRows);
        table_->setSelectionMode(QAbstractItemView::SingleSelection);
        table_->verticalHeader()->hide();
        table_->verticalHeader()->setDefaultSectionSize(table_->fontMetrics().height() + 6);
        // The note takes what the other columns leave. They are fitted to
        // their words when the wheel changes, not at every key: measuring
        // every row again cost a frame and more.
        table_->horizontalHeader()->setStretchLastSection(true);
        table_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        table_->typed = [this](int row, const QString &text) {
            if (proc_)
                proc_(kTensionReadingEdit, (SInt16)row, text.toUtf8().constData());
        };
        table_->next = [this](int row, int step) { return NextRow(row, step); };
        left->addWidget(table_, 1);
        auto *right = new QVBoxLayout;
        outer->addLayout(right, 2);
        chart_ = new ChartWidget;
        chart_->setObjectName("chart");
        chart_->setMinimumSize(260, 260);
        right->addWidget(chart_, 1);
        figures_ = new QLabel;
        figures_->setObjectName("figures");
        outside_ = new QLabel;
        outside_->setObjectName("outside");
        for (QLabel *l : {figures_, outside_}) {
            l->setTextFormat(Qt::PlainText);
            l->setWordWrap(true);
            l->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
            l->setFocusPolicy(Qt::TabFocus);
            right->addWidget(l);
        }
        QObject::connect(meter_, QOverload<int>::of(&QComboBox::activated), this, [this](int i) {
            if (proc_)
                proc_(kTensionMeterChoice, (SInt16)i, "");
        });
        QObject::connect(band_, QOverload<int>::of(&QComboBox::activated), this, [this](int i) {
            if (proc_)
                proc_(kTensionBandChoice, (SInt16)band_->itemData(i).toInt(), "");
        });
    }

    void SetView(const TensionView &v, TensionProc proc)
    {
        proc_ = proc;
        setWindowTitle(QString::fromUtf8(v.title ? v.title : ""));
        const bool none = v.noWheel != nullptr;
        noWheel_->setVisible(none);
        noWheel_->setText(QString::fromUtf8(none ? v.noWheel : ""));
        table_->setVisible(!none);
        const int rows = none ? 0 : qBound(0, (int)v.rows, (int)kMaxTensionRows);
        const int current = table_->currentRow();
        QStringList headings;
        for (int c = 0; c < kTensionColumns; c++)
            headings << QString::fromUtf8(v.headings[c] ? v.headings[c] : "");
        table_->setHorizontalHeaderLabels(headings);
        const bool newWheel = rows != table_->rowCount();
        table_->setRowCount(rows);
        for (int r = 0; r < rows; r++) {
            sides_[r] = v.sides ? v.sides[r] : 1;
            const QString name = QString::fromUtf8(v.rowNames ? v.rowNames[r] : "");
            for (int c = 0; c < kTensionColumns; c++) {
                QTableWidgetItem *item = table_->item(r, c);
                if (!item) {
                    item = new QTableWidgetItem;
                    table_->setItem(r, c, item);
                }
                // Only what changed: a key changes a row or two, and the
                // side's other rows only where the mean moves them.
                const QString text = QString::fromUtf8(v.cells[r * kTensionColumns + c]);
                if (item->text() != text)
                    item->setText(text);
                if (item->data(Qt::AccessibleDescriptionRole).toString() != name)
                    item->setData(Qt::AccessibleDescriptionRole, name);
                const bool bold = v.marked && v.marked[r];
                if (item->font().bold() != bold) {
                    QFont f = item->font();
                    f.setBold(bold);
                    item->setFont(f);
                }
            }
        }
        if (newWheel)
            for (int c = 0; c < kTensionColumns - 1; c++)
                table_->resizeColumnToContents(c);
        if (rows > 0)
            table_->setCurrentCell(current >= 0 && current < rows ? current : 0, 3);
        QStringList meters;
        for (int i = 0; i < v.meterCount; i++)
            meters << QString::fromUtf8(v.meters[i]);
        if (meters != meters_) {
            meter_->clear();
            meter_->addItems(meters);
            meters_ = meters;
        }
        meter_->setCurrentIndex(v.meter);
        band_->setCurrentIndex(v.band == 10 ? 0 : 1);
        for (QWidget *w : {static_cast<QWidget *>(meter_), static_cast<QWidget *>(band_),
                           static_cast<QWidget *>(order_)})
            w->setEnabled(!none);
        figures_->setText(QString::fromUtf8(v.figures ? v.figures : ""));
        outside_->setText(QString::fromUtf8(v.outside ? v.outside : ""));
        chart_->has = v.chart != nullptr && !none;
        if (v.chart)
            chart_->figures = *v.chart;
        chart_->setAccessibleName(Tr("Tension chart"));
        chart_->setAccessibleDescription(QString::fromUtf8(v.chartName ? v.chartName : ""));
        chart_->setVisible(!none);
        chart_->update();
    }

    void FocusTable() { table_->setFocus(); }

  protected:
    void keyPressEvent(QKeyEvent *e) override
    {
        if (e->key() == Qt::Key_Escape)
            hide();
        else
            QWidget::keyPressEvent(e);
    }

  private:
    // The row `step` (1 or -1) on from `row` in the order Return follows.
    int NextRow(int row, int step) const
    {
        const int rows = table_->rowCount();
        if (order_->currentIndex() == 0)
            return qBound(0, row + step, rows - 1);
        // One side after the other: the order of (side, rim hole).
        int order[kMaxTensionRows], n = 0, at = 0;
        for (int s = 1; s <= 2; s++)
            for (int r = 0; r < rows; r++)
                if (sides_[r] == s) {
                    if (r == row)
                        at = n;
                    order[n++] = r;
                }
        return n ? order[qBound(0, at + step, n - 1)] : row;
    }

    QLabel *meterLabel_, *noWheel_, *figures_, *outside_;
    QComboBox *meter_, *band_, *order_;
    ReadingTable *table_;
    ChartWidget *chart_;
    SInt16 sides_[kMaxTensionRows] = {};
    QStringList meters_;
    TensionProc proc_ = nullptr;
};

QPointer<TensionWindow> tensionWindow;

} // namespace

void SetTensionWindow(const TensionView *view, TensionProc proc, Boolean show)
{
    tbx::EnsureApp();
    if (!view || (!tensionWindow && !show))
        return;
    if (!tensionWindow)
        tensionWindow = new TensionWindow;
    tensionWindow->SetView(*view, proc);
    if (show) {
        tensionWindow->show();
        tensionWindow->raise();
        tensionWindow->activateWindow();
        tensionWindow->FocusTable();
    }
}

void *ToolboxTensionWindow(void)
{
    return tensionWindow.data();
}
