// Zevora - file dialogs shown with QFileDialog.
#pragma once

#include "FileDialogService.h"

namespace Platform {

class QtFileDialogService : public FileDialogService
{
public:
    FileDialogResult openFile(const FileDialogRequest &request) override;
    FileDialogResult saveFile(const FileDialogRequest &request) override;
};

} // namespace Platform
