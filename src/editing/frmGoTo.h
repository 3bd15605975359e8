// Zevora - the Go To Line window: moves the caret of a page to a numbered line.
#pragma once

#include <QDialog>
#include <QPointer>

class QLabel;
class QLineEdit;
class QPushButton;
class richy;

/// The modal Go To Line window over one page. Lines are numbered as the
/// caret label numbers them, from 1; the target line goes to the top of the
/// view. The number box takes digits only: any other character, Backspace,
/// and a paste or drop holding anything but digits are refused with a box.
/// The window closes when it loses the focus to anything but its own boxes.
class frmGoTo : public QDialog
{
    Q_OBJECT

public:
    explicit frmGoTo(richy *page, QWidget *parent = nullptr);

    QLabel *Label1 = nullptr;
    QLineEdit *txtLineNum = nullptr;
    QPushButton *cmdOK = nullptr;
    QPushButton *cmdCancel = nullptr;

    void cmdOK_Click();

protected:
    bool event(QEvent *e) override;
    bool eventFilter(QObject *watched, QEvent *e) override;
    void showEvent(QShowEvent *e) override;

private:
    void txtLineNum_Edited(const QString &text);
    void refuseInput();
    void note(const QString &title, const QString &text);
    void closeIfFocusLost();
    bool ownsWindow(const QWidget *window) const;

    QPointer<richy> m_page;
    QString m_accepted;
    int m_acceptedCursor = 0;
    bool m_showingBox = false;
    bool m_placed = false;
};
