// Zevora - start-up: one instance per user, the splash, the first page.
#include "mStart.h"

#include "FileCommands.h"
#include "FileIdentity.h"
#include "InstanceChannel.h"
#include "MessageService.h"
#include "PageReader.h"
#include "ProcessLimits.h"
#include "RecoveryJournals.h"
#include "RecoveryOffer.h"
#include "Services.h"
#include "SoundService.h"
#include "TemplateCommands.h"
#include "TextCodec.h"
#include "ToolPictures.h"
#include "frmKid.h"
#include "frmSplash.h"
#include "mFuncs.h"
#include "richy.h"
#include "topForm.h"

#include <QApplication>
#include <QDir>
#include <QPointer>
#include <QStringList>
#include <cstdio>
#include <stdexcept>

using namespace Platform;

namespace mStart {

namespace {

const QString kNoteTitle = QStringLiteral("Zevora Note:");
constexpr qsizetype kStartUpChunk = 20000;

void showFatalError(int number, const QString &description)
{
    message(QStringLiteral("Zevora ERROR"),
            QStringLiteral("There has been an error in Zevora. Please notify the author.\n\n%1: %2")
                .arg(number)
                .arg(description));
}

// A second start has no window: standard error is the only place to tell
// the user that the file did not reach the running program.
void reportHandOverFailure(const QString &cmd, const QString &reason)
{
    const QString line = cmd.isEmpty() ? QStringLiteral("zevora: %1.\n").arg(reason)
                                       : QStringLiteral("zevora: %1 was not opened: %2.\n").arg(cmd, reason);
    std::fputs(line.toLocal8Bit().constData(), stderr);
}

} // namespace

QString commandLinePath(const QStringList &arguments, const QString &workingFolder)
{
    const QString path = arguments.mid(1).join(QLatin1Char(' '));
    // The running instance that may receive the path works in a folder of
    // its own.
    if (path.isEmpty() || !QDir::isRelativePath(path))
        return path;
    return QDir::toNativeSeparators(QDir(workingFolder).absoluteFilePath(path));
}

void ShowMainWindow(topForm &frame, frmSplash *splash)
{
    if (soundAvailable())
        PlayResWav(300, true);
    frame.show();
    frame.RefreshTools();
    if (frmKid *kid = frame.activeDocument())
        kid->richy->setFocus();
    if (splash)
        splash->close();
}

void openCommandLineFile(topForm &frame, const QString &given)
{
    const QString cmd = FileCommands::checkOutsidePath(given);
    if (cmd.isEmpty())
        return;
    const FileIdentity onDisk = fileIdentity(cmd);
    const std::optional<QByteArray> bytes =
        PageReader::readInBlocks(cmd, kStartUpChunk, [] { QCoreApplication::processEvents(); });
    if (!bytes)
        throw std::runtime_error("The file " + cmd.toStdString() + " could not be read.");

    // The file as it is, also an RTF file (shown as its source).
    frmKid *kid = frame.newDocumentWindow();
    const PageEncoding encoding = TextCodec::detectEncoding(*bytes);
    kid->richy->loadText(encoding == PageEncoding::Utf8 ? *bytes : TextCodec::utf8FromWindows1252(*bytes));
    kid->setEncoding(encoding);
    kid->setFileOnDisk(onDisk);
    kid->setTag(cmd);
    kid->setWindowTitle(mFuncs::CaptionFromPath(cmd));
    kid->Form_Activate();
    kid->richy->setFocus();
    kid->richy->setDataChanged(false);
    // Pages a browser opened from its cache stay out of the list.
    if (!mFuncs::IsTempOrCachePath(cmd))
        frame.files()->AddToRecent(cmd);
}

int Main(int argc, char *argv[])
{
    // Every page and every hand-over connection holds a descriptor.
    raiseOpenFileLimit();
    QApplication app(argc, argv);
    QApplication::setOrganizationName(QStringLiteral("Tallow Ridge"));
    QApplication::setApplicationName(QStringLiteral("Zevora"));
    QApplication::setApplicationVersion(QStringLiteral(ZEVORA_VERSION));
    QApplication::setDesktopFileName(QStringLiteral(ZEVORA_APP_ID));
    QApplication::setQuitOnLastWindowClosed(false);
    Services::installQtServices();

    const QString cmd = commandLinePath(QCoreApplication::arguments(), QDir::currentPath());

    // One instance per user: a second start hands its file over and ends,
    // without a window and without touching the settings.
    InstanceChannel channel;
    if (channel.start() == InstanceChannel::Role::Secondary) {
        if (channel.handOver(cmd))
            return 0;
        reportHandOverFailure(cmd, channel.errorString());
        return 1;
    }

    // Files handed over before the frame is shown wait in the channel.
    channel.setHandOversHeld(true);
    // Every page with unsaved changes is kept in a journal until it is saved.
    // It lives longer than the frame, whose pages remove their journals as
    // they close.
    RecoveryJournals journals(RecoveryJournals::defaultFolder());
    QObject::connect(&app, &QGuiApplication::applicationStateChanged, &journals,
                     [&journals](Qt::ApplicationState state) {
                         if (state != Qt::ApplicationActive)
                             journals.writeAllNow();
                     });
    QPointer<topForm> frame;

    try {
        auto *splash = new frmSplash;
        splash->setAttribute(Qt::WA_DeleteOnClose);
        splash->show();
        QPointer<frmSplash> splashAlive = splash;
        while (splashAlive && !splashAlive->ReadyToClose())
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);

        frame = new topForm;
        frame->setAttribute(Qt::WA_DeleteOnClose);
        frame->setWindowIcon(Resources::programIcon());
        frame->setJournals(&journals);
        frame->templates()->LoadTemplateMenu();
        frame->files()->LoadRecentFiles();
        if (cmd.isEmpty())
            frame->files()->NewPage(true);
        else
            openCommandLineFile(*frame, cmd);
        ShowMainWindow(*frame, splashAlive);
        // Journals of an instance that is gone: as the one instance of this
        // user, every journal but this process's own is such a journal.
        const bool alone = channel.role() == InstanceChannel::Role::Primary;
        RecoveryOffer::offer(*frame, journals,
                             [alone](qint64 pid) { return !alone && processIsRunning(pid); });
        QObject::connect(&channel, &InstanceChannel::handOverReceived, frame, &topForm::handOverReceived);
        channel.setHandOversHeld(false);
    } catch (const std::bad_alloc &) {
        showFatalError(7, QStringLiteral("Out of memory"));
        return 1;
    } catch (const std::exception &error) {
        showFatalError(5, QString::fromStdString(error.what()));
        return 1;
    }
    QObject::connect(frame, &QObject::destroyed, &app, &QCoreApplication::quit);
    return QApplication::exec();
}

} // namespace mStart
