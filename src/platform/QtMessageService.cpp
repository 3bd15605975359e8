// Zevora - message boxes shown with QMessageBox.
#include "QtMessageService.h"

#include <QApplication>
#include <QMessageBox>
#include <QWidget>

namespace Platform {

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

} // namespace Platform
