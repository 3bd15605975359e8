// Zevora - the record a second instance sends to the running one: the
// identifier 3, a 32-bit byte count and the command line in the local 8-bit encoding.
#include "HandOverRecord.h"

#include <QtEndian>

namespace Platform {

namespace {

void appendLittleEndian(QByteArray &out, quint32 value)
{
    char bytes[4];
    qToLittleEndian(value, bytes);
    out.append(bytes, 4);
}

} // namespace

QByteArray encodeHandOver(const QString &commandLine)
{
    const QByteArray payload = commandLine.toLocal8Bit();
    if (quint64(payload.size()) > HandOverMaxPayload)
        return {};
    QByteArray record;
    record.reserve(HandOverHeaderSize + payload.size());
    appendLittleEndian(record, HandOverIdentifier);
    appendLittleEndian(record, quint32(payload.size()));
    record.append(payload);
    return record;
}

QString handOverPathFromPayload(QByteArrayView payload)
{
    const qsizetype nul = payload.indexOf('\0');
    return QString::fromLocal8Bit(nul < 0 ? payload : payload.first(nul));
}

void HandOverDecoder::feed(QByteArrayView bytes)
{
    if (m_broken || bytes.isEmpty())
        return;
    // Drop what earlier records used before the buffer grows again, so that
    // a long-lived connection does not keep every record it ever carried.
    if (m_offset > 0) {
        m_buffer.remove(0, m_offset);
        m_offset = 0;
    }
    m_buffer.append(bytes);
}

HandOverDecoder::Result HandOverDecoder::next()
{
    if (m_broken)
        return Result::Broken;
    const QByteArrayView rest = QByteArrayView(m_buffer).sliced(m_offset);
    if (rest.size() < HandOverHeaderSize)
        return Result::NeedMore;
    const quint32 identifier = qFromLittleEndian<quint32>(rest.data());
    const quint32 count = qFromLittleEndian<quint32>(rest.data() + 4);
    // Judged on the header alone, before any of the payload is kept.
    if (count > HandOverMaxPayload) {
        m_broken = true;
        m_buffer.clear();
        m_offset = 0;
        return Result::Broken;
    }
    if (rest.size() - HandOverHeaderSize < qsizetype(count))
        return Result::NeedMore;

    m_identifier = identifier;
    const QByteArrayView payload = rest.sliced(HandOverHeaderSize, count);
    m_path = identifier == HandOverIdentifier ? handOverPathFromPayload(payload) : QString();
    m_offset += HandOverHeaderSize + qsizetype(count);
    if (m_offset == m_buffer.size()) {
        m_buffer.clear();
        m_offset = 0;
    }
    return identifier == HandOverIdentifier ? Result::HandOver : Result::OtherRecord;
}

} // namespace Platform
