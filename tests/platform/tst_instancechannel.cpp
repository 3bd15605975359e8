// Zevora tests - the record that carries a command line to the running
// instance, electing the one primary instance, and handing records to it.
// Second instances run as separate processes (instance_client), since a
// secondary blocks until the primary's event loop has handled its record.
// Streams of several records, of other kinds among them, are also walked by
// the hand-over fuzz target over its corpus.
#include "HandOverRecord.h"
#include "InstanceChannel.h"
#include "TestFiles.h"

#include <QDateTime>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QLocalSocket>
#include <QLockFile>
#include <QProcess>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include <QScopeGuard>

#include <algorithm>
#include <memory>
#include <vector>

#ifdef Q_OS_UNIX
#include <pwd.h>
#include <sys/resource.h>
#include <unistd.h>
#endif

using Platform::HandOverDecoder;
using Platform::InstanceChannel;
using Result = Platform::HandOverDecoder::Result;
using Role = Platform::InstanceChannel::Role;

Q_DECLARE_METATYPE(HandOverDecoder::Result)

namespace {

constexpr int ProcessTimeoutMs = 30000;

/// A second instance: an instance_client process whose report lines are collected.
class Client : public QProcess
{
public:
    /// Waits, with the event loop running, until the client has reported \a line.
    bool waitForLine(const QByteArray &line, int timeoutMs = ProcessTimeoutMs)
    {
        return QTest::qWaitFor([&] { return lines().contains(line); }, timeoutMs);
    }
    /// Waits, with the event loop running, until the client has ended.
    bool waitForEnd(int timeoutMs = ProcessTimeoutMs)
    {
        return QTest::qWaitFor([&] { return state() == QProcess::NotRunning; }, timeoutMs);
    }
    QList<QByteArray> lines()
    {
        m_output += readAllStandardOutput();
        QList<QByteArray> result = m_output.split('\n');
        result.removeAll(QByteArray());
        return result;
    }

private:
    QByteArray m_output;
};

QString hex(const QString &text)
{
    return QString::fromLatin1(text.toUtf8().toHex());
}

QByteArray header(quint32 identifier, quint32 count)
{
    QByteArray bytes;
    for (quint32 value : {identifier, count})
        for (int shift = 0; shift < 32; shift += 8)
            bytes.append(char((value >> shift) & 0xFF));
    return bytes;
}

qint64 lockOwner(const QString &lockFilePath)
{
    qint64 pid = 0;
    return QLockFile(lockFilePath).getLockInfo(&pid, nullptr, nullptr) ? pid : 0;
}

constexpr QFile::Permissions GroupOrOthers = QFile::ReadGroup | QFile::WriteGroup | QFile::ExeGroup |
                                             QFile::ReadOther | QFile::WriteOther | QFile::ExeOther;

} // namespace

