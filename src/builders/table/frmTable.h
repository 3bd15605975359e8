// Zevora - the table designer dialog (Dialogs > Table Maker).
#pragma once

#include "PaletteRecipient.h"
#include "TableModel.h"
#include "TableRules.h"

#include <QDialog>
#include <QList>
#include <QPointer>

#include <functional>
#include <optional>

class QAbstractButton;
class QAction;
class QCheckBox;
class QComboBox;
class QFrame;
class QGroupBox;
class QLabel;
class QLineEdit;
class QMenu;
class QPushButton;
class QRadioButton;
class QScrollBar;
class QToolButton;
class frmKid;

/// The table designer. The user sets the size, the table's attributes and,
/// through the cell menu of a right-clicked preview cell, widths, spans,
/// colours and alignments; Create writes the table into the page the dialog
/// was opened on (whichever page is active by then) as one undo step.
///
/// The preview's cells are lbl1(0) to lbl8(7), one array per row; other
/// arrays of controls are named "name(i)" as well: optAtt(1), Picture1(0),
/// mnuAdjustW(5).
class frmTable : public QDialog, public PaletteRecipient
{
    Q_OBJECT

public:
    explicit frmTable(frmKid *page, QWidget *parent = nullptr);
    ~frmTable() override;

    /// Shows the dialog modally over \a parent for \a page, then gives the
    /// focus back to that page's text (or to nothing when it has gone).
    static void showModal(frmKid *page, QWidget *parent);

    /// Colours cell (\a cc, \a rr) with \a mBC.
    void setBC(int cc, int rr, mCell::Colour mBC);
    /// Gives the table the background \a newBG.
    void setTBG(mCell::Colour newBG);
    /// Gives the header row the background \a newBG.
    void setTH(mCell::Colour newBG);

    const TableModel &model() const { return m_model; }

    /// The palette opened by webSafeColour() hands its pick over here.
    void paletteColour(int mode, Platform::ColourValue colour, const QString &tag) override;

    QLabel *picHead = nullptr;
    QComboBox *cboRowNum = nullptr;
    QComboBox *cboColNum = nullptr;
    QGroupBox *Frame1 = nullptr;
    QList<QRadioButton *> optAtt;
    QComboBox *cboSetAtt = nullptr;
    QPushButton *cmdEnterAtt = nullptr;
    QLabel *lblAlignTable = nullptr;
    QList<QRadioButton *> optT_Align;
    QLabel *lblTableWidth = nullptr;
    QScrollBar *scrT_Width = nullptr;
    QLabel *lblT_Percent = nullptr;
    QCheckBox *chkTBG = nullptr;
    QCheckBox *chkHeader = nullptr;
    QCheckBox *chkCaption = nullptr;
    QLineEdit *txtCaption = nullptr;
    QList<QRadioButton *> optAlignCaption;
    QLabel *lblCaption = nullptr;
    QFrame *picSettings = nullptr;
    QFrame *picT = nullptr;
    /// The preview: lbl[row][col], named lbl1(0) ... lbl8(7).
    QList<QList<QLabel *>> lbl;
    QLabel *lblCell = nullptr;
    QLabel *lblFonts = nullptr;
    QLabel *lblExplain = nullptr;
    QLabel *lblWidth = nullptr;
    QScrollBar *hScrW = nullptr;
    QLabel *lblScrW = nullptr;
    QList<QToolButton *> Picture1;
    QPushButton *cmdCreate = nullptr;
    QPushButton *cmdCancel = nullptr;
    QMenu *mnuAdjust = nullptr;
    QMenu *mnuTableBG = nullptr;
    QMenu *mnuTH = nullptr;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void buildControls();
    void buildMenus();
    QWidget *buildAttributes();
    QWidget *buildSettingsArea();

    void sizeChosen(bool rows, int entry);
    void optAtt_Click(int index);
    void cmdEnterAtt_Click();
    void chkTBG_Click(bool checked);
    void chkHeader_Click(bool checked);
    void chkCaption_Click(bool checked);
    void cellRightClick(int col, int row);
    void cellInformation(int col, int row);
    void adjustCommand(int index);
    void Picture1_Click(int index);
    void cmdCreate_Click();

    /// Runs a command of a pop-up menu: the menu is no longer waiting for one.
    void menuActed() { m_menuActed = true; }
    void popUp(QMenu *menu, const std::function<void()> &dismissed);
    void removeMark();
    void hideBar();
    void layoutPreview();
    int pixels(int twips) const;

    /// The colour the web-safe palette gives in \a mode (2 the cell, 3 the
    /// table, 4 the header row), or none when it closes without a pick.
    std::optional<mCell::Colour> webSafeColour(int mode);
    /// The colour of the colour chooser, or none when it is cancelled.
    std::optional<mCell::Colour> customColour();
    std::optional<mCell::Colour> m_palettePick;

    TableModel m_model;
    QPointer<frmKid> m_page;
    bool m_menuActed = false;
    QMetaObject::Connection m_menuWatch;
    QPoint m_dragStart;
};
