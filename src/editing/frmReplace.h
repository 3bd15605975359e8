// Zevora - the Replace window: replaces a text exactly, once or everywhere.
#pragma once

#include "PageToolWindow.h"

class QLabel;
class QLineEdit;
class QPushButton;

/// Replace Next replaces the first occurrence of txtReplace in its page;
/// Replace All replaces every occurrence as one undo step. Results are shown
/// in the frame's label given at construction.
class frmReplace : public PageToolWindow
{
    Q_OBJECT

public:
    frmReplace(QWidget *frame, QLabel *frameResult);

    QLineEdit *txtReplace = nullptr;
    QLineEdit *txtReplaceWith = nullptr;
    QPushButton *cmdReplace = nullptr;
    QPushButton *cmdReplaceAll = nullptr;
    QPushButton *cmdCancel = nullptr;

protected:
    bool event(QEvent *event) override;
    void showEvent(QShowEvent *event) override;

private:
    void cmdReplace_Click();
    void cmdReplaceAll_Click();
    bool checkTexts(const QString &withTitle);
    void noMatch();

    QPointer<QLabel> m_frameResult;
    bool m_placed = false;
};
