// Zevora tests - the texts of the Ctrl and Ctrl+Shift letter keys.
#include "MacroKeys.h"

#include <QTest>

class tst_MacroKeys : public QObject
{
    Q_OBJECT

private slots:
    void everyLetterInsertsItsText_data();
    void everyLetterInsertsItsText();
};

void tst_MacroKeys::everyLetterInsertsItsText_data()
{
    QTest::addColumn<int>("key");
    QTest::addColumn<QString>("ctrl");
    QTest::addColumn<QString>("ctrlShift");
    const struct
    {
        char key;
        const char *ctrl;
        const char *ctrlShift;
    } table[] = {
        {'A', "<A HREF=\"\">", "</A>"},
        {'B', "<BR>", ""},
        {'C', "", ""},
        {'D', "<DIV>", "</DIV>"},
        {'E', "<EMBED>", "</EMBED>"},
        {'F', "<FONT>", "</FONT>"},
        {'G', "", ""},
        {'H', "<HR>", ""},
        {'I', "<IMG>", "</IMG>"},
        {'J', "", ""},
        {'K', "<BLOCKQUOTE>", "</BLOCKQUOTE>"},
        {'L', "", ""},
        {'M', "<MARQUEE>", "</MARQUEE>"},
        {'N', "", ""},
        {'O', "&nbsp;", ""},
        {'P', "<PRE>", "</PRE>"},
        {'Q', "&quot;", ""},
        {'R', "", ""},
        {'S', "<CENTER>", "</CENTER>"},
        {'T', "<TABLE>", "</TABLE>"},
        {'U', "", ""},
        {'V', "", ""},
        {'W', "", ""},
        {'X', "", ""},
        {'Y', "<XMP>", "</XMP>"},
        {'Z', "", ""},
    };
    for (const auto &row : table)
        QTest::addRow("%c", row.key) << int(row.key) << QString(row.ctrl) << QString(row.ctrlShift);
}

void tst_MacroKeys::everyLetterInsertsItsText()
{
    QFETCH(int, key);
    QFETCH(QString, ctrl);
    QFETCH(QString, ctrlShift);
    QCOMPARE(MacroKeys::text(key, MacroKeys::Ctrl), ctrl);
    QCOMPARE(MacroKeys::text(key, MacroKeys::Ctrl | MacroKeys::Shift), ctrlShift);
    // Any other shift state inserts nothing.
    QCOMPARE(MacroKeys::text(key, MacroKeys::Ctrl | MacroKeys::Alt), QString());
    QCOMPARE(MacroKeys::text(key, MacroKeys::Ctrl | MacroKeys::Alt | MacroKeys::Shift), QString());
    QCOMPARE(MacroKeys::text(key, 0), QString());
    QCOMPARE(MacroKeys::text(key, MacroKeys::Shift), QString());
}

QTEST_APPLESS_MAIN(tst_MacroKeys)
#include "tst_macrokeys.moc"
