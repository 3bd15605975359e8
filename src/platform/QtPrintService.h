// Zevora - printing through Qt Print Support.
#pragma once

#include "PrintService.h"

class QPrinter;

namespace Platform {

class QtPrintService : public PrintService
{
public:
    QStringList printers() const override;
    QString defaultPrinter() const override;
    /// Checks \a printer against printers() first: Qt would otherwise print
    /// on another queue, or into a file, and report success.
    bool print(const QString &printer, const QString &text, const PrintFont &font,
               const QString &title) override;

    /// Paints \a text onto \a printer as one document: lines end at CR, LF
    /// and CR LF, a line wider than the page wraps (at a blank where it can),
    /// and a row of text that does not fit on the rest of a page starts the
    /// next one. A final line break adds no empty row. False when the
    /// printer could not be started or finished.
    static bool printText(QPrinter &printer, const QString &text, const PrintFont &font);
};

} // namespace Platform
