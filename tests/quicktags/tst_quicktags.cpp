// Zevora tests - the texts of the quick tag commands and the drop-down menus.
#include "QuickTags.h"
#include "cStringsMenus.h"

#include <QTest>

class tst_QuickTags : public QObject
{
    Q_OBJECT

private slots:
    void theMenusListTheirItems();
    void formItemsGiveTheirExactText_data();
    void formItemsGiveTheirExactText();
    void inputItemsGiveOneLineEach_data();
    void inputItemsGiveOneLineEach();
    void scriptItemsGiveAnEmptyBlock_data();
    void scriptItemsGiveAnEmptyBlock();
    void theCaretGoesToTheEmptyLineOfAScriptBlock_data();
    void theCaretGoesToTheEmptyLineOfAScriptBlock();
    void dropMenusGiveTheirExactText_data();
    void dropMenusGiveTheirExactText();
    void indexesOutsideTheListsGiveNothing_data();
    void indexesOutsideTheListsGiveNothing();
    void theDateIsWrittenWithTheLocalesMonthNames_data();
    void theDateIsWrittenWithTheLocalesMonthNames();
};

void tst_QuickTags::theMenusListTheirItems()
{
    QCOMPARE(QuickTags::formCaptions(),
             QStringList({"Use POST", "Use GET", "-", "Textarea", "-", "Select", "w/Multiple"}));
    QCOMPARE(QuickTags::inputCaptions(),
             QStringList({"Text", "Hidden", "Radio", "Checkbox", "Password", "File", "Reset", "Submit"}));
    QCOMPARE(QuickTags::scriptCaptions(), QStringList({"JavaScript", "VBScript", "Style"}));
    QCOMPARE(QuickTags::dropCaptions(),
             QStringList({"w/Redirect", "above w/Go Button", "w/New Window Option"}));
}

void tst_QuickTags::formItemsGiveTheirExactText_data()
{
    QTest::addColumn<int>("index");
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("lines");
    const QString option = "<OPTION VALUE=\"###\">###\r\n";
    QTest::addRow("Use POST") << 0 << "<FORM NAME=\"\" METHOD=\"POST\" ACTION=\"\">\r\n\r\n</FORM>" << 3;
    QTest::addRow("Use GET") << 1 << "<FORM NAME=\"\" METHOD=\"GET\" ACTION=\"\">\r\n\r\n</FORM>" << 3;
    QTest::addRow("first separator") << 2 << "" << 0;
    QTest::addRow("Textarea") << 3
                              << "<TEXTAREA NAME=\"\" COLS=\"40\" ROWS=\"6\" WRAP=\"VIRTUAL\">\r\n"
                                 "</TEXTAREA>"
                              << 2;
    QTest::addRow("second separator") << 4 << "" << 0;
    QTest::addRow("Select") << 5
                            << "<SELECT NAME=\"\">\r\n"
                               "<OPTION VALUE=\"###\">###\r\n<OPTION VALUE=\"###\">###\r\n"
                               "<OPTION VALUE=\"###\">###\r\n<OPTION VALUE=\"###\">###\r\n"
                               "<OPTION VALUE=\"###\">###\r\n<OPTION VALUE=\"###\">###\r\n"
                               "<OPTION VALUE=\"###\">###\r\n<OPTION VALUE=\"###\">###\r\n"
                               "</SELECT>"
                            << 10;
    QTest::addRow("w/Multiple") << 6
                                << "<SELECT MULTIPLE NAME=\"\" SIZE=\"3\">\r\n" + option.repeated(8) +
                                       "</SELECT>"
                                << 10;
}

void tst_QuickTags::formItemsGiveTheirExactText()
{
    QFETCH(int, index);
    QFETCH(QString, text);
    QFETCH(int, lines);
    const QString snippet = QuickTags::formSnippet(index);
    QCOMPARE(snippet, text);
    QCOMPARE(snippet.isEmpty() ? 0 : snippet.split("\r\n").size(), lines);
    QVERIFY(!snippet.endsWith('\n'));
}

void tst_QuickTags::inputItemsGiveOneLineEach_data()
{
    QTest::addColumn<int>("index");
    QTest::addColumn<QString>("text");
    QTest::addRow("Text") << 0 << "<INPUT TYPE=\"TEXT\" NAME=\"\" SIZE=\"24\" MAXLENGTH=\"80\">";
    QTest::addRow("Hidden") << 1 << "<INPUT TYPE=\"HIDDEN\" NAME=\"\" VALUE=\"\">";
    QTest::addRow("Radio") << 2 << "<INPUT TYPE=\"RADIO\" NAME=\"\" VALUE=\"\">";
    QTest::addRow("Checkbox") << 3 << "<INPUT TYPE=\"CHECKBOX\" NAME=\"\" VALUE=\"YES\">";
    QTest::addRow("Password") << 4 << "<INPUT TYPE=\"PASSWORD\" NAME=\"\" SIZE=\"24\" MAXLENGTH=\"80\">";
    QTest::addRow("File") << 5
                          << "<INPUT TYPE=\"FILE\" NAME=\"\" ACCEPT=\"filetype/*\" SIZE=\"24\" "
                             "MAXLENGTH=\"120\">";
    QTest::addRow("Reset") << 6 << "<INPUT TYPE=\"RESET\" VALUE=\"Clear Form\">";
    QTest::addRow("Submit") << 7 << "<INPUT TYPE=\"SUBMIT\" VALUE=\"Submit\">";
}

