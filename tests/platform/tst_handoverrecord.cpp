// Zevora tests - the record that carries a command line to the running instance.
// Streams of several records, of other kinds among them, are walked by the
// hand-over fuzz target over its corpus and by the instance channel's tests.
#include "HandOverRecord.h"

#include <QTest>

using Platform::HandOverDecoder;
using Result = Platform::HandOverDecoder::Result;

namespace {

QByteArray header(quint32 identifier, quint32 count)
{
    QByteArray bytes;
    for (quint32 value : {identifier, count})
        for (int shift = 0; shift < 32; shift += 8)
            bytes.append(char((value >> shift) & 0xFF));
    return bytes;
}

} // namespace

Q_DECLARE_METATYPE(HandOverDecoder::Result)

class tst_HandOverRecord : public QObject
{
    Q_OBJECT

private slots:
    void aCommandLineIsIdentifierCountAndPayloadAndComesBackByteByByte_data()
    {
        QTest::addColumn<QString>("commandLine");
        QTest::addColumn<QByteArray>("expected");
        QTest::addRow("an empty command line") << QString() << QByteArray::fromHex("03000000 00000000");
        QTest::addRow("a path with non-ASCII characters")
            << QString::fromUtf8("/home/zo\u00eb/caf\u00e9 \u20ac.htm")
            << QByteArray::fromHex("03000000 18000000") +
                   QByteArray("/home/zo\xc3\xab/caf\xc3\xa9 \xe2\x82\xac.htm");
        QTest::addRow("a path of 4096 bytes, the longest a receiver takes")
            << "/" + QString(4095, 'a')
            << QByteArray::fromHex("03000000 00100000") + "/" + QByteArray(4095, 'a');
        QTest::addRow("one byte more is not sent") << "/" + QString(4096, 'a') << QByteArray();
    }

    void aCommandLineIsIdentifierCountAndPayloadAndComesBackByteByByte()
    {
        QFETCH(QString, commandLine);
        const QByteArray record = Platform::encodeHandOver(commandLine);
        QTEST(record, "expected");
        if (record.isEmpty())
            return;
        HandOverDecoder decoder;
        for (qsizetype i = 0; i + 1 < record.size(); ++i) {
            decoder.feed(record.sliced(i, 1));
            if (decoder.next() != Result::NeedMore)
                QFAIL(qPrintable(
                    QString("a record was reported after %1 of %2 bytes").arg(i + 1).arg(record.size())));
        }
        decoder.feed(record.sliced(record.size() - 1));
        QCOMPARE(decoder.next(), Result::HandOver);
        QCOMPARE(decoder.identifier(), Platform::HandOverIdentifier);
        QCOMPARE(decoder.path(), commandLine);
        QCOMPARE(decoder.next(), Result::NeedMore);
        QCOMPARE(decoder.pendingBytes(), 0);
    }

    void thePathEndsAtTheFirstNul_data()
    {
        QTest::addColumn<QByteArray>("payload");
        QTest::addColumn<QString>("path");
        QTest::addRow("a NUL in the middle") << QByteArray("/a.htm\0/b.htm", 13) << QString("/a.htm");
        QTest::addRow("a NUL first") << QByteArray("\0/a.htm", 7) << QString();
        QTest::addRow("NUL after non-ASCII")
            << QByteArray("/caf\xc3\xa9\0\xff\xfe", 9) << QString::fromUtf8("/caf\u00e9");
    }

    void thePathEndsAtTheFirstNul()
    {
        QFETCH(QByteArray, payload);
        QFETCH(QString, path);
        HandOverDecoder decoder;
        decoder.feed(header(3, quint32(payload.size())) + payload);
        QCOMPARE(decoder.next(), Result::HandOver);
        QCOMPARE(decoder.path(), path);
    }

    void aPayloadLongerThanAPathBreaksTheStreamAtOnce_data()
    {
        QTest::addColumn<quint32>("identifier");
        QTest::addColumn<quint32>("count");
        QTest::addColumn<Result>("expected");
        QTest::addRow("4096 bytes, the longest path, are accepted") << 3u << 4096u << Result::NeedMore;
        QTest::addRow("one byte more is not") << 3u << 4097u << Result::Broken;
        QTest::addRow("4 GiB") << 3u << 0xFFFFFFFFu << Result::Broken;
        QTest::addRow("another identifier with 1 GiB") << 9u << 0x40000000u << Result::Broken;
    }

    void aPayloadLongerThanAPathBreaksTheStreamAtOnce()
    {
        QFETCH(quint32, identifier);
        QFETCH(quint32, count);
        QFETCH(Result, expected);
        HandOverDecoder decoder;
        // Judged from the header alone: no payload byte has arrived yet.
        decoder.feed(header(identifier, count));
        QCOMPARE(decoder.next(), expected);
        if (expected != Result::Broken)
            return;
        QCOMPARE(decoder.pendingBytes(), 0);
        // A broken stream stays broken: whatever follows is not trusted.
        decoder.feed(Platform::encodeHandOver("/next.htm"));
        QCOMPARE(decoder.next(), Result::Broken);
        QCOMPARE(decoder.pendingBytes(), 0);
    }
};

QTEST_APPLESS_MAIN(tst_HandOverRecord)
#include "tst_handoverrecord.moc"
