// Zevora - the caption of a saved page: its name, then when it was last written.
#pragma once

#include <QDateTime>
#include <QString>

namespace mCaption {

/// The caption tail for a file last written at \a lastWritten, shown in local
/// time: fourteen spaces, ">", " Last modified: ", month/day/year without
/// leading zeros, two spaces, and the time on the 12-hour clock in brackets.
/// 15:07:09 on 5 July 2001 gives "              > Last modified: 7/5/2001  [3:07:09 PM]";
/// midnight is 12 AM, noon 12 PM. Empty for an invalid time.
QString LastModifiedStamp(const QDateTime &lastWritten);

/// The stamp of the file at \a path from its last-write time; empty when the
/// file cannot be opened for reading.
QString LastModifiedStamp(const QString &path);

/// \a caption up to the first run of fourteen spaces followed by ">" (where a
/// stamp begins); the whole caption when it has none. Putting a new stamp
/// behind the base replaces the old one.
QString CaptionBase(const QString &caption);

} // namespace mCaption
