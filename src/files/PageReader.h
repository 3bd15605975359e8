// Zevora - reading a page file in blocks, letting the program breathe between them.
#pragma once

#include <QByteArray>
#include <QString>
#include <functional>
#include <optional>

namespace PageReader {

/// The largest file a page is read from. The editor holds a page in UTF-8,
/// where a byte of a Windows-1252 file may take three, and its positions must
/// stay below 2^31; 512 MiB keeps every page well inside that.
inline constexpr qint64 kMaxPageBytes = qint64(512) * 1024 * 1024;

/// True when the file at \a path is too large to be opened as a page.
bool isTooLarge(const QString &path);

/// Reads the whole file at \a path in blocks of \a blockSize bytes (a file of
/// exactly one block is one block and an empty remainder), calling
/// \a betweenBlocks after each full block so that the user interface stays
/// responsive. Nothing when the file cannot be opened or read, or holds more
/// than kMaxPageBytes (also when it grows past that while it is read).
std::optional<QByteArray> readInBlocks(const QString &path, qsizetype blockSize,
                                       const std::function<void()> &betweenBlocks = {});

} // namespace PageReader
