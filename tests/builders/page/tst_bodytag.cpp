// Zevora tests - the BODY tag reader and writers, on pages as text.
#include "BodyTag.h"
#include "BodyTagCheck.h"
#include "FakeServices.h"

#include <QTest>

#include <random>

using namespace Platform;

namespace {

MessageBox box(const char *title, const char *text, MsgButtons buttons = MsgButtons::Ok)
{
    return {title, text, MsgIcon::None, buttons, true};
}

// The boxes reading shows, by the keys the tables use.
const QHash<QString, MessageBox> Boxes = {
    {"note", box("Zevora Note:", "There appears to be a malformed BODY tag on your page.\n"
                                 "Please correct the tag first to prevent later errors...")},
    {"end", box("Zevora Prompt:",
                "You appear to be missing the end \">\" of your body tag.\n\n"
                "If you do not cancel, your current BODY tag will be completely replaced.",
                MsgButtons::OkCancel)},
    {"prompt", box("Zevora Prompt:",
                   "There was an error reading the current BODY tag.\n\n"
                   "You may have a malformed tag, or a color may not have been set in Hexidecimal.\n"
                   "If you do not cancel the current tag will be completely replaced.",
                   MsgButtons::OkCancel)},
    {"code", box("Zevora", "For your reference...\n\n"
                           "You have an invalid character as a color code in the current body tag.\n"
                           "Hex character values range [0-9] and [a-f] or [A-F]")},
};

const QString Defaults =
    R"~(<BODY bgColor="#FFFFFF" text="#000000" link="#0000FF" alink="#FF0000" vlink="#FF00FF">)~";

} // namespace

class tst_BodyTag : public QObject
{
    Q_OBJECT

private slots:
    void readingGivesTheTagItsColoursAndWhatToSay_data();

    void readingGivesTheTagItsColoursAndWhatToSay()
    {
        QFETCH(QString, page);
        QFETCH(int, length);
        QFETCH(QString, read);
        const BodyTag tag = BodyTag::read(page);
        QCOMPARE(tag.extent().length, length);
        const cColorPage &record = tag.record();
        QList<MessageBox> boxes = tag.notes();
        if (tag.question())
            boxes.append(*tag.question());
        QStringList said;
        for (const MessageBox &shown : std::as_const(boxes))
            said.append(Boxes.key(shown));
        QCOMPARE(QStringList({record.cBG(), record.cText(), record.cLink(), record.cAlink(), record.cVlink(),
                              record.cOther(), said.join(',')})
                     .join('|'),
                 read);
    }

    void selectWritesOverTheTagItReadOnly_data();

    void selectWritesOverTheTagItReadOnly()
    {
        QFETCH(QString, read);
        QFETCH(QString, now);
        QFETCH(QString, picks);
        BodyTag tag = BodyTag::read(read);
        const QStringList pairs = picks.split(' ', Qt::SkipEmptyParts);
        for (qsizetype i = 0; i + 1 < pairs.size(); i += 2)
            tag.pick(pairs.at(i).toInt(), '"' + pairs.at(i + 1) + '"');
        const QString page = now.isNull() ? read : now;
        const std::optional<BodyTag::Edit> edit = tag.selectEdit(page, 0, 0);
        QTEST(edit ? BodyTagCheck::apply(page, *edit) : QString(), "expected");
    }

    void theBackgroundGoesRightAfterBody_data();

    void theBackgroundGoesRightAfterBody()
    {
        QFETCH(QString, page);
        QFETCH(int, selStart);
        QFETCH(int, selLength);
        QFETCH(QString, name);
        QFETCH(int, caret);
        const BodyTag::Edit edit = BodyTag::backgroundEdit(page, selStart, selLength, name);
        QTEST(BodyTagCheck::apply(page, edit), "expected");
        QCOMPARE(edit.caret, caret);
    }

