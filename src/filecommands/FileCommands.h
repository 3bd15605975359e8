// Zevora - the file commands: new pages, open, save, save as, recent files.
#pragma once

#include <QList>
#include <QObject>
#include <QString>
#include <QStringList>

class QAction;
class frmKid;

/// What the file commands need from the frame.
class FileCommandsHost
{
public:
    virtual ~FileCommandsHost() = default;
    virtual QList<frmKid *> documents() const = 0;
    virtual frmKid *activeDocument() const = 0;
    /// A new, shown, active, empty page window.
    virtual frmKid *newDocumentWindow() = 0;
    virtual void RefreshTools() = 0;
    virtual void setToolEnabled(int index, bool enabled) = 0;
    /// The File menu's recent-file items 0 to 8 and the separator below them.
    virtual QList<QAction *> recentItems() const = 0;
    virtual QAction *recentSeparator() const = 0;
};

/// New, Open, Save, Save As and the recent-files list. Messages, dialogs and
/// sounds go through the platform services.
class FileCommands : public QObject
{
    Q_OBJECT

public:
    explicit FileCommands(FileCommandsHost *host, QObject *parent = nullptr);

    /// The frame the commands work in.
    FileCommandsHost *host() const { return m_host; }

    /// The text of a new page; the caret goes to kNewPageCaret.
    static QString newPageText();
    static constexpr qsizetype kNewPageCaret = 111;

    /// A new untitled page. \a atStartUp: the page the program opens by
    /// itself (no sound).
    frmKid *NewPage(bool atStartUp = false);
    /// Opens \a path, or a file chosen in the open dialog when it is empty.
    /// The page, or null when nothing was opened.
    frmKid *OpenDocument(const QString &path = QString());
    /// Saves \a document in place (or through Save As when it has no file).
    /// True when the page was written.
    bool SaveDocument(frmKid *document);
    /// Asks for a name and saves \a document under it. True when written.
    bool SaveDocumentAs(frmKid *document);

    /// The open dialog (\a open) or the save dialog for \a document: the
    /// chosen path, or "" after a cancel or a refusal (with its message).
    QString ShowFileDialog(bool open, frmKid *document = nullptr);
    /// The folder both dialogs start in.
    QString InitialFolder(frmKid *document) const;
    /// True, after telling the user, when \a path is a registered template.
    bool IsTemplateFile(const QString &path) const;
    /// The folder that holds the template files.
    static QString templateFolder();

    /// Reads \a path into \a document in blocks (RTF offered as plain text).
    /// False when the user declined the conversion or reading failed.
    bool LoadFile(const QString &path, frmKid *document);
    /// Writes \a document's text to \a path. False on any failure; the
    /// old file is then left as it was.
    bool WriteDocument(frmKid *document, const QString &path);

    enum class CopyMode
    {
        Replace, ///< replaces a file at the path at once, as a whole
        NewFile  ///< fails when anything is at the path already
    };
    /// Writes a copy of \a document's text to \a path as Save writes the page
    /// (its encoding, the final line break rule), for a template file or a
    /// preview copy. It asks nothing: a Windows-1252 page holding characters
    /// that encoding lacks is written in UTF-8. The page stays as it was: its
    /// modified flag, encoding, Tag, caption, file and the recent list. False
    /// on any failure, with no cut file left behind.
    static bool writeCopy(frmKid *document, const QString &path, CopyMode mode);

    /// Rebuilds the recent-files list from the settings at start.
    void LoadRecentFiles();
    /// Puts \a path at the top of the recent-files list, made absolute
    /// against the working folder when it is relative.
    void AddToRecent(const QString &path);
    /// Opens the file of recent item \a index.
    void mnuFileMRU_Click(int index);

    /// The page whose file is \a path, or null.
    frmKid *documentWithTag(const QString &path) const;

    /// Loads \a path into a new page window; the window is closed again when
    /// loading fails. Refuses binary files with a message.
    frmKid *openInNewWindow(const QString &path, bool addToRecent = true);

    enum class WriteResult
    {
        Written,
        Failed,
        Vanished,
        Declined
    };
    /// Writes \a document over its existing file \a path; Vanished when the
    /// file is gone by the time it is written.
    WriteResult saveInPlace(frmKid *document, const QString &path);

    /// The message for a file that is refused as binary.
    static void showBinaryFile(const QString &path);
    /// Checks a path that came from outside (the command line, a second
    /// start): a binary file or a missing file is refused with its message,
    /// a path without extension is completed. The path to open, or "".
    static QString checkOutsidePath(const QString &path);

private:
    WriteResult write(frmKid *document, const QString &path);
    void showRecentList(const QStringList &list);
    QStringList recentPaths() const;
    void afterSave(frmKid *document, const QString &path);

    FileCommandsHost *m_host;
    int m_untitledCount = 0;
};
