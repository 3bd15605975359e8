// Zevora - find and replace benchmark: Find, Find Next and Replace All on a
// 50 MB page through the real windows, each against a bare loop over the
// same bytes, and how long the program stops answering during Replace All.
#include "BenchSupport.h"
#include "Services.h"
#include "frmFind.h"
#include "frmKid.h"
#include "frmReplace.h"
#include "richy.h"
#include "topForm.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QLabel>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTextStream>
#include <QTimer>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <vector>

namespace {

// The word Find looks for (about 1,000,000 times in any letter case in
// 50 MB) and the one Replace All replaces (about as often, exactly).
const char *const kFindWord = "halvern";
const char *const kReplaceWord = "lorem";
const char *const kReplaceWith = "dolores";

// Lines of 80 characters (CR LF included) with markup and some non-ASCII
// text; every two lines hold the find word three times and the replace word
// three times (and once more with a capital, which Replace leaves alone).
QByteArray makePage(qsizetype bytes)
{
    QByteArray page;
    page.reserve(bytes + 256);
    for (int line = 0; page.size() < bytes; ++line) {
        QByteArray text = line % 2 == 0 ? "<p class=\"item\">HALVERN lorem " + QByteArray::number(line) +
                                              " caf\xC3\xA9 halvern lorem Lorem"
                                        : "<td>Halvern said lorem, gr\xC3\xB6\xC3\x9F\x65 \xE2\x82\xAC" +
                                              QByteArray::number(line);
        const QByteArray end = line % 2 == 0 ? "</p>" : "</td>";
        while (QString::fromUtf8(text).size() + end.size() < 78)
            text += " x";
        text += end;
        while (QString::fromUtf8(text).size() < 78)
            text += ' ';
        page += text + "\r\n";
    }
    page.truncate(bytes);
    return page;
}

double msSince(const QElapsedTimer &timer)
{
    return timer.nsecsElapsed() / 1e6;
}

double timed(const std::function<void()> &operation)
{
    QElapsedTimer timer;
    timer.start();
    operation();
    return msSince(timer);
}

char lowerAscii(char c)
{
    return c >= 'A' && c <= 'Z' ? char(c + ('a' - 'A')) : c;
}

// The bare count: std::search with an ASCII letter-case comparison.
qsizetype bareCount(QByteArrayView text, QByteArrayView word)
{
    const auto same = [](char a, char b) { return lowerAscii(a) == lowerAscii(b); };
    qsizetype count = 0;
    for (auto it = text.begin();;) {
        it = std::search(it, text.end(), word.begin(), word.end(), same);
        if (it == text.end())
            return count;
        ++count;
        it += word.size();
    }
}

// The bare replace: std::search into a new byte string.
QByteArray bareReplace(QByteArrayView text, QByteArrayView find, QByteArrayView with)
{
    QByteArray result;
    result.reserve(text.size() + text.size() / 8);
    auto copied = text.begin();
    for (;;) {
        const auto it = std::search(copied, text.end(), find.begin(), find.end());
        result.append(QByteArrayView(copied, it));
        if (it == text.end())
            return result;
        result.append(with);
        copied = it + find.size();
    }
}

double toolMs(const QString &command)
{
    QElapsedTimer timer;
    timer.start();
    QProcess process;
    process.start(QStringLiteral("/bin/sh"), {QStringLiteral("-c"), command});
    process.waitForFinished(-1);
    return msSince(timer);
}

frmKid *openPage(topForm &frame, const QByteArray &bytes)
{
    frmKid *kid = frame.newDocumentWindow();
    kid->richy->loadText(bytes);
    kid->richy->setSelStart(0);
    QCoreApplication::processEvents();
    return kid;
}

void closePage(frmKid *kid)
{
    kid->richy->setDataChanged(false);
    kid->close();
    delete kid;
    QCoreApplication::processEvents();
}

struct FindResults
{
    double find = 0;
    double bare = 0;
    qsizetype count = -1;
    qsizetype bareCount = -1;
    double findNextMedian = 0;
};

// The machine may be busy with other work: each measure is taken several
// times, alternating with its baseline, and the medians are compared.
FindResults measureFind(topForm &frame, qsizetype bytes, int runs)
{
    FindResults r;
    frmKid *kid = openPage(frame, makePage(bytes));
    frame.Picture1_Click(Tool::Find);
    auto *find = frame.findChild<frmFind *>(QStringLiteral("frmFind"));
    QCoreApplication::processEvents();

    std::vector<double> finds, bares;
    for (int run = 0; run < runs; ++run) {
        // A fresh search string each time, as a user would type it.
        find->txtFind->clear();
        find->txtFind->setText(QString::fromLatin1(kFindWord));
        kid->richy->setSelStart(0);
        QCoreApplication::processEvents();
        finds.push_back(timed([&] { find->cmdFind->click(); }));
        r.count = find->lblResult->text().section(QLatin1Char('\n'), 0, 0).toLongLong();
        bares.push_back(timed([&] { r.bareCount = bareCount(kid->richy->textBytes(), kFindWord); }));
    }
    r.find = Bench::median(finds);
    r.bare = Bench::median(bares);

    std::vector<double> times;
    for (int i = 0; i < 201 && find->cmdFindNext->isEnabled(); ++i) {
        QCoreApplication::processEvents();
        times.push_back(timed([&] { find->cmdFindNext->click(); }));
    }
    r.findNextMedian = Bench::median(times);
    find->close();
    closePage(kid);
    return r;
}

struct ReplaceResults
{
    double replaceAll = 0;
    qsizetype replacements = 0;
    double bareReplace = 0;
    double bareSetText = 0;
    double maxGap = 0;
    double putGap = 0;
    double undo = 0;
    bool stepRecorded = false;
    std::vector<double> allGaps;
};

struct ReplaceRun
{
    double replaceAll = 0;
    double maxGap = 0;
    double putGap = 0;
    double undo = 0;
};

ReplaceRun replaceOnce(topForm &frame, frmKid *kid, ReplaceResults &r)
{
    ReplaceRun run;
    frame.Picture1_Click(Tool::Replace);
    auto *replace = frame.findChild<frmReplace *>(QStringLiteral("frmReplace"));
    replace->txtReplace->setText(QString::fromLatin1(kReplaceWord));
    replace->txtReplaceWith->setText(QString::fromLatin1(kReplaceWith));
    QCoreApplication::processEvents();

    // A 1 ms timer notes when events ran; the page's first change marks
    // where the result goes into the page.
    QElapsedTimer clock;
    std::vector<double> ticks;
    double putStart = -1;
    QTimer ticker;
    ticker.setInterval(1);
    QObject::connect(&ticker, &QTimer::timeout, [&] { ticks.push_back(msSince(clock)); });
    const auto watch = QObject::connect(kid->richy, &QsciScintillaBase::SCN_MODIFIED, [&] {
        if (putStart < 0)
            putStart = msSince(clock);
    });
    const qsizetype stepsBefore = kid->undoStack().stackLevel();
    ticker.start();
    clock.start();
    ticks.push_back(0);
    replace->cmdReplaceAll->click();
    run.replaceAll = msSince(clock);
    QCoreApplication::processEvents();
    ticker.stop();
    QObject::disconnect(watch);
    r.stepRecorded = kid->undoStack().stackLevel() == stepsBefore + 1 && kid->undoStack().top().isWholeText();
    r.replacements = frame.lblResult->text().section(QLatin1Char(' '), 4, 4).toLongLong();
    for (size_t i = 1; i < ticks.size(); ++i) {
        const double gap = ticks[i] - ticks[i - 1];
        if (putStart >= ticks[i - 1] && putStart <= ticks[i])
            run.putGap = gap;
        else
            run.maxGap = std::max(run.maxGap, gap);
    }
    run.undo = timed([&] { kid->cmdUndo_Click(); });
    return run;
}

ReplaceResults measureReplace(topForm &frame, const QByteArray &bytes, int runs)
{
    ReplaceResults r;
    frmKid *kid = openPage(frame, bytes);
    std::vector<double> replaces, gaps, puts, undos, bareReplaces, bareSets;
    for (int i = 0; i < runs; ++i) {
        const ReplaceRun run = replaceOnce(frame, kid, r);
        replaces.push_back(run.replaceAll);
        gaps.push_back(run.maxGap);
        puts.push_back(run.putGap);
        undos.push_back(run.undo);
        r.allGaps.push_back(run.maxGap);

        QByteArray result;
        bareReplaces.push_back(timed([&] { result = bareReplace(bytes, kReplaceWord, kReplaceWith); }));
        richy editor;
        bareSets.push_back(
            timed([&] { editor.SendScintilla(QsciScintillaBase::SCI_SETTEXT, 0UL, result.constData()); }));
    }
    closePage(kid);
    r.replaceAll = Bench::median(replaces);
    r.maxGap = Bench::median(gaps);
    r.putGap = Bench::median(puts);
    r.undo = Bench::median(undos);
    r.bareReplace = Bench::median(bareReplaces);
    r.bareSetText = Bench::median(bareSets);
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
    const FindResults big = measureFind(frame, large, 5);
    const FindResults little = measureFind(frame, small, 5);
    const QByteArray page = makePage(large);
    const ReplaceResults rep = measureReplace(frame, page, 3);

    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("page.htm"));
    {
        QFile out(file);
        if (out.open(QIODevice::WriteOnly))
            out.write(page);
    }
    const double grep =
        toolMs(QStringLiteral("grep -o -i -F %1 '%2' | wc -l > /dev/null").arg(kFindWord, file));
    const double sed =
        toolMs(QStringLiteral("sed 's/%1/%2/g' '%3' > /dev/null").arg(kReplaceWord, kReplaceWith, file));

