// Zevora - spell check benchmark: a whole-page check of a 50 MB page through
// tool 10 against a bare loop that checks each distinct word of the same
// bytes once, how long the program stops answering meanwhile, and the time
// from Change to the next unknown word at the page's end.
#include "BenchSupport.h"
#include "EnchantSpellService.h"
#include "MessageService.h"
#include "Services.h"
#include "frmKid.h"
#include "frmSpell.h"
#include "richy.h"
#include "topForm.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTextStream>
#include <QTimer>

#include <algorithm>
#include <string_view>
#include <unordered_set>
#include <vector>

namespace {

// Boxes are noted, not shown; the completion box ends the wait for a check.
class NotingMessages : public Platform::MessageService
{
public:
    Platform::MsgAnswer show(const Platform::MessageBox &box) override
    {
        shown.append(box.text);
        if (box.text == QLatin1String("Spell Check Completed."))
            loop.quit();
        return Platform::MsgAnswer::Ok;
    }
    void progress(const QString &, const QString &) override {}
    void endProgress() override {}

    QStringList shown;
    QEventLoop loop;
};

// Correctly spelled text between tags with attributes, script and style
// blocks, comments, character references, and CR LF line ends.
QByteArray makePage(qsizetype bytes)
{
    static const char *const words[] = {
        "the",       "quick",     "brown",     "fox",      "jumps",     "over",       "lazy",
        "dog",       "garden",    "house",     "window",   "morning",   "evening",    "river",
        "mountain",  "friend",    "letter",    "answer",   "question",  "people",     "always",
        "never",     "between",   "under",     "water",    "summer",    "winter",     "receive",
        "believe",   "necessary", "separate",  "library",  "February",  "government", "environment",
        "beautiful", "different", "important", "together", "yesterday", "tomorrow",   "Wednesday"};
    QByteArray page;
    page.reserve(bytes + 512);
    for (int line = 0; page.size() < bytes; ++line) {
        QByteArray text;
        switch (line % 12) {
        case 0:
            text = "<p class=\"intro-text\" id=\"p" + QByteArray::number(line) + "\">";
            break;
        case 3:
            text = "<img src=\"pics/xqzt.gif\" alt=\"a brown dog\" title=\"the garden\"> ";
            break;
        case 5:
            text = "<script type=\"text/javascript\">var xqzt = frmbl(\"qwrtz\");</script> ";
            break;
        case 7:
            text = "<style>p.xqzt { colr: #ff0000; }</style><!-- nt chckd --> ";
            break;
        case 9:
            text = "don&#39;t &amp; &quot;it&#x2019;s&quot;&nbsp;";
            break;
        default:
            break;
        }
        for (int i = 0; text.size() < 76; ++i)
            text += QByteArray(words[(line * 7 + i * 3) % std::size(words)]) + ' ';
        page += text + (line % 12 == 11 ? "</p>\r\n" : "\r\n");
    }
    page.truncate(bytes - 2);
    page += "\r\n";
    return page;
}

double msSince(const QElapsedTimer &timer)
{
    return timer.nsecsElapsed() / 1e6;
}

// The bare loop: the UTF-8 bytes split at every byte that is no ASCII letter
// (bytes of other characters count as letters), each distinct word checked
// once.
double bareLoop(const QByteArray &page, Platform::SpellDictionary &dictionary, qsizetype &distinct)
{
    QElapsedTimer timer;
    timer.start();
    std::unordered_set<std::string_view> seen;
    const auto isLetter = [](unsigned char c) {
        return ((c | 0x20) >= 'a' && (c | 0x20) <= 'z') || c >= 0x80;
    };
    const char *data = page.constData();
    for (qsizetype i = 0, n = page.size(); i < n;) {
        while (i < n && !isLetter(data[i]))
            ++i;
        const qsizetype start = i;
        while (i < n && isLetter(data[i]))
            ++i;
        if (i > start && seen.emplace(data + start, size_t(i - start)).second)
            dictionary.check(QString::fromUtf8(data + start, i - start));
    }
    distinct = qsizetype(seen.size());
    return msSince(timer);
}

struct Check
{
    double total = 0;
    double maxGap = 0;
    bool completed = false;
};

// Runs tool 10 on \a kid until the completion box, answering each stop with
// \a answer, and notes the longest gap between two ticks of a 1 ms timer.
Check checkPage(topForm &frame, NotingMessages &messages, const std::function<void(frmSpell *)> &answer = {})
{
    Check check;
    QElapsedTimer clock;
    std::vector<double> ticks;
    QTimer ticker;
    ticker.setInterval(1);
    QObject::connect(&ticker, &QTimer::timeout, [&] { ticks.push_back(msSince(clock)); });
    QTimer stops;
    stops.setInterval(0);
    if (answer) {
        QObject::connect(&stops, &QTimer::timeout, [&] {
            for (frmSpell *spell : frame.findChildren<frmSpell *>()) {
                if (spell->isVisible() && spell->cmdIgnore->isEnabled())
                    answer(spell);
            }
        });
    }
    messages.shown.clear();
    ticker.start();
    stops.start();
    clock.start();
    ticks.push_back(0);
    frame.Picture1_Click(Tool::Spelling);
    if (!messages.shown.contains(QLatin1String("Spell Check Completed.")))
        messages.loop.exec();
    check.total = msSince(clock);
    ticker.stop();
    stops.stop();
    check.completed = messages.shown == QStringList{QStringLiteral("Spell Check Completed.")};
    for (size_t i = 1; i < ticks.size(); ++i)
        check.maxGap = std::max(check.maxGap, ticks[i] - ticks[i - 1]);
    return check;
}

} // namespace

