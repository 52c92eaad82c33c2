// SPDX-FileCopyrightText: 2026 The Quennick developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The build sheet on paper: one page (two where a long lacing table needs it) laid out in points
// and millimetres, printed through Qt's print preview and print dialog; and plain text on the
// clipboard.

#include <QClipboard>
#include <QComboBox>
#include <QCoreApplication>
#include <QFontMetricsF>
#include <QGraphicsView>
#include <QGuiApplication>
#include <QLineEdit>
#include <QPainter>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QVector>

#include <vector>

#include "toolbox/lacingview.h"
#include "toolbox/tensionview.h"
#include "toolbox/qt.h"
#include "toolbox/testing.h"

namespace {

// Tests only: the PDF file that PrintBuildSheet prints to without a preview.
QString printToPdf;

QStringList Lines(const char *text)
{
    return QString::fromUtf8(text ? text : "").split(QLatin1Char('\n'), Qt::SkipEmptyParts);
}

// Draws `text` wrapped into the width at `y`, and returns the y below it.
double Paragraph(QPainter &p, double x, double y, double width, const QString &text)
{
    QRectF used;
    p.drawText(QRectF(x, y, width, 10000), Qt::TextWordWrap | Qt::AlignLeft | Qt::AlignTop, text,
               &used);
    return y + used.height();
}

// The lacing table's column widths in `room`: each column as wide as its
// widest cell or its heading's longest word, and what is left shared out so
// that the headings fit where they can; one that still does not fit wraps
// between its words.
QVector<double> ColumnWidths(const QStringList &table, const QFontMetricsF &cell,
                             const QFontMetricsF &bold, double gap, double room, bool *fits)
{
    const QStringList head = table.first().split(QLatin1Char('\t'));
    const int n = qMax<int>(1, head.size());
    QVector<double> content(n, gap), wanted(n, gap), widths(n, room / n);
    for (int i = 1; i < table.size(); i++) {
        const QStringList cells = table[i].split(QLatin1Char('\t'));
        for (int k = 0; k < cells.size() && k < n; k++)
            content[k] = qMax(content[k], cell.horizontalAdvance(cells[k]) + gap);
    }
    double sumContent = 0, sumWanted = 0;
    for (int k = 0; k < n; k++) {
        // A heading's longest word cannot wrap: the column takes it whole.
        for (const QString &word : head.value(k).split(QLatin1Char(' ')))
            content[k] = qMax(content[k], bold.horizontalAdvance(word) + gap);
        wanted[k] = qMax(content[k], bold.horizontalAdvance(head.value(k)) + gap);
        sumContent += content[k];
        sumWanted += wanted[k];
    }
    *fits = sumContent <= room;
    for (int k = 0; k < n; k++) {
        if (sumWanted <= room)
            widths[k] = wanted[k] + (room - sumWanted) / n;
        else if (sumContent < room)
            widths[k] = content[k] +
                        (wanted[k] - content[k]) * (room - sumContent) / (sumWanted - sumContent);
    }
    return widths;
}

void PaintSheet(QPainter &p, QPrinter &printer, const BuildSheet &s)
{
    const QRectF page = printer.pageLayout().paintRectPixels(printer.resolution());
    const double mm = printer.resolution() / 25.4, pt = printer.resolution() / 72.0;
    const double left = 0, top = 0, width = page.width();
    QFont base(QStringLiteral("Sans"));

    QFont title = base;
    title.setPointSizeF(14);
    title.setBold(true);
    p.setFont(title);
    double y = Paragraph(p, left, top, width, QString::fromUtf8(s.title ? s.title : "")) + 2 * mm;

    // Figures on the left, the diagram on the right.
    const double diagram = width * 0.52;
    const double figuresWidth = width - diagram - 6 * mm;
    QFont small = base;
    small.setPointSizeF(8);
    QFont heading = small;
    heading.setBold(true);
    const double row = QFontMetricsF(small, &printer).lineSpacing();
    double fy = y;
    for (const QString &line : Lines(s.figures)) {
        const int tab = line.indexOf(QLatin1Char('\t'));
        if (tab < 0) {
            fy += row * 0.4;
            p.setFont(heading);
            p.drawText(QRectF(left, fy, figuresWidth, row), Qt::AlignLeft, line);
        } else {
            const QString value = line.mid(tab + 1);
            // A figure with nothing in it takes no room on paper: the lacing
            // table then stays on the first page.
            if (value.trimmed().isEmpty())
                continue;
            p.setFont(small);
            const double valueWidth = figuresWidth * 0.38;
            // A label too long for its column (a long word in some languages)
            // wraps onto a second line rather than run into its value.
            const double labelBottom =
                Paragraph(p, left, fy, figuresWidth * 0.62 - 2 * mm, line.left(tab));
            if (QFontMetricsF(small, &printer).horizontalAdvance(value) <= valueWidth) {
                p.drawText(QRectF(left + figuresWidth * 0.62, fy, valueWidth, row), Qt::AlignLeft,
                           value);
                fy = qMax(fy, labelBottom - row);
            } else {
                // A long value (the lacing note) wraps below its label.
                fy = Paragraph(p, left + 3 * mm, qMax(fy + row, labelBottom), figuresWidth - 3 * mm,
                               value) -
                     row;
            }
        }
        fy += row;
    }
    const QRectF box(width - diagram, y, diagram, diagram + 26 * pt);
    tbx::PaintLacing(p, box, tbx::CopyLacing(&s.picture), pt, true);
    y = qMax(fy, box.bottom()) + 4 * mm;

    // The steps across the page.
    const QStringList steps = Lines(s.steps);
    p.setFont(heading);
    y = Paragraph(p, left, y, width, QString::fromUtf8(s.stepsTitle ? s.stepsTitle : "")) +
        row * 0.25;
    p.setFont(small);
    for (const QString &step : steps)
        y = Paragraph(p, left, y, width, step) + row * 0.25;
    y += 3 * mm;

    // A table (the lacing table, the readings) under its title, in as many
    // columns as the page needs; returns nothing, it is the page's last part.
    auto paintTable = [&](const QString &tableTitle, const QStringList &table, double y) {
        if (table.isEmpty())
            return;
        // As many columns as the page height needs; a smaller type where their
        // cells would not fit across the page, and a page of its own where even
        // the smallest would not.
        const int rows = table.size() - 1;
        const QStringList head = table.first().split(QLatin1Char('\t'));
        const double titleHeight = QFontMetricsF(heading, &printer).lineSpacing() * 1.25;
        QFont cell = base, bold = base;
        double cellRow = 0, colWidth = width;
        int columns = 1, perColumn = rows;
        QVector<double> cellWidth;
        auto layOut = [&](double from) {
            for (double size = 7; size >= 5; size -= 0.5) {
                cell.setPointSizeF(size);
                bold = cell;
                bold.setBold(true);
                const QFontMetricsF cellMetrics(cell, &printer), boldMetrics(bold, &printer);
                cellRow = cellMetrics.lineSpacing();
                // Room for a heading of two lines above the rows.
                const int fit = qMax(1, (int)((page.height() - from - 2 * cellRow) / cellRow));
                columns = qMax(1, (rows + fit - 1) / fit);
                perColumn = (rows + columns - 1) / columns;
                colWidth = width / qMax(columns, 3);
                bool fits = false;
                cellWidth = ColumnWidths(table, cellMetrics, boldMetrics, 1.5 * mm,
                                         colWidth - 3 * mm, &fits);
                if (fits)
                    return true;
            }
            return false;
        };
        if (!layOut(y + titleHeight) && y > top + page.height() / 3) {
            printer.newPage();
            y = top;
            layOut(y + titleHeight);
        }
        p.setFont(heading);
        y = Paragraph(p, left, y, width, tableTitle) + row * 0.25;
        for (int c = 0; c < columns; c++) {
            const double x = left + c * colWidth;
            p.setFont(bold);
            double headHeight = cellRow, at = x;
            for (int k = 0; k < head.size(); k++) {
                QRectF used;
                p.drawText(QRectF(at, y, cellWidth[k] - 1.5 * mm, 10 * cellRow),
                           Qt::TextWordWrap | Qt::AlignLeft | Qt::AlignTop, head[k], &used);
                headHeight = qMax(headHeight, used.height());
                at += cellWidth[k];
            }
            p.setFont(cell);
            for (int r = 0; r < perColumn; r++) {
                const int i = c * perColumn + r + 1;
                if (i > rows)
                    break;
                const QStringList cells = table[i].split(QLatin1Char('\t'));
                at = x;
                for (int k = 0; k < cells.size() && k < cellWidth.size(); k++) {
                    p.drawText(QRectF(at, y + headHeight + r * cellRow, cellWidth[k], cellRow),
                               Qt::AlignLeft, cells[k]);
                    at += cellWidth[k];
                }
            }
        }
    };
    paintTable(QString::fromUtf8(s.tableTitle ? s.tableTitle : ""), Lines(s.table), y);

    // The readings, when there are any, on a page of their own: the chart
    // across the top, the table below it.
    const QStringList readings = Lines(s.readings);
    if (readings.isEmpty())
        return;
    printer.newPage();
    p.setFont(title);
    y = Paragraph(p, left, top, width, QString::fromUtf8(s.readingsTitle ? s.readingsTitle : "")) +
        2 * mm;
    if (s.chart) {
        const double side = qMin(width * 0.6, page.height() * 0.45);
        tbx::PaintTensionChart(p, QRectF(left + (width - side) / 2, y, side, side), *s.chart, pt);
        y += side + 4 * mm;
    }
    paintTable(QString(), readings, y);
}

void Print(QPrinter *printer, const BuildSheet &s)
{
    QPainter p(printer);
    if (p.isActive())
        PaintSheet(p, *printer, s);
}

// The sheet in words, for a screen reader: what the page shows, in its order,
// a figure as "label: value" and a table line as its cells in a row.
QString SheetWords(const BuildSheet &s)
{
    auto text = [](const char *t) { return QString::fromUtf8(t ? t : ""); };
    QStringList words = {text(s.title)};
    for (const QString &line : Lines(s.figures))
        words << QString(line).replace(QLatin1Char('\t'), QLatin1String(": "));
    words << text(s.stepsTitle) << Lines(s.steps);
    const QStringList table = Lines(s.table);
    if (!table.isEmpty())
        words << text(s.tableTitle);
    for (const QString &line : table)
        words << QString(line).replace(QLatin1Char('\t'), QLatin1String(", "));
    const QStringList readings = Lines(s.readings);
    if (!readings.isEmpty())
        words << text(s.readingsTitle);
    for (const QString &line : readings)
        words << QString(line).replace(QLatin1Char('\t'), QLatin1String(", "));
    return words.join(QLatin1Char('\n'));
}

// Qt's print preview names its buttons but not the page (a widget, its view
// and the view's viewport, all plain panels to a screen reader), nor the zoom
// box (read by its value alone) or the page number field.
void NamePreviewParts(QPrintPreviewDialog &preview, const BuildSheet &s)
{
    if (auto *widget = preview.findChild<QPrintPreviewWidget *>()) {
        widget->setAccessibleName(QCoreApplication::translate("BuildSheet", "Print preview"));
        const QString words = SheetWords(s);
        if (auto *view = widget->findChild<QGraphicsView *>()) {
            for (QWidget *page : {static_cast<QWidget *>(view), view->viewport()}) {
                page->setAccessibleName(QCoreApplication::translate("BuildSheet", "Page"));
                page->setAccessibleDescription(words);
            }
        }
    }
    for (QLineEdit *field : preview.findChildren<QLineEdit *>()) {
        if (auto *zoom = qobject_cast<QComboBox *>(field->parentWidget())) {
            // On Linux a combo box's name is its value: what it is goes in
            // its description.
            zoom->setAccessibleName(QCoreApplication::translate("BuildSheet", "Zoom"));
            zoom->setAccessibleDescription(QCoreApplication::translate("BuildSheet", "Zoom"));
            field->setAccessibleName(QCoreApplication::translate("BuildSheet", "Zoom"));
        } else {
            field->setAccessibleName(QCoreApplication::translate("BuildSheet", "Page number"));
        }
    }
}

} // namespace

