// Zevora - the Find window: searches the page without regard to case.
#pragma once

#include "PageToolWindow.h"

#include <memory>

class PageFinder;
class QLabel;
class QLineEdit;
class QPushButton;

/// Finds txtFind in its page, from the caret, selects the match and counts
/// the matches from there to the end; Find Next goes on behind the last
/// match.
class frmFind : public PageToolWindow
{
    Q_OBJECT

public:
    explicit frmFind(QWidget *frame);
    ~frmFind() override;

    /// Where Find Next searches from (a Text index).
    qsizetype nextStart() const { return m_nextStart; }

    QLineEdit *txtFind = nullptr;
    QPushButton *cmdFind = nullptr;
    QPushButton *cmdFindNext = nullptr;
    QPushButton *cmdCancel = nullptr;
    QLabel *lblResult = nullptr;
    QLabel *lblEnter = nullptr;

protected:
    void pageChanged() override;
    bool event(QEvent *event) override;

private:
    void txtFind_Change();
    void cmdFind_Click();
    void cmdFindNext_Click();
    bool searchFromTheTop();
    const PageFinder &finder();

    qsizetype m_nextStart = 0;
    std::unique_ptr<PageFinder> m_finder;
};
