// Zevora tests - the list builder's checks and list text.
#include "ListBuilder.h"

#include <QTest>

Q_DECLARE_METATYPE(ListBuilder::Kind)

class tst_ListBuilder : public QObject
{
    Q_OBJECT

private slots:
    void theListIsWrittenExactly_data()
    {
        QTest::addColumn<ListBuilder::Kind>("kind");
        QTest::addColumn<int>("styleEntry");
        QTest::addColumn<QStringList>("items"); // a leading "+" marks a sub-item
        QTest::addColumn<QString>("topicTag");
        QTest::addColumn<QString>("detailTag");
        QTest::addColumn<QString>("expected");

        const QString red = "<img src=\"images/listTri_Red.gif\" width=6 height=11 hspace=8>";
        const QString redDot = "<img src=\"images/listDot_Red.gif\" width=5 height=5 hspace=5 align=middle>";
        QTest::addRow("ordered, capital Roman numerals")
            << ListBuilder::Ordered << 4 << QStringList{"a", "b", "c"} << ""
            << ""
            << "<OL type=I>\r\n    <LI>a\r\n    <LI>b\r\n    <LI>c\r\n</OL>\r\n";
        QTest::addRow("unordered square: HTML as typed, an empty item")
            << ListBuilder::Unordered << 3 << QStringList{"&", "+<b>bold</b>", ""} << ""
            << ""
            << "<UL type=square>\r\n    <LI>&\r\n    <LI><b>bold</b>\r\n    <LI>\r\n</UL>\r\n";
        QTest::addRow("definition, blank, with sub-items")
            << ListBuilder::Definition << 1 << QStringList{"x", "+y", "z"} << ""
            << ""
            << "<DL><B>H</B>\r\n        <DT>x\r\n                <DD>y\r\n        <DT>z\r\n</DL>\r\n";
        QTest::addRow("definition with the generic image tags")
            << ListBuilder::Definition << 2 << QStringList{"x", "+y"} << ListBuilder::genericTopicTag()
            << ListBuilder::genericDetailTag()
            << "<DL><B>H</B>\r\n        <DT><img src=\"\" width=XX height=XX hspace=8>x\r\n"
               "                <DD><img src=\"\" width=XX height=XX hspace=5 align=middle>y\r\n</DL>\r\n";
        QTest::addRow("definition with real image tags")
            << ListBuilder::Definition << 2 << QStringList{"x", "+"} << red << redDot
            << "<DL><B>H</B>\r\n        <DT>" + red + "x\r\n                <DD>" + redDot + "\r\n</DL>\r\n";
    }

    void theListIsWrittenExactly()
    {
        QFETCH(ListBuilder::Kind, kind);
        QFETCH(int, styleEntry);
        QFETCH(QStringList, items);
        QFETCH(QString, topicTag);
        QFETCH(QString, detailTag);

        ListBuilder list;
        list.ListKind = kind;
        QCOMPARE(list.chooseStyle(styleEntry), !topicTag.isEmpty());
        list.TopicImageTag = topicTag;
        list.DetailImageTag = detailTag;
        list.heading = "H";
        for (const QString &item : items)
            list.items.append({item.startsWith('+') ? item.mid(1) : item, item.startsWith('+')});
        QTEST(list.listText(), "expected");
    }

    void theFirstListOnItsPromptFailsTheChecks_data()
    {
        QTest::addColumn<int>("type");
        QTest::addColumn<int>("style");
        QTest::addColumn<int>("number");
        QTest::addColumn<QString>("message");

        const QString type = "You must choose a List Type to continue.";
        const QString style = "You must choose a List Style to continue.";
        const QString number = "You must choose the Number of Items to continue.";
        QTest::addRow("all on their prompts: the type first") << 0 << 0 << 0 << type;
        QTest::addRow("style and number on their prompts: the style first") << 1 << 0 << 0 << style;
        QTest::addRow("the number on its prompt") << 3 << 1 << 0 << number;
        QTest::addRow("nothing chosen passes") << 1 << -1 << -1 << "";
        QTest::addRow("all chosen") << 2 << 5 << 8 << "";
    }

    void theFirstListOnItsPromptFailsTheChecks()
    {
        QFETCH(int, type);
        QFETCH(int, style);
        QFETCH(int, number);

        const std::optional<ListBuilder::Choice> failing = ListBuilder::failingChoice(type, style, number);
        QTEST(failing ? ListBuilder::choiceMessage(*failing) : QString(), "message");
    }
};

QTEST_APPLESS_MAIN(tst_ListBuilder)
#include "tst_listbuilder.moc"