void PrintBuildSheet(const BuildSheet *sheet)
{
    tbx::EnsureApp();
    if (!sheet)
        return;
    QPrinter printer(QPrinter::HighResolution);
    printer.setPageSize(QPageSize(QPageSize::A4));
    printer.setPageMargins(QMarginsF(15, 15, 15, 15), QPageLayout::Millimeter);
    printer.setDocName(QString::fromUtf8(sheet->title ? sheet->title : ""));
    if (!printToPdf.isEmpty()) {
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(printToPdf);
        Print(&printer, *sheet);
        return;
    }
    QWidget *parent = nullptr;
    if (!tbx::Dialogs().empty())
        parent = tbx::Dialogs().front()->widget;
    QPrintPreviewDialog preview(&printer, parent);
    preview.setWindowTitle(QCoreApplication::translate("BuildSheet", "Build sheet"));
    NamePreviewParts(preview, *sheet);
    QObject::connect(&preview, &QPrintPreviewDialog::paintRequested,
                     [sheet](QPrinter *p) { Print(p, *sheet); });
    preview.exec();
}

void PutScrapText(const char *text)
{
    tbx::EnsureApp();
    QGuiApplication::clipboard()->setText(QString::fromUtf8(text ? text : ""));
}

void ToolboxPrintToPdf(const char *pdfPath)
{
    printToPdf = pdfPath ? QString::fromUtf8(pdfPath) : QString();
}
