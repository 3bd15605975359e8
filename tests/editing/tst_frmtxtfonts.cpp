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

    void theWindowAndItsControls();
    void useSelectionsSavesTheFaceAndTheNearestListedSize_data();
    void useSelectionsSavesTheFaceAndTheNearestListedSize();
    void cancellingRestoresTheExactFontAndSavesNothing_data();
    void cancellingRestoresTheExactFontAndSavesNothing();

private:
    QString saved(const QString &key) const
    {
        return CRegSettings().GetRegSetting("font preferences", key, "<none>");
    }
    void pick(QComboBox *list, const QString &entry);

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
    m_page->setFont(QFont("DejaVu Sans Mono", 11));
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

// Picks \a entry as the user does: the list moves to it and reports the pick.
void tst_frmTxtFonts::pick(QComboBox *list, const QString &entry)
{
    const int index = list->findText(entry);
    QVERIFY2(index >= 0, qPrintable(entry));
    list->setCurrentIndex(index);
    emit list->activated(index);
}

void tst_frmTxtFonts::theWindowAndItsControls()
{
    frmTxtFonts dialog(m_page.get());
    QCOMPARE(dialog.windowTitle(), QString("Editor Font"));
    QVERIFY(dialog.isModal());
    QCOMPARE(dialog.cmdOK->text(), QString("Use Selections"));
    QCOMPARE(dialog.cmdCancel->text(), QString("Cancel"));
    for (const char *name : {"cboFonts", "cboSize", "cmdOK", "cmdCancel"})
        QVERIFY2(dialog.findChild<QWidget *>(name), name);
    QVERIFY(!dialog.cboFonts->isEditable());
    QVERIFY(!dialog.cboSize->isEditable());
    QCOMPARE(dialog.cboFonts->currentText(), QString("DejaVu Sans Mono"));
    QStringList sizes;
    for (int i = 0; i < dialog.cboSize->count(); ++i)
        sizes.append(dialog.cboSize->itemText(i));
    QCOMPARE(sizes, QStringList({"8", "10", "12", "14", "16", "18", "20", "24"}));
    // 11 points lies within 1.1 of 10 and of 12: the later one is shown.
    QCOMPARE(dialog.cboSize->currentText(), QString("12"));
}

void tst_frmTxtFonts::useSelectionsSavesTheFaceAndTheNearestListedSize_data()
{
    QTest::addColumn<double>("points");
    QTest::addColumn<QString>("picked");
    QTest::addColumn<QString>("size");

    QTest::addRow("9 saves 10") << 9.0 << ""
                                << "10";
    QTest::addRow("72 saves 12") << 72.0 << ""
                                 << "12";
    QTest::addRow("a picked size is saved as it is") << 9.0 << "18"
                                                     << "18";
}

void tst_frmTxtFonts::useSelectionsSavesTheFaceAndTheNearestListedSize()
{
    QFETCH(double, points);
    QFETCH(QString, picked);
    QFETCH(QString, size);

    QFont font("DejaVu Sans Mono");
    font.setPointSizeF(points);
    m_page->setFont(font);
    frmTxtFonts dialog(m_page.get());
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
    QTest::addRow("Cancel") << "cancel";
    QTest::addRow("Escape") << "escape";
    QTest::addRow("closing the window") << "close";
}

void tst_frmTxtFonts::cancellingRestoresTheExactFontAndSavesNothing()
{
    QFETCH(QString, how);

    // A size that is not in the list, and a weight of its own.
    QFont font("DejaVu Sans Mono");
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
    QCOMPARE(m_page->font().pointSizeF(), 9.5);
    QCOMPARE(saved("font_Face"), QString("<none>"));
    QCOMPARE(saved("font_Size"), QString("<none>"));
}

QTEST_MAIN(tst_frmTxtFonts)
#include "tst_frmtxtfonts.moc"
