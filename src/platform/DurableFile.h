// Zevora - writing a small file so that it survives a crash or a power cut.
#pragma once

#include <QByteArrayView>
#include <QString>

#include <initializer_list>

namespace Platform {

/// Writes \a parts, one after another, to \a path as a whole: a new file in the same folder,
/// flushed to the disk, then renamed over the old one (and the folder flushed
/// too), so that \a path always holds either the old or the new bytes. Safe
/// to call from any thread. False when anything failed; the old file is
/// then left as it was.
bool writeFileDurably(const QString &path, std::initializer_list<QByteArrayView> parts);

} // namespace Platform
