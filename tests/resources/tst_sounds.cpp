// Zevora tests - the program's sounds as compiled into the resources library.
#include "QtSoundService.h"

#include <QFile>
#include <QTest>
#include <QtEndian>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdlib>
#include <vector>

namespace {

constexpr std::array SoundIds = {300, 301, 302, 303, 304, 305, 306, 399};

// What the test needs to know of a WAV file, or an error text saying why it is not a valid one.
struct Wave
{
    QString error;
    int format = 0;
    int channels = 0;
    int sampleRate = 0;
    int byteRate = 0;
    int blockAlign = 0;
    int bitsPerSample = 0;
    std::vector<qint16> samples;

    double seconds() const { return sampleRate > 0 ? double(samples.size()) / sampleRate : 0; }
};

quint32 le32(const QByteArray &bytes, qsizetype at)
{
    return qFromLittleEndian<quint32>(bytes.constData() + at);
}

quint16 le16(const QByteArray &bytes, qsizetype at)
{
    return qFromLittleEndian<quint16>(bytes.constData() + at);
}

// Reads a RIFF/WAVE file chunk by chunk; every size in it must agree with the file's length.
Wave parseWave(const QByteArray &bytes)
{
    Wave wave;
    if (bytes.size() < 12 || !bytes.startsWith("RIFF") || bytes.mid(8, 4) != "WAVE") {
        wave.error = "no RIFF/WAVE header";
        return wave;
    }
    if (le32(bytes, 4) != quint32(bytes.size() - 8)) {
        wave.error = QString("RIFF size %1 for a file of %2 bytes").arg(le32(bytes, 4)).arg(bytes.size());
        return wave;
    }
    bool haveFormat = false, haveData = false;
    qsizetype at = 12;
    while (at < bytes.size()) {
        if (at + 8 > bytes.size()) {
            wave.error = "truncated chunk header";
            return wave;
        }
        const QByteArray id = bytes.mid(at, 4);
        const quint32 size = le32(bytes, at + 4);
        const qsizetype body = at + 8;
        if (body + qsizetype(size) > bytes.size()) {
            wave.error = QString("chunk '%1' runs past the end").arg(QString::fromLatin1(id));
            return wave;
        }
        if (id == "fmt ") {
            if (size < 16) {
                wave.error = "format chunk too short";
                return wave;
            }
            wave.format = le16(bytes, body);
            wave.channels = le16(bytes, body + 2);
            wave.sampleRate = int(le32(bytes, body + 4));
            wave.byteRate = int(le32(bytes, body + 8));
            wave.blockAlign = le16(bytes, body + 12);
            wave.bitsPerSample = le16(bytes, body + 14);
            haveFormat = true;
        } else if (id == "data") {
            if (!haveFormat || size % 2 != 0) {
                wave.error = "data chunk before the format or of odd size";
                return wave;
            }
            for (qsizetype i = 0; i < qsizetype(size); i += 2)
                wave.samples.push_back(qint16(le16(bytes, body + i)));
            haveData = true;
        }
        at = body + size + (size % 2);
    }
    if (at != bytes.size())
        wave.error = "chunks do not end at the end of the file";
    else if (!haveFormat || !haveData)
        wave.error = "format or data chunk missing";
    return wave;
}

Wave loadSound(int id)
{
    QFile file(Platform::QtSoundService::resourcePath(id));
    if (!file.open(QIODevice::ReadOnly)) {
        Wave missing;
        missing.error = "cannot open " + file.fileName();
        return missing;
    }
    return parseWave(file.readAll());
}

double rms(const std::vector<qint16> &samples)
{
    double sum = 0;
    for (qint16 s : samples)
        sum += double(s) * s;
    return samples.empty() ? 0 : std::sqrt(sum / double(samples.size()));
}

// A rough fingerprint of a sound: its length, and its pitch (zero crossings
// per second of its audible part) in each third of the sound.
struct Fingerprint
{
    double seconds;
    std::array<double, 3> pitch;
};

Fingerprint fingerprint(const Wave &wave)
{
    Fingerprint print{wave.seconds(), {}};
    const size_t third = wave.samples.size() / 3;
    for (size_t part = 0; part < 3; ++part) {
        int crossings = 0, audible = 0;
        for (size_t i = part * third + 1; i < (part + 1) * third; ++i) {
            const int a = wave.samples[i - 1], b = wave.samples[i];
            if (std::abs(b) > 300)
                ++audible;
            if ((a < 0) != (b < 0))
                ++crossings;
        }
        print.pitch[part] = audible > 0 ? double(crossings) * wave.sampleRate / 2 / audible : 0;
    }
    return print;
}

bool clearlyDifferent(double a, double b, double share)
{
    return std::abs(a - b) > share * std::max(a, b);
}

} // namespace

