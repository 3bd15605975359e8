// Zevora - the recent-files list: which paths are kept, in which order.
#pragma once

#include <QStringList>
#include <functional>

namespace RecentList {

/// The number of slots.
inline constexpr int kSlots = 9;

using Exists = std::function<bool(const QString &path)>;

/// The list kept at start from the stored slots: non-empty values of existing
/// files, each differing from the one kept before it, in their order.
QStringList cleaned(const QStringList &stored, const Exists &exists);

/// The list after \a path was opened or saved: \a path first, then the
/// current entries that name existing files other than \a path, at most
/// nine in all. Paths are compared exactly.
QStringList added(const QString &path, const QStringList &current, const Exists &exists);

} // namespace RecentList
