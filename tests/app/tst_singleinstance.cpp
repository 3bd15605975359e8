// Zevora tests - one instance per user, with the real program started twice.
#include "TestFiles.h"

#include <QDir>
#include <QFile>
#include <QLocalServer>
#include <QLocalSocket>
#include <QLockFile>
#include <QProcess>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <QTest>

#include <sys/resource.h>

class tst_SingleInstance : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        m_home = std::make_unique<QTemporaryDir>();
        QDir(m_home->path()).mkpath("run");
        QFile::setPermissions(m_home->filePath("run"),
                              QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
        QDir(m_home->path()).mkpath("config");
        QDir(m_home->path()).mkpath("tmp");
    }

    void cleanup()
    {
        for (QProcess *process : m_processes) {
            if (process->state() != QProcess::NotRunning) {
                process->kill();
                process->waitForFinished(5000);
            }
            delete process;
        }
        m_processes.clear();
        m_home.reset();
    }

    void aSecondStartHandsItsFileToTheFirst()
    {
        // Started with the usual desktop limit of descriptors, the first raises
        // it to the most it may hold.
        rlimit usual{};
        QCOMPARE(getrlimit(RLIMIT_NOFILE, &usual), 0);
        rlimit lowered = usual;
        lowered.rlim_cur = qMin<rlim_t>(1024, usual.rlim_max / 2);
        QCOMPARE(setrlimit(RLIMIT_NOFILE, &lowered), 0);
        QProcess *first = start({});
        QCOMPARE(setrlimit(RLIMIT_NOFILE, &usual), 0);
        QVERIFY(waitForSocket());
        QFile limits(QString("/proc/%1/limits").arg(first->processId()));
        if (limits.open(QIODevice::ReadOnly)) {
            const QString text = QString::fromLatin1(limits.readAll());
            const QStringList soft = text.section("Max open files", 1, 1).simplified().split(' ');
            QCOMPARE(soft.value(0), QString::number(quint64(usual.rlim_max)));
        }

        // A relative path is the second start's, not the first's: the first
        // has a file of that name in its own working folder.
        writePage("handed.htm");
        QDir(m_home->path()).mkpath("elsewhere");
        const QString page = writePage("elsewhere/handed.htm");
        QProcess *second = start({"handed.htm"}, m_home->filePath("elsewhere"));
        QVERIFY2(second->waitForFinished(5000), "the second start must end at once");
        QCOMPARE(second->exitStatus(), QProcess::NormalExit);
        QCOMPARE(second->exitCode(), 0);
        QVERIFY(waitForRecent(page));

        // A file that is not there makes the first show a box, which nobody
        // closes here; later starts still end at once.
        for (const char *name : {"missing.htm", "handed.htm"}) {
            QProcess *next = start({m_home->filePath(name)});
            QVERIFY(next->waitForFinished(5000));
            QCOMPARE(next->exitCode(), 0);
        }

        // A second start without a file only brings the first forward and ends.
        QProcess *third = start({});
        QVERIFY(third->waitForFinished(1000));
        QCOMPARE(third->exitCode(), 0);
        QCOMPARE(first->state(), QProcess::Running);
    }

    void aSecondStartThatIsNotTakenSaysSo()
    {
        // A first instance that closes every connection without taking its record.
        QLockFile lock(m_home->filePath("run/zevora.lock"));
        QVERIFY(lock.tryLock(0));
        QLocalServer server;
        QVERIFY(server.listen(m_home->filePath("run/zevora.socket")));
        connect(&server, &QLocalServer::newConnection, this, [&] {
            QLocalSocket *socket = server.nextPendingConnection();
            connect(socket, &QLocalSocket::readyRead, socket, &QLocalSocket::abort);
        });

        const QString page = writePage("page.htm");
        QProcess *second = start({page}, QString(), QProcess::SeparateChannels);
        QVERIFY(QTest::qWaitFor([&] { return second->state() == QProcess::NotRunning; }, 10000));
        QCOMPARE(second->exitCode(), 1);
        const QList<QByteArray> errors = second->readAllStandardError().split('\n');
        QVERIFY2(
            errors.contains("zevora: " + page.toUtf8() +
                            " was not opened: the running Zevora closed the connection before taking the "
                            "command line."),
            errors.join('\n').constData());
    }

private:
    QProcess *start(const QStringList &arguments, const QString &folder = QString(),
                    QProcess::ProcessChannelMode channels = QProcess::ForwardedErrorChannel)
    {
        auto *process = new QProcess;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert("QT_QPA_PLATFORM", "offscreen");
        environment.insert("HOME", m_home->path());
        environment.insert("XDG_RUNTIME_DIR", m_home->filePath("run"));
        environment.insert("XDG_CONFIG_HOME", m_home->filePath("config"));
        environment.insert("XDG_DATA_HOME", m_home->filePath("data"));
        // Files opened from the temporary folder stay out of the recent list,
        // which is how these tests see what was opened: give the program a
        // temporary folder of its own.
        environment.insert("TMPDIR", m_home->filePath("tmp"));
        process->setProcessEnvironment(environment);
        process->setWorkingDirectory(folder.isEmpty() ? m_home->path() : folder);
        process->setProcessChannelMode(channels);
        process->start(QStringLiteral(ZEVORA_EXECUTABLE), arguments);
        m_processes.append(process);
        return process;
    }

    bool waitForSocket(int ms = 10000) const
    {
        return QTest::qWaitFor([&] { return QFile::exists(m_home->filePath("run/zevora.socket")); }, ms);
    }

    bool waitForRecent(const QString &path, int ms = 15000) const
    {
        // An opened file goes to the top of the recent-files list in the settings.
        return QTest::qWaitFor(
            [&] {
                return readFile(m_home->filePath("config/Tallow Ridge/Zevora.conf")).contains(path.toUtf8());
            },
            ms);
    }

    QString writePage(const QString &name)
    {
        writeFile(m_home->filePath(name), "<p>" + name.toUtf8() + "</p>\r\n");
        return m_home->filePath(name);
    }

    std::unique_ptr<QTemporaryDir> m_home;
    QList<QProcess *> m_processes;
};

QTEST_GUILESS_MAIN(tst_SingleInstance)
#include "tst_singleinstance.moc"
