// Zevora - the system clipboard through QClipboard.
#include "QtClipboardService.h"

#include <QClipboard>
#include <QGuiApplication>

namespace Platform {

QString QtClipboardService::text() const
{
    return QGuiApplication::clipboard()->text();
}

void QtClipboardService::setText(const QString &text)
{
    QGuiApplication::clipboard()->setText(text);
}

void QtClipboardService::clear()
{
    QGuiApplication::clipboard()->clear();
}

} // namespace Platform
