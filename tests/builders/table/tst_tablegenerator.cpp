// Zevora tests - the table designer's HTML text.
#include "TableGenerator.h"
#include "TableScript.h"

#include <QTest>

class tst_TableGenerator : public QObject
{
    Q_OBJECT

private slots:
    void theTableIsWrittenExactly_data()
    {
        QTest::addColumn<QString>("script");
        QTest::addColumn<QString>("lines"); // the text, "|" for each CR LF

        const QString open = "<TABLE border=1 width=100%>|";
        const QString cell = "   <TD>&nbsp;</TD>|";
        // Blocks: both spans in their order, covered cells skipped in later rows.
        QTest::addRow("a 2 x 2 block in a 3 x 3 table")
            << "rows 3; cols 3; cspan 0 0 2; rspan 0 0 2"
            << open + "<TR><!-- Row 1 -->|   <TD RowSpan=2 ColSpan=2>&nbsp;</TD>|" + cell +
                   "</TR>|<TR><!-- Row 2 -->|" + cell + "</TR>|<TR><!-- Row 3 -->|" + cell + cell + cell +
                   "</TR>|</TABLE>";
        QTest::addRow("a block over the whole table leaves the second row empty")
            << "rows 2; cols 2; rspan 0 0 2; cspan 0 0 2"
            << open +
                   "<TR><!-- Row 1 -->|   <TD RowSpan=2 ColSpan=2>&nbsp;</TD>|</TR>|<TR><!-- Row 2 -->|</TR>|"
                   "</TABLE>";
        QTest::addRow("widths on the first cell from the top without a ColSpan")
            << "rows 2; cols 3; cspan 0 0 2; pct 0 1 30; px 2 0 100"
            << open +
                   "<TR><!-- Row 1 -->|   <TD ColSpan=2>&nbsp;</TD>|   <TD width=100>&nbsp;</TD>|</TR>|"
                   "<TR><!-- Row 2 -->|   <TD width=30%>&nbsp;</TD>|" +
                   cell + cell + "</TR>|</TABLE>";
        QTest::addRow("caption at the top")
            << "caption"
            << open + "<CAPTION align=top>Table Caption</CAPTION>|<TR><!-- Row 1 -->|" + cell +
                   "</TR>|</TABLE>";
        QTest::addRow("caption at the bottom, every table fragment, table colour")
            << "caption; bottom; attrs; table 16711680"
            << "<TABLE border=0 width=5% cellpadding=3 cellspacing=12 align=right bgColor=\"#0000FF\">|"
               "<CAPTION align=bottom>Table Caption</CAPTION>|<TR><!-- Row 1 -->|" +
                   cell + "</TR>|</TABLE>";
        QTest::addRow("header row without a colour")
            << "rows 2; header; cell 0 0 255"
            << open + "<TR><!-- Row 1 -->|   <TH bgColor=\"#FF0000\">&nbsp;</TH>|</TR>|<TR><!-- Row 2 -->|" +
                   cell + "</TR>|</TABLE>";
        QTest::addRow("header colour replaces the comment and row 0's own colours")
            << "rows 2; cell 0 0 255; cell 0 1 10; header 65280"
            << open + "<TR bgColor=\"#00FF00\">|   <TH>&nbsp;</TH>|</TR>|<TR><!-- Row 2 -->|"
                      "   <TD bgColor=\"#0A0000\">&nbsp;</TD>|</TR>|</TABLE>";
        QTest::addRow("colour, align and valign in this order")
            << "rows 2; rspan 0 0 2; cell 0 0 1193046; align 0 0 center; valign 0 0 bottom"
            << open + "<TR><!-- Row 1 -->|   <TD RowSpan=2 bgColor=\"#563412\" align=center "
                      "valign=bottom>&nbsp;</TD>|"
                      "</TR>|<TR><!-- Row 2 -->|</TR>|</TABLE>";
        QTest::addRow("spans cut off by a smaller table")
            << "rows 3; cols 3; cspan 0 0 3; rspan 0 1 2; cspan 1 1 2; rows 2; cols 2"
            << open + "<TR><!-- Row 1 -->|   <TD ColSpan=2>&nbsp;</TD>|</TR>|<TR><!-- Row 2 -->|" + cell +
                   cell + "</TR>|</TABLE>";
        QTest::addRow("a span cut off to one cell is an ordinary cell with its width")
            << "rows 2; cols 2; cspan 0 0 2; pct 0 1 30; cols 1"
            << open + "<TR><!-- Row 1 -->|   <TD width=30%>&nbsp;</TD>|</TR>|<TR><!-- Row 2 -->|" + cell +
                   "</TR>|</TABLE>";
    }

    void theTableIsWrittenExactly()
    {
        QFETCH(QString, script);
        QFETCH(QString, lines);
        TableModel model;
        runScript(model, script);
        QCOMPARE(TableGenerator::tableText(model), lines.replace('|', "\r\n"));
    }
};

QTEST_APPLESS_MAIN(tst_TableGenerator)
#include "tst_tablegenerator.moc"
