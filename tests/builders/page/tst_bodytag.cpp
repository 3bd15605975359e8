// Zevora tests - the BODY tag reader and writers, on pages as text.
#include "BodyTag.h"
#include "BodyTagCheck.h"
#include "FakeServices.h"

#include <QTest>

#include <random>

using namespace Platform;

namespace {

const MessageBox Malformed{"Zevora Note:",
                           "There appears to be a malformed BODY tag on your page.\n"
                           "Please correct the tag first to prevent later errors...",
                           MsgIcon::None, MsgButtons::Ok, true};
const MessageBox NoEnd{"Zevora Prompt:",
                       "You appear to be missing the end \">\" of your body tag.\n\n"
                       "If you do not cancel, your current BODY tag will be completely replaced.",
                       MsgIcon::None, MsgButtons::OkCancel, true};
const MessageBox Unreadable{"Zevora Prompt:",
                            "There was an error reading the current BODY tag.\n\n"
                            "You may have a malformed tag, or a color may not have been set in Hexidecimal.\n"
                            "If you do not cancel the current tag will be completely replaced.",
                            MsgIcon::None, MsgButtons::OkCancel, true};
const MessageBox BadCode{"Zevora",
                         "For your reference...\n\n"
                         "You have an invalid character as a color code in the current body tag.\n"
                         "Hex character values range [0-9] and [a-f] or [A-F]",
                         MsgIcon::None, MsgButtons::Ok, true};

const QString Defaults =
    R"~(<BODY bgColor="#FFFFFF" text="#000000" link="#0000FF" alink="#FF0000" vlink="#FF00FF">)~";

// "bg:#CC3300" picks "#CC3300" (quotes included) for the background.
QList<BodyTagCheck::Pick> picksOf(const QStringList &picks)
{
    static const QStringList names = {"bg", "text", "link", "alink", "vlink"};
    QList<BodyTagCheck::Pick> result;
    for (const QString &pick : picks)
        result.append({int(names.indexOf(pick.section(':', 0, 0))), '"' + pick.section(':', 1) + '"'});
    return result;
}

QString written(const QString &page, qsizetype selStart, qsizetype selLength, const QStringList &picks)
{
    BodyTag tag = BodyTag::read(page);
    for (const BodyTagCheck::Pick &pick : picksOf(picks))
        tag.pick(pick.attribute, pick.code);
    const std::optional<BodyTag::Edit> edit = tag.selectEdit(page, selStart, selLength);
    return edit ? BodyTagCheck::apply(page, *edit) : QString();
}

} // namespace

class tst_BodyTag : public QObject
{
    Q_OBJECT

private slots:
    void readingGivesTheTagItsColoursAndWhatToSay_data();
    void readingGivesTheTagItsColoursAndWhatToSay();
    void selectWritesTheTagOverTheOldOne_data();
    void selectWritesTheTagOverTheOldOne();
    void selectWritesOnlyOverTheTagItRead_data();
    void selectWritesOnlyOverTheTagItRead();
    void theBackgroundGoesRightAfterBody_data();
    void theBackgroundGoesRightAfterBody();
    void randomPagesKeepEveryRule();
};

