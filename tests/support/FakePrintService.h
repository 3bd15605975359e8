// Zevora tests - a stand-in for the system's printers.
#pragma once

#include "PrintService.h"

#include <QList>

/// Printers from a list. Every job is recorded; a job on a printer that is
/// not in the list, or that is in failing, fails.
class FakePrintService : public Platform::PrintService
{
public:
    QStringList printers() const override { return printerList; }
    QString defaultPrinter() const override { return defaultName; }
    bool print(const QString &printer, const QString &text, const Platform::PrintFont &font,
               const QString &title) override;

    struct Job
    {
        QString printer;
        QString text;
        Platform::PrintFont font;
        QString title;
        bool operator==(const Job &) const = default;
    };

    QStringList printerList;
    QString defaultName;
    QStringList failing;
    QList<Job> jobs;
};