void tst_QuickTags::inputItemsGiveOneLineEach()
{
    QFETCH(int, index);
    QFETCH(QString, text);
    QCOMPARE(QuickTags::inputSnippet(index), text);
}

void tst_QuickTags::scriptItemsGiveAnEmptyBlock_data()
{
    QTest::addColumn<int>("index");
    QTest::addColumn<QString>("text");
    QTest::addRow("JavaScript") << 0 << "<SCRIPT LANGUAGE=\"JavaScript\">\r\n\r\n</SCRIPT>";
    QTest::addRow("VBScript") << 1 << "<SCRIPT LANGUAGE=\"VBScript\">\r\n\r\n</SCRIPT>";
    QTest::addRow("Style") << 2 << "<STYLE TYPE=\"text/css\">\r\n\r\n</STYLE>";
}

void tst_QuickTags::scriptItemsGiveAnEmptyBlock()
{
    QFETCH(int, index);
    QFETCH(QString, text);
    QCOMPARE(QuickTags::scriptSnippet(index), text);
}

void tst_QuickTags::theCaretGoesToTheEmptyLineOfAScriptBlock_data()
{
    QTest::addColumn<int>("index");
    QTest::addColumn<QString>("lineBreak");
    QTest::addColumn<int>("back");
    QTest::addRow("JavaScript, CR LF") << 0 << "\r\n" << 11;
    QTest::addRow("VBScript, CR LF") << 1 << "\r\n" << 11;
    QTest::addRow("Style, CR LF") << 2 << "\r\n" << 10;
    QTest::addRow("JavaScript, LF") << 0 << "\n" << 10;
    QTest::addRow("Style, LF") << 2 << "\n" << 9;
    QTest::addRow("VBScript, CR") << 1 << "\r" << 10;
}

void tst_QuickTags::theCaretGoesToTheEmptyLineOfAScriptBlock()
{
    QFETCH(int, index);
    QFETCH(QString, lineBreak);
    QFETCH(int, back);
    QCOMPARE(QuickTags::scriptCaretBack(index, lineBreak), back);

    // The block as it stands in a page with this line ending.
    const QString block = QuickTags::scriptSnippet(index).replace("\r\n", lineBreak);
    const QString closing = index == 2 ? "</STYLE>" : "</SCRIPT>";
    const qsizetype caret = block.size() - back;
    QCOMPARE(block.left(caret), block.section(lineBreak, 0, 0) + lineBreak);
    QCOMPARE(block.mid(caret), lineBreak + closing);
}

