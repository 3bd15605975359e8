// Zevora - file dialogs shown with QFileDialog.
#include "QtFileDialogService.h"

#include <QApplication>
#include <QFileDialog>

namespace Platform {

namespace {
FileDialogResult run(const FileDialogRequest &request, QFileDialog::AcceptMode mode)
{
    QFileDialog dialog(QApplication::activeWindow(), request.title, request.folder);
    dialog.setAcceptMode(mode);
    dialog.setFileMode(mode == QFileDialog::AcceptOpen ? QFileDialog::ExistingFile : QFileDialog::AnyFile);
    dialog.setOption(QFileDialog::ReadOnly, false);
    dialog.setNameFilters(request.filters);
    if (request.selectedFilter >= 0 && request.selectedFilter < request.filters.size())
        dialog.selectNameFilter(request.filters.at(request.selectedFilter));
    if (!request.fileName.isEmpty())
        dialog.selectFile(request.fileName);
    FileDialogResult result;
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return result;
    result.path = QDir::toNativeSeparators(dialog.selectedFiles().constFirst());
    result.selectedFilter = int(request.filters.indexOf(dialog.selectedNameFilter()));
    return result;
}
} // namespace

FileDialogResult QtFileDialogService::openFile(const FileDialogRequest &request)
{
    return run(request, QFileDialog::AcceptOpen);
}

FileDialogResult QtFileDialogService::saveFile(const FileDialogRequest &request)
{
    return run(request, QFileDialog::AcceptSave);
}

} // namespace Platform
