// Zevora - long-line benchmark: does typing, moving the caret and opening cost
// the same on a minified page (all of it one line) as on an ordinary page?
// Every step goes through the real key path and ends with a full repaint.
//   zevora-bench-longline           5 MB and 50 MB single-line pages
//   zevora-bench-longline --quick   5 MB pages only
#include "BenchSupport.h"
#include "FileCommands.h"
#include "Services.h"
#include "frmKid.h"
#include "richy.h"
#include "topForm.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QKeyEvent>
#include <QTemporaryDir>
#include <QTextStream>

#include <algorithm>
#include <cstdio>
#include <ctime>
#include <functional>
#include <vector>

namespace {

// Minified HTML: tags, attributes and text with a little non-ASCII, no line
// breaks at all.
QByteArray makeMinified(qsizetype bytes)
{
    QByteArray page;
    page.reserve(bytes + 256);
    page += "<!DOCTYPE html><html><head><title>Shop</title></head><body>";
    for (int item = 0; page.size() < bytes; ++item) {
        page += "<div class=\"card c" + QByteArray::number(item % 7) + "\"><a href=\"/p/" +
                QByteArray::number(item) + ".html\"><img src=\"i" + QByteArray::number(item) +
                ".png\" alt=\"\"></a><p>Item " + QByteArray::number(item) + " costs " +
                QByteArray::number(item % 90 + 10) +
                (item % 11 == 0 ? " \xE2\x82\xAC, caf\xC3\xA9" : " EUR") + "</p></div>";
    }
    page.truncate(bytes);
    return page;
}

double msSince(const QElapsedTimer &timer)
{
    return timer.nsecsElapsed() / 1e6;
}

// The machine is shared: the time this thread ran is steadier than the
// time on the clock, and all of the work measured runs on it.
double threadMs()
{
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return now.tv_sec * 1e3 + now.tv_nsec / 1e6;
}

// The median of at least three runs (fewer only when they take half a minute
// together), more while they are cheap.
double medianMs(const std::function<void()> &operation, int maxRuns = 21, double budgetMs = 3000)
{
    std::vector<double> times;
    QElapsedTimer total;
    total.start();
    while (int(times.size()) < maxRuns &&
           (times.size() < 3 ? msSince(total) < 10 * budgetMs : msSince(total) < budgetMs)) {
        const double start = threadMs();
        operation();
        times.push_back(threadMs() - start);
    }
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}

void paint(frmKid *kid)
{
    kid->richy->viewport()->repaint();
    QCoreApplication::processEvents();
}

void sendKey(frmKid *kid, int key, const QString &text = QString())
{
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, text);
    QCoreApplication::sendEvent(kid->richy, &press);
    QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier, text);
    QCoreApplication::sendEvent(kid->richy, &release);
    paint(kid);
}

void closeQuietly(frmKid *kid)
{
    kid->richy->setDataChanged(false);
    kid->close();
    delete kid;
    QCoreApplication::processEvents();
}

struct Results
{
    double open = 0, typeEnd = 0, typeMiddle = 0, caretEnd = 0, caretMiddle = 0;
};

Results measure(topForm &frame, const QString &path, bool editing)
{
    Results r;
    const int openRuns = QFileInfo(path).size() > 10'000'000 ? 1 : 3;
    frmKid *kid = nullptr;
    r.open = medianMs(
        [&] {
            if (kid)
                closeQuietly(kid);
            kid = frame.files()->OpenDocument(path);
            paint(kid);
        },
        openRuns);
    if (!editing) {
        closeQuietly(kid);
        return r;
    }
    class richy *editor = kid->richy;
    const auto caretMoves = [&] {
        bool left = true;
        return medianMs([&] {
            sendKey(kid, left ? Qt::Key_Left : Qt::Key_Right);
            left = !left;
        });
    };
    editor->setSelStart(editor->textLength());
    paint(kid);
    r.typeEnd = medianMs([&] { sendKey(kid, Qt::Key_X, QStringLiteral("x")); });
    r.caretEnd = caretMoves();
    editor->setSelStart(editor->textLength() / 2);
    paint(kid);
    r.typeMiddle = medianMs([&] { sendKey(kid, Qt::Key_X, QStringLiteral("x")); });
    r.caretMiddle = caretMoves();
    closeQuietly(kid);
    return r;
}

} // namespace

int main(int argc, char *argv[])
{
    Bench::offscreenUnlessSet();
    QApplication app(argc, argv);
    const bool quick = app.arguments().contains(QStringLiteral("--quick"));
    Platform::Services::installQtServices();
    QTemporaryDir dir;
    topForm frame;
    frame.resize(1000, 700);
    frame.show();
    QCoreApplication::processEvents();
    QTextStream out(stdout);

    struct Page
    {
        const char *name;
        QByteArray bytes;
        bool editing;
        Results results;
    };
    std::vector<Page> pages;
    pages.push_back({"ordinary 100 KB", Bench::ordinaryPage(100 * 1024, 74), true, {}});
    pages.push_back({"single line 5 MB", makeMinified(5 * 1024 * 1024), true, {}});
    if (quick) {
        pages.push_back({"ordinary 5 MB", Bench::ordinaryPage(5 * 1024 * 1024, 74), false, {}});
    } else {
        pages.push_back({"single line 50 MB", makeMinified(50 * 1024 * 1024), true, {}});
        pages.push_back({"ordinary 50 MB", Bench::ordinaryPage(50 * 1024 * 1024, 74), false, {}});
    }
    out << "page                   open   type end  type mid  caret end  caret mid  (ms of CPU, with a "
           "repaint)\n";
    out.flush();
    for (Page &page : pages) {
        const QString path = dir.filePath(QStringLiteral("page.htm"));
        {
            QFile file(path);
            file.open(QIODevice::WriteOnly | QIODevice::Truncate);
            file.write(page.bytes);
        }
        page.bytes = QByteArray();
        const Results &r = page.results = measure(frame, path, page.editing);
        out << QString::asprintf("%-18s %9.1f %10.2f %9.2f %10.2f %10.2f\n", page.name, r.open, r.typeEnd,
                                 r.typeMiddle, r.caretEnd, r.caretMiddle);
        out.flush();
    }

    // T and C: the largest single-line page against the ordinary 100 KB one;
    // O: opening the 50 MB single-line page against the ordinary 50 MB one
    // (with --quick, the 5 MB pages).
    const Results &small = pages.front().results;
    const Results &longLine = pages.at(quick ? 1 : 2).results;
    const Results &ordinary = pages.back().results;
    const double type = std::max(longLine.typeEnd, longLine.typeMiddle) /
                        std::max(std::max(small.typeEnd, small.typeMiddle), 0.01);
    const double caret = std::max(longLine.caretEnd, longLine.caretMiddle) /
                         std::max(std::max(small.caretEnd, small.caretMiddle), 0.01);
    const double open = longLine.open / std::max(ordinary.open, 0.01);
    out << QString::asprintf("bench-longline: type-ratio=%.2f caret-ratio=%.2f open-ratio=%.2f%s\n", type,
                             caret, open, quick ? " (quick: 5 MB)" : "");
    return 0;
}
