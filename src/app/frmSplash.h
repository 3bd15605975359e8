// Zevora - the start-up splash window.
#pragma once

#include <QWidget>

class QTimer;

/// Shown while the program starts, for at least two seconds unless Escape
/// is pressed. The start-up waits, letting events run, until ReadyToClose().
class frmSplash : public QWidget
{
    Q_OBJECT

public:
    explicit frmSplash(QWidget *parent = nullptr);

    bool ReadyToClose() const { return m_readyToClose; }
    /// The minimum time the splash stays up.
    QTimer *tmrDelay = nullptr;

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    bool m_readyToClose = false;
};
