// Zevora tests - the settings store.
#include "CRegSettings.h"
#include "TestSettings.h"

#include <QFile>
#include <QTest>

class tst_CRegSettings : public QObject
{
    Q_OBJECT

private slots:
    void init();

    void aMissingSectionOrKeyReadsAsTheDefault();
    void anEmptyTextReadsBackAsEmpty();
    void valuesReadBackExactly_data();
    void valuesReadBackExactly();
    void namesAreMatchedWithoutRegardToCase();
    void theStarKeyIsTheSectionsUnnamedValue();
    void deletingAKeyRemovesOnlyThatValue();
    void deletingASectionRemovesAllItsValues();
    void deletingWhatIsNotThereReportsFailure();
    void aValueWrittenByAnotherObjectIsReadAtOnce();
    void aValueWrittenByAnotherProcessIsReadAtOnce();
    void companyAndAppNameAreTrimmedAndDefaulted();

private:
    std::unique_ptr<TestSettings> m_store;
};

void tst_CRegSettings::init()
{
    m_store = std::make_unique<TestSettings>();
}

void tst_CRegSettings::aMissingSectionOrKeyReadsAsTheDefault()
{
    CRegSettings reg;
    QCOMPARE(reg.GetRegSetting("Files", "default_Open", "fallback"), QString("fallback"));
    QCOMPARE(reg.GetRegSetting("Files", "default_Open"), QString());
    QVERIFY(reg.SaveRegSetting("Files", "default_Save", "htm"));
    QCOMPARE(reg.GetRegSetting("Files", "default_Open", "fallback"), QString("fallback"));
}

void tst_CRegSettings::anEmptyTextReadsBackAsEmpty()
{
    CRegSettings reg;
    QVERIFY(reg.SaveRegSetting("Tabs", "Length", ""));
    const QString value = reg.GetRegSetting("Tabs", "Length", "    ");
    QCOMPARE(value, QString(""));
}

void tst_CRegSettings::valuesReadBackExactly_data()
{
    QTest::addColumn<QString>("value");
    QTest::addRow("spaces only") << QString("        ");
    QTest::addRow("comma") << QString("a, b,c");
    QTest::addRow("semicolon") << QString("x;y ; z");
    QTest::addRow("quotes") << QString("say \"hi\" and 'bye'");
    QTest::addRow("backslashes") << QString("C:\\site\\index.htm");
    QTest::addRow("leading and trailing blanks") << QString("  padded  ");
    QTest::addRow("non-ASCII") << QString::fromUtf8("Café € 😀");
    QTest::addRow("equals and brackets") << QString("[a]=b #c");
    QTest::addRow("line breaks") << QString("one\r\ntwo\nthree");
    QTest::addRow("a number") << QString("16777215");
}

void tst_CRegSettings::valuesReadBackExactly()
{
    QFETCH(QString, value);
    QVERIFY(CRegSettings().SaveRegSetting("Recent Files", "0", value));
    QCOMPARE(CRegSettings().GetRegSetting("Recent Files", "0", "default"), value);
}

void tst_CRegSettings::namesAreMatchedWithoutRegardToCase()
{
    CRegSettings reg;
    QVERIFY(reg.SaveRegSetting("Files", "default_Open", ".htm"));
    QCOMPARE(reg.GetRegSetting("files", "default_open"), QString(".htm"));
    QCOMPARE(reg.GetRegSetting("FILES", "DEFAULT_OPEN"), QString(".htm"));

    // Rewriting under another spelling changes the one value.
    QVERIFY(reg.SaveRegSetting("FILES", "default_open", ".txt"));
    QCOMPARE(reg.GetRegSetting("Files", "default_Open"), QString(".txt"));

    QVERIFY(reg.DeleteSetting("fIlEs", "DEFAULT_open"));
    QCOMPARE(reg.GetRegSetting("Files", "default_Open", "gone"), QString("gone"));

    // The store holds one value, not one per spelling.
    QFile file(m_store->filePath());
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray content = file.readAll().toLower();
    QCOMPARE(content.count("default_open"), 0);
}

