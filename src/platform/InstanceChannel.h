// Zevora - one running instance per user: elects the primary instance and
// carries a later launch's command line to it.
#pragma once

#include <QObject>
#include <QQueue>
#include <QString>

#include <memory>
#include <vector>

class QLocalServer;
class QLocalSocket;
class QLockFile;
class QTimer;

namespace Platform {

/// The hand-over channel between instances of the program of one user.
///
/// A lock file elects the primary instance; the primary listens on a local
/// socket beside it. Both live in one folder that only the user can enter
/// (by default the user's runtime folder), so an instance never talks to
/// another user's. The channel needs a QCoreApplication (or QApplication);
/// a primary needs its event loop running to receive.
///
/// A primary acknowledges each record as soon as it has read it and put it
/// in its queue, so a secondary never waits for the user (a message box
/// that handling the record shows). The records are then handed to the
/// program one at a time, in the order they arrived. The primary keeps at
/// most MaxConnections connections and MaxQueuedHandOvers records; beyond
/// that it drops connections rather than run out of descriptors or memory,
/// and it listens again should its server ever stop.
///
/// Start-up:
///
///     Platform::InstanceChannel channel;
///     switch (channel.start()) {
///     case Platform::InstanceChannel::Role::Secondary:
///         return channel.handOver(commandLine) ? 0 : 1; // end at once; errorString() says why not
///     case Platform::InstanceChannel::Role::Primary:
///         QObject::connect(&channel, &Platform::InstanceChannel::handOverReceived,
///                          frame, &topForm::handOverReceived);
///         break;                         // keep the channel alive as long as the program runs
///     case Platform::InstanceChannel::Role::Failed:
///         break;                         // run on alone
///     }
class InstanceChannel : public QObject
{
    Q_OBJECT

public:
    enum class Role
    {
        Undecided, ///< start() has not been called
        Primary,   ///< this instance runs the program and receives hand-overs
        Secondary, ///< another instance runs: hand the command line over and end
        Failed,    ///< the folder, the lock or the socket could not be set up: run alone
    };

    /// How long start() waits for a primary that holds the lock but does not
    /// listen yet (it was started at the same moment).
    static constexpr int DefaultElectionTimeoutMs = 5000;
    /// The most connections a primary keeps open at once. A new connection
    /// beyond them closes the oldest one, so that connections that never
    /// send a record cannot shut later instances out.
    static constexpr int MaxConnections = 16;
    /// The most records that wait to be handed to the program. A record
    /// beyond them is not acknowledged: its connection is closed.
    static constexpr int MaxQueuedHandOvers = 64;

    /// A channel in the user's runtime folder with the base name "zevora".
    explicit InstanceChannel(QObject *parent = nullptr);
    /// A channel whose lock and socket live in \a folder, named after
    /// \a baseName. The folder is created with owner-only permissions when it
    /// does not exist.
    explicit InstanceChannel(const QString &folder, const QString &baseName = QStringLiteral("zevora"),
                             QObject *parent = nullptr);
    /// A primary closes its socket and then gives up the lock, removing both
    /// files. Do not delete the channel from a slot connected to
    /// handOverReceived(); use deleteLater().
    ~InstanceChannel() override;

    /// Decides this instance's role; later calls return the role decided first.
    ///
    /// A primary that listens makes this instance Secondary (connected).
    /// Otherwise the instance that takes the lock becomes Primary: it removes
    /// a socket file left behind and listens. A lock left by a process that
    /// no longer runs is taken over at once; the lock's age never counts. When
    /// a live process holds the lock but does not listen yet, start() keeps
    /// trying to connect for electionTimeout() ms; if nothing listens by then
    /// and the lock is still held by a live process, the role is Secondary
    /// without a connection (handOver() then returns false). A lock file
    /// that no live process holds (an unreadable one, say) is then removed and
    /// taken.
    Role start();
    Role role() const { return m_role; }

    /// Secondary only: sends \a commandLine in one record and blocks until
    /// the primary has taken it into its queue (not until the program has
    /// handled it). Returns true once the primary has acknowledged it; false
    /// at once when this is not a connected secondary or the command line is
    /// longer than any receiver accepts, and as soon as the primary closes
    /// the connection before acknowledging (its queue is full, or it went
    /// away). errorString() then says why in one sentence.
    bool handOver(const QString &commandLine);

    /// Primary only: while \a held, records are still acknowledged and
    /// queued but handOverReceived() is not emitted (the program is not
    /// ready for them yet). Releasing hands the queued records over, from
    /// the event loop.
    void setHandOversHeld(bool held);

    /// The folder that holds the lock and the socket.
    QString folder() const { return m_folder; }
    QString lockFilePath() const;
    /// The name the primary listens on (the socket file's path on Unix).
    QString serverName() const;

    int electionTimeout() const { return m_electionTimeoutMs; }
    /// Sets how long start() waits for a lock holder to start listening.
    void setElectionTimeout(int ms) { m_electionTimeoutMs = ms; }

    /// Why the role is Failed (or why the last handOver() failed).
    QString errorString() const { return m_error; }

signals:
    /// Primary only: a secondary handed \a path over (the text of its command
    /// line, cut at the first NUL; it may be empty). Emitted from the event
    /// loop, once per record, in the order the records arrived, and never
    /// while a slot connected to it still runs: records that arrive while a
    /// slot shows a message box wait in the queue until it has returned.
    void handOverReceived(const QString &path);

private:
    struct Connection;

    bool prepareFolder();
    bool tryConnect();
    bool becomePrimary();
    bool listen();
    void keepListening();
    void acceptConnections();
    void serve(Connection *connection);
    void drop(Connection *connection);
    void postDelivery();
    void deliverNext();
    bool removeAbandonedLock();

    QString m_folder;
    QString m_baseName;
    int m_electionTimeoutMs = DefaultElectionTimeoutMs;
    Role m_role = Role::Undecided;
    QString m_error;
    std::unique_ptr<QLockFile> m_lock;
    QLocalServer *m_server = nullptr;
    QTimer *m_listenWatch = nullptr;
    QLocalSocket *m_client = nullptr;
    std::vector<std::unique_ptr<Connection>> m_connections;
    QQueue<QString> m_queue;
    bool m_held = false;
    bool m_delivering = false;
    bool m_deliveryPosted = false;
};

} // namespace Platform