int main(int argc, char *argv[])
{
    Bench::offscreenUnlessSet();
    // Nothing is added to the user's own word list.
    QTemporaryDir config;
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(config.path()));
    QApplication app(argc, argv);
    Platform::Services::installQtServices();
    NotingMessages messages;
    Platform::Services::install(&messages, nullptr, nullptr);
    topForm frame;
    frame.show();

    Platform::EnchantSpellService enchant;
    std::unique_ptr<Platform::SpellDictionary> dictionary = enchant.open(QStringLiteral("en_US"));
    if (!dictionary) {
        QTextStream(stderr) << "bench-spell: no en_US Hunspell dictionary installed\n";
        return 1;
    }

    const QByteArray page = makePage(50 * 1024 * 1024);
    frmKid *kid = frame.newDocumentWindow();
    kid->richy->loadText(page);
    kid->richy->setSelStart(0);
    QCoreApplication::processEvents();

    // A check that finds nothing, against the bare loop, alternately.
    std::vector<double> checks, gaps, bares;
    qsizetype distinct = 0;
    bool clean = true;
    for (int run = 0; run < 3; ++run) {
        const Check check = checkPage(frame, messages);
        clean = clean && check.completed && kid->undoStack().isEmpty();
        checks.push_back(check.total);
        gaps.push_back(check.maxGap);
        bares.push_back(
            bareLoop(page, *Platform::EnchantSpellService().open(QStringLiteral("en_US")), distinct));
    }

    // Change at the page's end: the time from the click to the next stop.
    kid->richy->setSelStart(kid->richy->textLength());
    kid->kidPaste(QStringLiteral("the end wrongg worsd\r\n"));
    kid->richy->setSelStart(0);
    std::vector<double> changes;
    checkPage(frame, messages, [&](frmSpell *spell) {
        if (spell->txtContext->textCursor().selectedText() == QLatin1String("wrongg")) {
            spell->txtChangeTo->setText(QStringLiteral("wrong"));
            QElapsedTimer timer;
            timer.start();
            spell->cmdChange->click();
            changes.push_back(msSince(timer));
        } else {
            spell->cmdClose->click();
        }
    });
    std::vector<double> suggestions;
    for (const char *word : {"wrongg", "worsd", "recieve", "seperate", "goverment"}) {
        QElapsedTimer timer;
        timer.start();
        dictionary->suggest(QString::fromLatin1(word));
        suggestions.push_back(msSince(timer));
    }
    kid->richy->setDataChanged(false);

    const double check = Bench::median(checks);
    const double bare = Bench::median(bares);
    // Other work on a busy machine stretches single gaps: the median of the
    // runs' longest gaps is the figure.
    const double maxGap = Bench::median(gaps);
    QTextStream out(stdout);
    out << QString::asprintf("page: %.1f MB, %lld lines, %lld distinct words; medians of 3 runs\n",
                             page.size() / 1048576.0, qint64(page.count('\n')), qint64(distinct));
    out << QString::asprintf("whole-page check, click to completion  %10.1f ms\n", check);
    out << QString::asprintf("bare split-and-check loop               %10.1f ms\n", bare);
    out << QString::asprintf("longest event gap in the check         %10.1f ms (each run:", maxGap);
    for (const double gap : gaps)
        out << QString::asprintf(" %.1f", gap);
    out << ")\n";
    out << QString::asprintf("Change to the next stop, page's end    %10.1f ms\n",
                             changes.empty() ? -1.0 : changes[0]);
    out << QString::asprintf("suggestions for one word (median of 5) %10.1f ms\n", Bench::median(suggestions));
    if (!clean)
        out << "THE CHECK FOUND SOMETHING OR CHANGED THE PAGE\n";
    out << QString::asprintf("bench-spell: scan-ratio=%.2f max-gap-ms=%.1f\n", check / std::max(bare, 0.001),
                             maxGap);
    return clean && !changes.empty() ? 0 : 1;
}
