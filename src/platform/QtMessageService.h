// Zevora - message boxes shown with QMessageBox.
#pragma once

#include "MessageService.h"

#include <QPointer>

namespace Platform {

class ProgressWindow;

class QtMessageService : public MessageService
{
public:
    MsgAnswer show(const MessageBox &box) override;
    void progress(const QString &title, const QString &text) override;
    void endProgress() override;

private:
    QPointer<ProgressWindow> m_progress;
};

} // namespace Platform
