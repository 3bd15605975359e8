// Zevora tests - the table designer, driven through its named controls.
#include "TestControls.h"
#include "TestFrame.h"

#include "frmTable.h"

#include <QAbstractButton>
#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPointer>
#include <QScrollBar>
#include <QTest>

using namespace Platform;

namespace {

MessageBox box(const QString &title, const QString &text)
{
    return MessageBox{title, text, MsgIcon::None, MsgButtons::Ok, true};
}

} // namespace

class tst_frmTable : public QObject
{
    Q_OBJECT

private slots:
    void init() { m_test = std::make_unique<TestFrame>(); }

    void cleanup()
    {
        delete m_dialog;
        m_test.reset();
    }

    void sizeListsAndTheCellMenuBuildTheTable()
    {
        open(m_test->page());
        QCOMPARE(unnamedControls(m_dialog), QStringList());
        choose("cboRowNum", 2);
        choose("cboColNum", 3);
        choose("cboRowNum", 0);
        QVERIFY(control("lbl2(2)")->isVisible() && !control("lbl3(0)")->isVisible());

        rightClick(0, 0);
        QVERIFY(!control<QAction>("mnuAdjustW(3)")->isEnabled() &&
                !control<QAction>("mnuAdjustW(8)")->isEnabled());
        menuItem("mnuAdjustW(5)");
        auto *bar = control<QScrollBar>("hScrW");
        QVERIFY(bar->isVisible() && control("Picture1(0)")->isVisible());
        QCOMPARE((QList<int>{bar->minimum(), bar->maximum(), bar->value()}), (QList<int>{2, 3, 2}));
        QCOMPARE(control<QLabel>("lblWidth")->text(), "Choose # of ColSpans");
        bar->setValue(3);
        QCOMPARE(control<QLabel>("lblScrW")->text(), "3 Columns");
        control<QAbstractButton>("Picture1(0)")->click();
        QVERIFY(!bar->isVisible() && !control("lbl1(1)")->isVisible());
        QCOMPARE(control<QLabel>("lbl1(0)")->width(), control<QWidget>("picT")->width());

        // A refusal shows its box and removes the mark; a dismissed menu does too.
        rightClick(0, 1);
        m_test->services.messages.answerNext(MsgAnswer::Ok);
        menuItem("mnuAdjustW(6)");
        QCOMPARE(m_test->services.messages.shown.last(),
                 box("NO SPACE...", "No space available to set RowSpans in this column..."));
        QCOMPARE(control<QLabel>("lbl2(0)")->text(), "");
        rightClick(1, 1);
        m_dialog->mnuAdjust->hide();
        QTRY_COMPARE(control<QLabel>("lbl2(1)")->text(), "");
        QVERIFY(!m_dialog->model().isMarked());
    }

    void attributeKeysAndTheEnterButton_data()
    {
        QTest::addColumn<int>("option");
        QTest::addColumn<QString>("keys");
        QTest::addColumn<QList<MessageBox>>("boxes");
        QTest::addColumn<QString>("fragment");

        QTest::addRow("two digits as border, backspace")
            << 0 << "42\b7" << QList<MessageBox>{} << "<TABLE border=47 width=100%>";
        QTest::addRow("a third key") << 1 << "12x"
                                     << QList<MessageBox>{box("TOO BIG",
                                                              "The size is limited to less than 100 Pixels.")}
                                     << "<TABLE border=1 width=100% cellspacing=12>";
        QTest::addRow("a letter") << 2 << "5x"
                                  << QList<MessageBox>{box("Numbers only...",
                                                           "Input is limited to the numbers 0-9")}
                                  << "<TABLE border=1 width=100% cellpadding=5>";
    }

    void attributeKeysAndTheEnterButton()
    {
        QFETCH(int, option);
        QFETCH(QString, keys);
        QFETCH(QList<MessageBox>, boxes);
        frmKid *kid = m_test->page();
        open(kid);
        QVERIFY(!control("cmdEnterAtt")->isVisible());
        control<QAbstractButton>(QString("optAtt(%1)").arg(option))->click();
        QLineEdit *entry = control<QComboBox>("cboSetAtt")->lineEdit();
        QCOMPARE(entry->text(), (QStringList{" border=1", "Spacing", "Padding"}[option]));
        QVERIFY(!control("cmdEnterAtt")->isVisible());
        entry->selectAll();
        for (qsizetype i = 0; i < boxes.size(); ++i)
            m_test->services.messages.answerNext(MsgAnswer::Ok);
        QTest::keyClicks(entry, keys);
        // A key shows Enter; the new value counts only once it is entered.
        QVERIFY(control("cmdEnterAtt")->isVisible());
        control<QAbstractButton>("cmdEnterAtt")->click();
        QCOMPARE(m_test->services.messages.shown, boxes);
        control<QAbstractButton>("cmdCreate")->click();
        QTEST(kid->richy->Text().section("\r\n", 0, 0), "fragment");
    }

