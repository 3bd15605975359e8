// Zevora - the list builder dialog (Dialogs > List Maker).
#pragma once

#include "ListBuilder.h"

#include <QDialog>
#include <QList>
#include <QPointer>

class FileCommands;
class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QStackedLayout;
class QToolButton;
class frmKid;

/// The list builder. The user picks a type, a style and a number of items,
/// types the items and presses Enter; the list goes into the page the dialog
/// was opened on (whichever page is active by then) as one undo step. For a
/// definition list with image bullets on a saved page it writes a pair of
/// icons beside the page and links them.
///
/// Arrays of controls are named "name(i)": txtEnter(0), Check1(3), lblColor(15).
class frmLists : public QDialog
{
    Q_OBJECT

public:
    /// A dialog that writes into \a page; \a files saves the page when the
    /// user agrees to save it for image bullets.
    frmLists(frmKid *page, FileCommands *files, QWidget *parent = nullptr);
    ~frmLists() override;

    /// Shows the dialog modally over \a parent for \a page, then gives the
    /// focus back to that page's text (or to nothing when it has gone).
    static void showModal(frmKid *page, FileCommands *files, QWidget *parent);

    QComboBox *cboType = nullptr;
    QComboBox *cboStyle = nullptr;
    QComboBox *cboNumber = nullptr;
    QLabel *lblNumber = nullptr;
    QPushButton *cmdList = nullptr;
    QWidget *picEntry = nullptr;
    QList<QLabel *> lblEnter;
    QList<QLineEdit *> txtEnter;
    QList<QCheckBox *> Check1;
    QLabel *lblDLHead = nullptr;
    QLineEdit *txtDLHead = nullptr;
    QPushButton *cmdOK = nullptr;
    QPushButton *cmdCancel = nullptr;
    QPushButton *cmdEscape = nullptr;
    QWidget *picInfo = nullptr;
    QLabel *lblAbout = nullptr;
    QLabel *lblIconColor = nullptr;
    QWidget *picColors = nullptr;
    QList<QToolButton *> lblColor;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void buildControls();
    void cboType_Click(int index);
    void cboStyle_Click(int index);
    void cboNumber_Click(int index);
    void cmdList_Click();
    void cmdOK_Click();
    void cmdCancel_Click();
    void lblColor_Click(int set);

    // Resets everything after the type list, as Cancel does.
    void resetSteps();
    void showHelp(ListBuilder::Help help);
    void showNumberList();
    void setEntriesEnabled(bool enabled);
    void chooseImageBullets();
    bool choicesPass(bool withNumber);
    bool pageIsGone();
    int itemCount() const;

    ListBuilder m_list;
    QPointer<frmKid> m_page;
    FileCommands *m_files;
    QStackedLayout *m_panels = nullptr;
};
