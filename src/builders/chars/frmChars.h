// Zevora - the special characters chooser (Tags > Special Characters).
#pragma once

#include "PageToolWindow.h"

class QComboBox;

/// One editable list, cboCharList, of 102 characters. Choosing one, by a
/// click or by typing it, inserts its entity at the caret of the page the
/// chooser was opened on and closes the chooser. A typed character that
/// begins no entry is reported and the chooser stays. The chooser also
/// closes when it loses the focus or its page goes.
class frmChars : public PageToolWindow
{
    Q_OBJECT

public:
    explicit frmChars(QWidget *frame);
    ~frmChars() override;

    QComboBox *cboCharList = nullptr;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    bool event(QEvent *event) override;

private:
    void cboCharList_Click(int index);
    void cboCharList_KeyPress(const QString &typedText);

    bool m_messageShown = false;
};
