// Zevora - the start-up splash window.
#include "frmSplash.h"

#include "ToolPictures.h"

#include <QGuiApplication>
#include <QKeyEvent>
#include <QPainter>
#include <QScreen>
#include <QTimer>

frmSplash::frmSplash(QWidget *parent)
    : QWidget(parent, Qt::SplashScreen | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint)
{
    setObjectName(QStringLiteral("frmSplash"));
    setAttribute(Qt::WA_TranslucentBackground, false);
    setFocusPolicy(Qt::StrongFocus);
    const QPixmap picture = Resources::splashPicture();
    setFixedSize(picture.deviceIndependentSize().toSize());
    if (const QScreen *screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());

    tmrDelay = new QTimer(this);
    tmrDelay->setObjectName(QStringLiteral("tmrDelay"));
    tmrDelay->setSingleShot(true);
    // A coarse timer may fire up to 5% early; the splash stays its full time.
    tmrDelay->setTimerType(Qt::PreciseTimer);
    tmrDelay->setInterval(2000);
    connect(tmrDelay, &QTimer::timeout, this, [this] { m_readyToClose = true; });
    tmrDelay->start();
}

void frmSplash::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Escape) {
        tmrDelay->stop();
        m_readyToClose = true;
        close();
        return;
    }
    QWidget::keyPressEvent(event);
}

void frmSplash::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.drawPixmap(rect(), Resources::splashPicture(devicePixelRatioF()));
}
