// Zevora - a recovery journal: one page's unsaved text, kept beside the program
// until the page is saved, so that a crash or a power cut loses nothing typed.
#pragma once

#include "TextCodec.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QDateTime>
#include <QString>

#include <optional>

/// What a journal says about its page. The text itself follows the header in
/// the page's own encoding and line endings, exactly as a save would write it
/// (without the final line break a save may add).
struct JournalHeader
{
    qint64 pid = 0;        ///< the process that wrote it
    QString tag;           ///< the page's file path (for an untitled page, its temporary name)
    QString caption;       ///< the caption without the last-modified stamp
    bool untitled = false; ///< the page has no file of its own yet
    PageEncoding encoding = PageEncoding::Utf8;
    LineEnding lineEnding = LineEnding::CrLf;
    qint64 caret = 0;  ///< the caret as a Text index
    QDateTime written; ///< when the text was taken, UTC
    // The page's file as the page last read or wrote it: a file that differs
    // now was changed since (the identity's device and inode are not kept:
    // a save replaces the file and its inode).
    qint64 fileSize = -1;
    qint64 fileModifiedNs = 0;

    bool operator==(const JournalHeader &) const = default;
};

/// A journal as read back: its header and its text's bytes.
struct Journal
{
    JournalHeader header;
    QByteArray body;
};

namespace JournalFile {

/// The suffix of journal file names.
inline constexpr char kSuffix[] = ".zevora-journal";

/// The bytes of a journal: the header as lines of "name: value" (values with
/// CR, LF or % written as %0D, %0A, %25), an empty line, then \a body.
QByteArray compose(const JournalHeader &header, QByteArrayView body);
/// The part of compose() before the body, for a body of \a bodyLength bytes.
QByteArray composeHeader(const JournalHeader &header, qsizetype bodyLength);

/// Reads a journal back. Nothing, with the reason in \a error, for anything
/// that is not a whole journal of this version: another format, a missing or
/// malformed field, a body shorter or longer than its header says.
std::optional<Journal> parse(QByteArrayView bytes, QString *error = nullptr);

} // namespace JournalFile
