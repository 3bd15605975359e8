// Zevora tests - fakes of the platform services.
// FakeServices installs itself as the program's services for its lifetime.
#pragma once

#include "ClipboardService.h"
#include "ColourDialogService.h"
#include "FakePrintService.h"
#include "FakeSpellService.h"
#include "FileDialogService.h"
#include "MessageService.h"
#include "ShellService.h"
#include "SoundService.h"

#include <QList>
#include <QPointer>
#include <QQueue>
#include <QString>
#include <QStringList>
#include <QUrl>
#include <QWidget>

#include <functional>

/// Records every box shown and answers from a script. A box for which no
/// answer was scripted fails the running test (and is answered Ok, or No for
/// a question with Yes and No); so does an answer left unused at the end.
class FakeMessageService : public Platform::MessageService
{
public:
    Platform::MsgAnswer show(const Platform::MessageBox &box) override;
    void progress(const QString &title, const QString &text) override;
    void endProgress() override;

    /// Scripts the answer to the next box.
    void answerNext(Platform::MsgAnswer answer) { m_answers.enqueue(answer); }
    /// Lets boxes appear without a scripted answer (they get Ok).
    void allowUnscripted(bool allow) { m_allowUnscripted = allow; }

    QList<Platform::MessageBox> shown;
    int unusedAnswers() const { return int(m_answers.size()); }

    /// Every progress text shown, in order, and the title of each.
    QStringList progressTexts;
    QStringList progressTitles;
    /// True while a progress window is open; how many were closed.
    bool progressOpen = false;
    int progressEnded = 0;
    /// Runs inside each progress call, after it is recorded (a test can
    /// close a page there, or throw to make the work fail).
    std::function<void(const QString &text)> onProgress;

private:
    QQueue<Platform::MsgAnswer> m_answers;
    bool m_allowUnscripted = false;
};

class FakeClipboardService : public Platform::ClipboardService
{
public:
    QString text() const override { return m_text; }
    void setText(const QString &text) override { m_text = text; }
    void clear() override { m_text.clear(); }

private:
    QString m_text;
};

/// Remembers every sound asked for, with its asynchronous flag.
class FakeSoundService : public Platform::SoundService
{
public:
    struct Played
    {
        int resourceId;
        bool async;
        bool operator==(const Played &) const = default;
    };

    bool isAvailable() const override { return available; }
    void play(int resourceId, bool async) override;

    bool available = true;
    QList<Played> played;
};

/// Remembers every address handed to the shell (each counts as opened).
/// The browser it names is \c browser, except for the first
/// \c lookupsWithoutBrowser lookups, which find none; each start is recorded
/// with the started file's bytes at that moment and answered with
/// \c startSucceeds. moveToTrash() really moves the file (into the test-mode
/// trash).
class FakeShellService : public Platform::ShellService
{
public:
    bool openUrl(const QUrl &url) override;
    void findBrowser(std::function<void(const QString &browser)> done) override;
    void startBrowser(const QString &browser, const QString &file, const QString &folder,
                      std::function<void(bool started)> done) override;
    bool moveToTrash(const QString &path) override;

    QList<QUrl> opened;

    QString browser = QStringLiteral("fake-browser.desktop");
    int lookupsWithoutBrowser = 0;
    int lookups = 0;
    bool startSucceeds = true;
    struct Start
    {
        QString browser, file, folder;
        QByteArray bytes;
    };
    QList<Start> started;
};

/// Answers file dialogs from a script and records what each one showed.
/// A dialog without a scripted answer fails the running test (and is
/// cancelled).
class FakeFileDialogService : public Platform::FileDialogService
{
public:
    Platform::FileDialogResult openFile(const Platform::FileDialogRequest &request) override;
    Platform::FileDialogResult saveFile(const Platform::FileDialogRequest &request) override;

    /// Scripts the next dialog: the chosen path ("" cancels) and filter.
    void answerNext(const QString &path, int selectedFilter = -1)
    {
        m_answers.enqueue(Platform::FileDialogResult{path, selectedFilter, false});
    }
    int unusedAnswers() const { return int(m_answers.size()); }

    struct Shown
    {
        Platform::FileDialogRequest request;
    };
    QList<Shown> shown;

private:
    Platform::FileDialogResult answer(const Platform::FileDialogRequest &request);
    QQueue<Platform::FileDialogResult> m_answers;
};

/// Answers colour dialogs from a script (a colour, or Cancel) and records
/// the owner of each. A dialog without a scripted answer fails the running
/// test (and is cancelled).
class FakeColourDialogService : public Platform::ColourDialogService
{
public:
    std::optional<Platform::ColourValue> chooseColour(QWidget *owner) override;

    void answerNext(Platform::ColourValue colour) { m_answers.enqueue(colour); }
    void cancelNext() { m_answers.enqueue(std::nullopt); }
    int unusedAnswers() const { return int(m_answers.size()); }

    QList<QPointer<QWidget>> owners;

private:
    QQueue<std::optional<Platform::ColourValue>> m_answers;
};

/// Installs fresh fakes; on destruction, fails the running test when a
/// scripted answer was never used or a progress window was left open.
class FakeServices
{
public:
    FakeServices();
    ~FakeServices();
    FakeServices(const FakeServices &) = delete;
    FakeServices &operator=(const FakeServices &) = delete;

    FakeMessageService messages;
    FakeClipboardService clipboard;
    FakeSoundService sound;
    FakeShellService shell;
    FakeFileDialogService fileDialogs;
    FakePrintService printing;
    FakeColourDialogService colours;
    FakeSpellService spelling;
};

#include <QMetaType>

Q_DECLARE_METATYPE(Platform::MessageBox)

namespace Platform {
/// Readable failure output for QCOMPARE on message boxes.
char *toString(const MessageBox &box);
} // namespace Platform