class tst_Sounds : public QObject
{
    Q_OBJECT

private slots:
    void everySoundIsAShortCleanPcmWave_data();
    void everySoundIsAShortCleanPcmWave();
    void aWaveWithWrongSizesIsRejected_data();
    void aWaveWithWrongSizesIsRejected();
    void theSoundsCanBeToldApart();
};

void tst_Sounds::everySoundIsAShortCleanPcmWave_data()
{
    QTest::addColumn<int>("id");
    for (int id : SoundIds)
        QTest::addRow("sound %d", id) << id;
}

void tst_Sounds::everySoundIsAShortCleanPcmWave()
{
    QFETCH(int, id);
    // The player looks the sound up at this path; it must be there in any
    // program that links the resources library.
    QVERIFY2(QFile::exists(Platform::QtSoundService::resourcePath(id)),
             qPrintable(Platform::QtSoundService::resourcePath(id)));
    const Wave wave = loadSound(id);
    QVERIFY2(wave.error.isEmpty(), qPrintable(wave.error));
    QCOMPARE(wave.format, 1);
    QCOMPARE(wave.channels, 1);
    QCOMPARE(wave.sampleRate, 22050);
    QCOMPARE(wave.bitsPerSample, 16);
    QCOMPARE(wave.blockAlign, 2);
    QCOMPARE(wave.byteRate, 44100);

    QVERIFY2(wave.seconds() >= 0.05 && wave.seconds() <= 1.0, qPrintable(QString::number(wave.seconds())));
    QVERIFY2(rms(wave.samples) > 1000, qPrintable(QString("rms %1").arg(rms(wave.samples))));
    const auto [low, high] = std::minmax_element(wave.samples.begin(), wave.samples.end());
    QVERIFY2(*low > -32000 && *high < 32000, qPrintable(QString("peaks %1 and %2").arg(*low).arg(*high)));
    // A soft start and end: no click when the sound starts or stops.
    QVERIFY(std::abs(wave.samples.front()) < 200);
    QVERIFY(std::abs(wave.samples.back()) < 200);
}

void tst_Sounds::aWaveWithWrongSizesIsRejected_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QFile file(Platform::QtSoundService::resourcePath(SoundIds.front()));
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray good = file.readAll();
    QByteArray longer = good + QByteArray(10, '\0');
    QTest::addRow("cut short") << good.left(good.size() - 10);
    QTest::addRow("bytes after the data") << longer;
    QByteArray notWave = good;
    notWave.replace(8, 4, "AVI ");
    QTest::addRow("not WAVE") << notWave;
}

// The size checks above are only worth something if they can fail.
void tst_Sounds::aWaveWithWrongSizesIsRejected()
{
    QFETCH(QByteArray, bytes);
    QVERIFY(!parseWave(bytes).error.isEmpty());
}

void tst_Sounds::theSoundsCanBeToldApart()
{
    std::vector<Fingerprint> prints;
    for (int id : SoundIds) {
        const Wave wave = loadSound(id);
        QVERIFY2(wave.error.isEmpty(), qPrintable(wave.error));
        prints.push_back(fingerprint(wave));
    }
    for (size_t a = 0; a < prints.size(); ++a)
        for (size_t b = a + 1; b < prints.size(); ++b) {
            const Fingerprint &p = prints[a], &q = prints[b];
            bool different = clearlyDifferent(p.seconds, q.seconds, 0.15);
            for (size_t part = 0; part < 3; ++part)
                different = different || clearlyDifferent(p.pitch[part], q.pitch[part], 0.08);
            QVERIFY2(different,
                     qPrintable(QString("sounds %1 and %2 sound alike").arg(SoundIds[a]).arg(SoundIds[b])));
        }
}

QTEST_APPLESS_MAIN(tst_Sounds)
#include "tst_sounds.moc"