void tst_BodyTag::readingGivesTheTagItsColoursAndWhatToSay_data()
{
    QTest::addColumn<QString>("page");
    QTest::addColumn<int>("start");
    QTest::addColumn<int>("length");
    // cBG, cText, cLink, cAlink, cVlink, cOther
    QTest::addColumn<QStringList>("record");
    QTest::addColumn<QList<MessageBox>>("boxes");

    const QStringList none(6);
    QTest::addRow("no tag") << "<p>hello</p>" << -1 << 0 << none << QList<MessageBox>{};
    QTest::addRow("an empty tag") << "<html>\r\n<body>\r\n</html>" << 8 << 6 << none << QList<MessageBox>{};
    QTest::addRow("any letter case, kept as written")
        << R"~(<BODY BGCOLOR="#ffffff" onload="init()">)~" << 0 << 40
        << QStringList{R"~( BGCOLOR="#ffffff")~", "", "", "", "", R"~( onload="init()")~"}
        << QList<MessageBox>{};
    QTest::addRow("whole names; quoted, single-quoted and bare values")
        << R"~(<body linkx="#111111" alink="#222222" vlink='#333333' link=#444444>)~" << 0 << 67
        << QStringList{"",
                       "",
                       " link=#444444",
                       R"~( alink="#222222")~",
                       " vlink='#333333'",
                       R"~( linkx="#111111")~"}
        << QList<MessageBox>{};
    QTest::addRow("blanks and tabs around the equals sign")
        << "<body bgcolor = \"#FFFFFF\"\ttext\t=\t\"#000000\">" << 0 << 43
        << QStringList{R"~( bgcolor = "#FFFFFF")~", " text\t=\t\"#000000\"", "", "", "", ""}
        << QList<MessageBox>{};
    QTest::addRow("a > inside a quoted value")
        << R"~(<body onload="if (a>b) go()" text="#000000">x)~" << 0 << 44
        << QStringList{"", R"~( text="#000000")~", "", "", "", R"~( onload="if (a>b) go()")~"}
        << QList<MessageBox>{};
    QTest::addRow("other attributes squeezed between, not inside")
        << "<body  onload=\"a  b\"\t\tclass=x   id='y  z'>" << 0 << 42
        << QStringList{"", "", "", "", "", R"~( onload="a  b" class=x id='y  z')~"} << QList<MessageBox>{};
    QTest::addRow("a colour named twice: the second stays with the rest")
        << R"~(<body text="#111111" TEXT=red>)~" << 0 << 30
        << QStringList{"", R"~( text="#111111")~", "", "", "", " TEXT=red"} << QList<MessageBox>{};
    QTest::addRow("only the first BODY tag, on a CR page")
        << "<p>\r<body text=\"#111111\">\r<body text=\"#222222\">" << 4 << 21
        << QStringList{"", R"~( text="#111111")~", "", "", "", ""} << QList<MessageBox>{};
    QTest::addRow("text beyond the BMP before the tag")
        << "\U0001F600<body vlink=\"#010203\">" << 2 << 22
        << QStringList{"", "", "", "", R"~( vlink="#010203")~", ""} << QList<MessageBox>{};
    QTest::addRow("three-digit and bad codes: a note each, kept")
        << R"~(<body bgcolor="#FFF" text=#12 link="#GG0000" vlink="#00ff00">)~" << 0 << 61
        << QStringList{R"~( bgcolor="#FFF")~",  " text=#12", R"~( link="#GG0000")~", "",
                       R"~( vlink="#00ff00")~", ""}
        << QList<MessageBox>{BadCode, BadCode, BadCode};
    QTest::addRow("a colour name: the question")
        << R"~(<body text="#000000" bgcolor="white">)~" << 0 << 37 << none << QList<MessageBox>{Unreadable};
    QTest::addRow("a colour without a value: the question")
        << "<body text>" << 0 << 11 << none << QList<MessageBox>{Unreadable};
    QTest::addRow("a colour whose quote stays open: the first > on the line ends the tag")
        << "<body text=\"#000000>\r\n<p class=\"c\">" << 0 << 20 << none << QList<MessageBox>{Unreadable};
    QTest::addRow("another value whose quote stays open")
        << "<body onload=\"a>b\r\nc\">" << 0 << 16 << QStringList{"", "", "", "", "", " onload=\"a"}
        << QList<MessageBox>{};
    QTest::addRow("over two lines, CR LF: the tag ends before the line break")
        << "<body text=\"#000000\"\r\nlink=\"#0000FF\">" << 0 << 20 << none << QList<MessageBox>{NoEnd};
    QTest::addRow("over two lines, LF")
        << "x\n<body a=\">\"\nb>" << 2 << 11 << none << QList<MessageBox>{NoEnd};
    QTest::addRow("over two lines, CR") << "<body\r>" << 0 << 5 << none << QList<MessageBox>{NoEnd};
    QTest::addRow("no > after <body at all: the note")
        << "<p>>\r\n<body bgcolor=\"#FFFFFF\"\r\n<p" << 6 << 23 << none << QList<MessageBox>{Malformed};
}

void tst_BodyTag::readingGivesTheTagItsColoursAndWhatToSay()
{
    QFETCH(QString, page);
    QFETCH(int, start);
    QFETCH(int, length);
    QFETCH(QStringList, record);
    QFETCH(QList<MessageBox>, boxes);

    const BodyTag tag = BodyTag::read(page);
    QCOMPARE(tag.extent().start, start);
    QCOMPARE(tag.extent().length, length);
    const cColorPage &read = tag.record();
    QCOMPARE(
        (QStringList{read.cBG(), read.cText(), read.cLink(), read.cAlink(), read.cVlink(), read.cOther()}),
        record);
    QList<MessageBox> said = tag.notes();
    if (tag.question())
        said.append(*tag.question());
    QCOMPARE(said, boxes);
}

void tst_BodyTag::selectWritesTheTagOverTheOldOne_data()
{
    QTest::addColumn<QString>("page");
    QTest::addColumn<int>("selStart");
    QTest::addColumn<QStringList>("picks");
    QTest::addColumn<QString>("expected");

    QTest::addRow("an empty tag, no pick: the default tag") << "<body>\r\n"
                                                            << 0 << QStringList{} << Defaults + "\r\n";
    QTest::addRow("a pick keeps what was read, in the record's order")
        << "x<BODY BGCOLOR=\"#ffffff\" onload=\"init()\">y" << 0 << QStringList{"text:#CC3300"}
        << "x<BODY BGCOLOR=\"#ffffff\" text=\"#CC3300\" onload=\"init()\">y";
    QTest::addRow("no pick: only the absent colours get their defaults")
        << "<body\ttext='#123456' id=main>" << 0 << QStringList{}
        << R"~(<BODY bgColor="#FFFFFF" text='#123456' link="#0000FF" alink="#FF0000" vlink="#FF00FF" id=main>)~";
    QTest::addRow("the last pick of a colour counts; values keep their blanks")
        << R"~(<body onload="a  b"  bgcolor="#000000">)~" << 0 << QStringList{"bg:#003366", "bg:#FFFFCC"}
        << R"~(<BODY bgColor="#FFFFCC" onload="a  b">)~";
    QTest::addRow("no tag: at the caret")
        << "ab\ncd" << 3 << QStringList{"vlink:#FF0000"} << "ab\n<BODY vlink=\"#FF0000\">cd";
    QTest::addRow("after the question: the tag up to the line break")
        << "<body text=\"#000000\"\rlink>" << 0 << QStringList{} << Defaults + "\rlink>";
    QTest::addRow("after the note: before the <body, nothing removed")
        << "<p><body bgcolor=x\r\n"
        << 0 << QStringList{"alink:#FF00FF"} << "<p><BODY alink=\"#FF00FF\"><body bgcolor=x\r\n";
    QTest::addRow("only the first tag") << "<body><BODY text=\"#000000\">" << 0 << QStringList{"link:#00FF00"}
                                        << "<BODY link=\"#00FF00\"><BODY text=\"#000000\">";
}

void tst_BodyTag::selectWritesTheTagOverTheOldOne()
{
    QFETCH(QString, page);
    QFETCH(int, selStart);
    QFETCH(QStringList, picks);
    QFETCH(QString, expected);
    QCOMPARE(written(page, selStart, 0, picks), expected);
}

void tst_BodyTag::selectWritesOnlyOverTheTagItRead_data()
{
    QTest::addColumn<QString>("read");
    QTest::addColumn<QString>("now");
    QTest::addColumn<QString>("expected"); // "" when nothing may be written

    const QString tag = R"~(<body text="#000000">)~";
    QTest::addRow("text before it changed: found at its place")
        << "ab" + tag << "xy" + tag << "xy" + Defaults;
    QTest::addRow("text put before it: found as the first tag") << tag + "z"
                                                                << "new\r\n" + tag + "z"
                                                                << "new\r\n" + Defaults + "z";
    QTest::addRow("the tag edited") << tag << R"~(<body text="#000001">)~"
                                    << "";
    QTest::addRow("the tag removed") << "a" + tag << "a"
                                     << "";
    QTest::addRow("another tag put before it") << tag << "<body>" + tag.mid(1) << "";
    QTest::addRow("a <body without > moved") << "x<body"
                                             << "yy<body"
                                             << "yy" + Defaults + "<body";
}

void tst_BodyTag::selectWritesOnlyOverTheTagItRead()
{
    QFETCH(QString, read);
    QFETCH(QString, now);
    QFETCH(QString, expected);
    const BodyTag tag = BodyTag::read(read);
    const std::optional<BodyTag::Edit> edit = tag.selectEdit(now, 0, 0);
    QCOMPARE(edit ? BodyTagCheck::apply(now, *edit) : QString(), expected);
}

void tst_BodyTag::theBackgroundGoesRightAfterBody_data()
{
    QTest::addColumn<QString>("page");
    QTest::addColumn<int>("selStart");
    QTest::addColumn<int>("selLength");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("expected");
    QTest::addColumn<int>("caret");

    QTest::addRow("after <BODY, in lower case") << "<BODY>" << 0 << 0 << "back.jpg"
                                                << R"~(<BODY background="back.jpg">)~" << 27;
    QTest::addRow("before the other attributes")
        << R"~(<body bgcolor="#FFFFFF">)~" << 0 << 0 << "img/bg.gif"
        << R"~(<body background="img/bg.gif" bgcolor="#FFFFFF">)~" << 29;
    QTest::addRow("the old background goes, in any case and quoting")
        << "<body bgcolor=\"#FFFFFF\" BACKGROUND='old.gif' text=\"#000000\"\tbackground=b.gif>" << 0 << 0
        << "new.gif"
        << R"~(<body background="new.gif" bgcolor="#FFFFFF" text="#000000">)~" << 26;
    QTest::addRow("backgrounds outside the tag, and other names, stay")
        << R"~(<head background="h.gif"><body backgroundx="a" data-background="b"><table background="t">)~"
        << 0 << 0 << "x.gif"
        << R"~(<head background="h.gif"><body background="x.gif" backgroundx="a" data-background="b"><table background="t">)~"
        << 49;
    QTest::addRow("an empty name, a name with quotes: as typed") << "<body>" << 0 << 0 << R"~(a"b)~"
                                                                 << R"~(<body background="a"b">)~" << 22;
    QTest::addRow("a value whose quote never closes ends with the tag")
        << "<body background=\"old.gif>\r\n<p class=\"c\">" << 0 << 0 << ""
        << "<body background=\"\">\r\n<p class=\"c\">" << 19;
    QTest::addRow("a tag without >: only its own line")
        << "<body text=1\nbackground=\"x\">" << 0 << 0 << "n"
        << "<body background=\"n\" text=1\nbackground=\"x\">" << 20;
    QTest::addRow("no tag: over the selection") << "abXYcd" << 2 << 2 << "n"
                                                << R"~(ab background="n"cd)~" << 17;
}

void tst_BodyTag::theBackgroundGoesRightAfterBody()
{
    QFETCH(QString, page);
    QFETCH(int, selStart);
    QFETCH(int, selLength);
    QFETCH(QString, name);
    QFETCH(QString, expected);
    QFETCH(int, caret);
    const BodyTag::Edit edit = BodyTag::backgroundEdit(page, selStart, selLength, name);
    QCOMPARE(BodyTagCheck::apply(page, edit), expected);
    QCOMPARE(edit.caret, caret);
}

// Generated and mutated pages: the pieces of BODY tags in every order, with
// random characters put in and taken out, and now and then a line of 1 MB.
// ZEVORA_BODYTAG_SEED and ZEVORA_BODYTAG_ROUNDS override the seed and rounds.
void tst_BodyTag::randomPagesKeepEveryRule()
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
        "<body",      "<BODY",     "<Body", " ",       " ",      "\t",          "bgcolor",    "BGColor",
        "text",       "link",      "alink", "vlink",   "linkx",  "background",  "Background", "onload",
        "=",          "=",         " = ",   "\"",      "'",      "\"#FF8800\"", "#00ff00",    "\"#FFF\"",
        "'#0a0B0c'",  "\"white\"", ">",     ">",       "\r\n",   "\n",          "\r",         "x",
        "\U0001F600", "é",         "<p>",   "\"a>b\"", "\"a b\""};
    static const QString noise = " \t\"'<>=#\r\nbBy";
    static const QStringList names = {"img/bg.gif", "", "a b.gif", "é.png", "a\"b", "x>y"};

    for (int round = 0; round < rounds; ++round) {
        QString page;
        for (qsizetype n = below(30); n > 0; --n)
            page += pieces.at(below(pieces.size()));
        for (qsizetype n = below(4); n > 0; --n) {
            const qsizetype at = below(page.size() + 1);
            if (random() % 2)
                page.insert(at, noise.at(below(noise.size())));
            else
                page.remove(at, 1);
        }
        if (round % 1000 == 999)
            page.insert(below(page.size() + 1), QString(1 << 20, random() % 2 ? u'a' : u' '));
        const qsizetype selStart = below(page.size() + 1);
        const qsizetype selLength = below(page.size() - selStart + 1);
        QList<BodyTagCheck::Pick> picks;
        for (qsizetype n = below(4); n > 0; --n)
            picks.append(
                {int(below(5)), QStringLiteral("\"#%1\"").arg(uint(random() & 0xFFFFFF), 6, 16, QLatin1Char('0')).toUpper()});
        const QString name = names.at(below(names.size()));
        if (const char *failure = BodyTagCheck::check(page, selStart, selLength, picks, name)) {
            QString shown = page.size() > 300 ? page.left(300) + "..." : page;
            shown.replace('\r', "\\r").replace('\n', "\\n");
            QFAIL(qPrintable(QStringLiteral("seed %1, round %2: %3\npage: %4")
                                 .arg(seed)
                                 .arg(round)
                                 .arg(QLatin1String(failure), shown)));
        }
    }
}

QTEST_APPLESS_MAIN(tst_BodyTag)
#include "tst_bodytag.moc"
