// Zevora tests - the bullet icon files written beside a page.
#include "BulletFiles.h"
#include "BulletIcons.h"
#include "FileIdentity.h"
#include "TestFiles.h"

#include <QDateTime>
#include <QDir>
#include <QTemporaryDir>
#include <QTest>

#include <csignal>
#include <sys/resource.h>

namespace {

QString topicTag(const QString &name)
{
    return "<img src=\"images/" + name + "\" width=6 height=11 hspace=8>";
}

const QString Sorry = "Sorry, images could not be created...";
const QString GenericTopic = "<img src=\"\" width=XX height=XX hspace=8>";
const QString GenericDetail = "<img src=\"\" width=XX height=XX hspace=5 align=middle>";

} // namespace

class tst_BulletFiles : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        m_dir = std::make_unique<QTemporaryDir>();
        QVERIFY(writeFile(page(), "<HTML></HTML>\r\n"));
    }

    void anExistingFileIsNeverWrittenOver_data()
    {
        QTest::addColumn<QStringList>("users");
        QTest::addColumn<QStringList>("ours");
        QTest::addColumn<QString>("linked");
        QTest::addRow("ours is there: left untouched")
            << QStringList() << QStringList{"listTri_Red.gif"} << "listTri_Red.gif";
        QTest::addRow("the user's picture has the name")
            << QStringList{"listTri_Red.gif"} << QStringList() << "listTri_Red2.gif";
        QTest::addRow("two names are taken")
            << QStringList{"listTri_Red.gif", "listTri_Red2.gif"} << QStringList() << "listTri_Red3.gif";
        QTest::addRow("ours is already under the second name")
            << QStringList{"listTri_Red.gif"} << QStringList{"listTri_Red2.gif"} << "listTri_Red2.gif";
    }

    void anExistingFileIsNeverWrittenOver()
    {
        QFETCH(QStringList, users);
        QFETCH(QStringList, ours);
        QFETCH(QString, linked);

        QVERIFY(QDir(m_dir->path()).mkdir("images"));
        QList<Platform::FileIdentity> before;
        for (const QString &name : users + ours) {
            QVERIFY(
                writeFile(images(name), users.contains(name) ? "the user's own" : Resources::bulletGif(715)));
            QVERIFY(setModified(images(name), QDateTime(QDate(2001, 7, 5), QTime(15, 7, 9))));
            before.append(Platform::fileIdentity(images(name)));
        }

        QCOMPARE(BulletFiles::create(page(), 15).topicTag, topicTag(linked));
        for (qsizetype i = 0; i < before.size(); ++i)
            QVERIFY(before.at(i).sameFileUnchanged(Platform::fileIdentity(images((users + ours).at(i)))));
        QCOMPARE(readFile(images(linked)), Resources::bulletGif(715));
        QCOMPARE(QDir(images()).entryList(QDir::Files).size(), users.size() + qMax(ours.size(), 1) + 1);
    }

    void whatCannotBeWrittenGivesTheGenericTags_data()
    {
        QTest::addColumn<QString>("obstacle");
        QTest::addRow("a file named images") << "images file";
        // Every name the dot could take is a folder: the triangle written first
        // must not stay behind on its own.
        QTest::addRow("the dot cannot be written") << "dot names";
        // A file size limit makes the write fail part way, as a full disk does:
        // no cut-off picture may stand under the name.
        QTest::addRow("the disk fills up") << "size limit";
    }

    void whatCannotBeWrittenGivesTheGenericTags()
    {
        QFETCH(QString, obstacle);

        QDir folder(m_dir->path());
        struct rlimit old;
        QCOMPARE(getrlimit(RLIMIT_FSIZE, &old), 0);
        if (obstacle == "images file") {
            QVERIFY(writeFile(images().chopped(1), "mine"));
        } else if (obstacle == "dot names") {
            QVERIFY(folder.mkpath("images/listDot_Red.gif"));
            for (int n = 2; n <= 99; ++n)
                QVERIFY(folder.mkdir(QString("images/listDot_Red%1.gif").arg(n)));
        } else {
            std::signal(SIGXFSZ, SIG_IGN);
            struct rlimit small = old;
            small.rlim_cur = rlim_t(Resources::bulletGif(715).size() - 1);
            QCOMPARE(setrlimit(RLIMIT_FSIZE, &small), 0);
        }
        const BulletFiles::Result result = BulletFiles::create(page(), 15);
        setrlimit(RLIMIT_FSIZE, &old);
        std::signal(SIGXFSZ, SIG_DFL);

        QCOMPARE(result.message, Sorry);
        QCOMPARE(result.topicTag, GenericTopic);
        QCOMPARE(result.detailTag, GenericDetail);
        QCOMPARE(QDir(images()).entryList(QDir::Files | QDir::Hidden), QStringList());
        if (obstacle == "images file")
            QCOMPARE(readFile(images().chopped(1)), QByteArray("mine"));
    }

    void aPageWithoutAFolderHasNoImagePath()
    {
        for (const QString &path : {QString(), m_dir->filePath("gone/index.htm")}) {
            const BulletFiles::Result result = BulletFiles::create(path, 15);
            QCOMPARE(result.message, QString("Could not create image path..."));
            QCOMPARE(result.topicTag, QString());
        }
        QVERIFY(!QFileInfo::exists(m_dir->filePath("gone")));
    }

private:
    QString page() const { return m_dir->filePath("index.htm"); }
    QString images(const QString &name = QString()) const { return m_dir->filePath("images/" + name); }
    std::unique_ptr<QTemporaryDir> m_dir;
};

QTEST_GUILESS_MAIN(tst_BulletFiles)
#include "tst_bulletfiles.moc"
