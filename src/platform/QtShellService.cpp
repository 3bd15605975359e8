// Zevora - the desktop shell: QDesktopServices, the desktop's MIME defaults,
// gio and the trash.
#include "QtShellService.h"

#include <QDesktopServices>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QProcess>
#include <QStandardPaths>
#include <QTimer>
#include <QUrl>

#include <memory>

namespace Platform {

namespace {

// xdg-mime is a shell script that runs a few programs; gio returns as soon
// as the browser has been spawned. Neither should take long: past these
// limits they are stopped and count as failed.
constexpr int kLookupTimeoutMs = 10000;
constexpr int kLaunchTimeoutMs = 30000;

using Finished = std::function<void(bool succeeded, const QByteArray &output)>;

// Runs \a program without waiting for it; \a done gets whether it ended with
// exit code 0, and its standard output when \a wantOutput.
void runProgram(const QString &program, const QStringList &arguments, const QString &folder, bool wantOutput,
                int timeoutMs, Finished done)
{
    const QString executable = QStandardPaths::findExecutable(program);
    if (executable.isEmpty()) {
        done(false, {});
        return;
    }
    auto *process = new QProcess;
    process->setProgram(executable);
    process->setArguments(arguments);
    if (!folder.isEmpty())
        process->setWorkingDirectory(folder);
    // The browser that gio starts inherits these: it must hold no pipe of
    // ours open.
    process->setStandardInputFile(QProcess::nullDevice());
    if (!wantOutput)
        process->setStandardOutputFile(QProcess::nullDevice());
    process->setStandardErrorFile(QProcess::nullDevice());

    auto reported = std::make_shared<bool>(false);
    auto report = [process, reported, wantOutput, done](bool succeeded) {
        if (*reported)
            return;
        *reported = true;
        const QByteArray output = succeeded && wantOutput ? process->readAllStandardOutput() : QByteArray();
        process->deleteLater();
        done(succeeded, output);
    };
    auto *timer = new QTimer(process);
    timer->setSingleShot(true);
    QObject::connect(timer, &QTimer::timeout, process, [process, report] {
        process->kill();
        report(false);
    });
    QObject::connect(process, &QProcess::finished, process, [report](int code, QProcess::ExitStatus status) {
        report(status == QProcess::NormalExit && code == 0);
    });
    QObject::connect(process, &QProcess::errorOccurred, process, [report](QProcess::ProcessError error) {
        if (error == QProcess::FailedToStart)
            report(false);
    });
    timer->start(timeoutMs);
    process->start();
}

// The desktop entry the desktop names as the default for \a mimeType ("" for none).
void queryDefault(const QString &mimeType, std::function<void(const QString &id)> done)
{
    runProgram(QStringLiteral("xdg-mime"), {QStringLiteral("query"), QStringLiteral("default"), mimeType},
               QString(), true, kLookupTimeoutMs, [done](bool succeeded, const QByteArray &output) {
                   done(succeeded ? QString::fromUtf8(output).trimmed() : QString());
               });
}

bool isOwnEntry(const QString &id)
{
    const QString own = QGuiApplication::desktopFileName();
    return !own.isEmpty() && id == own + QStringLiteral(".desktop");
}

// The file of desktop entry \a id in the XDG data folders. An entry in a
// subfolder has the subfolder's name and a "-" in front of its own name in
// its id ("kde-browser.desktop" may be kde/browser.desktop).
QString locateEntry(const QString &id)
{
    if (!id.endsWith(QLatin1String(".desktop")) || id.contains(QLatin1Char('/')) || isOwnEntry(id))
        return {};
    QString candidate = id;
    for (;;) {
        const QString found = QStandardPaths::locate(QStandardPaths::ApplicationsLocation, candidate);
        if (!found.isEmpty())
            return found;
        const qsizetype dash = candidate.indexOf(QLatin1Char('-'));
        if (dash < 0)
            return {};
        candidate[dash] = QLatin1Char('/');
    }
}

} // namespace

bool QtShellService::openUrl(const QUrl &url)
{
    if (!url.isValid() || url.isEmpty())
        return false;
    return QDesktopServices::openUrl(url);
}

void QtShellService::findBrowser(std::function<void(const QString &browser)> done)
{
    queryDefault(QStringLiteral("text/html"), [done](const QString &id) {
        if (!isOwnEntry(id)) {
            done(locateEntry(id));
            return;
        }
        // This program edits HTML pages; the browser is whatever opens web addresses.
        queryDefault(QStringLiteral("x-scheme-handler/http"),
                     [done](const QString &httpId) { done(locateEntry(httpId)); });
    });
}

void QtShellService::startBrowser(const QString &browser, const QString &file, const QString &folder,
                                  std::function<void(bool started)> done)
{
    if (browser.isEmpty() || file.isEmpty()) {
        done(false);
        return;
    }
    runProgram(QStringLiteral("gio"), {QStringLiteral("launch"), browser, file}, folder, false,
               kLaunchTimeoutMs, [done](bool succeeded, const QByteArray &) { done(succeeded); });
}

bool QtShellService::moveToTrash(const QString &path)
{
    // Without the user's data folder Qt moves the file into the current
    // folder instead, and reports success.
    const QString data = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
    if (data.isEmpty() || !QDir().mkpath(data))
        return false;
    QString inTrash;
    return QFile::moveToTrash(path, &inTrash) && !inTrash.isEmpty() && !QFile::exists(path);
}

} // namespace Platform
