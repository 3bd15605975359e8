// Zevora tests - reading printed PDF files back with poppler-utils.
#pragma once

#include <QProcess>
#include <QStringList>

namespace PdfTools {

/// Standard output of \a program, or "<program failed>".
inline QString run(const QString &program, const QStringList &arguments, int *exitCode = nullptr)
{
    QProcess process;
    process.start(program, arguments);
    const bool finished = process.waitForFinished(20000) && process.exitStatus() == QProcess::NormalExit;
    if (exitCode)
        *exitCode = finished ? process.exitCode() : -1;
    if (!finished || (!exitCode && process.exitCode() != 0))
        return QStringLiteral("<%1 failed>").arg(program);
    return QString::fromUtf8(process.readAllStandardOutput());
}

/// The text of each page (pdftotext separates pages with a form feed).
inline QStringList pages(const QString &pdf)
{
    QStringList pages = run("pdftotext", {"-enc", "UTF-8", pdf, "-"}).split(u'\f');
    pages.removeLast();
    return pages;
}

/// The lines of text on all pages, empty ones left out.
inline QStringList lines(const QString &pdf)
{
    QStringList lines;
    for (const QString &page : pages(pdf))
        lines += page.split(u'\n', Qt::SkipEmptyParts);
    return lines;
}

} // namespace PdfTools
