// Zevora - one running instance per user: elects the primary instance and
// carries a later launch's command line to it.
#include "InstanceChannel.h"

#include "HandOverRecord.h"

#include <QCryptographicHash>
#include <QDateTime>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QLocalServer>
#include <QLocalSocket>
#include <QLockFile>
#include <QPointer>
#include <QStandardPaths>
#include <QThread>
#include <QTimer>

#include <algorithm>

namespace Platform {

namespace {

// Pause between two attempts while a lock holder has not started listening.
constexpr int RetryPauseMs = 20;
// How long a connection attempt to a listening primary may take.
constexpr int ConnectTimeoutMs = 2000;
// A lock file younger than this may belong to a process that has just
// created it and not yet locked it: it is never removed as abandoned.
constexpr qint64 AbandonedLockMinAgeMs = 2000;
// How often start() may remove an abandoned lock and wait again.
constexpr int MaxAbandonedLockRemovals = 3;
// How often a primary checks that its server still listens.
constexpr int ListenWatchMs = 1000;
// How long a secondary waits for the acknowledgement of its record. The
// primary acknowledges before it handles the record, so only a primary that
// has stopped running its event loop takes this long.
constexpr int AcknowledgementTimeoutMs = 10000;

} // namespace

struct InstanceChannel::Connection
{
    QLocalSocket *socket = nullptr;
    HandOverDecoder decoder;
    // True while serve() runs for this connection: answering the sender may
    // report the connection closed at once, which must not serve it again
    // or delete it under serve()'s feet.
    bool busy = false;
    bool finished = false;
};

InstanceChannel::InstanceChannel(QObject *parent)
    : InstanceChannel(QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation),
                      QStringLiteral("zevora"), parent)
{
}

InstanceChannel::InstanceChannel(const QString &folder, const QString &baseName, QObject *parent)
    : QObject(parent), m_folder(folder), m_baseName(baseName)
{
}

InstanceChannel::~InstanceChannel()
{
    for (const auto &connection : m_connections)
        connection->socket->disconnect(this);
    m_connections.clear();
    delete m_listenWatch;
    m_listenWatch = nullptr;
    // The socket file goes first: once the lock is free another instance may
    // become primary and listen on the same name, and closing the server
    // after that would remove the new primary's socket file.
    if (m_server) {
        m_server->close();
        delete m_server;
        m_server = nullptr;
    }
    if (m_lock)
        m_lock->unlock();
}

QString InstanceChannel::lockFilePath() const
{
    return m_folder + QLatin1Char('/') + m_baseName + QStringLiteral(".lock");
}

QString InstanceChannel::serverName() const
{
#ifdef Q_OS_WIN
    // A pipe name, not a path: make it unique per folder (and so per user).
    const QByteArray hash =
        QCryptographicHash::hash(QDir::cleanPath(m_folder).toUtf8(), QCryptographicHash::Sha1);
    return m_baseName + QLatin1Char('-') + QString::fromLatin1(hash.toHex().left(16));
#else
    return m_folder + QLatin1Char('/') + m_baseName + QStringLiteral(".socket");
#endif
}

