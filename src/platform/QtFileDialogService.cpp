// Zevora - file dialogs shown with QFileDialog.
#include "QtFileDialogService.h"

#include <QApplication>
#include <QFileDialog>
#include <QRegularExpression>

namespace Platform {

namespace {
// The extension a type filter stands for: "htm" for "HTM File (*.htm)",
// none for "All Files (*)".
QString extensionOf(const QString &filter)
{
    static const QRegularExpression pattern(QStringLiteral("\\(\\*\\.([^ )*]+)"));
    const QRegularExpressionMatch match = pattern.match(filter);
    return match.hasMatch() ? match.captured(1) : QString();
}

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
    if (mode == QFileDialog::AcceptSave) {
        // The dialog itself adds the chosen type's extension to a name typed
        // without one, so that its question about replacing a file is asked
        // about the file that will be written.
        dialog.setDefaultSuffix(extensionOf(dialog.selectedNameFilter()));
        QObject::connect(&dialog, &QFileDialog::filterSelected, &dialog,
                         [&dialog](const QString &filter) { dialog.setDefaultSuffix(extensionOf(filter)); });
    }
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
