// SPDX-FileCopyrightText: 2026 The Quennick developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The build sheet on paper: one page laid out in points and millimetres,
// printed through Qt's print preview and print dialog; and plain text on
// the clipboard.

#include <QClipboard>
#include <QCoreApplication>
#include <QFontMetricsF>
#include <QGuiApplication>
#include <QPainter>
#include <QPrintPreviewDialog>
#include <QPrinter>

#include <vector>

#include "toolbox/lacingview.h"
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
            p.setFont(small);
            const QString value = line.mid(tab + 1);
            const double valueWidth = figuresWidth * 0.38;
            p.drawText(QRectF(left, fy, figuresWidth * 0.62, row), Qt::AlignLeft, line.left(tab));
            if (QFontMetricsF(small, &printer).horizontalAdvance(value) <= valueWidth) {
                p.drawText(QRectF(left + figuresWidth * 0.62, fy, valueWidth, row), Qt::AlignLeft,
                           value);
            } else {
                // A long value (the lacing note) wraps below its label.
                fy = Paragraph(p, left + 3 * mm, fy + row, figuresWidth - 3 * mm, value) - row;
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

    // The lacing table, in as many columns as the page needs.
    const QStringList table = Lines(s.table);
    if (table.isEmpty())
        return;
    p.setFont(heading);
    y = Paragraph(p, left, y, width, QString::fromUtf8(s.tableTitle ? s.tableTitle : "")) +
        row * 0.25;
    // As many columns as the page height needs, each as wide as its widest
    // texts; a smaller type where they would not fit across the page.
    const QStringList head = table.first().split(QLatin1Char('\t'));
    const int rows = table.size() - 1;
    QFont cell = base, bold = base;
    double cellRow = 0, colWidth = 0;
    int perColumn = rows, columns = 1;
    std::vector<double> cellWidth;
    for (double size = 7; size >= 5; size -= 0.5) {
        cell.setPointSizeF(size);
        bold = cell;
        bold.setBold(true);
        const QFontMetricsF plain(cell, &printer), strong(bold, &printer);
        cellRow = plain.lineSpacing();
        const int fit = qMax(1, (int)((page.height() - y - cellRow) / cellRow));
        columns = qMax(1, (rows + fit - 1) / fit);
        perColumn = (rows + columns - 1) / columns;
        cellWidth.assign(head.size(), 0.0);
        for (int i = 0; i <= rows; i++) {
            const QStringList cells = table[i].split(QLatin1Char('\t'));
            for (int k = 0; k < cells.size() && k < head.size(); k++)
                cellWidth[k] = qMax(
                    cellWidth[k], (i == 0 ? strong : plain).horizontalAdvance(cells[k]) + 1.5 * mm);
        }
        colWidth = 3 * mm;
        for (double w : cellWidth)
            colWidth += w;
        if (columns * colWidth <= width)
            break;
    }
    colWidth = qMax(colWidth, width / qMax(columns, 3));
    for (int c = 0; c < columns; c++) {
        double x = left + c * colWidth;
        const double x0 = x;
        p.setFont(bold);
        for (int k = 0; k < head.size(); k++) {
            p.drawText(QRectF(x, y, cellWidth[k], cellRow), Qt::AlignLeft, head[k]);
            x += cellWidth[k];
        }
        p.setFont(cell);
        for (int r = 0; r < perColumn; r++) {
            const int i = c * perColumn + r + 1;
            if (i > rows)
                break;
            const QStringList cells = table[i].split(QLatin1Char('\t'));
            x = x0;
            for (int k = 0; k < cells.size() && k < head.size(); k++) {
                p.drawText(QRectF(x, y + (r + 1) * cellRow, cellWidth[k], cellRow), Qt::AlignLeft,
                           cells[k]);
                x += cellWidth[k];
            }
        }
    }
}

void Print(QPrinter *printer, const BuildSheet &s)
{
    QPainter p(printer);
    if (p.isActive())
        PaintSheet(p, *printer, s);
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