    QTextStream out(stdout);
    out << QString::asprintf("page: %.1f MB, %lld lines; medians of 5 (Find) and 3 (Replace) runs\n",
                             large / 1048576.0, qint64(page.count('\n')));
    out << QString::asprintf("Find from 0 (count %lld)            %10.1f ms\n", qint64(big.count), big.find);
    out << QString::asprintf("bare std::search count (count %lld)  %10.1f ms\n", qint64(big.bareCount),
                             big.bare);
    out << QString::asprintf("Find Next median, 100 KB            %10.3f ms\n", little.findNextMedian);
    out << QString::asprintf("Find Next median, 50 MB             %10.3f ms\n", big.findNextMedian);
    out << QString::asprintf("Replace All, click to step (%lld)  %10.1f ms%s\n", qint64(rep.replacements),
                             rep.replaceAll, rep.stepRecorded ? "" : "  (NO STEP RECORDED)");
    out << QString::asprintf("bare std::search replace            %10.1f ms\n", rep.bareReplace);
    out << QString::asprintf("bare SCI_SETTEXT of the result      %10.1f ms\n", rep.bareSetText);
    out << QString::asprintf("longest event gap in Replace All    %10.1f ms (each run:", rep.maxGap);
    for (const double gap : rep.allGaps)
        out << QString::asprintf(" %.1f", gap);
    out << ")\n";
    out << QString::asprintf("putting the result into the page    %10.1f ms\n", rep.putGap);
    out << QString::asprintf("Undo of Replace All                 %10.1f ms\n", rep.undo);
    out << QString::asprintf("grep -o -i -F | wc -l               %10.1f ms\n", grep);
    out << QString::asprintf("sed s///g                           %10.1f ms\n", sed);
    if (big.count != big.bareCount)
        out << "COUNTS DIFFER: Find and the bare count disagree\n";

    const double findRatio = big.find / std::max(big.bare, 0.001);
    const double findNextRatio = big.findNextMedian / std::max(little.findNextMedian, 0.001);
    const double replaceRatio = rep.replaceAll / std::max(rep.bareReplace + rep.bareSetText, 0.001);
    out << QString::asprintf(
        "bench-find: find-ratio=%.2f findnext-ratio=%.2f replace-ratio=%.2f max-gap-ms=%.1f\n", findRatio,
        findNextRatio, replaceRatio, rep.maxGap);
    return big.count == big.bareCount && rep.stepRecorded ? 0 : 1;
}
