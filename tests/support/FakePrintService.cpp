// Zevora tests - a stand-in for the system's printers.
#include "FakePrintService.h"

#include "QtPrintService.h"

#include <QPrinter>

bool FakePrintService::print(const QString &printer, const QString &text, const Platform::PrintFont &font,
                             const QString &title)
{
    jobs.append({printer, text, font, title});
    if (!printerList.contains(printer) || failing.contains(printer))
        return false;
    if (pdfFolder.isEmpty())
        return true;
    QPrinter pdf(QPrinter::HighResolution);
    pdf.setOutputFormat(QPrinter::PdfFormat);
    pdf.setOutputFileName(pdfFolder + QStringLiteral("/job%1.pdf").arg(jobs.size()));
    pdf.setDocName(title);
    return Platform::QtPrintService::printText(pdf, text, font);
}
