// Zevora tests - a stand-in for the system's printers.
#include "FakePrintService.h"

bool FakePrintService::print(const QString &printer, const QString &text, const Platform::PrintFont &font,
                             const QString &title)
{
    jobs.append({printer, text, font, title});
    return printerList.contains(printer) && !failing.contains(printer);
}
