// Zevora - printing through Qt Print Support.
#include "QtPrintService.h"

#include <QFont>
#include <QFontMetricsF>
#include <QPainter>
#include <QPrinter>
#include <QPrinterInfo>
#include <QTextLayout>

namespace Platform {

namespace {

// Calls \a line for every line of \a text, without its line break.
template <typename Handler> bool forEachLine(QStringView text, Handler line)
{
    qsizetype start = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (c != u'\r' && c != u'\n')
            continue;
        if (!line(text.sliced(start, i - start)))
            return false;
        if (c == u'\r' && i + 1 < text.size() && text.at(i + 1) == u'\n')
            ++i;
        start = i + 1;
    }
    // After a final line break there is nothing left to print.
    if (start < text.size() || text.isEmpty())
        return line(text.sliced(start));
    return true;
}

} // namespace

QStringList QtPrintService::printers() const
{
    return QPrinterInfo::availablePrinterNames();
}

QString QtPrintService::defaultPrinter() const
{
    return QPrinterInfo::defaultPrinterName();
}

bool QtPrintService::print(const QString &printer, const QString &text, const PrintFont &font,
                           const QString &title)
{
    if (printer.isEmpty() || !printers().contains(printer))
        return false;
    const QPrinterInfo info = QPrinterInfo::printerInfo(printer);
    if (info.isNull())
        return false;
    QPrinter device(info, QPrinter::HighResolution);
    device.setDocName(title);
    device.setCopyCount(1);
    if (!device.isValid() || device.outputFormat() != QPrinter::NativeFormat ||
        device.printerName() != printer)
        return false;
    return printText(device, text, font);
}

bool QtPrintService::printText(QPrinter &printer, const QString &text, const PrintFont &font)
{
    QPainter painter;
    if (!painter.begin(&printer))
        return false;
    QFont face(font.family);
    face.setPointSizeF(font.pointSize > 0 ? font.pointSize : 10);
    face = QFont(face, painter.device());
    painter.setFont(face);
    painter.setPen(Qt::black);

    const qreal width = painter.device()->width();
    const qreal height = painter.device()->height();
    QTextOption option;
    option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    option.setTabStopDistance(8 * QFontMetricsF(face, painter.device()).horizontalAdvance(QLatin1Char(' ')));

    qreal y = 0;
    const bool painted = forEachLine(text, [&](QStringView line) {
        QTextLayout layout(line.toString(), face, painter.device());
        layout.setTextOption(option);
        layout.beginLayout();
        for (QTextLine row = layout.createLine(); row.isValid(); row = layout.createLine())
            row.setLineWidth(width);
        layout.endLayout();
        for (int i = 0; i < layout.lineCount(); ++i) {
            const QTextLine row = layout.lineAt(i);
            // A row is never cut by the end of a page.
            if (y > 0 && y + row.height() > height) {
                if (!printer.newPage())
                    return false;
                y = 0;
            }
            row.draw(&painter, QPointF(0, y - row.y()));
            y += row.height();
        }
        return true;
    });
    const bool ended = painter.end();
    return painted && ended && printer.printerState() != QPrinter::Error;
}

} // namespace Platform
