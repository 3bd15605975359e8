// Zevora - the Key Macros window: the macro keys and a short reference for each tag.
#pragma once

#include <QWidget>

class QLabel;
class QListWidget;

/// A modeless window owned by the frame. The list names the macro key of each
/// tag; clicking a tag shows its reference box, clicking the first item shows
/// a picture that explains the macro keys in the list's place. A click on the
/// picture, on the label or on the window's background brings the list back.
class frmShortcuts : public QWidget
{
    Q_OBJECT

public:
    explicit frmShortcuts(QWidget *parent = nullptr);

    /// Shows the window owned by \a owner: the one already open, raised and
    /// activated, or a new one (deleted when closed).
    static frmShortcuts *showModeless(QWidget *owner);

    /// What a click on list item \a index does: item 0 shows the picture,
    /// items 2 to 16 show their reference box, any other index does nothing.
    void List1_Click(int index);

    /// True while the picture stands in the list's place.
    bool isShowingInstructions() const;

    QListWidget *List1 = nullptr;
    QLabel *Label1 = nullptr;
    QLabel *Image1 = nullptr;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void showEvent(QShowEvent *event) override;

private:
    void showInstructions();
    void showList();
    void updatePicture();

    bool m_followsScreen = false;
};
