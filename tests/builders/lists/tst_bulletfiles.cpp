// Zevora tests - the bullet icon files written beside a page.
#include "BulletFiles.h"
#include "BulletIcons.h"
#include "FileIdentity.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>

#include <csignal>
#include <sys/resource.h>

namespace {

QByteArray readAll(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<unreadable>");
}

void writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    QCOMPARE(file.write(bytes), bytes.size());
}

QString topicTag(const QString &name)
{
    return QStringLiteral("<img src=\"images/%1\" width=6 height=11 hspace=8>").arg(name);
}

QString detailTag(const QString &name)
{
    return QStringLiteral("<img src=\"images/%1\" width=5 height=5 hspace=5 align=middle>").arg(name);
}

const QString Generic = "<img src=\"\" width=XX height=XX hspace=8>";
const QString GenericDetail = "<img src=\"\" width=XX height=XX hspace=5 align=middle>";
const QByteArray UsersPicture = "GIF89a - the user's own picture";

} // namespace

class tst_BulletFiles : public QObject
{
    Q_OBJECT

private slots:
    void init();

    void bothFilesAreWrittenAndLinked_data();
    void bothFilesAreWrittenAndLinked();
    void anIdenticalFileIsLeftUntouched();
    void theUsersOwnPictureIsKept_data();
    void theUsersOwnPictureIsKept();
    void anImagesFileInTheWayGivesTheGenericTags();
    void halfAPairIsNeverLinked();
    void aWriteThatFailsLeavesNoBrokenIcon();
    void aPageWithoutAFolderHasNoImagePath();

private:
    QString page() const { return m_dir->filePath("index.htm"); }
    QString images(const QString &name = QString()) const { return m_dir->filePath("images/" + name); }

    std::unique_ptr<QTemporaryDir> m_dir;
};

void tst_BulletFiles::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    writeFile(page(), "<HTML></HTML>\r\n");
}

void tst_BulletFiles::bothFilesAreWrittenAndLinked_data()
{
    QTest::addColumn<int>("set");
    QTest::addColumn<QString>("topic");
    QTest::addColumn<QString>("detail");
    QTest::addRow("red") << 15 << "listTri_Red.gif"
                         << "listDot_Red.gif";
    QTest::addRow("white") << 0 << "listTri_Wht.gif"
                           << "listDot_Wht.gif";
    QTest::addRow("teal") << 12 << "listTri_Teal.gif"
                          << "listDot_Teal.gif";
}

void tst_BulletFiles::bothFilesAreWrittenAndLinked()
{
    QFETCH(int, set);
    QFETCH(QString, topic);
    QFETCH(QString, detail);

    const BulletFiles::Result result = BulletFiles::create(page(), set);
    QCOMPARE(int(result.outcome), int(BulletFiles::Outcome::Written));
    QCOMPARE(result.message, QString());
    QCOMPARE(result.topicTag, topicTag(topic));
    QCOMPARE(result.detailTag, detailTag(detail));
    QCOMPARE(result.topicFile, QDir::toNativeSeparators(images(topic)));
    QCOMPARE(result.detailFile, QDir::toNativeSeparators(images(detail)));
    QCOMPARE(readAll(images(topic)), Resources::bulletGif(700 + set));
    QCOMPARE(readAll(images(detail)), Resources::bulletGif(800 + set));
    QCOMPARE(QDir(images()).entryList(QDir::Files).size(), 2);
}

void tst_BulletFiles::anIdenticalFileIsLeftUntouched()
{
    QVERIFY(QDir(m_dir->path()).mkdir("images"));
    const QString file = images("listTri_Red.gif");
    writeFile(file, Resources::bulletGif(715));
    const QDateTime old(QDate(2001, 7, 5), QTime(15, 7, 9), Qt::UTC);
    {
        QFile stamp(file);
        QVERIFY(stamp.open(QIODevice::ReadWrite));
        QVERIFY(stamp.setFileTime(old, QFileDevice::FileModificationTime));
    }
    const Platform::FileIdentity before = Platform::fileIdentity(file);

    const BulletFiles::Result result = BulletFiles::create(page(), 15);
    QCOMPARE(result.topicTag, topicTag("listTri_Red.gif"));
    QVERIFY(before.valid);
    QVERIFY(before.sameFileUnchanged(Platform::fileIdentity(file)));
    QCOMPARE(QFileInfo(file).lastModified().toUTC(), old);
    QCOMPARE(readAll(file), Resources::bulletGif(715));
}

