// Zevora tests - the table designer's logic: its width and span rules, its
// preview and its HTML text.
#include "TableGenerator.h"
#include "TableModel.h"
#include "TableRules.h"

#include <QRandomGenerator>
#include <QRegularExpression>
#include <QTest>

using namespace TableRules;

namespace {

// Runs \a script on \a model: commands separated by ";", each a word and
// its numbers. "rows N", "cols N"; "pct C R V", "px C R V", "cspan C R V",
// "rspan C R V" (select the cell, open the command and apply V); "select C
// R", "open MODE", "apply V" (must be refused), "resetw"; "cell C
// R COLOUR", "table COLOUR", "header [COLOUR]", "align C R WORD", "valign C
// R WORD"; "caption", "bottom", "attrs" (every other table fragment set).
void runScript(TableModel &model, const QString &script)
{
    const QStringList commands = script.split(u';', Qt::SkipEmptyParts);
    for (const QString &command : commands) {
        const QStringList w = command.simplified().split(u' ');
        const auto n = [&w](int i) { return w.value(i).toInt(); };
        const QString &verb = w.first();
        if (verb == "rows") {
            model.setRowCount(n(1));
        } else if (verb == "cols") {
            model.setColCount(n(1));
        } else if (verb == "pct" || verb == "px" || verb == "cspan" || verb == "rspan") {
            const int mode = verb == "pct" ? 1 : verb == "px" ? 2 : verb == "cspan" ? 3 : 5;
            model.select(n(1), n(2));
            QVERIFY2(std::holds_alternative<TableRules::Bar>(TableRules::open(model, mode)),
                     qPrintable(command));
            QVERIFY2(TableRules::apply(model, n(3)), qPrintable(command));
        } else if (verb == "select") {
            model.select(n(1), n(2));
        } else if (verb == "open") {
            TableRules::open(model, n(1));
        } else if (verb == "apply") {
            QVERIFY2(!TableRules::apply(model, n(1)), qPrintable(command));
        } else if (verb == "resetw") {
            TableRules::resetColumnWidth(model);
        } else if (verb == "cell") {
            model.setCellColour(n(1), n(2), TableModel::Colour(n(3)));
        } else if (verb == "table") {
            model.setTableColour(TableModel::Colour(n(1)));
        } else if (verb == "header") {
            model.setHeaderRow(true);
            if (w.size() > 1)
                model.setHeaderColour(TableModel::Colour(n(1)));
        } else if (verb == "align" || verb == "valign") {
            QString &attr =
                verb == "align" ? model.cell(n(1), n(2)).AlignAttr : model.cell(n(1), n(2)).VAlignAttr;
            attr = " " + verb + "=" + w.value(3);
        } else if (verb == "caption") {
            model.setCaption(true);
        } else if (verb == "bottom") {
            model.CaptionAlignAttr = " align=bottom>";
        } else if (verb == "attrs") {
            model.BorderAttr = " border=0";
            model.WidthAttr = " width=5%";
            model.PaddingAttr = " cellpadding=3";
            model.SpacingAttr = " cellspacing=12";
            model.TableAlignAttr = " align=right";
        } else {
            QFAIL(qPrintable("unknown command " + command));
        }
    }
}

QString describe(const Outcome &outcome)
{
    if (const auto *refusal = std::get_if<Refusal>(&outcome))
        return refusal->title + " | " + refusal->text;
    if (const auto *bar = std::get_if<Bar>(&outcome))
        return QString("bar %1: %2..%3 at %4, %5")
            .arg(bar->mode)
            .arg(bar->minimum)
            .arg(bar->maximum)
            .arg(bar->value)
            .arg(bar->title);
    return "nothing";
}

// The table's records, a row at a time: ColSpan and RowSpan digits, then
// "%" and the percent width or "x" and the pixel width when set.
QString records(const TableModel &model, int cols, int rows)
{
    QStringList lines;
    for (int row = 0; row < rows; ++row) {
        QStringList cells;
        for (int col = 0; col < cols; ++col) {
            const mCell::CellInfo &info = model.cell(col, row);
            QString text = QString("%1%2").arg(info.ColSpan).arg(info.RowSpan);
            if (info.PercentWidth)
                text += QString("%%1").arg(info.PercentWidth);
            if (info.PixelWidth)
                text += QString("x%1").arg(info.PixelWidth);
            cells << text;
        }
        lines << cells.join(' ');
    }
    return lines.join('|');
}

// Lays the table text out as a browser does. Empty when every row fills
// exactly ColCount slots, each once; otherwise what went wrong.
QString layoutFault(const QString &html, int cols, int rows)
{
    static const QRegularExpression cellLine("^   <T[DH]( RowSpan=(\\d+))?( ColSpan=(\\d+))?[ >]");
    QList<QList<bool>> taken(rows, QList<bool>(cols, false));
    int row = -1;
    int col = 0;
    for (const QString &line : html.split("\r\n")) {
        if (line.startsWith("<TR")) {
            ++row;
            col = 0;
            if (row >= rows)
                return "too many rows";
        } else if (line == "</TR>") {
            if (taken[row].contains(false))
                return QString("row %1 is not filled").arg(row);
        } else if (const auto match = cellLine.match(line); match.hasMatch()) {
            while (col < cols && taken[row][col])
                ++col;
            const int colSpan = match.captured(4).isEmpty() ? 1 : match.captured(4).toInt();
            const int rowSpan = match.captured(2).isEmpty() ? 1 : match.captured(2).toInt();
            if (colSpan < 2 && !match.captured(3).isEmpty())
                return "ColSpan below 2: " + line;
            if (col + colSpan > cols || row + rowSpan > rows)
                return QString("row %1 overflows: %2").arg(row).arg(line);
            for (int r = row; r < row + rowSpan; ++r)
                for (int c = col; c < col + colSpan; ++c) {
                    if (taken[r][c])
                        return QString("slot %1,%2 twice").arg(c).arg(r);
                    taken[r][c] = true;
                }
        }
    }
    return row == rows - 1 ? QString() : "too few rows";
}

const QString ColumnAdvice =
    "\n\nIn order to properly display your changes,\nreset the column before setting a ";

} // namespace

