// Zevora - the browser preview (the HTML Preview tool).
#include "modPreview.h"

#include "FileCommands.h"
#include "MessageService.h"
#include "PreviewPath.h"
#include "Services.h"
#include "ShellService.h"
#include "frmKid.h"
#include "mFuncs.h"
#include "richy.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QPointer>
#include <QTimer>

#include <exception>

using namespace Platform;

namespace {

const QString kNoteTitle = QStringLiteral("Zevora Note:");

void cannotOpen()
{
    message(kNoteTitle, QStringLiteral("Web Page Could Not Be Opened."), MsgIcon::Exclamation);
}

void initializationFailed()
{
    message(
        kNoteTitle,
        QStringLiteral("Browser initialization failed.\nIf problem persists, please contact Zevora Support."),
        MsgIcon::Information);
}

qint64 now()
{
    return QDateTime::currentMSecsSinceEpoch();
}

} // namespace

/// One preview, from the lookup of the browser to the release of its copy.
struct modPreview::Job
{
    QString file;
    bool isCopy = false;
    int lookups = 0;
    bool released = false;
};

modPreview::modPreview(QObject *parent) : QObject(parent) {}

modPreview::~modPreview()
{
    for (const QString &path : m_copies.keys())
        removeCopy(path);
}

void modPreview::Preview(frmKid *page)
{
    auto job = std::make_shared<Job>();
    try {
        const QString tag = page->Tag();
        const bool modified = page->richy->DataChanged();
        const QString file =
            PreviewPath::withHtmExtension(PreviewPath::previewFile(tag, page->captionFileName(), modified));
        // A page whose file holds what it shows is shown as that file; a page
        // opened from an RTF file or from a template has no such file.
        if (!modified && !page->saveAsRequired() && page->fileOnDisk().valid && file == tag &&
            mFuncs::FileExists(tag)) {
            job->file = tag;
        } else {
            job->file = writeCopy(page, file);
            if (job->file.isEmpty()) {
                cannotOpen();
                return;
            }
            job->isCopy = true;
        }
        lookUp(job);
    } catch (const std::exception &) {
        failed(job);
    }
}

QString modPreview::writeCopy(frmKid *page, const QString &path)
{
    // A name is ours to write when it is a copy of ours still waiting, or
    // when nothing (not even a dangling link) is there.
    const auto usable = [this](const QString &candidate) {
        const QFileInfo info(candidate);
        return m_copies.contains(candidate) || (!info.exists() && !info.isSymLink());
    };
    // A file that appears between the look and the write is left alone; the
    // next free name is tried then.
    for (int attempt = 0; attempt < 3; ++attempt) {
        const QString candidate = PreviewPath::firstUsable(path, usable);
        if (candidate.isEmpty())
            return {};
        const bool ours = m_copies.contains(candidate);
        if (!FileCommands::writeCopy(
                page, candidate, ours ? FileCommands::CopyMode::Replace : FileCommands::CopyMode::NewFile)) {
            if (!ours && QFileInfo(candidate).exists())
                continue;
            // Our own copy may still be there: it waits for its timer as before.
            return {};
        }
        Copy &copy = m_copies[candidate];
        if (!copy.timer) {
            copy.timer = new QTimer(this);
            copy.timer->setSingleShot(true);
            // A coarse timer may fire a little early: the browser gets its
            // three seconds in full.
            copy.timer->setTimerType(Qt::PreciseTimer);
            connect(copy.timer, &QTimer::timeout, this, [this, candidate] { removeCopy(candidate); });
        }
        // Reused: its deletion waits for this preview's browser.
        copy.timer->stop();
        ++copy.users;
        copy.written = fileIdentity(candidate);
        return candidate;
    }
    return {};
}

void modPreview::lookUp(const std::shared_ptr<Job> &job)
{
    ++job->lookups;
    const QPointer<modPreview> self = this;
    try {
        Services::shell().findBrowser([self, job](const QString &browser) {
            if (self)
                self->browserFound(job, browser);
        });
    } catch (const std::exception &) {
        failed(job);
    }
}

void modPreview::browserFound(const std::shared_ptr<Job> &job, const QString &browser)
{
    if (browser.isEmpty()) {
        if (job->lookups <= kRetries) {
            QTimer::singleShot(kRetryMs, this, [this, job] { lookUp(job); });
            return;
        }
        message(QStringLiteral("Zevora"), QStringLiteral("Could not find associated browser"));
        release(job, false);
        return;
    }
    const QPointer<modPreview> self = this;
    try {
        Services::shell().startBrowser(browser, job->file,
                                       QDir::toNativeSeparators(QFileInfo(job->file).absolutePath()),
                                       [self, job](bool started) {
                                           if (!started)
                                               cannotOpen();
                                           if (self)
                                               self->release(job, started);
                                       });
    } catch (const std::exception &) {
        failed(job);
    }
}

void modPreview::failed(const std::shared_ptr<Job> &job)
{
    initializationFailed();
    release(job, false);
}

void modPreview::release(const std::shared_ptr<Job> &job, bool browserStarted)
{
    if (!job->isCopy || job->released || !m_copies.contains(job->file))
        return;
    job->released = true;
    Copy &copy = m_copies[job->file];
    --copy.users;
    if (browserStarted)
        copy.startedAtMs = now();
    if (copy.users > 0)
        return;
    // The browser reads the copy after it has started: three seconds after
    // the last start it is done with it.
    const qint64 left = copy.startedAtMs < 0 ? 0 : kDeleteAfterMs - (now() - copy.startedAtMs);
    if (left > 0)
        copy.timer->start(int(left));
    else
        removeCopy(job->file);
}

void modPreview::removeCopy(const QString &path)
{
    const auto found = m_copies.find(path);
    if (found == m_copies.end())
        return;
    // A file that somebody else put there meanwhile stays.
    if (found->written.sameFileUnchanged(fileIdentity(path)))
        QFile::remove(path);
    // This may run inside the timer's own signal.
    found->timer->deleteLater();
    m_copies.erase(found);
}