class tst_InstanceChannel : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        m_dir = std::make_unique<QTemporaryDir>();
        QVERIFY(m_dir->isValid());
    }

    void cleanup()
    {
        for (const auto &client : m_clients) {
            if (client->state() != QProcess::NotRunning) {
                client->kill();
                client->waitForFinished(5000);
            }
        }
        m_clients.clear();
        m_dir.reset();
    }

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
        // No record is reported before its last byte.
        for (qsizetype i = 0; i + 1 < record.size(); ++i) {
            decoder.feed(record.sliced(i, 1));
            QCOMPARE(decoder.next(), Result::NeedMore);
        }
        decoder.feed(record.sliced(record.size() - 1));
        QCOMPARE(decoder.next(), Result::HandOver);
        QCOMPARE(decoder.identifier(), Platform::HandOverIdentifier);
        QCOMPARE(decoder.path(), commandLine);
        QCOMPARE(decoder.next(), Result::NeedMore);
        QCOMPARE(decoder.pendingBytes(), 0);
    }

    // Judged from the header and payload alone; a round trip of the longest
    // path that is accepted is above.
    void aRecordGivesItsPathUpToTheFirstNulOrBreaksTheStream_data()
    {
        QTest::addColumn<QByteArray>("stream");
        QTest::addColumn<Result>("expected");
        QTest::addColumn<QString>("path");
        const auto handOver = [](const QByteArray &payload) {
            return header(3, quint32(payload.size())) + payload;
        };
        QTest::addRow("a NUL first") << handOver(QByteArray("\0/a.htm", 7)) << Result::HandOver << QString();
        QTest::addRow("NUL after non-ASCII") << handOver(QByteArray("/caf\xc3\xa9\0\xff\xfe", 9))
                                             << Result::HandOver << QString::fromUtf8("/caf\u00e9");
        // No payload byte has arrived yet.
        QTest::addRow("one byte more than the longest path")
            << header(3, 4097) << Result::Broken << QString();
        QTest::addRow("4 GiB") << header(3, 0xFFFFFFFFu) << Result::Broken << QString();
        QTest::addRow("another identifier with 1 GiB")
            << header(9, 0x40000000u) << Result::Broken << QString();
    }

    void aRecordGivesItsPathUpToTheFirstNulOrBreaksTheStream()
    {
        QFETCH(QByteArray, stream);
        QFETCH(Result, expected);
        HandOverDecoder decoder;
        decoder.feed(stream);
        QCOMPARE(decoder.next(), expected);
        if (expected == Result::HandOver) {
            QTEST(decoder.path(), "path");
            return;
        }
        QCOMPARE(decoder.pendingBytes(), 0);
        // A broken stream stays broken: whatever follows is not trusted.
        decoder.feed(Platform::encodeHandOver("/next.htm"));
        QCOMPARE(decoder.next(), Result::Broken);
        QCOMPARE(decoder.pendingBytes(), 0);
    }

    void theFirstStartIsPrimaryAndTheNextIsSecondary()
    {
        auto first = std::make_unique<InstanceChannel>(folder());
        QCOMPARE(first->start(), Role::Primary);
        QCOMPARE(first->start(), Role::Primary);
        const QString lock = first->lockFilePath();
        const QString socket = first->serverName();
        // Only the user can enter the folder the channel created, or use the socket.
        QCOMPARE(QFileInfo(folder()).permissions() & GroupOrOthers, QFile::Permissions());
        QCOMPARE(QFileInfo(socket).permissions() & GroupOrOthers, QFile::Permissions());

        {
            InstanceChannel second(folder());
            QCOMPARE(second.start(), Role::Secondary);
        }
        // A secondary leaves the primary's files alone.
        QVERIFY(QFileInfo::exists(socket));
        QCOMPARE(lockOwner(lock), QCoreApplication::applicationPid());

        first.reset();
        QVERIFY(!QFileInfo::exists(lock));
        QVERIFY(!QFileInfo::exists(socket));
    }

    void sendersOneAfterAnotherAndAtOnceAreHandledOneAtATime()
    {
        InstanceChannel primary(folder());
        QCOMPARE(primary.start(), Role::Primary);
        QStringList received;
        std::vector<Client *> clients;
        int depth = 0;
        int deepest = 0;
        bool othersEnded = true;
        connect(&primary, &InstanceChannel::handOverReceived, this, [&](const QString &p) {
            received << p;
            deepest = qMax(deepest, ++depth);
            // Like a message box: every sender, this record's own too, has
            // been let go; the others hand over meanwhile and end, and their
            // records wait until this one has been handled.
            othersEnded = QTest::qWaitFor(
                              [&] {
                                  return std::all_of(clients.begin(), clients.end(), [](Client *c) {
                                      return c->state() == QProcess::NotRunning;
                                  });
                              },
                              10000) &&
                          othersEnded;
            --depth;
        });

        // Each arrives exactly: non-ASCII characters, the longest path, an
        // empty command line.
        const QStringList oneByOne{QString::fromUtf8("/home/zo\u00eb/caf\u00e9 \u20ac \U0001F600.htm"),
                                   QLatin1Char('/') + QString(4095, QLatin1Char('d')), QString()};
        for (const QString &path : oneByOne)
            QVERIFY(handsOver(primary, path));
        QCOMPARE(received, oneByOne);

        received.clear();
        const QString startAt = QString::number(QDateTime::currentMSecsSinceEpoch() + 1500);
        const QStringList paths{"/a.htm", "/b.htm", "/c.htm", "/d.htm"};
        for (const QString &path : paths)
            clients.push_back(startClient({"--send", hex(path), "--start-at", startAt}));
        for (Client *client : clients) {
            QVERIFY(client->waitForEnd());
            QCOMPARE(client->lines(), (QList<QByteArray>{"role:secondary", "handed-over:1"}));
        }
        QTRY_COMPARE(received.size(), paths.size());
        received.sort();
        QCOMPARE(received, paths);
        QCOMPARE(deepest, 1);
        QVERIFY(othersEnded);
    }

    // A connection that writes records of its own, or a payload longer than any
    // path, harms neither the channel nor the connections after it.
    void strayRecordsAreIgnoredAndOverlongOnesDropTheirConnection()
    {
        InstanceChannel primary(folder());
        QCOMPARE(primary.start(), Role::Primary);
        QSignalSpy spy(&primary, &InstanceChannel::handOverReceived);
        const QByteArray ack(1, Platform::HandOverAcknowledgement);

        QLocalSocket sender;
        sender.connectToServer(primary.serverName());
        QVERIFY(sender.waitForConnected(5000));
        sender.write(header(7, 5) + "/x.ht" + header(0, 0));
        sender.flush();
        QTRY_COMPARE(sender.bytesAvailable(), qint64(2));
        QCOMPARE(sender.readAll(), ack + ack);
        QCOMPARE(spy.count(), 0);
        // A path of 16 MiB: no file has such a name.
        const quint32 count = 16 * 1024 * 1024;
        sender.write(header(3, count) + QByteArray(count, 'a'));
        sender.flush();
        QTRY_COMPARE(sender.state(), QLocalSocket::UnconnectedState);
        QCOMPARE(sender.readAll(), QByteArray());
        QCOMPARE(spy.count(), 0);
        QVERIFY(handsOver(primary, "/fine.htm"));
    }

    void heldRecordsWaitInABoundedQueue()
    {
        InstanceChannel primary(folder());
        QCOMPARE(primary.start(), Role::Primary);
        primary.setHandOversHeld(true);
        QStringList received;
        connect(&primary, &InstanceChannel::handOverReceived, this, [&](const QString &p) { received << p; });

        // One record more than the queue holds, in one piece.
        QLocalSocket sender;
        sender.connectToServer(primary.serverName());
        QVERIFY(sender.waitForConnected(5000));
        QStringList paths;
        QByteArray stream;
        for (int i = 0; i <= InstanceChannel::MaxQueuedHandOvers; ++i) {
            paths << QString("/%1.htm").arg(i);
            stream += Platform::encodeHandOver(paths.last());
        }
        sender.write(stream);
        sender.flush();
        // Each queued record is acknowledged; the one without room is not, and
        // its connection is closed.
        QTRY_COMPARE(sender.state(), QLocalSocket::UnconnectedState);
        QCOMPARE(sender.readAll(),
                 QByteArray(InstanceChannel::MaxQueuedHandOvers, Platform::HandOverAcknowledgement));
        QVERIFY(received.isEmpty());

        primary.setHandOversHeld(false);
        paths.removeLast();
        QTRY_COMPARE(received, paths);
    }

    void aFloodOfConnectionsLeavesTheChannelWorking_data()
    {
        QTest::addColumn<int>("connections");
        QTest::addColumn<int>("spareDescriptors");
        QTest::addColumn<bool>("freedAfterTheFlood");
        QTest::addRow("more connections than descriptors") << 200 << 64 << false;
        // Fewer than the connections kept: the server cannot accept and stops;
        // it listens again once descriptors are free.
        QTest::addRow("descriptors used up by something else") << 100 << 8 << true;
    }

    void aFloodOfConnectionsLeavesTheChannelWorking()
    {
#ifdef Q_OS_LINUX
        QFETCH(int, connections);
        QFETCH(int, spareDescriptors);
        QFETCH(bool, freedAfterTheFlood);
        InstanceChannel primary(folder());
        QCOMPARE(primary.start(), Role::Primary);

        rlimit usual{};
        QCOMPARE(getrlimit(RLIMIT_NOFILE, &usual), 0);
        const auto restore = qScopeGuard([&] { setrlimit(RLIMIT_NOFILE, &usual); });
        Client *flood = startClient({"--flood", QString::number(connections)});
        rlimit lowered = usual;
        lowered.rlim_cur =
            rlim_t(QDir("/proc/self/fd").entryList(QDir::Files | QDir::System).size() + spareDescriptors);
        QCOMPARE(setrlimit(RLIMIT_NOFILE, &lowered), 0);
        QVERIFY(flood->waitForLine("flooded"));
        if (freedAfterTheFlood)
            QCOMPARE(setrlimit(RLIMIT_NOFILE, &usual), 0);

        // The flood still holds its connections.
        QVERIFY(handsOver(primary, "/after.htm"));
#else
        QSKIP("needs Linux descriptor limits");
#endif
    }

    void aLiveLockHolderWithAnOldLockIsNotReplaced_data()
    {
        QTest::addColumn<bool>("listens");
        QTest::addRow("a primary that has run for a day") << true;
        QTest::addRow("a lock holder that does not listen") << false;
    }

    void aLiveLockHolderWithAnOldLockIsNotReplaced()
    {
        QFETCH(bool, listens);
        Client *holder = startClient(listens ? QStringList{} : QStringList{"--hold-lock"});
        QVERIFY(holder->waitForLine(listens ? "role:primary" : "locked"));
        InstanceChannel late(folder());
        QVERIFY(setModified(late.lockFilePath(), QDateTime::currentDateTime().addDays(-1)));

        late.setElectionTimeout(300);
        QElapsedTimer clock;
        clock.start();
        QCOMPARE(late.start(), Role::Secondary);
        QCOMPARE(lockOwner(late.lockFilePath()), holder->processId());
        QCOMPARE(late.handOver("/late.htm"), listens);
        QVERIFY2(clock.elapsed() < 10000, "waited far longer than the election timeout");
    }

    void aLockFileThatNoProcessHoldsIsTakenOver_data()
    {
        QTest::addColumn<QByteArray>("contents");
        QTest::addRow("an unreadable lock file") << QByteArray("not a lock\n");
        QTest::addRow("a lock naming another computer") << QByteArray("1\nZevora\nsome-other-computer\n");
        // A process id in use again, by a process of the same name that does
        // not hold the lock (this test program itself).
        QTest::addRow("a lock naming a live process that does not hold it")
            << QByteArray::number(QCoreApplication::applicationPid()) + '\n' +
                   QCoreApplication::applicationName().toUtf8() + '\n' +
                   QSysInfo::machineHostName().toUtf8() + '\n';
    }

    void aLockFileThatNoProcessHoldsIsTakenOver()
    {
        QFETCH(QByteArray, contents);
        InstanceChannel channel(folder());
        QVERIFY(QDir().mkpath(folder()));
        QVERIFY(writeFile(channel.lockFilePath(), contents));
        QVERIFY(setModified(channel.lockFilePath(), QDateTime::currentDateTime().addSecs(-3600)));

        channel.setElectionTimeout(300);
        QCOMPARE(channel.start(), Role::Primary);
        QCOMPARE(lockOwner(channel.lockFilePath()), QCoreApplication::applicationPid());
        QVERIFY(handsOver(channel, "/taken.htm"));
    }

    void twoInstancesStartedAtTheSameMomentElectOnePrimary()
    {
        for (int round = 0; round < 5; ++round) {
            const QString raceFolder = m_dir->filePath(QStringLiteral("race%1").arg(round));
            const QString startAt = QString::number(QDateTime::currentMSecsSinceEpoch() + 1500);
            const QString pathA = QStringLiteral("/a%1.htm").arg(round);
            const QString pathB = QStringLiteral("/b%1.htm").arg(round);
            Client *a = startClient(raceFolder, {"--send", hex(pathA), "--start-at", startAt});
            Client *b = startClient(raceFolder, {"--send", hex(pathB), "--start-at", startAt});
            QVERIFY(a->waitForEnd());
            QVERIFY(b->waitForEnd());

            const bool aIsPrimary = a->lines().contains("role:primary");
            Client *primary = aIsPrimary ? a : b;
            Client *secondary = aIsPrimary ? b : a;
            const QString secondaryPath = aIsPrimary ? pathB : pathA;
            QCOMPARE(primary->lines(),
                     (QList<QByteArray>{"role:primary", "received:" + secondaryPath.toUtf8().toHex()}));
            QCOMPARE(secondary->lines(), (QList<QByteArray>{"role:secondary", "handed-over:1"}));
            QCOMPARE(primary->exitCode(), 0);
            QCOMPARE(secondary->exitCode(), 0);
        }
    }

    // It dies by its own hand (SIGKILL) while a message box would be open.
    void aPrimaryThatDiesWhileHandlingARecordHasLetItsSenderGoAndIsReplacedAtOnce()
    {
        Client *dying = startClient({"--die-in-slot"});
        QVERIFY(dying->waitForLine("role:primary"));
        const qint64 deadPid = dying->processId();

        {
            InstanceChannel sender(folder());
            QCOMPARE(sender.start(), Role::Secondary);
            QVERIFY(sender.handOver("/doomed.htm"));
        }
        QVERIFY(dying->waitForEnd());
        QCOMPARE(dying->lines(),
                 (QList<QByteArray>{"role:primary", "received:" + QByteArray("/doomed.htm").toHex()}));

        InstanceChannel next(folder());
        // Both files are left behind, the socket unconnectable and the lock
        // naming a process that is gone.
        QVERIFY(QFileInfo::exists(next.serverName()));
        QCOMPARE(lockOwner(next.lockFilePath()), deadPid);
        next.setElectionTimeout(20000);
        QElapsedTimer clock;
        clock.start();
        QCOMPARE(next.start(), Role::Primary);
        QVERIFY2(clock.elapsed() < 10000, "the dead primary's lock was not taken over at once");
        QVERIFY(handsOver(next, "/again.htm"));
    }

    void anotherUserCannotReachThePrimary()
    {
#ifdef Q_OS_UNIX
        if (geteuid() != 0 || !getpwnam("nobody"))
            QSKIP("running a process as another user needs root and the user 'nobody'");
        InstanceChannel primary(folder());
        QCOMPARE(primary.start(), Role::Primary);
        QSignalSpy spy(&primary, &InstanceChannel::handOverReceived);
        // Open the folders to everyone, so that only the socket's own
        // permissions keep the other user out.
        const auto open = QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner | QFile::ReadGroup |
                          QFile::ExeGroup | QFile::ReadOther | QFile::ExeOther;
        QVERIFY(QFile::setPermissions(m_dir->path(), open));
        QVERIFY(QFile::setPermissions(folder(), open));

        Client *stranger =
            startClient({"--as-user", "nobody", "--send", hex("/theirs.htm"), "--election-timeout", "300"});
        QVERIFY(stranger->waitForEnd());
        // It cannot connect (and cannot take the lock either): whatever role it
        // settles for, its command line never reaches this user's primary.
        QVERIFY(!stranger->lines().contains("cannot-switch-user"));
        QVERIFY(!stranger->lines().contains("role:primary"));
        QVERIFY(!stranger->lines().contains("handed-over:1"));
        QCOMPARE(spy.count(), 0);
#else
        QSKIP("needs POSIX users");
#endif
    }

