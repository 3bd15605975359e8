// Zevora - a small dialog that writes one tag with a size at the caret.
#pragma once

#include <QDialog>
#include <QPointer>

class QCheckBox;
class QComboBox;
class QPushButton;
class frmKid;

/// The common part of the font and rule dialogs: a size list cboFontSize
/// ("Size" until a size is picked, from the list or with the arrow keys;
/// typed characters do nothing), two check boxes, Enter and Cancel. Enter
/// with a size writes tag() into the page the dialog was opened on and
/// closes; without one it does nothing.
class SizeTagDialog : public QDialog
{
    Q_OBJECT

public:
    QComboBox *cboFontSize = nullptr;
    QCheckBox *chkColor = nullptr;
    QPushButton *cmdEnter = nullptr;
    QPushButton *cmdCancel = nullptr;

protected:
    /// A dialog for \a page with sizes 1 to \a sizes and \a first (named
    /// \a firstName) above "Include Color Tag".
    SizeTagDialog(frmKid *page, int sizes, const char *firstName, const QString &first, QWidget *parent);
    ~SizeTagDialog() override;

    /// The tag for \a size and the check boxes as they are.
    virtual QString tag(int size) const = 0;
    /// The first check box.
    QCheckBox *firstCheck() const { return m_first; }

    bool eventFilter(QObject *watched, QEvent *event) override;

    /// Shows \a dialog modally, then gives the focus back to its page.
    static void run(SizeTagDialog &dialog);

private:
    void cmdEnter_Click();

    QPointer<frmKid> m_page;
    QCheckBox *m_first = nullptr;
};
