// Zevora tests - the list builder's choices, checks and list text.
#include "ListBuilder.h"

#include <QTest>

Q_DECLARE_METATYPE(ListBuilder::Kind)

namespace {
const QString Red = QStringLiteral("<img src=\"images/listTri_Red.gif\" width=6 height=11 hspace=8>");
const QString RedDot =
    QStringLiteral("<img src=\"images/listDot_Red.gif\" width=5 height=5 hspace=5 align=middle>");
} // namespace

class tst_ListBuilder : public QObject
{
    Q_OBJECT

private slots:
    void theListIsWrittenExactly_data();
    void theListIsWrittenExactly();
    void theFirstListOnItsPromptFailsTheChecks_data();
    void theFirstListOnItsPromptFailsTheChecks();
    void aDefinitionListNeedsAHeading();
    void theItemsHelpMentionsHeadingsForDefinitionLists();
};

void tst_ListBuilder::theListIsWrittenExactly_data()
{
    QTest::addColumn<ListBuilder::Kind>("kind");
    QTest::addColumn<int>("styleEntry");
    QTest::addColumn<QString>("heading");
    QTest::addColumn<QStringList>("items");
    // One letter per item: "s" marks a sub-item, "-" a plain one.
    QTest::addColumn<QString>("subItems");
    QTest::addColumn<QString>("topicTag");
    QTest::addColumn<QString>("detailTag");
    QTest::addColumn<QString>("expected");

    QTest::addRow("ordered, capital Roman numerals")
        << ListBuilder::Ordered << 4 << "" << QStringList{"a", "b", "c"} << "---"
        << ""
        << ""
        << "<OL type=I>\r\n    <LI>a\r\n    <LI>b\r\n    <LI>c\r\n</OL>\r\n";
    QTest::addRow("ordered, numbers have no type")
        << ListBuilder::Ordered << 1 << "" << QStringList{"1", "2"} << "--"
        << ""
        << ""
        << "<OL>\r\n    <LI>1\r\n    <LI>2\r\n</OL>\r\n";
    QTest::addRow("unordered square: HTML as typed, an empty item")
        << ListBuilder::Unordered << 3 << "" << QStringList{"&", "<b>bold</b>", ""} << "-s-"
        << ""
        << ""
        << "<UL type=square>\r\n    <LI>&\r\n    <LI><b>bold</b>\r\n    <LI>\r\n</UL>\r\n";
    QTest::addRow("unordered dot") << ListBuilder::Unordered << 1 << "" << QStringList{"x", "y"} << "--"
                                   << ""
                                   << ""
                                   << "<UL type=disc>\r\n    <LI>x\r\n    <LI>y\r\n</UL>\r\n";
    QTest::addRow("definition, blank, with sub-items")
        << ListBuilder::Definition << 1 << "H" << QStringList{"x", "y", "z"} << "-s-"
        << ""
        << ""
        << "<DL><B>H</B>\r\n        <DT>x\r\n                <DD>y\r\n        <DT>z\r\n</DL>\r\n";
    QTest::addRow("definition with the generic image tags")
        << ListBuilder::Definition << 2 << "<i>H</i>" << QStringList{"x", "y"} << "-s"
        << ListBuilder::genericTopicTag() << ListBuilder::genericDetailTag()
        << "<DL><B><i>H</i></B>\r\n"
           "        <DT><img src=\"\" width=XX height=XX hspace=8>x\r\n"
           "                <DD><img src=\"\" width=XX height=XX hspace=5 align=middle>y\r\n</DL>\r\n";
    QTest::addRow("definition with real image tags")
        << ListBuilder::Definition << 2 << "H" << QStringList{"x", "y", ""} << "-ss" << Red << RedDot
        << "<DL><B>H</B>\r\n        <DT>" + Red + "x\r\n                <DD>" + RedDot +
               "y\r\n                <DD>" + RedDot + "\r\n</DL>\r\n";
}

void tst_ListBuilder::theListIsWrittenExactly()
{
    QFETCH(ListBuilder::Kind, kind);
    QFETCH(int, styleEntry);
    QFETCH(QString, heading);
    QFETCH(QStringList, items);
    QFETCH(QString, subItems);
    QFETCH(QString, topicTag);
    QFETCH(QString, detailTag);
    QFETCH(QString, expected);

    ListBuilder list;
    list.ListKind = kind;
    QCOMPARE(list.chooseStyle(styleEntry), ListBuilder::hasImageBullets(kind, styleEntry));
    QCOMPARE(list.chooseStyle(styleEntry), !topicTag.isEmpty());
    list.TopicImageTag = topicTag;
    list.DetailImageTag = detailTag;
    list.heading = heading;
    for (qsizetype i = 0; i < items.size(); ++i)
        list.items.append({items.at(i), subItems.at(i) == QLatin1Char('s')});
    QCOMPARE(list.listText(), expected);
}

void tst_ListBuilder::theFirstListOnItsPromptFailsTheChecks_data()
{
    QTest::addColumn<int>("type");
    QTest::addColumn<int>("style");
    QTest::addColumn<int>("number");
    QTest::addColumn<QString>("message");

    const QString type = "You must choose a List Type to continue.";
    const QString style = "You must choose a List Style to continue.";
    const QString number = "You must choose the Number of Items to continue.";
    QTest::addRow("all on their prompts: the type first") << 0 << 0 << 0 << type;
    QTest::addRow("the type on its prompt") << 0 << 2 << 3 << type;
    QTest::addRow("style and number on their prompts: the style first") << 1 << 0 << 0 << style;
    QTest::addRow("the number on its prompt") << 3 << 1 << 0 << number;
    QTest::addRow("nothing chosen passes") << 1 << -1 << -1 << "";
    QTest::addRow("all chosen") << 2 << 5 << 8 << "";
}

void tst_ListBuilder::theFirstListOnItsPromptFailsTheChecks()
{
    QFETCH(int, type);
    QFETCH(int, style);
    QFETCH(int, number);
    QFETCH(QString, message);

    const std::optional<ListBuilder::Choice> failing = ListBuilder::failingChoice(type, style, number);
    QCOMPARE(failing ? ListBuilder::choiceMessage(*failing) : QString(), message);
}

void tst_ListBuilder::aDefinitionListNeedsAHeading()
{
    ListBuilder list;
    list.ListKind = ListBuilder::Definition;
    QCOMPARE(
        list.headingMessage(),
        QString(
            "\"Definition List Header\" (lower, left of page)\nmust be entered for the Definition List."));
    list.heading = "H";
    QCOMPARE(list.headingMessage(), QString());
    list.heading.clear();
    list.ListKind = ListBuilder::Ordered;
    QCOMPARE(list.headingMessage(), QString());
}

void tst_ListBuilder::theItemsHelpMentionsHeadingsForDefinitionLists()
{
    const QString items =
        "# of Items:\n\n choose from 2 to 9 items. You will later be able to type in values for each entry "
        "in "
        "space available here.\n\n You can also change the number of items or Style of your list even after "
        "the Item Listing is displayed.";
    QCOMPARE(ListBuilder::helpText(ListBuilder::Help::Items, ListBuilder::Ordered), items);
    QCOMPARE(ListBuilder::helpText(ListBuilder::Help::Items, ListBuilder::Definition),
             items +
                 "\n\n With the Definition List you can enter a heading, and later choose entered items to "
                 "be displayed as subitems...");
}

QTEST_APPLESS_MAIN(tst_ListBuilder)
#include "tst_listbuilder.moc"