private:
    QString folder() const
    {
        return m_dir->filePath(QStringLiteral("run"));
    }

    Client *startClient(const QString &clientFolder, const QStringList &options)
    {
        auto client = std::make_unique<Client>();
        client->setProcessChannelMode(QProcess::ForwardedErrorChannel);
        client->start(QStringLiteral(INSTANCE_CLIENT), QStringList{clientFolder} + options);
        if (!client->waitForStarted(ProcessTimeoutMs))
            qWarning("instance_client did not start: %s", qPrintable(client->errorString()));
        m_clients.push_back(std::move(client));
        return m_clients.back().get();
    }

    Client *startClient(const QStringList &options)
    {
        return startClient(folder(), options);
    }

    // A second start hands \a path over and ends well, and the primary receives it once.
    bool handsOver(InstanceChannel &primary, const QString &path)
    {
        QSignalSpy spy(&primary, &InstanceChannel::handOverReceived);
        Client *client = startClient({"--send", hex(path)});
        return client->waitForEnd() && client->exitCode() == 0 &&
               client->lines() == QList<QByteArray>{"role:secondary", "handed-over:1"} &&
               QTest::qWaitFor([&] { return !spy.isEmpty(); }, ProcessTimeoutMs) && spy.size() == 1 &&
               spy.at(0).at(0).toString() == path;
    }

    std::unique_ptr<QTemporaryDir> m_dir;
    std::vector<std::unique_ptr<Client>> m_clients;
};

QTEST_GUILESS_MAIN(tst_InstanceChannel)
#include "tst_instancechannel.moc"
