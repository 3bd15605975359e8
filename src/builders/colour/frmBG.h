// Zevora - the editor background chooser (Options > Background).
#pragma once

#include <QDialog>
#include <QList>
#include <QPointer>

class QAbstractButton;
class frmKid;

/// A strip of 15 colours lblColor(0) to lblColor(14). Releasing the mouse on
/// one (or Space on the focused one) makes it the background of \a page's
/// text, when that page is still open, and stores it as the editor background
/// for pages opened later (section "background", key "bgColor", the decimal
/// 24-bit value). A click beside the colours, Escape or the focus going
/// elsewhere closes it without a change.
class frmBG : public QDialog
{
    Q_OBJECT

public:
    explicit frmBG(frmKid *page, QWidget *parent = nullptr);
    ~frmBG() override;

    /// Shows the chooser modally at the frame's top left + 2300 and 630 twips.
    static void showModal(frmKid *page, QWidget *frame);

    QList<QAbstractButton *> lblColor;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;

private:
    void lblColor_Click(int index);
    int twips(int value) const;
    QRect rimOf(const QAbstractButton *label) const;

    QPointer<frmKid> m_page;
    // The colour under the pointer (or with the focus); -1 for none.
    int m_marked = -1;
};
