// Zevora tests - the texts of the Ctrl and Ctrl+Shift letter keys.
#include "MacroKeys.h"

#include <QTest>

class tst_MacroKeys : public QObject
{
    Q_OBJECT

private slots:
    void onlyCtrlAndCtrlShiftInsertALettersTexts_data()
    {
        QTest::addColumn<int>("key");
        QTest::addColumn<QString>("ctrl");
        QTest::addColumn<QString>("ctrlShift");
        QTest::addRow("A, the first") << int('A') << QString("<A HREF=\"\">") << QString("</A>");
        QTest::addRow("B has no closing tag") << int('B') << QString("<BR>") << QString();
        QTest::addRow("Y, the last, is not X") << int('Y') << QString("<XMP>") << QString("</XMP>");
    }

    void onlyCtrlAndCtrlShiftInsertALettersTexts()
    {
        QFETCH(int, key);
        QTEST(MacroKeys::text(key, MacroKeys::Ctrl), "ctrl");
        QTEST(MacroKeys::text(key, MacroKeys::Ctrl | MacroKeys::Shift), "ctrlShift");
        // Any other shift state inserts nothing.
        for (const int state :
             {0, int(MacroKeys::Shift), int(MacroKeys::Alt), MacroKeys::Ctrl | MacroKeys::Alt,
              MacroKeys::Ctrl | MacroKeys::Alt | MacroKeys::Shift})
            QCOMPARE(MacroKeys::text(key, state), QString());
    }

    void fifteenLettersOpenAndElevenClose()
    {
        int opening = 0, closing = 0;
        for (int key = 'A'; key <= 'Z'; ++key) {
            opening += !MacroKeys::text(key, MacroKeys::Ctrl).isEmpty();
            closing += !MacroKeys::text(key, MacroKeys::Ctrl | MacroKeys::Shift).isEmpty();
        }
        QCOMPARE(opening, 15);
        QCOMPARE(closing, 11);
        QCOMPARE(MacroKeys::text('5', MacroKeys::Ctrl), QString());
    }
};

QTEST_APPLESS_MAIN(tst_MacroKeys)
#include "tst_macrokeys.moc"
