// Zevora tests - the texts of the quick tag commands and the drop-down menus.
#include "QuickTags.h"

#include <QTest>

namespace {
QString snippet(char menu, int index)
{
    switch (menu) {
    case 'f':
        return QuickTags::formSnippet(index);
    case 'i':
        return QuickTags::inputSnippet(index);
    case 's':
        return QuickTags::scriptSnippet(index);
    default:
        return QuickTags::dropSnippet(index);
    }
}
} // namespace

class tst_QuickTags : public QObject
{
    Q_OBJECT

private slots:
    void everyItemIsOneBlockOfCrLfLines()
    {
        const std::pair<char, QStringList> menus[] = {{'f', QuickTags::formCaptions()},
                                                      {'i', QuickTags::inputCaptions()},
                                                      {'s', QuickTags::scriptCaptions()},
                                                      {'d', QuickTags::dropCaptions()}};
        for (const auto &[menu, captions] : menus) {
            for (int index = -1; index <= captions.size(); ++index) {
                const QString text = snippet(menu, index);
                const QString where = QString("%1 %2").arg(menu).arg(index);
                // Separators and indexes outside the menu give nothing.
                QCOMPARE(text.isEmpty(), captions.value(index, "-") == "-");
                if (text.isEmpty())
                    continue;
                QVERIFY2(text.startsWith('<') && !text.endsWith('\n'), qPrintable(where));
                QVERIFY2(text.count('\n') == text.count("\r\n") && text.count('\r') == text.count("\r\n"),
                         qPrintable(where));
            }
        }
        QCOMPARE(QuickTags::scriptCaretBack(3), 0);
    }

    void eachItemGivesItsOwnText_data()
    {
        QTest::addColumn<char>("menu");
        QTest::addColumn<int>("index");
        QTest::addColumn<QString>("firstLine");
        QTest::addColumn<int>("lines");
        // One item of each menu: an index off by one gives another item's text.
        QTest::addRow("Textarea") << 'f' << 3
                                  << "<TEXTAREA NAME=\"\" COLS=\"40\" ROWS=\"6\" WRAP=\"VIRTUAL\">" << 2;
        QTest::addRow("Submit") << 'i' << 7 << "<INPUT TYPE=\"SUBMIT\" VALUE=\"Submit\">" << 1;
        QTest::addRow("Style") << 's' << 2 << "<STYLE TYPE=\"text/css\">" << 3;
        QTest::addRow("w/New Window Option") << 'd' << 2 << "<form>" << 22;
    }

    void eachItemGivesItsOwnText()
    {
        QFETCH(char, menu);
        QFETCH(int, index);
        QFETCH(QString, firstLine);
        QFETCH(int, lines);
        const QStringList text = snippet(menu, index).split("\r\n");
        QCOMPARE(text.first(), firstLine);
        QCOMPARE(text.size(), lines);
    }

    void theCaretGoesToTheEmptyLineOfAScriptBlock_data()
    {
        QTest::addColumn<int>("index");
        QTest::addColumn<QString>("lineBreak");
        QTest::addRow("JavaScript, CR LF") << 0 << "\r\n";
        QTest::addRow("Style, CR LF") << 2 << "\r\n";
        QTest::addRow("JavaScript, LF") << 0 << "\n";
        QTest::addRow("VBScript, CR") << 1 << "\r";
    }

    void theCaretGoesToTheEmptyLineOfAScriptBlock()
    {
        QFETCH(int, index);
        QFETCH(QString, lineBreak);

        // The block as it stands in a page with this line ending, and the caret
        // moved back from its end: on the empty line before the closing tag.
        const QString block = QuickTags::scriptSnippet(index).replace("\r\n", lineBreak);
        const QString closing = index == 2 ? "</STYLE>" : "</SCRIPT>";
        const qsizetype caret = block.size() - QuickTags::scriptCaretBack(index, lineBreak);
        QCOMPARE(block.left(caret), block.section(lineBreak, 0, 0) + lineBreak);
        QCOMPARE(block.mid(caret), lineBreak + closing);
    }

    void theDateIsWrittenWithTheLocalesMonthNames()
    {
        QCOMPARE(QuickTags::dateSnippet(QDate(2010, 2, 9), QLocale(QLocale::French, QLocale::France)),
                 QString::fromUtf8("f\u00e9vrier 09, 2010"));
    }
};

QTEST_APPLESS_MAIN(tst_QuickTags)
#include "tst_quicktags.moc"
