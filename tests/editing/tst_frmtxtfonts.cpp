// Zevora tests - the Editor Font window: preview, the size it saves, and Cancel.
#include "FakeServices.h"
#include "TestSettings.h"

#include "CRegSettings.h"
#include "frmTxtFonts.h"
#include "richy.h"

#include <QComboBox>
#include <QPushButton>
#include <QTest>

class tst_frmTxtFonts : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void useSelectionsSavesTheFaceAndTheNearestListedSize_data();
    void useSelectionsSavesTheFaceAndTheNearestListedSize();
    void cancellingRestoresTheExactFontAndSavesNothing_data();
    void cancellingRestoresTheExactFontAndSavesNothing();

private:
    static QString saved(const QString &key)
    {
        return CRegSettings().GetRegSetting("font preferences", key, "<none>");
    }
    // Picks \a entry as the user does: the list moves to it and reports the pick.
    static void pick(QComboBox *list, const QString &entry)
    {
        list->setCurrentIndex(list->findText(entry));
        emit list->activated(list->currentIndex());
    }

    std::unique_ptr<TestSettings> m_settings;
    std::unique_ptr<FakeServices> m_services;
    std::unique_ptr<richy> m_page;
    std::unique_ptr<richy> m_otherPage;
};

void tst_frmTxtFonts::init()
{
    m_settings = std::make_unique<TestSettings>();
    m_services = std::make_unique<FakeServices>();
    m_page = std::make_unique<richy>();
    m_otherPage = std::make_unique<richy>();
    m_otherPage->setFont(QFont("DejaVu Sans Mono", 11));
}

void tst_frmTxtFonts::cleanup()
{
    m_otherPage.reset();
    m_page.reset();
    m_services.reset();
    m_settings.reset();
}

void tst_frmTxtFonts::useSelectionsSavesTheFaceAndTheNearestListedSize_data()
{
    QTest::addColumn<double>("points");
    QTest::addColumn<QString>("listed"); // the size the list shows at first
    QTest::addColumn<QString>("picked");
    QTest::addColumn<QString>("size");

    const auto row = [](const char *name, double points, const char *listed, const char *picked,
                        const char *size) { QTest::newRow(name) << points << listed << picked << size; };
    row("9 saves 10", 9, "10", "", "10");
    row("11 saves 12, the later of 10 and 12", 11, "12", "", "12");
    row("72 saves 12", 72, "", "", "12");
    row("a picked size is saved as it is", 9, "10", "18", "18");
}

void tst_frmTxtFonts::useSelectionsSavesTheFaceAndTheNearestListedSize()
{
    QFETCH(double, points);
    QFETCH(QString, listed);
    QFETCH(QString, picked);
    QFETCH(QString, size);

    QFont font("DejaVu Sans Mono");
    font.setPointSizeF(points);
    m_page->setFont(font);
    frmTxtFonts dialog(m_page.get());
    QCOMPARE(dialog.cboFonts->currentText(), QString("DejaVu Sans Mono"));
    QCOMPARE(dialog.cboSize->currentText(), listed);
    pick(dialog.cboFonts, "DejaVu Serif");
    if (!picked.isEmpty())
        pick(dialog.cboSize, picked);
    // The pick shows in its page at once, and in no other.
    QCOMPARE(m_page->font().family(), QString("DejaVu Serif"));
    QCOMPARE(m_otherPage->font(), QFont("DejaVu Sans Mono", 11));
    dialog.cmdOK->click();

    QCOMPARE(dialog.result(), int(QDialog::Accepted));
    QCOMPARE(saved("font_Face"), QString("DejaVu Serif"));
    QCOMPARE(saved("font_Size"), size);
}

void tst_frmTxtFonts::cancellingRestoresTheExactFontAndSavesNothing_data()
{
    QTest::addColumn<QString>("how");
    QTest::newRow("Cancel") << "cancel";
    QTest::newRow("Escape") << "escape";
    QTest::newRow("closing the window") << "close";
}

void tst_frmTxtFonts::cancellingRestoresTheExactFontAndSavesNothing()
{
    QFETCH(QString, how);

    QFont font("DejaVu Sans Mono"); // a size that is not listed, and a weight of its own
    font.setPointSizeF(9.5);
    font.setBold(true);
    m_page->setFont(font);
    frmTxtFonts dialog(m_page.get());
    dialog.show();
    pick(dialog.cboFonts, "DejaVu Serif");
    pick(dialog.cboSize, "20");
    QCOMPARE(m_page->font().pointSizeF(), 20.0);

    if (how == "cancel")
        dialog.cmdCancel->click();
    else if (how == "escape")
        QTest::keyClick(&dialog, Qt::Key_Escape);
    else
        dialog.close();

    QCOMPARE(dialog.result(), int(QDialog::Rejected));
    QVERIFY(!dialog.isVisible());
    QCOMPARE(m_page->font(), font);
    QCOMPARE(saved("font_Face"), QString("<none>"));
    QCOMPARE(saved("font_Size"), QString("<none>"));
}

QTEST_MAIN(tst_frmTxtFonts)
#include "tst_frmtxtfonts.moc"