    void colourCommandsColourTheTable_data()
    {
        QTest::addColumn<QString>("check");
        QTest::addColumn<QString>("item");
        QTest::addColumn<int>("swatch"); // -1: the palette closes without a pick
        QTest::addColumn<bool>("chooserPicks");
        QTest::addColumn<QString>("row");

        const QString plain = "<TR><!-- Row 1 -->\r\n   <TD>&nbsp;</TD>";
        const QString coloured = "<TR><!-- Row 1 -->\r\n   <TD bgColor=%1>&nbsp;</TD>";
        QTest::addRow("cell, palette") << ""
                                       << "mnuAdjustBCSet(0)" << 150 << false << coloured;
        QTest::addRow("cell, palette closed") << ""
                                              << "mnuAdjustBCSet(0)" << -1 << false << plain;
        QTest::addRow("cell, chooser") << ""
                                       << "mnuAdjustBCSet(1)" << 0 << true << coloured;
        QTest::addRow("table, chooser cancelled") << "chkTBG"
                                                  << "mnuTableBGSet(2)" << 0 << false << plain;
        QTest::addRow("header, palette")
            << "chkHeader"
            << "mnuTHSetColor(0)" << 7 << false << "<TR bgColor=%1>\r\n   <TH>&nbsp;</TH>";
    }

    // The palette and the colour chooser hand their colour to the command that
    // opened them; nothing changes when they close without one.
    void colourCommandsColourTheTable()
    {
        QFETCH(QString, check);
        QFETCH(QString, item);
        QFETCH(int, swatch);
        QFETCH(bool, chooserPicks);
        QFETCH(QString, row);

        frmKid *kid = m_test->page();
        open(kid);
        if (check.isEmpty())
            rightClick(0, 0);
        else
            control<QAbstractButton>(check)->click();
        QString tag = "\"#CC6633\"";
        if (item.endsWith("(0)")) {
            whenModal([&](QWidget *palette) {
                auto *button = palette->findChild<QAbstractButton *>(QString("Text1(%1)").arg(swatch));
                if (swatch < 0)
                    return palette->close(), void();
                tag = "\"" + button->toolTip() + "\"";
                button->click();
            });
        } else if (chooserPicks) {
            m_test->services.colours.answerNext(0x3366CC);
        } else {
            m_test->services.colours.cancelNext();
        }
        menuItem(item);
        QCOMPARE(tag.size(), 9);
        control<QAbstractButton>("cmdCreate")->click();
        QCOMPARE(kid->richy->Text(),
                 "<TABLE border=1 width=100%>\r\n" + row.arg(tag) + "\r\n</TR>\r\n</TABLE>");
    }

