// Zevora - the system's printers as a platform service.
// Logic asks through this interface; QtPrintService prints through Qt Print Support.
#pragma once

#include <QString>
#include <QStringList>

namespace Platform {

/// The face and size in which a text is printed (the editor's own).
struct PrintFont
{
    QString family;
    double pointSize = 10;

    bool operator==(const PrintFont &) const = default;
};

class PrintService
{
public:
    virtual ~PrintService() = default;
    /// The names of the system's printers, in the system's order; empty when
    /// there are none (or no print system answers).
    virtual QStringList printers() const = 0;
    /// The name of the system's default printer, or "" when it has none.
    virtual QString defaultPrinter() const = 0;
    /// Prints \a text as one job named \a title on \a printer, in \a font.
    /// Lines end at CR, LF and CR LF; a line wider than the page wraps. True
    /// when the job was handed to the printer; false when the printer is not
    /// one of printers() or the job could not be made.
    virtual bool print(const QString &printer, const QString &text, const PrintFont &font,
                       const QString &title) = 0;
};

} // namespace Platform
