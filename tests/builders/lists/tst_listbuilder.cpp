// Zevora tests - the list builder's checks and list text.
#include "ListBuilder.h"

#include <QTest>

Q_DECLARE_METATYPE(ListBuilder::Kind)

class tst_ListBuilder : public QObject
{
    Q_OBJECT

private slots:
    // The ordered list and the definition lists with pictures are written
    // through the dialog in its own tests.
    void theListIsWrittenExactly_data()
    {
        QTest::addColumn<ListBuilder::Kind>("kind");
        QTest::addColumn<int>("styleEntry");
        QTest::addColumn<QStringList>("items"); // a leading "+" marks a sub-item
        QTest::addColumn<QString>("expected");

        QTest::addRow("unordered square: HTML as typed, an empty item")
            << ListBuilder::Unordered << 3 << QStringList{"&", "+<b>bold</b>", ""}
            << "<UL type=square>\r\n    <LI>&\r\n    <LI><b>bold</b>\r\n    <LI>\r\n</UL>\r\n";
        QTest::addRow("definition, blank, with sub-items")
            << ListBuilder::Definition << 1 << QStringList{"x", "+y", "z"}
            << "<DL><B>H</B>\r\n        <DT>x\r\n                <DD>y\r\n        <DT>z\r\n</DL>\r\n";
    }

    void theListIsWrittenExactly()
    {
        QFETCH(ListBuilder::Kind, kind);
        QFETCH(int, styleEntry);
        QFETCH(QStringList, items);

        ListBuilder list;
        list.ListKind = kind;
        QVERIFY(!list.chooseStyle(styleEntry));
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
