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
};

QTEST_APPLESS_MAIN(tst_ListBuilder)
#include "tst_listbuilder.moc"
