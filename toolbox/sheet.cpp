// SPDX-FileCopyrightText: 2026 The Quennick developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The build sheet on paper: one page laid out in points and millimetres,
// printed through Qt's print preview and print dialog; and plain text on
// the clipboard.

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
    QFont cell = base;
    cell.setPointSizeF(7);
    const double cellRow = QFontMetricsF(cell, &printer).lineSpacing();
    const int rows = table.size() - 1;
    const int fit = qMax(1, (int)((page.height() - y - cellRow) / cellRow));
    const int columns = qMax(1, (rows + fit - 1) / fit);
    const int perColumn = (rows + columns - 1) / qMax(1, columns);
    const double colWidth = width / qMax(columns, 3);
    const QStringList head = table.first().split(QLatin1Char('\t'));
    for (int c = 0; c < columns; c++) {
        const double x = left + c * colWidth;
        const double cellWidth = (colWidth - 3 * mm) / qMax<qsizetype>(1, head.size());
        QFont bold = cell;
        bold.setBold(true);
        p.setFont(bold);
        for (int k = 0; k < head.size(); k++)
            p.drawText(QRectF(x + k * cellWidth, y, cellWidth, cellRow), Qt::AlignLeft, head[k]);
        p.setFont(cell);
        for (int r = 0; r < perColumn; r++) {
            const int i = c * perColumn + r + 1;
            if (i > rows)
                break;
            const QStringList cells = table[i].split(QLatin1Char('\t'));
            for (int k = 0; k < cells.size(); k++)
                p.drawText(QRectF(x + k * cellWidth, y + (r + 1) * cellRow, cellWidth, cellRow),
                           Qt::AlignLeft, cells[k]);
        }
    }
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
    return words.join(QLatin1Char('\n'));
}

// Qt's print preview names its buttons but not the page (a widget, its view
// and the view's viewport, all plain panels to a screen reader), nor the zoom
// box (read by its value alone) or the page number field.
void NamePreviewParts(QPrintPreviewDialog &preview, const BuildSheet &s)
{
    auto tr = [](const char *text) { return QCoreApplication::translate("BuildSheet", text); };
    if (auto *widget = preview.findChild<QPrintPreviewWidget *>()) {
        widget->setAccessibleName(tr("Print preview"));
        const QString words = SheetWords(s);
        if (auto *view = widget->findChild<QGraphicsView *>()) {
            for (QWidget *page : {static_cast<QWidget *>(view), view->viewport()}) {
                page->setAccessibleName(tr("Page"));
                page->setAccessibleDescription(words);
            }
        }
    }
    for (QLineEdit *field : preview.findChildren<QLineEdit *>()) {
        if (auto *zoom = qobject_cast<QComboBox *>(field->parentWidget())) {
            // On Linux a combo box's name is its value: what it is goes in
            // its description.
            zoom->setAccessibleName(tr("Zoom"));
            zoom->setAccessibleDescription(tr("Zoom"));
            field->setAccessibleName(tr("Zoom"));
        } else {
            field->setAccessibleName(tr("Page number"));
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