bool InstanceChannel::prepareFolder()
{
    if (m_folder.isEmpty()) {
        m_error = tr("There is no runtime folder for this user.");
        return false;
    }
    if (QFileInfo(m_folder).isDir())
        return true;
    if (!QDir().mkpath(m_folder)) {
        m_error = tr("The folder %1 cannot be created.").arg(m_folder);
        return false;
    }
    QFile::setPermissions(m_folder, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    return true;
}

InstanceChannel::Role InstanceChannel::start()
{
    if (m_role != Role::Undecided)
        return m_role;
    if (!prepareFolder())
        return m_role = Role::Failed;

    m_lock = std::make_unique<QLockFile>(lockFilePath());
    // The primary holds the lock for as long as it runs, so the lock's age
    // says nothing about whether it is still alive; only a lock whose process
    // is gone counts as stale. (The operating system's lock on the file would
    // also keep a live owner's file from being removed, but not on every
    // file system.)
    m_lock->setStaleLockTime(0);

    QElapsedTimer waited;
    waited.start();
    int removals = 0;
    for (;;) {
        if (tryConnect())
            return m_role = Role::Secondary;
        if (m_lock->tryLock(0)) {
            if (becomePrimary())
                return m_role = Role::Primary;
            m_lock->unlock();
            return m_role = Role::Failed;
        }
        if (m_lock->error() != QLockFile::LockFailedError) {
            m_error = tr("The lock file %1 cannot be created.").arg(lockFilePath());
            return m_role = Role::Failed;
        }
        // The lock is held as far as QLockFile can tell: by a primary started
        // at the same moment that will listen any moment now, or (rarely) by
        // nobody, in a file whose owner cannot be judged (an unreadable file,
        // another computer's name, a process id that is in use again).
        if (waited.hasExpired(m_electionTimeoutMs)) {
            if (removals < MaxAbandonedLockRemovals && removeAbandonedLock()) {
                ++removals;
                waited.restart();
                continue;
            }
            m_error = tr("the running Zevora does not answer");
            return m_role = Role::Secondary;
        }
        QThread::msleep(RetryPauseMs);
    }
}

bool InstanceChannel::tryConnect()
{
    auto *socket = new QLocalSocket(this);
    socket->connectToServer(serverName());
    if (socket->waitForConnected(ConnectTimeoutMs)) {
        m_client = socket;
        return true;
    }
    delete socket;
    return false;
}

bool InstanceChannel::removeAbandonedLock()
{
    // removeStaleLockFile() takes the operating system's lock on the file
    // before removing it, which fails while the owner holds the file: a live
    // primary's lock is never removed, however old it is. A very young file
    // may still be waiting for that lock from its creator, so it is left
    // alone. Removers are serialised through the same guard file that
    // QLockFile uses for its own stale locks.
    const QFileInfo info(lockFilePath());
    if (!info.exists())
        return true;
    const qint64 age = info.lastModified().msecsTo(QDateTime::currentDateTime());
    if (qAbs(age) < AbandonedLockMinAgeMs)
        return false;
    QLockFile guard(lockFilePath() + QStringLiteral(".rmlock"));
    if (!guard.tryLock(0))
        return false;
    return m_lock->removeStaleLockFile();
}

bool InstanceChannel::becomePrimary()
{
    m_server = new QLocalServer(this);
    m_server->setSocketOptions(QLocalServer::UserAccessOption);
    if (!listen()) {
        delete m_server;
        m_server = nullptr;
        return false;
    }
    connect(m_server, &QLocalServer::newConnection, this, &InstanceChannel::acceptConnections);
    m_listenWatch = new QTimer(this);
    m_listenWatch->setInterval(ListenWatchMs);
    connect(m_listenWatch, &QTimer::timeout, this, &InstanceChannel::keepListening);
    m_listenWatch->start();
    return true;
}

bool InstanceChannel::listen()
{
    // Only the lock holder gets here, so a socket file at this name belongs
    // to a primary that is gone, or to this one's stopped server.
    QLocalServer::removeServer(serverName());
    if (!m_server->listen(serverName())) {
        m_error = m_server->errorString();
        return false;
    }
    return true;
}

void InstanceChannel::keepListening()
{
    // A server that fails to accept a connection (when the descriptors have
    // run out, say) closes its socket and removes the socket file for good,
    // and a socket file removed by someone else leaves it unreachable too.
    // Every later start would then find a lock holder that does not answer.
    bool reachable =
        m_server->isListening() && m_server->serverError() == QAbstractSocket::UnknownSocketError;
#ifndef Q_OS_WIN
    reachable = reachable && QFileInfo::exists(serverName());
#endif
    if (reachable)
        return;
    m_server->close();
    listen(); // when it fails, the next round tries again
}

void InstanceChannel::acceptConnections()
{
    while (QLocalSocket *socket = m_server->nextPendingConnection()) {
        // Each connection holds a descriptor until its sender closes it. The
        // oldest makes room for a new one: a sender that is still waiting for
        // its answer then fails and says so, where an unbounded number of
        // connections would use up the descriptors and stop the server.
        if (m_connections.size() >= std::size_t(MaxConnections))
            drop(m_connections.front().get());
        auto connection = std::make_unique<Connection>();
        Connection *raw = connection.get();
        raw->socket = socket;
        m_connections.push_back(std::move(connection));
        connect(socket, &QLocalSocket::readyRead, this, [this, raw] { serve(raw); });
        connect(socket, &QLocalSocket::disconnected, this, [this, raw] {
            raw->finished = true;
            serve(raw);
        });
        serve(raw);
    }
}

void InstanceChannel::serve(Connection *connection)
{
    if (connection->busy)
        return;
    connection->busy = true;
    QLocalSocket *socket = connection->socket;
    for (;;) {
        if (socket->bytesAvailable() > 0)
            connection->decoder.feed(socket->readAll());
        const HandOverDecoder::Result result = connection->decoder.next();
        if (result == HandOverDecoder::Result::NeedMore)
            break;
        // A broken stream, or a record the full queue has no room for, is
        // not acknowledged: closing the connection tells its sender.
        if (result == HandOverDecoder::Result::Broken ||
            (result == HandOverDecoder::Result::HandOver && m_queue.size() >= MaxQueuedHandOvers)) {
            connection->finished = true;
            break;
        }
        if (result == HandOverDecoder::Result::HandOver) {
            m_queue.enqueue(connection->decoder.path());
            postDelivery();
        }
        // Taken (or ignored): the sender may end now, whatever handling the
        // record will show the user.
        if (socket->state() == QLocalSocket::ConnectedState) {
            socket->putChar(HandOverAcknowledgement);
            socket->flush();
        }
    }
    connection->busy = false;
    if (connection->finished)
        drop(connection);
}

void InstanceChannel::drop(Connection *connection)
{
    connection->socket->disconnect(this);
    connection->socket->abort();
    connection->socket->deleteLater();
    const auto it = std::find_if(m_connections.begin(), m_connections.end(),
                                 [connection](const auto &c) { return c.get() == connection; });
    if (it != m_connections.end())
        m_connections.erase(it);
}

void InstanceChannel::setHandOversHeld(bool held)
{
    m_held = held;
    postDelivery();
}

void InstanceChannel::postDelivery()
{
    if (m_deliveryPosted || m_held || m_delivering || m_queue.isEmpty())
        return;
    m_deliveryPosted = true;
    QMetaObject::invokeMethod(this, &InstanceChannel::deliverNext, Qt::QueuedConnection);
}

void InstanceChannel::deliverNext()
{
    m_deliveryPosted = false;
    // A slot that shows a message box runs a nested event loop, which would
    // otherwise start on the next record and nest a box per record.
    if (m_held || m_delivering || m_queue.isEmpty())
        return;
    m_delivering = true;
    const QPointer<InstanceChannel> self(this);
    emit handOverReceived(m_queue.dequeue());
    if (!self)
        return;
    m_delivering = false;
    // The next record waits for the event loop, so that what this one left
    // (painting, the page it opened) comes first.
    postDelivery();
}

bool InstanceChannel::handOver(const QString &commandLine)
{
    if (m_role != Role::Secondary || !m_client) {
        if (m_role != Role::Secondary)
            m_error = tr("there is no running Zevora to hand over to");
        return false;
    }
    const QByteArray record = encodeHandOver(commandLine);
    if (record.isEmpty()) {
        m_error = tr("the path is longer than %1 bytes").arg(HandOverMaxPayload);
        return false;
    }
    // A primary that goes away closes the connection; one that has stopped
    // running its event loop leaves it open and silent.
    const auto failed = [this] {
        m_error = m_client->state() == QLocalSocket::ConnectedState
                      ? tr("the running Zevora does not answer")
                      : tr("the running Zevora closed the connection before taking the command line");
        return false;
    };
    if (m_client->write(record) != record.size())
        return failed();
    QElapsedTimer waited;
    waited.start();
    const auto remaining = [&] { return int(qMax<qint64>(0, AcknowledgementTimeoutMs - waited.elapsed())); };
    while (m_client->bytesToWrite() > 0) {
        if (!m_client->waitForBytesWritten(remaining()))
            return failed();
    }
    for (;;) {
        char reply = 0;
        while (m_client->getChar(&reply)) {
            if (reply == HandOverAcknowledgement)
                return true;
        }
        if (!m_client->waitForReadyRead(remaining()))
            return failed();
    }
}

} // namespace Platform
