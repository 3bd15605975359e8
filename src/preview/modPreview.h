// Zevora - the browser preview (the HTML Preview tool).
#pragma once

#include "FileIdentity.h"

#include <QHash>
#include <QObject>
#include <QString>

#include <memory>

class QTimer;
class frmKid;

/// Shows pages in the desktop's web browser.
///
/// An unmodified page that has its own file is shown as that file. Any other
/// page is written, as Save would write it, to a preview copy: beside its
/// file as "$$" + its name for a modified saved page (so that its relative
/// links and pictures work), under its temporary path for an untitled one,
/// with ".htm" added when its name has no extension. The copy never takes the
/// place of a file of the user's: when its name is taken, the first free
/// "$$1", "$$2", ... name is used. The copy is deleted three seconds after the
/// browser was started, at once when no browser could be found or started,
/// and at the latest when this object goes (the program ends); a copy still
/// waiting is reused by the next preview of the same name.
///
/// Nothing waits while the window runs: the lookup of the browser is retried
/// five times, 500 ms apart, and the deletion is timed by timers.
class modPreview : public QObject
{
    Q_OBJECT

public:
    explicit modPreview(QObject *parent = nullptr);
    /// Deletes the copies still waiting.
    ~modPreview() override;

    static constexpr int kRetryMs = 500;
    static constexpr int kRetries = 5;
    static constexpr int kDeleteAfterMs = 3000;

    /// Shows \a page in the browser. It returns at once; messages tell what
    /// went wrong. The page itself is left as it was.
    void Preview(frmKid *page);

    /// The preview copies written and not deleted yet.
    QStringList pendingCopies() const { return m_copies.keys(); }

private:
    struct Job;
    struct Copy
    {
        QTimer *timer = nullptr;
        int users = 0;
        qint64 startedAtMs = -1;
        Platform::FileIdentity written;
    };

    QString writeCopy(frmKid *page, const QString &path);
    void lookUp(const std::shared_ptr<Job> &job);
    void browserFound(const std::shared_ptr<Job> &job, const QString &browser);
    void release(const std::shared_ptr<Job> &job, bool browserStarted);
    void removeCopy(const QString &path);
    void failed(const std::shared_ptr<Job> &job);

    QHash<QString, Copy> m_copies;
};
