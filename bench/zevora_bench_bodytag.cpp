// Zevora - BODY tag benchmark: reading the tag, Select of the page colours
// dialog and Enter of the background dialog on 50 MB CRLF pages (the tag at
// the end, no tag, a "<body" without ">"), each against the same fetch of
// the page's text and a bare search or replace; and reading a one-line tag
// of 10 MB against one of 5 MB.
#include "BenchSupport.h"
#include "BodyTag.h"
#include "MessageService.h"
#include "Services.h"
#include "frmBackground.h"
#include "frmKid.h"
#include "frmPageColors.h"
#include "richy.h"
#include "topForm.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QPushButton>
#include <QTextStream>

#include <algorithm>
#include <functional>
#include <vector>

namespace {

// Answers every box with OK, so that a page with a malformed tag can be
// measured without anyone to answer.
class QuietMessages : public Platform::MessageService
{
public:
    Platform::MsgAnswer show(const Platform::MessageBox &) override { return Platform::MsgAnswer::Ok; }
    void progress(const QString &, const QString &) override {}
    void endProgress() override {}
};

// Lines of 80 characters (CR LF included) of markup, and \a tail at the end.
QByteArray makePage(qsizetype bytes, const QByteArray &tail)
{
    QByteArray page;
    page.reserve(bytes + tail.size() + 128);
    for (int line = 0; page.size() < bytes; ++line) {
        QByteArray text = "<p class=\"item\">caf\xC3\xA9 " + QByteArray::number(line) + " <b>bold</b> text";
        while (text.size() < 74)
            text += " x";
        page += text.left(74) + "</p>\r\n";
    }
    return page + tail;
}

double timed(const std::function<void()> &operation)
{
    QElapsedTimer timer;
    timer.start();
    operation();
    return timer.nsecsElapsed() / 1e6;
}

struct Results
{
    double read = 0, bareRead = 0, select = 0, bareSelect = 0, enter = 0, bareEnter = 0;
};

// The bare work: the same fetch of the text, the first "<body" in any case
// and the first ">" after it.
std::pair<qsizetype, qsizetype> bareFind(const frmKid *kid, QString &text)
{
    text = kid->richy->Text();
    const qsizetype at = text.indexOf(QLatin1String("<body"), 0, Qt::CaseInsensitive);
    return {at, at < 0 ? -1 : text.indexOf(QLatin1Char('>'), at)};
}

// Alternates each measure with its baseline, \a runs times, and compares the
// medians: the machine may be busy with other work.
Results measure(topForm &frame, const QByteArray &bytes, int runs)
{
    frmKid *kid = frame.newDocumentWindow();
    kid->richy->loadText(bytes);
    kid->richy->setSelStart(0);
    QCoreApplication::processEvents();
    const QString before = kid->richy->Text();
    const QString tag = QStringLiteral("<BODY bgColor=\"#FFFFFF\">");

    std::vector<double> reads, bareReads, selects, bareSelects, enters, bareEnters;
    for (int run = 0; run < runs; ++run) {
        reads.push_back(timed([&] { BodyTag::read(kid->richy->Text()); }));
        QString text;
        bareReads.push_back(timed([&] { bareFind(kid, text); }));

        frmPageColors *colours = frmPageColors::showFor(kid, &frame);
        QCoreApplication::processEvents();
        selects.push_back(timed([&] { colours->cmdOK->click(); }));
        kid->cmdUndo_Click();
        bareSelects.push_back(timed([&] {
            const auto [at, end] = bareFind(kid, text);
            kid->richy->replaceUnrecorded(std::max<qsizetype>(at, 0), end < 0 ? 0 : end + 1 - at, tag);
        }));
        kid->richy->replaceAllUnrecorded(before);

        frmBackground *background = frmBackground::showFor(kid, nullptr, &frame);
        QCoreApplication::processEvents();
        enters.push_back(timed([&] { background->cmdOK->click(); }));
        kid->cmdUndo_Click();
        bareEnters.push_back(timed([&] {
            const qsizetype at = bareFind(kid, text).first;
            kid->richy->replaceUnrecorded(at < 0 ? 0 : at + 5, 0,
                                          QStringLiteral(" background=\"myImage.gif\""));
        }));
        kid->richy->replaceAllUnrecorded(before);
        QCoreApplication::processEvents();
    }
    kid->richy->setDataChanged(false);
    kid->close();
    delete kid;
    QCoreApplication::processEvents();
    return {Bench::median(reads),       Bench::median(bareReads), Bench::median(selects),
            Bench::median(bareSelects), Bench::median(enters),    Bench::median(bareEnters)};
}

// Reading a tag that is one long line of attributes, \a bytes long.
double readLongTag(qsizetype bytes)
{
    QString tag = QStringLiteral("<body");
    while (tag.size() < bytes)
        tag += QStringLiteral(" onclick=\"a>b\" class=x\tid='y'");
    tag += QStringLiteral(" text=\"#000000\">\r\n");
    std::vector<double> times;
    for (int run = 0; run < 3; ++run)
        times.push_back(timed([&] { BodyTag::read(tag); }));
    return Bench::median(times);
}

} // namespace

int main(int argc, char *argv[])
{
    Bench::offscreenUnlessSet();
    QApplication app(argc, argv);
    Platform::Services::installQtServices();
    QuietMessages messages;
    Platform::Services::install(&messages, nullptr, nullptr);
    topForm frame;
    frame.show();

    const qsizetype large = 50 * 1024 * 1024;
    const struct
    {
        const char *name;
        QByteArray tail;
    } pages[] = {
        {"tag at the end", "<body bgcolor=\"#FFFFFF\" text=\"#000000\" onload=\"init()\">\r\n</body>\r\n"},
        {"no tag", "</p>\r\n"},
        {"<body without >", "<body bgcolor=\"#FFFFFF\"\r\n"},
    };
    QTextStream out(stdout);
    out << QString::asprintf("pages of %.1f MB, CR LF; medians of 3 runs, in ms\n", large / 1048576.0);
    out << QString::asprintf("%-18s %9s %9s %9s %9s %9s %9s\n", "page", "read", "bare", "Select", "bare",
                             "Enter", "bare");
    double readRatio = 0, selectRatio = 0, backgroundRatio = 0;
    for (const auto &page : pages) {
        const Results r = measure(frame, makePage(large, page.tail), 3);
        out << QString::asprintf("%-18s %9.1f %9.1f %9.1f %9.1f %9.1f %9.1f\n", page.name, r.read, r.bareRead,
                                 r.select, r.bareSelect, r.enter, r.bareEnter);
        readRatio = std::max(readRatio, r.read / std::max(r.bareRead, 0.001));
        selectRatio = std::max(selectRatio, r.select / std::max(r.bareSelect, 0.001));
        backgroundRatio = std::max(backgroundRatio, r.enter / std::max(r.bareEnter, 0.001));
    }
    const double five = readLongTag(5 * 1024 * 1024);
    const double ten = readLongTag(10 * 1024 * 1024);
    out << QString::asprintf("one-line tag: 5 MB %.1f ms, 10 MB %.1f ms\n", five, ten);
    out << QString::asprintf("bench-bodytag: read-ratio=%.2f select-ratio=%.2f background-ratio=%.2f "
                             "line-growth=%.2f\n",
                             readRatio, selectRatio, backgroundRatio, ten / std::max(five, 0.001));
    return 0;
}
