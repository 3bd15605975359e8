// Zevora fuzz target - the records a second start sends to the running program.
// However the stream is cut into pieces, the same records come out, and no
// path comes from a record that is not a well-formed hand-over.
#include "FuzzCheck.h"
#include "HandOverRecord.h"

#include <QList>
#include <QtEndian>

#include <cstddef>
#include <cstdint>

using namespace Platform;

namespace {

struct Outcome
{
    HandOverDecoder::Result result;
    QString path;
    bool operator==(const Outcome &) const = default;
};

// Everything the decoder gives for \a stream fed in pieces of \a piece bytes.
QList<Outcome> decodeAll(QByteArrayView stream, qsizetype piece)
{
    HandOverDecoder decoder;
    QList<Outcome> outcomes;
    for (qsizetype at = 0; at < stream.size(); at += piece) {
        decoder.feed(stream.sliced(at, std::min(piece, stream.size() - at)));
        for (;;) {
            const HandOverDecoder::Result result = decoder.next();
            if (result == HandOverDecoder::Result::NeedMore)
                break;
            outcomes.append(
                {result, result == HandOverDecoder::Result::HandOver ? decoder.path() : QString()});
            if (result == HandOverDecoder::Result::Broken)
                return outcomes;
        }
    }
    return outcomes;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    if (size < 1)
        return 0;
    const qsizetype piece = 1 + data[0] % 16;
    const QByteArrayView stream(reinterpret_cast<const char *>(data) + 1, qsizetype(size) - 1);
    const QList<Outcome> whole = decodeAll(stream, std::max<qsizetype>(1, stream.size()));
    FUZZ_CHECK(decodeAll(stream, piece) == whole);

    // Walk the records by hand: each HandOver must stand on a record with
    // identifier 3 and a byte count the receiver accepts.
    qsizetype at = 0;
    for (const Outcome &outcome : whole) {
        FUZZ_CHECK(stream.size() - at >= HandOverHeaderSize);
        const quint32 identifier = qFromLittleEndian<quint32>(stream.data() + at);
        const quint32 count = qFromLittleEndian<quint32>(stream.data() + at + 4);
        if (outcome.result == HandOverDecoder::Result::Broken) {
            FUZZ_CHECK(count > HandOverMaxPayload);
            break;
        }
        FUZZ_CHECK(count <= HandOverMaxPayload &&
                   stream.size() - at - HandOverHeaderSize >= qsizetype(count));
        FUZZ_CHECK((outcome.result == HandOverDecoder::Result::HandOver) ==
                   (identifier == HandOverIdentifier));
        if (outcome.result == HandOverDecoder::Result::HandOver)
            FUZZ_CHECK(outcome.path ==
                       handOverPathFromPayload(stream.sliced(at + HandOverHeaderSize, count)));
        at += HandOverHeaderSize + qsizetype(count);
    }
    return 0;
}