void tst_QuickTags::dropMenusGiveTheirExactText_data()
{
    QTest::addColumn<int>("index");
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("lines");
    QTest::addRow("w/Redirect")
        << 0
        << "<FORM><SELECT NAME=\"\" onChange=\"if (this.options[this.selectedIndex].value.length != 0) "
           "{window.location=this.options[this.selectedIndex].value;}\">\r\n"
           "<OPTION SELECTED VALUE=\"\">**INSERT HEADING (no link) HERE**\r\n"
           "<OPTION VALUE=\"**ENTER LINK PAGE HERE**\">**ENTER MENU TEXT HERE**\r\n"
           "<OPTION VALUE=\"**ENTER LINK PAGE HERE**\">**ENTER MENU TEXT HERE**\r\n"
           "<OPTION VALUE=\"**ENTER LINK PAGE HERE**\">**ENTER MENU TEXT HERE**\r\n"
           "</SELECT></FORM>"
        << 6;
    QTest::addRow("above w/Go Button")
        << 1
        << "<FORM>\r\n"
           "<SELECT>\r\n"
           "<OPTION SELECTED  VALUE=\"\">**INSERT HEADING (no link) HERE**\r\n"
           "<OPTION VALUE=\"**ENTER LINK PAGE HERE**\">**ENTER MENU TEXT HERE**\r\n"
           "<OPTION VALUE=\"**ENTER LINK PAGE HERE**\">**ENTER MENU TEXT HERE**\r\n"
           "<OPTION VALUE=\"**ENTER LINK PAGE HERE**\">**ENTER MENU TEXT HERE**\r\n"
           "</SELECT>\r\n"
           "<input TYPE=\"button\" VALUE=\"Go!\" onClick=\"if "
           "(this.form.elements[0].options[this.form.elements[0].selectedIndex].value.length != 0) "
           "{window.location=this.form.elements[0].options[this.form.elements[0].selectedIndex].value}\">\r\n"
           "</form>"
        << 9;
    QTest::addRow("w/New Window Option")
        << 2
        << "<form>\r\n"
           "<select  name=\"sel1\" size=1>\r\n"
           "   <option value=\"**ENTER LINK PAGE HERE**\">**ENTER MENU TEXT HERE**\r\n"
           "   <option value=\"**ENTER LINK PAGE HERE**\">**ENTER MENU TEXT HERE**\r\n"
           "   <option value=\"**ENTER LINK PAGE HERE**\">**ENTER MENU TEXT HERE**\r\n"
           "</select>&nbsp;<input type=\"button\" value=\"Go!\" onClick=\"sendThis(this.form)\">\r\n"
           "<br>\r\n"
           "<input type=\"checkbox\" name=\"optWnd\" value=\"ON\">Open in a new window\r\n"
           "</form>\r\n"
           "<script language=\"javascript\">\r\n"
           "<!--//\r\n"
           "\r\n"
           "function sendThis(xx){\r\n"
           "if (xx.optWnd.checked && !window.newWnd){\r\n"
           "  newWnd=window.open(\"\")\r\n"
           " newWnd.location=xx.sel1.options[xx.sel1.selectedIndex].value \r\n"
           " } else { \r\n"
           "  location=xx.sel1.options[xx.sel1.selectedIndex].value\r\n"
           " }\r\n"
           "}\r\n"
           "//-->\r\n"
           "</script>"
        << 22;
}

void tst_QuickTags::dropMenusGiveTheirExactText()
{
    QFETCH(int, index);
    QFETCH(QString, text);
    QFETCH(int, lines);
    const QString menu = cStringsMenus().getStrVal(index);
    QCOMPARE(menu, text);
    QCOMPARE(menu.split("\r\n").size(), lines);
    QCOMPARE(menu.count('\n'), lines - 1); // no line break that is not CR LF
    QCOMPARE(QuickTags::dropSnippet(index), text);
}

void tst_QuickTags::indexesOutsideTheListsGiveNothing_data()
{
    QTest::addColumn<int>("index");
    QTest::addRow("minus one") << -1;
    QTest::addRow("three") << 3;
    QTest::addRow("seven") << 7;
    QTest::addRow("eight") << 8;
    QTest::addRow("large") << 1000;
}

void tst_QuickTags::indexesOutsideTheListsGiveNothing()
{
    QFETCH(int, index);
    if (index >= QuickTags::formCaptions().size() || index < 0)
        QCOMPARE(QuickTags::formSnippet(index), QString());
    if (index >= QuickTags::inputCaptions().size() || index < 0)
        QCOMPARE(QuickTags::inputSnippet(index), QString());
    QCOMPARE(QuickTags::scriptSnippet(index), QString());
    QCOMPARE(QuickTags::scriptCaretBack(index), 0);
    QCOMPARE(cStringsMenus().getStrVal(index), QString());
    QCOMPARE(QuickTags::dropSnippet(index), QString());
}

void tst_QuickTags::theDateIsWrittenWithTheLocalesMonthNames_data()
{
    QTest::addColumn<QDate>("date");
    QTest::addColumn<QLocale>("locale");
    QTest::addColumn<QString>("text");
    const QLocale english(QLocale::English, QLocale::UnitedStates);
    QTest::addRow("4 July 2001 in English") << QDate(2001, 7, 4) << english << "July 04, 2001";
    QTest::addRow("1 January 2024 in English") << QDate(2024, 1, 1) << english << "January 01, 2024";
    QTest::addRow("31 December 1999 in English") << QDate(1999, 12, 31) << english << "December 31, 1999";
    QTest::addRow("British English") << QDate(2001, 7, 4) << QLocale(QLocale::English, QLocale::UnitedKingdom)
                                     << "July 04, 2001";
    QTest::addRow("German") << QDate(2010, 3, 9) << QLocale(QLocale::German, QLocale::Germany)
                            << QString::fromUtf8("M\u00e4rz 09, 2010");
    QTest::addRow("French") << QDate(2001, 7, 4) << QLocale(QLocale::French, QLocale::France)
                            << "juillet 04, 2001";
}

void tst_QuickTags::theDateIsWrittenWithTheLocalesMonthNames()
{
    QFETCH(QDate, date);
    QFETCH(QLocale, locale);
    QFETCH(QString, text);
    QCOMPARE(QuickTags::dateSnippet(date, locale), text);
}

QTEST_APPLESS_MAIN(tst_QuickTags)
#include "tst_quicktags.moc"
