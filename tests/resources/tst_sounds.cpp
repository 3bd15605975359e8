// Zevora tests - the program's sounds as compiled into the resources library.
#include "QtSoundService.h"

#include <QFile>
#include <QSet>
#include <QTest>
#include <QtEndian>

#include <algorithm>
#include <array>
#include <cmath>

namespace {

constexpr std::array SoundIds = {300, 301, 302, 303, 304, 305, 306, 399};

QByteArray soundFile(int id)
{
    QFile file(Platform::QtSoundService::resourcePath(id));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QList<qint16> samples(const QByteArray &wave)
{
    QList<qint16> list;
    for (qsizetype at = 44; at + 1 < wave.size(); at += 2)
        list.append(qFromLittleEndian<qint16>(wave.constData() + at));
    return list;
}

} // namespace

class tst_Sounds : public QObject
{
    Q_OBJECT

private slots:
    void everySoundIsAShortCleanPcmWave_data()
    {
        QTest::addColumn<int>("id");
        for (int id : SoundIds)
            QTest::addRow("sound %d", id) << id;
    }

    void everySoundIsAShortCleanPcmWave()
    {
        QFETCH(int, id);
        // The player looks the sound up at this path in any program that links the resources.
        const QByteArray wave = soundFile(id);
        QVERIFY(wave.size() > 44);
        // RIFF, then one format chunk (PCM, mono, 22050 Hz, 16 bits) and one data chunk, sizes to the byte.
        QCOMPARE(wave.left(4), QByteArray("RIFF"));
        QCOMPARE(qFromLittleEndian<quint32>(wave.constData() + 4), quint32(wave.size() - 8));
        QCOMPARE(wave.mid(8, 28).toHex(),
                 QByteArray("57415645666d742010000000010001002256000044ac000002001000"));
        QCOMPARE(wave.mid(36, 4), QByteArray("data"));
        QCOMPARE(qFromLittleEndian<quint32>(wave.constData() + 40), quint32(wave.size() - 44));

        const QList<qint16> sound = samples(wave);
        QVERIFY2(sound.size() >= 0.05 * 22050 && sound.size() <= 22050,
                 qPrintable(QString::number(sound.size())));
        double energy = 0;
        for (qint16 s : sound)
            energy += double(s) * s;
        QVERIFY(std::sqrt(energy / sound.size()) > 1000);
        const auto [low, high] = std::minmax_element(sound.begin(), sound.end());
        QVERIFY2(*low > -32000 && *high < 32000, qPrintable(QString("peaks %1 and %2").arg(*low).arg(*high)));
        // A soft start and end: no click when the sound starts or stops.
        QVERIFY(std::abs(sound.front()) < 200 && std::abs(sound.back()) < 200);
    }

    // Each event has a sound of its own, not a copy of another one's.
    void everySoundIsItsOwn()
    {
        QSet<QByteArray> waves;
        for (int id : SoundIds)
            waves.insert(soundFile(id));
        QCOMPARE(waves.size(), qsizetype(SoundIds.size()));
    }
};

QTEST_APPLESS_MAIN(tst_Sounds)
#include "tst_sounds.moc"
