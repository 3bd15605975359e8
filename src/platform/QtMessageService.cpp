// Zevora - message boxes shown with QMessageBox.
#include "QtMessageService.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDeadlineTimer>
#include <QDialog>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QMessageBox>
#include <QProgressBar>
#include <QStyle>
#include <QTimer>
#include <QVBoxLayout>
#include <QWidget>

#include <utility>

namespace Platform {

// A window that shows how far long work has come. It has no buttons and
// cannot be closed by the user (Escape, the window manager): it goes when
// the work ends. Texts that arrive faster than anyone can read are shown at
// most every 50 ms, so that showing them never slows the work down.
class ProgressWindow : public QDialog
{
public:
    ProgressWindow(QWidget *parent, const QString &title) : QDialog(parent)
    {
        setObjectName(QStringLiteral("progressWindow"));
        setWindowTitle(title);
        setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
        setWindowModality(parent ? Qt::WindowModal : Qt::ApplicationModal);
        auto *icon = new QLabel(this);
        const int size = style()->pixelMetric(QStyle::PM_MessageBoxIconSize, nullptr, this);
        icon->setPixmap(style()->standardIcon(QStyle::SP_MessageBoxInformation, nullptr, this).pixmap(size));
        m_label = new QLabel(this);
        m_label->setObjectName(QStringLiteral("progressText"));
        m_label->setTextFormat(Qt::PlainText);
        m_label->setMinimumWidth(260);
        auto *bar = new QProgressBar(this);
        bar->setRange(0, 0);
        bar->setTextVisible(false);
        bar->setAccessibleName(title);
        auto *row = new QHBoxLayout;
        row->addWidget(icon, 0, Qt::AlignTop);
        row->addWidget(m_label, 1);
        auto *layout = new QVBoxLayout(this);
        layout->addLayout(row);
        layout->addWidget(bar);
        m_pending.setSingleShot(true);
        QObject::connect(&m_pending, &QTimer::timeout, this, [this] { showText(); });
    }

    void setText(const QString &text)
    {
        m_text = text;
        if (m_shown.hasExpired())
            showText();
        else if (!m_pending.isActive())
            m_pending.start(int(m_shown.remainingTime()));
    }

    void finish()
    {
        m_finished = true;
        close();
    }

protected:
    void closeEvent(QCloseEvent *event) override
    {
        if (m_finished)
            QDialog::closeEvent(event);
        else
            event->ignore();
    }
    void reject() override
    {
        if (m_finished)
            QDialog::reject();
    }

private:
    void showText()
    {
        m_pending.stop();
        m_label->setText(m_text);
        m_shown.setRemainingTime(50);
    }

    QLabel *m_label = nullptr;
    QString m_text;
    QTimer m_pending;
    QDeadlineTimer m_shown{0};
    bool m_finished = false;
};

namespace {
QMessageBox::Icon toQt(MsgIcon icon)
{
    switch (icon) {
    case MsgIcon::Information:
        return QMessageBox::Information;
    case MsgIcon::Question:
        return QMessageBox::Question;
    case MsgIcon::Exclamation:
        return QMessageBox::Warning;
    case MsgIcon::Critical:
        return QMessageBox::Critical;
    case MsgIcon::None:
        break;
    }
    return QMessageBox::NoIcon;
}

QMessageBox::StandardButtons toQt(MsgButtons buttons)
{
    switch (buttons) {
    case MsgButtons::OkCancel:
        return QMessageBox::Ok | QMessageBox::Cancel;
    case MsgButtons::YesNo:
        return QMessageBox::Yes | QMessageBox::No;
    case MsgButtons::YesNoCancel:
        return QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel;
    case MsgButtons::RetryCancel:
        return QMessageBox::Retry | QMessageBox::Cancel;
    case MsgButtons::Ok:
        break;
    }
    return QMessageBox::Ok;
}

MsgAnswer fromQt(int button)
{
    switch (button) {
    case QMessageBox::Cancel:
        return MsgAnswer::Cancel;
    case QMessageBox::Yes:
        return MsgAnswer::Yes;
    case QMessageBox::No:
        return MsgAnswer::No;
    case QMessageBox::Retry:
        return MsgAnswer::Retry;
    default:
        return MsgAnswer::Ok;
    }
}
} // namespace

MsgAnswer QtMessageService::show(const MessageBox &box)
{
    QWidget *parent = QApplication::activeWindow();
    QMessageBox dialog(toQt(box.icon), box.title, box.text, toQt(box.buttons), parent);
    // Texts are shown as written: tags such as <PRE> in a reference text, or
    // in a file name at the start of a message, must not be read as markup.
    dialog.setTextFormat(Qt::PlainText);
    if (box.foreground) {
        if (parent) {
            parent->raise();
            parent->activateWindow();
        }
        dialog.setWindowFlag(Qt::WindowStaysOnTopHint);
    }
    return fromQt(dialog.exec());
}

void QtMessageService::progress(const QString &title, const QString &text)
{
    if (!m_progress) {
        m_progress = new ProgressWindow(QApplication::activeWindow(), title);
        m_progress->setAttribute(Qt::WA_DeleteOnClose);
        m_progress->setText(text);
        m_progress->show();
        return;
    }
    m_progress->setText(text);
}

void QtMessageService::endProgress()
{
    // The window goes by itself once closed; the next work gets a new one.
    if (ProgressWindow *window = std::exchange(m_progress, nullptr))
        window->finish();
}

} // namespace Platform