    // Cancel writes nothing; Create writes the caption, header and table
    // colour choices into its own page as one step.
    void createWritesIntoItsPageAsOneUndoStepAndCancelWritesNothing()
    {
        // The menu item follows the pages without its menu being opened.
        QVERIFY(!m_test->frame.item("mnuTagsDTable")->isEnabled());
        frmKid *first = m_test->page("<BODY></BODY>", 6);
        QVERIFY(m_test->frame.item("mnuTagsDTable")->isEnabled());
        open(first);
        m_test->page("x");
        control<QAbstractButton>("cmdCancel")->click();
        QCOMPARE(first->richy->Text(), "<BODY></BODY>");

        open(first);
        control<QAbstractButton>("chkCaption")->click();
        auto *caption = control<QLineEdit>("txtCaption");
        QVERIFY(caption->isVisible() && control("optAlignCaption(1)")->isVisible());
        QCOMPARE(caption->text(), "Table Caption");
        caption->setText("Prices");
        QCOMPARE(control<QLabel>("lblCaption")->text(), "Prices");
        control<QAbstractButton>("optAlignCaption(1)")->click();

        control<QAbstractButton>("chkHeader")->click();
        QVERIFY(m_dialog->mnuTH->isVisible());
        menuItem("mnuTHSet(1)");
        // The table colour box goes back to unchecked when no colour comes of it.
        control<QAbstractButton>("chkTBG")->click();
        QVERIFY(m_dialog->mnuTableBG->isVisible());
        m_dialog->mnuTableBG->hide();
        QTRY_VERIFY(!control<QCheckBox>("chkTBG")->isChecked());

        control<QAbstractButton>("cmdCreate")->click();
        QVERIFY(!m_dialog->isVisible());
        QCOMPARE(first->richy->Text(),
                 "<BODY><TABLE border=1 width=100%>\r\n<CAPTION align=bottom>Prices</CAPTION>\r\n"
                 "<TR><!-- Row 1 -->\r\n   <TH>&nbsp;</TH>\r\n</TR>\r\n</TABLE></BODY>");
        first->cmdUndo_Click();
        QCOMPARE(first->richy->Text(), "<BODY></BODY>");
    }

    void theCellInformationListsEveryAttribute()
    {
        open(m_test->page());
        choose("cboRowNum", 3);
        choose("cboColNum", 3);
        rightClick(1, 1);
        menuItem("mnuAdjustW(6)");
        control<QAbstractButton>("Picture1(0)")->click();
        rightClick(1, 1);
        menuItem("mnuAdjustW(5)");
        control<QAbstractButton>("Picture1(0)")->click();
        for (const char *item : {"mnuAdjustAlignSet(2)", "mnuAdjustvAlignSet(1)", "mnuAdjustW(1)"}) {
            rightClick(0, 0);
            menuItem(item);
        }
        control<QAbstractButton>("Picture1(0)")->click();
        m_dialog->setBC(0, 0, 0x0A80FF);
        m_test->services.messages.answerNext(MsgAnswer::Ok);
        m_test->services.messages.answerNext(MsgAnswer::Ok);
        QTest::mouseDClick(control("lbl1(0)"), Qt::LeftButton);
        QTest::mouseDClick(control("lbl2(1)"), Qt::LeftButton);
        QCOMPARE(m_test->services.messages.shown,
                 (QList<MessageBox>{box("Table Cell Information",
                                        "LOCATION:\n\n     Row: 0\n     Column: 0\n\n\n\nCELL ATTRIBUTES:\n"
                                        "\n     Width=266\n     align=right\n     valign=middle\n"
                                        "     bgColor=FF800A"),
                                    box("Table Cell Information",
                                        "LOCATION:\n\n     Row: 1\n     Column: 1\n\n\n\nCELL ATTRIBUTES:\n"
                                        "\n     RowSpan=2\n     ColSpan=2")}));
    }

private:
    void open(frmKid *kid)
    {
        m_dialog = new frmTable(kid, &m_test->frame);
        m_dialog->show();
    }

    void choose(const char *list, int entry)
    {
        auto *combo = control<QComboBox>(list);
        combo->setCurrentIndex(entry);
        emit combo->activated(entry);
    }

    void rightClick(int col, int row)
    {
        QLabel *cell = control<QLabel>(QString("lbl%1(%2)").arg(row + 1).arg(col));
        QVERIFY(cell->isVisible());
        QTest::mouseRelease(cell, Qt::RightButton);
        QVERIFY(m_dialog->mnuAdjust->isVisible());
        QCOMPARE(cell->text(), "Active\nCell");
        QCOMPARE(cell->palette().color(QPalette::Window), QColor(Qt::red));
    }

    // As a click does it: the menu closes, then the command runs.
    void menuItem(const QString &name)
    {
        QAction *action = control<QAction>(name);
        QVERIFY(action && action->isEnabled());
        for (QMenu *menu : m_dialog->findChildren<QMenu *>())
            menu->hide();
        action->trigger();
        QCoreApplication::processEvents();
    }

    template <typename T = QWidget> T *control(const QString &name) const
    {
        return ::control<T>(m_dialog, name);
    }

    std::unique_ptr<TestFrame> m_test;
    QPointer<frmTable> m_dialog;
};

QTEST_MAIN(tst_frmTable)
#include "tst_frmtable.moc"