    // Pages of BODY tag pieces in random order, with random characters put in
    // and taken out, and now and then a line of 1 MB. ZEVORA_BODYTAG_SEED and
    // ZEVORA_BODYTAG_ROUNDS override the seed and the number of rounds.
    void randomPagesKeepEveryRule()
    {
        const quint32 seed = qEnvironmentVariableIsSet("ZEVORA_BODYTAG_SEED")
                                 ? quint32(qEnvironmentVariableIntValue("ZEVORA_BODYTAG_SEED"))
                                 : 20260110u;
        const int rounds = qEnvironmentVariableIsSet("ZEVORA_BODYTAG_ROUNDS")
                               ? qEnvironmentVariableIntValue("ZEVORA_BODYTAG_ROUNDS")
                               : 4000;
        qInfo("seed %u, %d rounds", seed, rounds);
        std::mt19937 random(seed);
        const auto below = [&random](qsizetype n) {
            return qsizetype(random() % quint32(std::max<qsizetype>(n, 1)));
        };
        static const QStringList pieces = {
            "<body",   "<BODY",    " ",         " ",          "\t",    "bgcolor",    "BGColor",
            "text",    "link",     "alink",     "vlink",      "linkx", "background", "Background",
            "onload",  "=",        "=",         " = ",        "\"",    "'",          "\"#FF8800\"",
            "#00ff00", "\"#FFF\"", "'#0a0B0c'", "\"white\"",  ">",     ">",          "\r\n",
            "\n",      "\r",       "x",         "\U0001F600", "é",     "\"a>b\"",    "\"a b\""};
        static const QString noise = " \t\"'<>=#\r\nbBy";
        static const QStringList names = {"img/bg.gif", "", "a b.gif", "é.png", "a\"b", "x>y"};
        for (int round = 0; round < rounds; ++round) {
            QString page;
            for (qsizetype n = below(30); n > 0; --n)
                page += pieces.at(below(pieces.size()));
            for (qsizetype n = below(4); n > 0; --n)
                random() % 2 ? page.insert(below(page.size() + 1), noise.at(below(noise.size())))
                             : page.remove(below(page.size() + 1), 1);
            if (round % 1000 == 999)
                page.insert(below(page.size() + 1), QString(1 << 20, random() % 2 ? u'a' : u' '));
            const qsizetype selStart = below(page.size() + 1);
            const qsizetype selLength = below(page.size() - selStart + 1);
            QList<BodyTagCheck::Pick> picks;
            for (qsizetype n = below(4); n > 0; --n)
                picks.append({int(below(5)), QString::asprintf("\"#%06X\"", uint(random() & 0xFFFFFF))});
            if (const char *failure =
                    BodyTagCheck::check(page, selStart, selLength, picks, names.at(below(names.size())))) {
                QString shown = page.left(300);
                shown.replace('\r', "\\r").replace('\n', "\\n");
                QFAIL(qPrintable(
                    QString("seed %1, round %2: %3\npage: %4").arg(seed).arg(round).arg(failure, shown)));
            }
        }
    }
};

void tst_BodyTag::readingGivesTheTagItsColoursAndWhatToSay_data()
{
    QTest::addColumn<QString>("page");
    QTest::addColumn<int>("length");
    // cBG|cText|cLink|cAlink|cVlink|cOther|the boxes shown, by key
    QTest::addColumn<QString>("read");

    QTest::addRow("any case, as written") << R"~(<BODY BGCOLOR="#ffffff" onload="init()">)~" << 40
                                          << R"~( BGCOLOR="#ffffff"||||| onload="init()"|)~";
    QTest::addRow("whole names; double, single, no quotes")
        << R"~(<body linkx="#111111" alink="#222222" vlink='#333333' link=#444444>)~" << 67
        << R"~(|| link=#444444| alink="#222222"| vlink='#333333'| linkx="#111111"|)~";
    QTest::addRow("blanks and tabs around =") << "<body bgcolor = \"#FFFFFF\"\ttext\t=\t\"#000000\">" << 43
                                              << " bgcolor = \"#FFFFFF\"| text\t=\t\"#000000\"|||||";
    QTest::addRow("> inside a quoted value") << R"~(<body onload="if (a>b) go()" text="#000000">x)~" << 44
                                             << R"~(| text="#000000"|||| onload="if (a>b) go()"|)~";
    QTest::addRow("others squeezed between, not inside")
        << "<body  onload=\"a  b\"\t\tclass=x   id='y  z'>" << 42
        << R"~(||||| onload="a  b" class=x id='y  z'|)~";
    QTest::addRow("beyond the BMP before it")
        << "\U0001F600<body vlink=\"#010203\">" << 22 << R"~(|||| vlink="#010203"||)~";
    QTest::addRow("bad codes: a note each, kept")
        << R"~(<body bgcolor="#FFF" text=#12 link="#GG0000" vlink="#00ff00">)~" << 61
        << R"~( bgcolor="#FFF"| text=#12| link="#GG0000"|| vlink="#00ff00"||code,code,code)~";
    QTest::addRow("a colour name") << R"~(<body text="#000000" bgcolor="white">)~" << 37 << "||||||prompt";
    QTest::addRow("a colour's quote open: the first > ends it")
        << "<body text=\"#000000>\r\n<p class=\"c\">" << 20 << "||||||prompt";
    QTest::addRow("another quote open") << "<body onload=\"a>b\r\nc\">" << 16 << "||||| onload=\"a|";
    QTest::addRow("two lines, CR LF") << "<body text=\"#000000\"\r\nlink=\"#0000FF\">" << 20 << "||||||end";
    QTest::addRow("two lines, LF") << "x\n<body a=\">\"\nb>" << 11 << "||||||end";
    QTest::addRow("no > after <body") << "<p>>\r\n<body bgcolor=\"#FFFFFF\"\r\n<p" << 23 << "||||||note";
}

