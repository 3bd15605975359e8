// Zevora - keeps a recovery journal for every page with unsaved changes.
#pragma once

#include "JournalFile.h"

#include <QElapsedTimer>
#include <QHash>
#include <QList>
#include <QObject>
#include <QPointer>
#include <QString>

#include <functional>
#include <memory>

class QThreadPool;
class QTimer;
class frmKid;

/// A journal found at start that no running instance owns.
struct StaleJournal
{
    QString path;                   ///< the journal file
    std::optional<Journal> journal; ///< nothing when it could not be read
    QString error;                  ///< why it could not be read
    qint64 fileSize = 0;            ///< the journal file's size
};

/// Keeps one journal file per page that has unsaved changes, in \a folder
/// (created with owner-only permissions), so that a crash, a power cut or a
/// kill loses nothing that was typed.
///
/// A page's journal is written a few seconds after its last change (at least
/// every 30 s while the typing goes on) and at once by writeAllNow() (the
/// program loses the focus). The text is taken from the editor's buffer on the
/// calling thread; converting and writing (a new file, flushed to the disk,
/// renamed over the old one) happen on one worker thread, which also removes
/// journals, so that file work never overtakes itself. A journal goes when its
/// page is saved or closed.
class RecoveryJournals : public QObject
{
    Q_OBJECT

public:
    explicit RecoveryJournals(const QString &folder, QObject *parent = nullptr);
    ~RecoveryJournals() override;

    /// The user's journal folder: the application's local data folder + "/recovery".
    static QString defaultFolder();
    QString folder() const { return m_folder; }

    /// Watches \a page from now on until it is destroyed.
    void watch(frmKid *page);
    /// Writes the journal of every page with changes not yet in its journal.
    void writeAllNow();
    /// Writes \a page's journal at once (when it has unsaved changes).
    void writeNow(frmKid *page);
    /// Waits until every write and removal asked for so far is done.
    void waitForWrites();

    /// The journals in the folder that belong to no running process: those
    /// whose process \a isRunning says is gone (this process's own never
    /// count). An instance that holds the single-instance lock passes a
    /// predicate that says no for every other process.
    QList<StaleJournal> staleJournals(const std::function<bool(qint64 pid)> &isRunning) const;
    /// Removes a journal file (one of staleJournals(), say).
    void removeJournal(const QString &path);

    /// How long after the last change a journal is written, and how long
    /// typing may go on before it is written anyway (milliseconds).
    void setDelays(int quietMs, int longestMs);

private:
    struct Entry;

    void pageEdited(Entry *entry);
    void pageModifiedChanged(Entry *entry, bool changed);
    void write(Entry *entry);
    void remove(Entry *entry);
    void runOnWorker(std::function<void()> job);

    QString m_folder;
    QThreadPool *m_worker = nullptr;
    std::vector<std::unique_ptr<Entry>> m_entries;
    int m_serial = 0;
    int m_quietMs = 3000;
    int m_longestMs = 30000;
};
