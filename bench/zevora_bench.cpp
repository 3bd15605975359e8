// Zevora - editing benchmark: does a keystroke cost the same on a 50 MB page
// as on a 100 KB page, what does a whole-text step cost, how much memory does
// a large page take?
#include "BenchSupport.h"
#include "RecoveryJournals.h"
#include "Services.h"
#include "frmKid.h"
#include "richy.h"
#include "topForm.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QKeyEvent>
#include <QTemporaryDir>
#include <QTextStream>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <vector>

namespace {

double medianMs(int runs, const std::function<void()> &operation)
{
    std::vector<double> times;
    for (int i = 0; i < runs; ++i) {
        QElapsedTimer timer;
        timer.start();
        operation();
        QCoreApplication::processEvents();
        times.push_back(timer.nsecsElapsed() / 1e6);
    }
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}

qint64 residentBytes()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return 0;
    for (const QByteArray &line : status.readAll().split('\n')) {
        if (line.startsWith("VmRSS:"))
            return line.mid(6).trimmed().split(' ').first().toLongLong() * 1024;
    }
    return 0;
}

void sendKey(QWidget *target, int key, const QString &text = QString())
{
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, text);
    QCoreApplication::sendEvent(target, &press);
    QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier, text);
    QCoreApplication::sendEvent(target, &release);
}

struct Results
{
    double typing = 0, paste = 0, caret = 0, undo = 0, redo = 0, wholeText = 0, bareSetText = 0;
    qint64 rssAfterLoad = 0;
};

Results measure(topForm &frame, qsizetype bytes)
{
    Results r;
    frmKid *kid = frame.newDocumentWindow();
    QCoreApplication::processEvents();
    {
        // The bytes are read, handed over and dropped, as when a file opens.
        const QByteArray page = Bench::ordinaryPage(bytes, 76);
        kid->richy->loadText(page);
    }
    QCoreApplication::processEvents();
    r.rssAfterLoad = residentBytes();
    const QByteArray page = Bench::ordinaryPage(bytes, 76);
    class richy *editor = kid->richy;
    editor->setSelStart(editor->textLength());
    QCoreApplication::processEvents();

    const int runs = 41;
    r.typing = medianMs(runs, [&] { sendKey(editor, Qt::Key_X, QStringLiteral("x")); });
    r.paste = medianMs(runs, [&] { kid->kidPaste(QStringLiteral("<BR>")); });
    bool left = true;
    r.caret = medianMs(runs, [&] {
        sendKey(editor, left ? Qt::Key_Left : Qt::Key_Right);
        left = !left;
    });
    sendKey(editor, Qt::Key_Y, QStringLiteral("y"));
    r.undo = medianMs(runs, [&] {
        kid->cmdUndo_Click();
        kid->cmdRedo_Click();
    });
    // Undo and redo were timed as a pair; each is about half of it.
    r.undo /= 2;
    r.redo = r.undo;

    // A whole-text step against handing the same text to the editor bare.
    const int wholeRuns = bytes > 10'000'000 ? 3 : 15;
    QByteArray changed = editor->Text().toUtf8();
    changed.replace("lorem", "ipsum");
    r.wholeText = medianMs(wholeRuns, [&] {
        kid->preReplace();
        editor->replaceAllUnrecorded(QString::fromUtf8(changed));
        kid->repChange();
        kid->cmdUndo_Click();
    });
    r.bareSetText = medianMs(wholeRuns, [&] {
        editor->SendScintilla(QsciScintillaBase::SCI_SETTEXT, 0UL, changed.constData());
        editor->SendScintilla(QsciScintillaBase::SCI_SETTEXT, 0UL, page.constData());
    });

    kid->richy->setDataChanged(false);
    kid->close();
    delete kid;
    QCoreApplication::processEvents();
    return r;
}

struct JournalResults
{
    double typingOff = 0, typingOn = 0, longestWrite = 0;
};

