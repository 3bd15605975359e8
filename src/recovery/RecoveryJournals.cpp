// Zevora - keeps a recovery journal for every page with unsaved changes.
#include "RecoveryJournals.h"

#include "DurableFile.h"
#include "frmKid.h"
#include "mCaption.h"
#include "richy.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <QThreadPool>
#include <QTimer>

#include <algorithm>
#include <cstring>

struct RecoveryJournals::Entry
{
    QPointer<frmKid> page;
    QString path;
    QTimer *quiet = nullptr;
    QElapsedTimer firstUnwritten; // the first change not yet in the journal
    bool written = false;         // a journal file exists (or is being written)
    QByteArray snapshot;          // the last text taken, its memory used again
};

RecoveryJournals::RecoveryJournals(const QString &folder, QObject *parent)
    : QObject(parent), m_folder(folder), m_worker(new QThreadPool(this))
{
    m_worker->setMaxThreadCount(1);
    QDir().mkpath(m_folder);
    QFile::setPermissions(m_folder, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
}

RecoveryJournals::~RecoveryJournals()
{
    waitForWrites();
}

QString RecoveryJournals::defaultFolder()
{
    return QStandardPaths::writableLocation(QStandardPaths::AppLocalDataLocation) +
           QStringLiteral("/recovery");
}

void RecoveryJournals::setDelays(int quietMs, int longestMs)
{
    m_quietMs = quietMs;
    m_longestMs = longestMs;
}

void RecoveryJournals::runOnWorker(std::function<void()> job)
{
    m_worker->start(std::move(job));
}

void RecoveryJournals::waitForWrites()
{
    m_worker->waitForDone();
}

void RecoveryJournals::watch(frmKid *page)
{
    auto entry = std::make_unique<Entry>();
    Entry *raw = entry.get();
    raw->page = page;
    raw->path = m_folder + QStringLiteral("/%1-%2%3")
                               .arg(QCoreApplication::applicationPid())
                               .arg(++m_serial)
                               .arg(QLatin1String(JournalFile::kSuffix));
    raw->quiet = new QTimer(this);
    raw->quiet->setSingleShot(true);
    connect(raw->quiet, &QTimer::timeout, this, [this, raw] { write(raw); });
    m_entries.push_back(std::move(entry));

    connect(page, &frmKid::edited, this, [this, raw] { pageEdited(raw); });
    connect(page->richy, &richy::modifiedChanged, this,
            [this, raw](bool changed) { pageModifiedChanged(raw, changed); });
    // A page that goes (closed, with or without saving) takes its journal along.
    connect(page, &QObject::destroyed, this, [this, raw] {
        remove(raw);
        delete raw->quiet;
        std::erase_if(m_entries, [raw](const auto &e) { return e.get() == raw; });
    });
}

void RecoveryJournals::pageEdited(Entry *entry)
{
    if (!entry->page || !entry->page->richy->DataChanged())
        return;
    if (!entry->firstUnwritten.isValid())
        entry->firstUnwritten.start();
    // Typing that goes on and on is written anyway, now and then.
    if (entry->firstUnwritten.hasExpired(m_longestMs)) {
        write(entry);
        return;
    }
    entry->quiet->start(m_quietMs);
}

void RecoveryJournals::pageModifiedChanged(Entry *entry, bool changed)
{
    if (!changed)
        remove(entry);
}

void RecoveryJournals::writeAllNow()
{
    for (const auto &entry : m_entries) {
        if (entry->firstUnwritten.isValid())
            write(entry.get());
    }
}

void RecoveryJournals::writeNow(frmKid *page)
{
    for (const auto &entry : m_entries) {
        if (entry->page == page)
            write(entry.get());
    }
}

void RecoveryJournals::write(Entry *entry)
{
    entry->quiet->stop();
    entry->firstUnwritten.invalidate();
    frmKid *page = entry->page;
    if (!page || !page->richy->DataChanged())
        return;
    page->richy->endComposition();

    JournalHeader header;
    header.pid = QCoreApplication::applicationPid();
    header.tag = page->Tag();
    header.caption = page->captionFileName();
    header.untitled = !page->fileOnDisk().valid;
    header.encoding = page->encoding();
    header.lineEnding = TextCodec::detectLineEnding(page->richy->lineBreak());
    header.caret = page->richy->SelStart();
    header.written = QDateTime::currentDateTimeUtc();
    header.fileSize = page->fileOnDisk().valid ? page->fileOnDisk().size : -1;
    header.fileModifiedNs = page->fileOnDisk().modifiedNs;
    // One copy of the editor's bytes here; the rest happens on the worker.
    // Once the worker is done with the last one, its memory is used again:
    // copying into memory already in use costs a fraction of fresh memory.
    const QByteArrayView text = page->richy->textBytes();
    if (!entry->snapshot.isDetached())
        entry->snapshot = QByteArray();
    entry->snapshot.resize(text.size());
    if (!text.isEmpty())
        std::memcpy(entry->snapshot.data(), text.data(), size_t(text.size()));
    QByteArray utf8 = entry->snapshot;
    const QString path = entry->path;
    entry->written = true;
    runOnWorker([header, utf8 = std::move(utf8), path]() mutable {
        QByteArray converted;
        if (header.encoding == PageEncoding::Windows1252) {
            if (std::optional<QByteArray> bytes = TextCodec::windows1252FromUtf8(utf8))
                converted = std::move(*bytes);
            else
                header.encoding = PageEncoding::Utf8; // characters the page's encoding lacks
        }
        const QByteArrayView body = header.encoding == PageEncoding::Windows1252 ? converted : utf8;
        Platform::writeFileDurably(path, {JournalFile::composeHeader(header, body.size()), body});
        utf8 = QByteArray(); // hands the snapshot's memory back before the job object goes
    });
}

void RecoveryJournals::remove(Entry *entry)
{
    entry->quiet->stop();
    entry->firstUnwritten.invalidate();
    if (!std::exchange(entry->written, false))
        return;
    removeJournal(entry->path);
}

void RecoveryJournals::removeJournal(const QString &path)
{
    runOnWorker([path] { QFile::remove(path); });
}

QList<StaleJournal> RecoveryJournals::staleJournals(const std::function<bool(qint64)> &isRunning) const
{
    QList<StaleJournal> stale;
    const QString suffix = QLatin1String(JournalFile::kSuffix);
    const QFileInfoList files =
        QDir(m_folder).entryInfoList({QLatin1Char('*') + suffix}, QDir::Files, QDir::Name);
    for (const QFileInfo &info : files) {
        const qint64 pid = info.fileName().section(QLatin1Char('-'), 0, 0).toLongLong();
        if (pid == QCoreApplication::applicationPid() || (pid > 0 && isRunning(pid)))
            continue;
        StaleJournal entry;
        entry.path = info.filePath();
        entry.fileSize = info.size();
        QFile file(entry.path);
        if (!file.open(QIODevice::ReadOnly)) {
            entry.error = QStringLiteral("it cannot be read");
        } else {
            entry.journal = JournalFile::parse(file.readAll(), &entry.error);
        }
        stale.append(entry);
    }
    return stale;
}
