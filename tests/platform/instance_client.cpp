// Zevora tests - a second process for the instance channel tests: it starts a
// channel in a given folder and acts as primary, secondary or bare lock holder.
//
//   instance_client <folder> [options]
//     --send <hex>              as secondary, hand over this UTF-8 text (hex); a primary
//                               ends after the first hand-over it receives
//     --die-in-slot             as primary, kill itself while handling a hand-over
//     --hold-lock               only take the channel's lock file and wait
//     --flood <n>               only open up to n connections to the primary and wait
//     --start-at <ms>           wait until this time (ms since the epoch) first
//     --election-timeout <ms>   the channel's election timeout
//     --as-user <name>          run as this user (needs root)
//
// It reports on standard output, one line each: "role:primary",
// "role:secondary", "role:failed", "locked", "flooded", "received:<hex>",
// "handed-over:1" or "handed-over:0".
#include "InstanceChannel.h"
#include "ProcessLimits.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QLocalSocket>
#include <QLockFile>
#include <QThread>
#include <QTimer>

#include <csignal>
#include <cstdio>
#include <cstring>
#include <memory>
#include <vector>
#ifdef Q_OS_UNIX
#include <pwd.h>
#include <unistd.h>
#endif

namespace {

void report(const QByteArray &line)
{
    std::fputs(line.constData(), stdout);
    std::fputc('\n', stdout);
    std::fflush(stdout);
}

bool dropToUser(const char *name)
{
#ifdef Q_OS_UNIX
    const passwd *user = getpwnam(name);
    return user && setgid(user->pw_gid) == 0 && setuid(user->pw_uid) == 0;
#else
    Q_UNUSED(name);
    return false;
#endif
}

} // namespace

int main(int argc, char *argv[])
{
    for (int i = 1; i + 1 < argc; ++i) {
        if (std::strcmp(argv[i], "--as-user") == 0 && !dropToUser(argv[i + 1])) {
            report("cannot-switch-user");
            return 2;
        }
    }

    QCoreApplication app(argc, argv);
    // Not the executable's name, as in the program itself: a lock whose
    // recorded name differs from the process's must still count as held.
    QCoreApplication::setApplicationName(QStringLiteral("Zevora"));

    QStringList args = QCoreApplication::arguments().mid(1);
    if (args.isEmpty())
        return 2;
    const QString folder = args.takeFirst();
    QString send;
    int flood = 0;
    bool dieInSlot = false;
    bool holdLock = false;
    qint64 startAt = 0;
    int electionTimeout = -1;
    while (!args.isEmpty()) {
        const QString option = args.takeFirst();
        if (option == QLatin1String("--die-in-slot"))
            dieInSlot = true;
        else if (option == QLatin1String("--hold-lock"))
            holdLock = true;
        else if (args.isEmpty())
            return 2;
        else if (option == QLatin1String("--send"))
            send = QString::fromUtf8(QByteArray::fromHex(args.takeFirst().toLatin1()));
        else if (option == QLatin1String("--start-at"))
            startAt = args.takeFirst().toLongLong();
        else if (option == QLatin1String("--flood"))
            flood = args.takeFirst().toInt();
        else if (option == QLatin1String("--election-timeout"))
            electionTimeout = args.takeFirst().toInt();
        else if (option == QLatin1String("--as-user"))
            args.takeFirst();
        else
            return 2;
    }

    while (QDateTime::currentMSecsSinceEpoch() < startAt)
        QThread::usleep(200);

    Platform::InstanceChannel channel(folder);
    if (electionTimeout >= 0)
        channel.setElectionTimeout(electionTimeout);

    // Waits until the test kills this process or closes its input.
    const auto waitForTheEnd = [] {
        QFile input;
        input.open(stdin, QIODevice::ReadOnly);
        input.readAll();
    };

    if (flood > 0) {
        Platform::raiseOpenFileLimit();
        std::vector<std::unique_ptr<QLocalSocket>> sockets;
        for (int i = 0; i < flood; ++i) {
            auto socket = std::make_unique<QLocalSocket>();
            socket->connectToServer(channel.serverName());
            if (!socket->waitForConnected(2000))
                break;
            sockets.push_back(std::move(socket));
        }
        report("flooded");
        waitForTheEnd();
        return 0;
    }

    if (holdLock) {
        QDir().mkpath(folder);
        QLockFile lock(channel.lockFilePath());
        lock.setStaleLockTime(0);
        if (!lock.tryLock(0))
            return 3;
        report("locked");
        waitForTheEnd();
        return 0;
    }

    switch (channel.start()) {
    case Platform::InstanceChannel::Role::Secondary: {
        report("role:secondary");
        const bool handed = channel.handOver(send);
        report(handed ? "handed-over:1" : "handed-over:0");
        return handed ? 0 : 1;
    }
    case Platform::InstanceChannel::Role::Primary: {
        report("role:primary");
        const auto handle = [&](const QString &path) {
            report("received:" + path.toUtf8().toHex());
            if (dieInSlot) {
#ifdef Q_OS_UNIX
                std::raise(SIGKILL);
#endif
                std::abort();
            }
            QTimer::singleShot(0, &app, &QCoreApplication::quit);
        };
        QObject::connect(&channel, &Platform::InstanceChannel::handOverReceived, &app, handle);
        // A guard against hanging the test run.
        QTimer::singleShot(60000, &app, [] { QCoreApplication::exit(4); });
        return app.exec();
    }
    case Platform::InstanceChannel::Role::Failed:
    case Platform::InstanceChannel::Role::Undecided:
        break;
    }
    report("role:failed");
    return 5;
}
