// Zevora - the Editor Font window: the face and size in which pages are shown.
#pragma once

#include <QDialog>
#include <QFont>
#include <QPointer>

class QComboBox;
class QPushButton;
class richy;

/// The modal Editor Font window over one page. A face or size picked from
/// its lists is shown in that page at once; "Use Selections" stores the
/// page's face and the listed size nearest to its size for pages opened
/// later. Cancel, Escape and closing the window give the page back its
/// exact font and store nothing.
class frmTxtFonts : public QDialog
{
    Q_OBJECT

public:
    explicit frmTxtFonts(richy *target, QWidget *parent = nullptr);

    QComboBox *cboFonts = nullptr;
    QComboBox *cboSize = nullptr;
    QPushButton *cmdOK = nullptr;
    QPushButton *cmdCancel = nullptr;

    void cmdOK_Click();
    void reject() override;

private:
    void cboFonts_Click(int index);
    void cboSize_Click(int index);

    QPointer<richy> m_target;
    QFont m_original;
};
