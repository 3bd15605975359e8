// Zevora tests - the settings store.
#include "CRegSettings.h"
#include "TestFiles.h"
#include "TestSettings.h"

#include <QTest>

class tst_CRegSettings : public QObject
{
    Q_OBJECT

private slots:
    void init() { m_store = std::make_unique<TestSettings>(); }

    void valuesReadBackExactly_data()
    {
        QTest::addColumn<QString>("value");
        QTest::addRow("empty") << QString("");
        QTest::addRow("non-ASCII") << QString::fromUtf8("Café € 😀");
    }

    void valuesReadBackExactly()
    {
        QFETCH(QString, value);
        QVERIFY(CRegSettings().SaveRegSetting("Recent Files", "0", value));
        QCOMPARE(CRegSettings().GetRegSetting("Recent Files", "0", "default"), value);
        QCOMPARE(CRegSettings().GetRegSetting("Recent Files", "1", "default"), QString("default"));
    }

    void namesAreMatchedWithoutRegardToCase()
    {
        CRegSettings reg;
        QVERIFY(reg.SaveRegSetting("Files", "default_Open", ".htm"));
        QCOMPARE(reg.GetRegSetting("FILES", "DEFAULT_OPEN"), QString(".htm"));

        // Rewriting under another spelling changes the one value.
        QVERIFY(reg.SaveRegSetting("files", "default_open", ".txt"));
        QCOMPARE(reg.GetRegSetting("Files", "default_Open"), QString(".txt"));
        QVERIFY(reg.DeleteSetting("fIlEs", "DEFAULT_open"));
        QCOMPARE(reg.GetRegSetting("Files", "default_Open", "gone"), QString("gone"));
        QCOMPARE(readFile(m_store->filePath()).toLower().count("default_open"), 0);
    }

    void deletingRemovesOnlyWhatItNames()
    {
        CRegSettings reg;
        for (const char *key : {"*", "0", "1"})
            QVERIFY(reg.SaveRegSetting("tFileName", key, key));
        QVERIFY(reg.SaveRegSetting("tID", "0", "kept"));
        // "*" is the section's unnamed value.
        QVERIFY(reg.DeleteSetting("tFileName", "*"));
        QCOMPARE(reg.GetRegSetting("tFileName", "*", "none"), QString("none"));
        QCOMPARE(reg.GetRegSetting("tFileName", "0"), QString("0"));
        QVERIFY(reg.DeleteSetting("TFILENAME"));
        QCOMPARE(reg.GetRegSetting("tFileName", "1", "none"), QString("none"));
        QCOMPARE(reg.GetRegSetting("tID", "0"), QString("kept"));
        QVERIFY(!reg.DeleteSetting("never written"));
        QVERIFY(!reg.DeleteSetting("tID", "no such key"));
    }

    void aValueWrittenByAnotherProcessIsReadAtOnce()
    {
        CRegSettings reg;
        QVERIFY(reg.SaveRegSetting("font preferences", "font_Face", "Courier"));
        QCOMPARE(reg.GetRegSetting("font preferences", "font_Face"), QString("Courier"));

        // Another program rewrites the store behind our back (a different size, so
        // that no time stamp resolution can hide the change), with a comma left
        // unquoted: the value is still the text written.
        QVERIFY(writeFile(m_store->filePath(),
                          "[font%20preferences]\nfont_Face=DejaVu Sans Mono, Bold\nfont_Size=12\n"));
        QCOMPARE(reg.GetRegSetting("Font Preferences", "FONT_FACE"), QString("DejaVu Sans Mono, Bold"));
        QCOMPARE(reg.GetRegSetting("font preferences", "font_Size"), QString("12"));
    }

private:
    std::unique_ptr<TestSettings> m_store;
};

QTEST_GUILESS_MAIN(tst_CRegSettings)
#include "tst_cregsettings.moc"