void tst_CRegSettings::theStarKeyIsTheSectionsUnnamedValue()
{
    CRegSettings reg;
    QVERIFY(reg.SaveRegSetting("tID", "*", "unnamed"));
    QVERIFY(reg.SaveRegSetting("tID", "0", "named"));
    QCOMPARE(reg.GetRegSetting("tID", "*"), QString("unnamed"));
    QCOMPARE(reg.GetRegSetting("tID", "0"), QString("named"));
    QVERIFY(reg.DeleteSetting("tID", "*"));
    QCOMPARE(reg.GetRegSetting("tID", "*", "none"), QString("none"));
    QCOMPARE(reg.GetRegSetting("tID", "0"), QString("named"));
}

void tst_CRegSettings::deletingAKeyRemovesOnlyThatValue()
{
    CRegSettings reg;
    QVERIFY(reg.SaveRegSetting("Recent Files", "0", "/a.htm"));
    QVERIFY(reg.SaveRegSetting("Recent Files", "1", "/b.htm"));
    QVERIFY(reg.DeleteSetting("Recent Files", "0"));
    QCOMPARE(reg.GetRegSetting("Recent Files", "0", "-"), QString("-"));
    QCOMPARE(reg.GetRegSetting("Recent Files", "1", "-"), QString("/b.htm"));
}

void tst_CRegSettings::deletingASectionRemovesAllItsValues()
{
    CRegSettings reg;
    QVERIFY(reg.SaveRegSetting("tFileName", "0", "a.htm"));
    QVERIFY(reg.SaveRegSetting("tFileName", "1", "b.htm"));
    QVERIFY(reg.SaveRegSetting("tID", "0", "kept"));
    QVERIFY(reg.DeleteSetting("TFILENAME"));
    QCOMPARE(reg.GetRegSetting("tFileName", "0", "d0"), QString("d0"));
    QCOMPARE(reg.GetRegSetting("tFileName", "1", "d1"), QString("d1"));
    QCOMPARE(reg.GetRegSetting("tID", "0"), QString("kept"));
}

void tst_CRegSettings::deletingWhatIsNotThereReportsFailure()
{
    CRegSettings reg;
    QVERIFY(!reg.DeleteSetting("never written"));
    QVERIFY(reg.SaveRegSetting("Files", "default_Save", "htm"));
    QVERIFY(!reg.DeleteSetting("Files", "no such key"));
}

void tst_CRegSettings::aValueWrittenByAnotherObjectIsReadAtOnce()
{
    CRegSettings reader;
    QCOMPARE(reader.GetRegSetting("background", "bgColor", "none"), QString("none"));
    CRegSettings writer;
    QVERIFY(writer.SaveRegSetting("background", "bgColor", "255"));
    QCOMPARE(reader.GetRegSetting("background", "bgColor", "none"), QString("255"));
    QVERIFY(writer.SaveRegSetting("background", "bgColor", "65280"));
    QCOMPARE(reader.GetRegSetting("background", "bgColor", "none"), QString("65280"));
}

void tst_CRegSettings::aValueWrittenByAnotherProcessIsReadAtOnce()
{
    CRegSettings reg;
    QVERIFY(reg.SaveRegSetting("font preferences", "font_Face", "Courier"));
    QCOMPARE(reg.GetRegSetting("font preferences", "font_Face"), QString("Courier"));

    // Another program rewrites the store behind our back (a different size, so
    // that no time stamp resolution can hide the change).
    QFile file(m_store->filePath());
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write("[font%20preferences]\nfont_Face=DejaVu Sans Mono\nfont_Size=12\n");
    file.close();

    QCOMPARE(reg.GetRegSetting("Font Preferences", "FONT_FACE"), QString("DejaVu Sans Mono"));
    QCOMPARE(reg.GetRegSetting("font preferences", "font_Size"), QString("12"));
}

void tst_CRegSettings::companyAndAppNameAreTrimmedAndDefaulted()
{
    CRegSettings reg;
    QCOMPARE(reg.Company(), QString("Tallow Ridge"));
    QCOMPARE(reg.AppName(), QString("Zevora"));
    reg.setCompany("  Other Co  ");
    QCOMPARE(reg.Company(), QString("Other Co"));
    reg.setCompany("   ");
    QCOMPARE(reg.Company(), QString("Tallow Ridge"));
    reg.setAppName("\tTool ");
    QCOMPARE(reg.AppName(), QString("Tool"));
    reg.setAppName("");
    QCOMPARE(reg.AppName(), QString("Zevora"));
}

QTEST_GUILESS_MAIN(tst_CRegSettings)
#include "tst_cregsettings.moc"
