// Zevora - the record a second instance sends to the running one: the
// identifier 3, a 32-bit byte count and the command line in the local 8-bit encoding.
#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

namespace Platform {

/// The identifier of a record that carries a command line.
inline constexpr quint32 HandOverIdentifier = 3;
/// The size of the identifier and the byte count that precede the payload.
inline constexpr int HandOverHeaderSize = 8;
/// The largest payload a receiver accepts: 4096 bytes, the longest path the
/// platform allows (PATH_MAX on Linux). A record that announces more carries
/// no file the program could open; it is treated as broken as soon as its
/// header arrives, before any of its payload is kept.
inline constexpr quint32 HandOverMaxPayload = 4096;
/// The byte a receiver answers each complete record with once it has
/// handled it (records with another identifier are answered as well).
inline constexpr char HandOverAcknowledgement = '\x06';

/// The record for \a commandLine: identifier 3 and the byte count, both
/// 32-bit little-endian, then the command line in the local 8-bit encoding
/// with no terminating NUL. An empty command line gives a record with a byte
/// count of 0. Returns an empty array when the encoded command line is longer
/// than HandOverMaxPayload (no receiver would accept it).
QByteArray encodeHandOver(const QString &commandLine);

/// The path carried by a payload: the bytes up to the first NUL, converted
/// from the local 8-bit encoding.
QString handOverPathFromPayload(QByteArrayView payload);

/// Cuts records out of a byte stream that arrives in pieces of any size.
///
///     decoder.feed(socket->readAll());
///     while ((result = decoder.next()) != HandOverDecoder::Result::NeedMore) { ... }
class HandOverDecoder
{
public:
    enum class Result
    {
        NeedMore,    ///< no complete record yet: feed more bytes
        HandOver,    ///< a record with identifier 3: see path()
        OtherRecord, ///< a complete record with another identifier: ignore it
        Broken,      ///< the stream announced an absurd byte count: drop the connection
    };

    /// Appends \a bytes to what has arrived so far.
    void feed(QByteArrayView bytes);
    /// Takes the next complete record out of the bytes fed so far. Once the
    /// stream is broken every call returns Broken and the bytes fed are dropped.
    Result next();

    /// The identifier of the record last returned by next().
    quint32 identifier() const { return m_identifier; }
    /// The path of the record last returned as HandOver.
    QString path() const { return m_path; }
    /// Bytes fed but not yet taken as part of a complete record.
    qsizetype pendingBytes() const { return m_buffer.size() - m_offset; }

private:
    QByteArray m_buffer;
    qsizetype m_offset = 0;
    bool m_broken = false;
    quint32 m_identifier = 0;
    QString m_path;
};

} // namespace Platform
