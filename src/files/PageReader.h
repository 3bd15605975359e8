// Zevora - reading a page file in blocks, letting the program breathe between them.
#pragma once

#include <QByteArray>
#include <QString>
#include <functional>
#include <optional>

namespace PageReader {

/// Reads the whole file at \a path in blocks of \a blockSize bytes (a file of
/// exactly one block is one block and an empty remainder), calling
/// \a betweenBlocks after each full block so that the user interface stays
/// responsive. Nothing when the file cannot be opened or read.
std::optional<QByteArray> readInBlocks(const QString &path, qsizetype blockSize,
                                       const std::function<void()> &betweenBlocks = {});

} // namespace PageReader
