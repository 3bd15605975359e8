// Zevora - the open and save file dialogs as a platform service.
#pragma once

#include <QString>
#include <QStringList>

namespace Platform {

/// What a file dialog shows when it opens.
struct FileDialogRequest
{
    QString title;
    /// The folder the dialog starts in.
    QString folder;
    /// The name the name field starts with (save dialogs).
    QString fileName;
    /// Type filters in Qt's form, for example "HTML Files (*.htm *.html)".
    QStringList filters;
    /// The preselected filter (0-based), or -1 for none.
    int selectedFilter = -1;
};

/// What the user chose: the path (empty when cancelled) and the filter that
/// was selected when the dialog closed (0-based).
struct FileDialogResult
{
    QString path;
    int selectedFilter = -1;
    /// The dialog itself failed (not a cancel).
    bool failed = false;
};

class FileDialogService
{
public:
    virtual ~FileDialogService() = default;
    /// Asks for an existing file to open.
    virtual FileDialogResult openFile(const FileDialogRequest &request) = 0;
    /// Asks for a file name to save under. A name typed without an extension
    /// gets the one of the selected type (none for a type such as "*"), and
    /// the dialog asks before an existing file of that final name is
    /// overwritten: the path returned has been confirmed.
    virtual FileDialogResult saveFile(const FileDialogRequest &request) = 0;
};

} // namespace Platform
