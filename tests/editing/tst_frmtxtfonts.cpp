// Zevora tests - the Editor Font window: preview, the size it saves, and Cancel.
#include "FakeServices.h"
#include "TestSettings.h"

#include "CRegSettings.h"
#include "frmTxtFonts.h"
#include "richy.h"

#include <QComboBox>
#include <QPushButton>
#include <QTest>

// Picks \a entry as the user does: the list moves to it and reports the pick.
static void pick(QComboBox *list, const QString &entry)
{
    list->setCurrentIndex(list->findText(entry));
    emit list->activated(list->currentIndex());
}

class tst_frmTxtFonts : public QObject
{
    Q_OBJECT

private slots:
    void thePickShowsAtOnceAndIsSavedOnlyByUseSelections_data()
    {
        QTest::addColumn<double>("points");
        QTest::addColumn<QString>("listed"); // the size the list shows at first
        QTest::addColumn<QString>("picked");
        QTest::addColumn<QString>("how");
        QTest::addColumn<QString>("size"); // the size saved
        const auto row = [](const char *name, double points, const char *listed, const char *picked,
                            const char *how, const char *size) {
            QTest::newRow(name) << points << listed << picked << how << size;
        };
        row("9 saves 10", 9, "10", "", "ok", "10");
        row("11 saves 12, the later of 10 and 12", 11, "12", "", "ok", "12");
        row("72 saves 12", 72, "", "", "ok", "12");
        row("a picked size is saved as it is", 9, "10", "18", "ok", "18");
        // A size that is not listed, and a weight of its own, come back exactly.
        row("Cancel", 9.5, "10", "20", "cancel", "");
        row("Escape", 9.5, "10", "20", "escape", "");
        row("closing the window", 9.5, "10", "20", "close", "");
    }

    void thePickShowsAtOnceAndIsSavedOnlyByUseSelections()
    {
        QFETCH(double, points);
        QFETCH(QString, listed);
        QFETCH(QString, picked);
        QFETCH(QString, how);
        QFETCH(QString, size);
        TestSettings settings;
        FakeServices services;
        richy page, otherPage;
        otherPage.setFont(QFont("DejaVu Sans Mono", 11));
        QFont font("DejaVu Sans Mono");
        font.setPointSizeF(points);
        font.setBold(how != "ok");
        page.setFont(font);
        frmTxtFonts dialog(&page);
        dialog.show();
        QCOMPARE(dialog.cboFonts->currentText(), QString("DejaVu Sans Mono"));
        QCOMPARE(dialog.cboSize->currentText(), listed);
        pick(dialog.cboFonts, "DejaVu Serif");
        if (!picked.isEmpty())
            pick(dialog.cboSize, picked);
        // The pick shows in its page at once, and in no other.
        QCOMPARE(page.font().family(), QString("DejaVu Serif"));
        QCOMPARE(page.font().pointSizeF(), picked.isEmpty() ? points : picked.toDouble());
        QCOMPARE(otherPage.font(), QFont("DejaVu Sans Mono", 11));

        if (how == "ok")
            dialog.cmdOK->click();
        else if (how == "cancel")
            dialog.cmdCancel->click();
        else if (how == "escape")
            QTest::keyClick(&dialog, Qt::Key_Escape);
        else
            dialog.close();
        QVERIFY(!dialog.isVisible());
        QCOMPARE(dialog.result(), int(how == "ok" ? QDialog::Accepted : QDialog::Rejected));
        const auto saved = [](const char *key) {
            return CRegSettings().GetRegSetting("font preferences", key, "");
        };
        QCOMPARE(saved("font_Face"), QString(how == "ok" ? "DejaVu Serif" : ""));
        QCOMPARE(saved("font_Size"), size);
        if (how != "ok")
            QCOMPARE(page.font(), font);
    }
};

QTEST_MAIN(tst_frmTxtFonts)
#include "tst_frmtxtfonts.moc"
