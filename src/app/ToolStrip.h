// Zevora - the frame's tool strip: 17 picture buttons in five groups.
#pragma once

#include <QList>
#include <QToolBar>

class QToolButton;

/// The strip `Picture2` holding the tools `Picture1(0)` to `Picture1(16)`.
/// A tool shows its enabled picture (100 + index) or its disabled picture
/// (200 + index), always swapped together with its state.
class ToolStrip : public QToolBar
{
    Q_OBJECT

public:
    explicit ToolStrip(QWidget *parent = nullptr);

    void setToolEnabled(int index, bool enabled);
    bool isToolEnabled(int index) const;
    /// The resource number of the picture tool \a index shows now.
    int pictureOf(int index) const;
    QToolButton *tool(int index) const { return Picture1.at(index); }

    static QString toolTipOf(int index);

signals:
    /// Tool \a index was clicked (pressed and released on it).
    void toolClicked(int index);

private:
    QList<QToolButton *> Picture1;
};