class tst_TableLogic : public QObject
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
        QTest::addRow("widths on the first cell from the top without a ColSpan")
            << "rows 2; cols 3; cspan 0 0 2; pct 0 1 30; px 2 0 100"
            << open +
                   "<TR><!-- Row 1 -->|   <TD ColSpan=2>&nbsp;</TD>|   <TD width=100>&nbsp;</TD>|</TR>|"
                   "<TR><!-- Row 2 -->|   <TD width=30%>&nbsp;</TD>|" +
                   cell + cell + "</TR>|</TABLE>";
        QTest::addRow("caption at the bottom, every table fragment, table colour")
            << "caption; bottom; attrs; table 16711680"
            << "<TABLE border=0 width=5% cellpadding=3 cellspacing=12 align=right bgColor=\"#0000FF\">|"
               "<CAPTION align=bottom>Table Caption</CAPTION>|<TR><!-- Row 1 -->|" +
                   cell + "</TR>|</TABLE>";
        QTest::addRow("caption at the top, header row without a colour")
            << "rows 2; header; cell 0 0 255; caption"
            << open + "<CAPTION align=top>Table Caption</CAPTION>|<TR><!-- Row 1 -->|"
                      "   <TH bgColor=\"#FF0000\">&nbsp;</TH>|</TR>|<TR><!-- Row 2 -->|" +
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

    void eachCommandGivesItsBoxOrItsBar_data()
    {
        QTest::addColumn<QString>("script");
        QTest::addColumn<int>("mode");
        QTest::addColumn<QString>("outcome");

        QTest::addRow("percent, two free columns")
            << "cols 2; select 0 0" << 1 << "bar 1: 2..98 at 50, Width of Column in %";
        QTest::addRow("percent, the others share what is left")
            << "cols 3; pct 0 0 50; select 1 0" << 1 << "bar 1: 2..48 at 25, Width of Column in %";
        QTest::addRow("percent, a set column can widen again")
            << "cols 2; pct 0 0 50; select 0 0" << 1 << "bar 1: 2..98 at 50, Width of Column in %";
        QTest::addRow("pixels, two free columns")
            << "cols 2; select 1 0" << 2 << "bar 2: 0..784 at 400, Width of Column in Pixels";
        QTest::addRow("percent in one column")
            << "select 0 0" << 1
            << "Table/Cell Sizing Conflict | A change in column size would yield a table of unspecified "
               "dimensions.\n\n"
               "To both increase the speed of rendering and avoid disparity between\ndifferent browsers, it "
               "is "
               "recommended that you change the dimensions\nof the table itself.";
        // The setting found in the cell (in the title, in the text), and the one asked for.
        const auto previous = [](const char *title, const QString &found, const QString &asked) {
            return "PREVIOUS " + QString(title) + " SETTING... | A " + found +
                   " setting has been made in this cell (<TD>)" + ColumnAdvice + asked + ".";
        };
        QTest::addRow("percent on a pixel column")
            << "cols 2; px 0 0 100; select 0 0" << 1 << previous("PIXEL", "Pixel", "Percentage Width");
        QTest::addRow("percent on a ColSpan")
            << "cols 2; cspan 0 0 2; select 0 0" << 1 << previous("COLSPAN", "ColSpan", "Percentage Width");
        QTest::addRow("pixels on a ColSpan")
            << "cols 2; cspan 0 0 2; select 0 0" << 2 << previous("COLSPAN", "ColSpan", "Pixel Width");
        QTest::addRow("pixels on a percent column")
            << "cols 2; pct 0 0 40; select 0 0" << 2 << previous("PERCENTAGE", "Percentage", "Pixel Width");
        QTest::addRow("ColSpan again")
            << "cols 2; cspan 0 0 2; select 0 0" << 3
            << "RESET NEEDED | Please reset the current column setting before proceeding...";
        QTest::addRow("ColSpan on a pixel column")
            << "cols 2; px 0 0 100; select 0 0" << 3 << previous("PIXEL", "Pixel", "ColSpan");
        QTest::addRow("ColSpan on a percent column")
            << "cols 2; pct 0 0 40; select 0 0" << 3 << previous("PERCENTAGE", "Percentage", "ColSpan");
        const QString noColSpace = "NO SPACE... | No space available to set ColSpans in this column...";
        QTest::addRow("ColSpan in one column") << "select 0 0" << 3 << noColSpace;
        QTest::addRow("RowSpan again")
            << "rows 2; rspan 0 0 2; select 0 0" << 5
            << "RESET NEEDED | Please reset the current column setting before proceeding...";
        QTest::addRow("RowSpan on a pixel column")
            << "rows 3; cols 2; px 0 0 100; select 0 1" << 5 << "bar 5: 2..2 at 2, Choose # of RowSpans";
    }

    void eachCommandGivesItsBoxOrItsBar()
    {
        QFETCH(QString, script);
        QFETCH(int, mode);
        QFETCH(QString, outcome);
        TableModel model;
        runScript(model, script);
        const QString before = records(model, 8, 8);
        QCOMPARE(describe(open(model, mode)), outcome);
        QCOMPARE(model.AdjustMode, outcome.startsWith("bar") ? mode : 0);
        QCOMPARE(records(model, 8, 8), before);
    }

    void applyAndResetWriteOnlyWhatTheBarAllows_data()
    {
        QTest::addColumn<QString>("script");
        QTest::addColumn<QString>("expected"); // records of the first 3 x 3 cells

        QTest::addRow("a width goes into all eight rows") << "cols 2; pct 0 0 30; rows 3"
                                                          << "11%30 11 11|11%30 11 11|11%30 11 11";
        QTest::addRow("reset width clears all eight rows")
            << "rows 2; cols 2; px 1 0 50; rows 1; select 1 0; resetw; rows 3"
            << "11 11 11|11 11 11|11 11 11";
        QTest::addRow("a value outside the bounds is refused") << "cols 3; select 0 0; open 3; apply 4"
                                                               << "11 11 11|11 11 11|11 11 11";
        QTest::addRow("a new selection closes the adjustment")
            << "rows 2; cols 2; select 0 0; open 3; select 0 1; apply 2"
            << "11 11 11|11 11 11|11 11 11";
        QTest::addRow("a new size closes the adjustment") << "cols 3; select 0 0; open 3; cols 2; apply 2"
                                                          << "11 11 11|11 11 11|11 11 11";
        QTest::addRow("nothing is applied without a bar") << "select 0 0; open 3; apply 2"
                                                          << "11 11 11|11 11 11|11 11 11";
    }

    void applyAndResetWriteOnlyWhatTheBarAllows()
    {
        QFETCH(QString, script);
        TableModel model;
        runScript(model, script);
        QTEST(records(model, 3, 3), "expected");
        QCOMPARE(model.AdjustMode, 0);
    }

    void thePreviewShowsTheColourThatIsWritten()
    {
        TableModel model;
        runScript(model, "rows 2; cols 3; cell 1 0 10; cell 1 1 20; table 30; select 2 1");
        const auto colours = [&model] {
            QList<TableModel::Colour> list;
            for (int row = 0; row < 2; ++row)
                for (int col = 0; col < 3; ++col)
                    list << model.previewColour(col, row);
            return list;
        };
        QCOMPARE(colours(), (QList<TableModel::Colour>{30, 10, 30, 30, 20, 255}));
        runScript(model, "header 40");
        QCOMPARE(colours(), (QList<TableModel::Colour>{40, 40, 40, 30, 20, 255}));
        // Off again: the row's own colours come back, and what is written agrees.
        model.setHeaderRow(false);
        model.unmark();
        QCOMPARE(colours(), (QList<TableModel::Colour>{30, 10, 30, 30, 20, 30}));
        QVERIFY(TableGenerator::tableText(model).contains("   <TD bgColor=\"#0A0000\">"));
    }

    void randomCommandsAlwaysMakeAWholeTable()
    {
        QRandomGenerator random(20261207);
        TableModel model;
        for (int step = 0; step < 6000; ++step) {
            const int what = random.bounded(10);
            if (what == 0) {
                model.setRowCount(random.bounded(1, 9));
            } else if (what == 1) {
                model.setColCount(random.bounded(1, 9));
            } else {
                const QList<TableModel::CellRect> cells = model.layout();
                const TableModel::CellRect &picked = cells[random.bounded(int(cells.size()))];
                model.select(picked.col, picked.row);
                if (what == 2) {
                    resetSpans(model);
                } else if (what == 3) {
                    resetColumnWidth(model);
                } else {
                    const Outcome outcome = open(model, QList<int>{1, 2, 3, 5, 3, 5}[what - 4]);
                    if (const auto *bar = std::get_if<Bar>(&outcome))
                        QVERIFY(apply(model, int(random.bounded(bar->minimum, bar->maximum + 1))));
                }
            }
            const QString fault =
                layoutFault(TableGenerator::tableText(model), model.ColCount(), model.RowCount());
            QVERIFY2(fault.isEmpty(), qPrintable(QString("step %1: %2").arg(step).arg(fault)));
        }
    }
};

QTEST_APPLESS_MAIN(tst_TableLogic)
#include "tst_tablelogic.moc"
