// Zevora tests - fakes of the platform services.
#include "FakeServices.h"

#include "QtShellService.h"
#include "Services.h"

#include <QFile>
#include <QTest>

using namespace Platform;

MsgAnswer FakeMessageService::show(const MessageBox &box)
{
    shown.append(box);
    if (!m_answers.isEmpty())
        return m_answers.dequeue();
    if (!m_allowUnscripted) {
        const QByteArray what = "unexpected message box: " + box.title.toUtf8() + " / " + box.text.toUtf8();
        QTest::qFail(what.constData(), __FILE__, __LINE__);
    }
    return box.buttons == MsgButtons::YesNo || box.buttons == MsgButtons::YesNoCancel ? MsgAnswer::No
                                                                                      : MsgAnswer::Ok;
}

void FakeMessageService::progress(const QString &title, const QString &text)
{
    progressTitles.append(title);
    progressTexts.append(text);
    progressOpen = true;
    if (onProgress)
        onProgress(text);
}

void FakeMessageService::endProgress()
{
    if (progressOpen)
        ++progressEnded;
    progressOpen = false;
}

void FakeSoundService::play(int resourceId, bool async)
{
    if (available)
        played.append({resourceId, async});
}

bool FakeShellService::openUrl(const QUrl &url)
{
    opened.append(url);
    return true;
}

void FakeShellService::findBrowser(std::function<void(const QString &)> done)
{
    ++lookups;
    done(lookups > lookupsWithoutBrowser ? browser : QString());
}

void FakeShellService::startBrowser(const QString &name, const QString &file, const QString &folder,
                                    std::function<void(bool)> done)
{
    QFile copy(file);
    started.append({name, file, folder, copy.open(QIODevice::ReadOnly) ? copy.readAll() : QByteArray()});
    done(startSucceeds);
}

bool FakeShellService::moveToTrash(const QString &path)
{
    return Platform::QtShellService().moveToTrash(path);
}

FileDialogResult FakeFileDialogService::answer(const FileDialogRequest &request)
{
    shown.append({request});
    if (!m_answers.isEmpty())
        return m_answers.dequeue();
    const QByteArray what = "unexpected file dialog: " + request.title.toUtf8();
    QTest::qFail(what.constData(), __FILE__, __LINE__);
    return {};
}

FileDialogResult FakeFileDialogService::openFile(const FileDialogRequest &request)
{
    return answer(request);
}

FileDialogResult FakeFileDialogService::saveFile(const FileDialogRequest &request)
{
    return answer(request);
}

std::optional<ColourValue> FakeColourDialogService::chooseColour(QWidget *owner)
{
    owners.append(owner);
    if (!m_answers.isEmpty())
        return m_answers.dequeue();
    QTest::qFail("unexpected colour dialog", __FILE__, __LINE__);
    return std::nullopt;
}

FakeServices::FakeServices()
{
    Services::install(&messages, &clipboard, &sound);
    Services::installShell(&shell);
    Services::installFileDialogs(&fileDialogs);
    Services::installPrinting(&printing);
    Services::installColourDialogs(&colours);
    Services::installSpelling(&spelling);
}

FakeServices::~FakeServices()
{
    if (messages.unusedAnswers() > 0)
        QTest::qFail("a scripted message box answer was never used", __FILE__, __LINE__);
    if (messages.progressOpen)
        QTest::qFail("a progress window was left open", __FILE__, __LINE__);
    if (fileDialogs.unusedAnswers() > 0)
        QTest::qFail("a scripted file dialog answer was never used", __FILE__, __LINE__);
    if (colours.unusedAnswers() > 0)
        QTest::qFail("a scripted colour dialog answer was never used", __FILE__, __LINE__);
}

char *Platform::toString(const MessageBox &box)
{
    const QString text = QStringLiteral("{title \"%1\", text \"%2\", icon %3, buttons %4}")
                             .arg(box.title, box.text)
                             .arg(int(box.icon))
                             .arg(int(box.buttons));
    return QTest::toString(text);
}