void tst_BulletFiles::theUsersOwnPictureIsKept_data()
{
    QTest::addColumn<QStringList>("users");
    QTest::addColumn<QStringList>("ours");
    QTest::addColumn<QString>("linked");

    QTest::addRow("the name is taken")
        << QStringList{"listTri_Red.gif"} << QStringList() << "listTri_Red2.gif";
    QTest::addRow("two names are taken")
        << QStringList{"listTri_Red.gif", "listTri_Red2.gif"} << QStringList() << "listTri_Red3.gif";
    QTest::addRow("ours is already under the second name")
        << QStringList{"listTri_Red.gif"} << QStringList{"listTri_Red2.gif"} << "listTri_Red2.gif";
}

void tst_BulletFiles::theUsersOwnPictureIsKept()
{
    QFETCH(QStringList, users);
    QFETCH(QStringList, ours);
    QFETCH(QString, linked);

    QVERIFY(QDir(m_dir->path()).mkdir("images"));
    for (const QString &name : users)
        writeFile(images(name), UsersPicture);
    for (const QString &name : ours)
        writeFile(images(name), Resources::bulletGif(715));

    const BulletFiles::Result result = BulletFiles::create(page(), 15);
    QCOMPARE(result.topicTag, topicTag(linked));
    QCOMPARE(result.detailTag, detailTag("listDot_Red.gif"));
    for (const QString &name : users)
        QCOMPARE(readAll(images(name)), UsersPicture);
    QCOMPARE(readAll(images(linked)), Resources::bulletGif(715));
    QCOMPARE(QDir(images()).entryList(QDir::Files).size(), users.size() + 2);
}

void tst_BulletFiles::anImagesFileInTheWayGivesTheGenericTags()
{
    writeFile(images().chopped(1), "not a folder");

    const BulletFiles::Result result = BulletFiles::create(page(), 15);
    QCOMPARE(int(result.outcome), int(BulletFiles::Outcome::Failed));
    QCOMPARE(result.message, QString("Sorry, images could not be created..."));
    QCOMPARE(result.topicTag, Generic);
    QCOMPARE(result.detailTag, GenericDetail);
    QCOMPARE(readAll(images().chopped(1)), QByteArray("not a folder"));
}

void tst_BulletFiles::halfAPairIsNeverLinked()
{
    // Every name the dot could take is a folder: the triangle written first
    // must not stay behind on its own.
    QDir folder(m_dir->path());
    QVERIFY(folder.mkdir("images"));
    QVERIFY(folder.mkdir("images/listDot_Red.gif"));
    for (int n = 2; n <= 99; ++n)
        QVERIFY(folder.mkdir(QString("images/listDot_Red%1.gif").arg(n)));

    const BulletFiles::Result result = BulletFiles::create(page(), 15);
    QCOMPARE(result.message, QString("Sorry, images could not be created..."));
    QCOMPARE(result.topicTag, Generic);
    QCOMPARE(result.detailTag, GenericDetail);
    QVERIFY(!QFileInfo::exists(images("listTri_Red.gif")));
}

void tst_BulletFiles::aWriteThatFailsLeavesNoBrokenIcon()
{
    // The file size limit makes the triangle's write fail part way, as a
    // full disk does: no cut-off picture may stand under its name.
    struct rlimit old;
    QCOMPARE(getrlimit(RLIMIT_FSIZE, &old), 0);
    std::signal(SIGXFSZ, SIG_IGN);
    struct rlimit small = old;
    small.rlim_cur = rlim_t(Resources::bulletGif(715).size() - 1);
    QCOMPARE(setrlimit(RLIMIT_FSIZE, &small), 0);
    const BulletFiles::Result result = BulletFiles::create(page(), 15);
    setrlimit(RLIMIT_FSIZE, &old);
    std::signal(SIGXFSZ, SIG_DFL);

    QCOMPARE(result.message, QString("Sorry, images could not be created..."));
    QCOMPARE(result.topicTag, Generic);
    QCOMPARE(QDir(images()).entryList(QDir::Files | QDir::Hidden), QStringList());
}

void tst_BulletFiles::aPageWithoutAFolderHasNoImagePath()
{
    for (const QString &path : {QString(), m_dir->filePath("gone/index.htm")}) {
        const BulletFiles::Result result = BulletFiles::create(path, 15);
        QCOMPARE(int(result.outcome), int(BulletFiles::Outcome::NoFolder));
        QCOMPARE(result.message, QString("Could not create image path..."));
        QCOMPARE(result.topicTag, QString());
        QCOMPARE(result.detailTag, QString());
    }
    QVERIFY(!QFileInfo::exists(m_dir->filePath("gone")));
}

QTEST_GUILESS_MAIN(tst_BulletFiles)
#include "tst_bulletfiles.moc"
