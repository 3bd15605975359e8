// Zevora - message boxes shown with QMessageBox.
#pragma once

#include "MessageService.h"

namespace Platform {

class QtMessageService : public MessageService
{
public:
    MsgAnswer show(const MessageBox &box) override;
};

} // namespace Platform