void tst_BodyTag::selectWritesOverTheTagItReadOnly_data()
{
    QTest::addColumn<QString>("read");
    QTest::addColumn<QString>("now");      // the page at Select; null when unchanged
    QTest::addColumn<QString>("picks");    // attribute index, code
    QTest::addColumn<QString>("expected"); // "" when nothing may be written

    const QString tag = R"~(<body text="#000000">)~";
    QTest::addRow("a pick keeps what was read, in order")
        << "x<BODY BGCOLOR=\"#ffffff\" onload=\"init()\">y" << QString() << "1 #CC3300"
        << "x<BODY BGCOLOR=\"#ffffff\" text=\"#CC3300\" onload=\"init()\">y";
    QTest::addRow("no pick: only absent colours get defaults")
        << "<body\ttext='#123456' id=main>" << QString() << ""
        << R"~(<BODY bgColor="#FFFFFF" text='#123456' link="#0000FF" alink="#FF0000" vlink="#FF00FF" id=main>)~";
    QTest::addRow("the last pick counts; values keep blanks")
        << R"~(<body onload="a  b"  bgcolor="#000000">)~" << QString() << "0 #003366 0 #FFFFCC"
        << R"~(<BODY bgColor="#FFFFCC" onload="a  b">)~";
    QTest::addRow("after the note: before <body") << "<p><body bgcolor=x\r\n"
                                                  << QString() << "3 #FF00FF"
                                                  << "<p><BODY alink=\"#FF00FF\"><body bgcolor=x\r\n";
    QTest::addRow("text put before it") << tag + "z"
                                        << "new\r\n" + tag + "z"
                                        << ""
                                        << "new\r\n" + Defaults + "z";
    QTest::addRow("another tag put before it") << tag << "<body>" + tag.mid(1) << ""
                                               << "";
}

void tst_BodyTag::theBackgroundGoesRightAfterBody_data()
{
    QTest::addColumn<QString>("page");
    QTest::addColumn<int>("selStart");
    QTest::addColumn<int>("selLength");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("expected");
    QTest::addColumn<int>("caret");

    QTest::addRow("the old ones go, in any case and quoting")
        << "<body bgcolor=\"#FFFFFF\" BACKGROUND='old.gif' text=\"#000000\"\tbackground=b.gif>" << 0 << 0
        << "new.gif"
        << R"~(<body background="new.gif" bgcolor="#FFFFFF" text="#000000">)~" << 26;
    QTest::addRow("backgrounds outside the tag, other names, stay")
        << R"~(<head background="h"><body backgroundx="a" data-background="b"><table background="t">)~" << 0
        << 0 << "x"
        << R"~(<head background="h"><body background="x" backgroundx="a" data-background="b"><table background="t">)~"
        << 41;
    QTest::addRow("no tag: over the selection") << "abXYcd" << 2 << 2 << "n"
                                                << R"~(ab background="n"cd)~" << 17;
}

QTEST_APPLESS_MAIN(tst_BodyTag)
#include "tst_bodytag.moc"
