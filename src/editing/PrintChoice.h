// Zevora - what the Print window starts with and what its copies box takes.
#pragma once

#include <QString>
#include <QStringList>

namespace PrintChoice {

/// The printer the Print window shows first: \a current (the one chosen last
/// in this session) while it is still in \a printers, else \a defaultPrinter
/// when it is, else the first printer; "" when there are none.
QString startPrinter(const QStringList &printers, const QString &defaultPrinter, const QString &current);

/// What the copies box holds after an edit turned \a before into \a after.
/// The box holds one digit from 1 to 9: each inserted character acts as a
/// key, a digit 1 to 9 replacing the box's content and anything else (0
/// included) being ignored. An edit that only removes text stands.
QString copiesAfterEdit(const QString &before, const QString &after);

} // namespace PrintChoice