// Typing at the end of a 50 MB page, without and with recovery journals that
// are written every 100 ms of typing, and the longest time one journal write
// holds the user-interface thread.
JournalResults measureJournals(topForm &frame, qsizetype bytes)
{
    JournalResults r;
    QTemporaryDir folder;
    RecoveryJournals journals(folder.path());
    journals.setDelays(20, 100);
    for (const bool on : {false, true}) {
        frame.setJournals(on ? &journals : nullptr);
        frmKid *kid = frame.newDocumentWindow();
        kid->richy->loadText(Bench::ordinaryPage(bytes, 76));
        class richy *editor = kid->richy;
        editor->setSelStart(editor->textLength());
        QCoreApplication::processEvents();
        (on ? r.typingOn : r.typingOff) =
            medianMs(201, [&] { sendKey(editor, Qt::Key_X, QStringLiteral("x")); });
        for (int i = 0; on && i < 5; ++i) {
            sendKey(editor, Qt::Key_X, QStringLiteral("x"));
            QElapsedTimer timer;
            timer.start();
            journals.writeNow(kid);
            r.longestWrite = std::max(r.longestWrite, timer.nsecsElapsed() / 1e6);
            journals.waitForWrites();
        }
        kid->richy->setDataChanged(false);
        kid->close();
        delete kid;
        journals.waitForWrites();
        QCoreApplication::processEvents();
    }
    frame.setJournals(nullptr);
    return r;
}

} // namespace

int main(int argc, char *argv[])
{
    Bench::offscreenUnlessSet();
    QApplication app(argc, argv);
    Platform::Services::installQtServices();
    topForm frame;
    frame.show();

    const qsizetype small = 100 * 1024;
    const qsizetype large = 50 * 1024 * 1024;
    const qint64 rssBefore = residentBytes();
    const Results big = measure(frame, large);
    const Results little = measure(frame, small);

    QTextStream out(stdout);
    out << "operation                       100 KB (ms)   50 MB (ms)   ratio\n";
    const auto row = [&](const char *name, double a, double b) {
        out << QString::asprintf("%-30s %12.3f %12.3f %7.2f\n", name, a, b, a > 0 ? b / a : 0.0);
        return a > 0 ? b / std::max(a, 0.05) : 0.0;
    };
    double keystroke = 0;
    keystroke = std::max(keystroke, row("typing one character", little.typing, big.typing));
    keystroke = std::max(keystroke, row("kidPaste of a fragment", little.paste, big.paste));
    keystroke = std::max(keystroke, row("caret move", little.caret, big.caret));
    keystroke = std::max(keystroke, row("undo of one character", little.undo, big.undo));
    keystroke = std::max(keystroke, row("redo of one character", little.redo, big.redo));
    row("whole-text step + undo", little.wholeText, big.wholeText);
    row("bare SCI_SETTEXT x2", little.bareSetText, big.bareSetText);
    const double wholeRatio = big.wholeText / std::max(big.bareSetText, 0.001);
    const double rssRatio = double(big.rssAfterLoad) / double(large);
    out << QString::asprintf("resident memory after loading 50 MB: %.1f MB (%.1f MB before loading)\n",
                             big.rssAfterLoad / 1048576.0, rssBefore / 1048576.0);
    out << QString::asprintf("bench-editing: keystroke-ratio=%.2f wholetext-ratio=%.2f rss-ratio=%.2f\n",
                             keystroke, wholeRatio, rssRatio);

    const JournalResults journal = measureJournals(frame, large);
    out << QString::asprintf("typing at the end of 50 MB: %.3f ms without journals, %.3f ms with them\n",
                             journal.typingOff, journal.typingOn);
    out << QString::asprintf("bench-recovery: keystroke-ratio=%.2f journal-ms=%.1f\n",
                             journal.typingOn / std::max(journal.typingOff, 0.001), journal.longestWrite);
    return 0;
}
