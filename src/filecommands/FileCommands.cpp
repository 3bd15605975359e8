// Zevora - the file commands: new pages, open, save, save as.
#include "FileCommands.h"

#include "CRegSettings.h"
#include "DocumentHost.h"
#include "FileDialogService.h"
#include "FileIdentity.h"
#include "MessageService.h"
#include "PageReader.h"
#include "RecentList.h"
#include "RtfToText.h"
#include "Services.h"
#include "SoundService.h"
#include "TextCodec.h"
#include "cHourglass.h"
#include "frmKid.h"
#include "mCaption.h"
#include "mCorrectPath.h"
#include "mFuncs.h"
#include "richy.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QMdiArea>
#include <QPointer>
#include <QSaveFile>
#include <QStandardPaths>

#include <cstring>

using namespace Platform;

namespace {

const QString kNoteTitle = QStringLiteral("Zevora Note:");
const QString kNoteTitleNoColon = QStringLiteral("Zevora Note");
constexpr qsizetype kLoadBlock = 30000;

const QStringList kOpenFilters = {
    QStringLiteral("HTML Files (*.htm *.html *.shtml)"),
    QStringLiteral("Text Files (*.txt)"),
    QStringLiteral("ASP Files (*.asp)"),
    QStringLiteral("All Files (*)"),
};
const QStringList kSaveFilters = {
    QStringLiteral("HTM File (*.htm)"),     QStringLiteral("HTML File (*.html)"),
    QStringLiteral("SHTML File (*.shtml)"), QStringLiteral("Text Files (*.txt)"),
    QStringLiteral("ASP Files (*.asp)"),    QStringLiteral("All Files (*)"),
};
// The extension each save filter stands for ("" for All Files).
const QStringList kSaveExtensions = {QStringLiteral("htm"), QStringLiteral("html"), QStringLiteral("shtml"),
                                     QStringLiteral("txt"), QStringLiteral("asp"),  QString()};

QString defaultSaveType()
{
    return CRegSettings().GetRegSetting(QStringLiteral("Files"), QStringLiteral("default_Save"));
}

LineEnding lineEndingOf(const frmKid *document)
{
    const QString lineBreak = document->richy->lineBreak();
    if (lineBreak == QLatin1String("\n"))
        return LineEnding::Lf;
    if (lineBreak == QLatin1String("\r"))
        return LineEnding::Cr;
    return LineEnding::CrLf;
}

// Writing through a symbolic link writes the file it points to and keeps
// the link.
QString writeTarget(const QString &path)
{
    const QFileInfo info(path);
    if (!info.isSymLink())
        return path;
    const QString canonical = info.canonicalFilePath();
    return canonical.isEmpty() ? info.symLinkTarget() : canonical;
}

void showBinaryFileMessage(const QString &path)
{
    message(kNoteTitle, path + QStringLiteral(" is a binary file.\nZevora edits text-based (ASCII) files"),
            MsgIcon::Information);
}

// Refuses, with a message, a file larger than a page can hold; nothing is read.
bool refuseTooLarge(const QString &path)
{
    if (!PageReader::isTooLarge(path))
        return false;
    message(kNoteTitle,
            path + QStringLiteral(" is too large to open (%1 MB).\n\nZevora opens files of up to %2 MB.")
                       .arg(QFileInfo(path).size() / (1024 * 1024))
                       .arg(PageReader::kMaxPageBytes / (1024 * 1024)),
            MsgIcon::Exclamation);
    return true;
}

// Refuses, with a message, to follow a symbolic link that another user may
// have planted in a shared folder (pointing it at a file of ours).
bool refuseForeignLink(const QString &path)
{
    if (!passesForeignLinkInSharedFolder(path))
        return false;
    message(kNoteTitle,
            path + QStringLiteral(" leads through a symbolic link that belongs to another user, in a folder "
                                  "that everybody may write to.\n\nZevora does not follow such links: please "
                                  "open or save the page under another name."),
            MsgIcon::Exclamation);
    return true;
}

} // namespace

FileCommands::FileCommands(FileCommandsHost *host, QObject *parent) : QObject(parent), m_host(host) {}

QString FileCommands::newPageText()
{
    return QStringLiteral("<HTML>\r\n<HEAD>\r\n<TITLE>** UNTITLED PAGE **</TITLE>\r\n"
                          "<META NAME=\"generator\" CONTENT=\"Zevora\">\r\n</HEAD>\r\n<BODY>\r\n\r\n\r\n\r\n"
                          "</BODY>\r\n</HTML>");
}

frmKid *FileCommands::documentWithTag(const QString &path) const
{
    // A file reached through a link, a hard link or another spelling of its
    // path is the same file: two windows on it would save over each other.
    const FileIdentity wanted = fileIdentity(path);
    for (frmKid *kid : m_host->documents()) {
        if (kid->Tag() == path || wanted.sameFile(fileIdentity(kid->Tag())))
            return kid;
    }
    return nullptr;
}

// --- New ---------------------------------------------------------------------

frmKid *FileCommands::NewPage(bool atStartUp)
{
    QString extension = defaultSaveType();
    if (extension.isEmpty())
        extension = QStringLiteral("htm");
    frmKid *kid = m_host->newDocumentWindow();
    ++m_untitledCount;
    const QString name = QStringLiteral("Untitled%1").arg(m_untitledCount);
    kid->setWindowTitle(name + QLatin1Char('.') + extension);
    kid->setTag(mFuncs::TempFolder() + name + extension);
    kid->richy->loadText(newPageText().toUtf8());
    kid->richy->setSelStart(kNewPageCaret);
    kid->richy->setDataChanged(false);
    m_host->RefreshTools();
    if (!atStartUp && soundAvailable())
        PlayResWav(305, true);
    kid->richy->setFocus();
    return kid;
}

// --- loading -------------------------------------------------------------------

bool FileCommands::LoadFile(const QString &path, frmKid *target)
{
    // Events run between the blocks: the window may be closed meanwhile.
    QPointer<frmKid> document = target;
    const FileIdentity onDisk = fileIdentity(path);
    const std::optional<QByteArray> bytes =
        PageReader::readInBlocks(path, kLoadBlock, [] { QCoreApplication::processEvents(); });
    if (!bytes || !document)
        return false;
    class richy *editor = document->richy;
    if (hasRtfSignature(*bytes)) {
        const MsgAnswer answer = Services::messages().show(
            MessageBox{kNoteTitleNoColon,
                       QStringLiteral("The requested document appears to be an RTF file.\n\n"
                                      "If you would like, Zevora will\nopen the file as plain text."),
                       MsgIcon::None, MsgButtons::OkCancel, true});
        if (answer != MsgAnswer::Ok) {
            editor->setDataChanged(false);
            return false;
        }
        editor->loadText(rtfToText(*bytes).toUtf8());
        document->setEncoding(PageEncoding::Utf8);
        // The page is no longer the file's content: never write it over the RTF.
        document->setSaveAsRequired(true);
    } else {
        const PageEncoding encoding = TextCodec::detectEncoding(*bytes);
        const QByteArray utf8 = encoding == PageEncoding::Utf8 ? *bytes : TextCodec::utf8FromWindows1252(*bytes);
        // Breaking the long lines of a minified page for display takes a
        // while too: events run meanwhile, as while reading.
        DisplayBreaks breaks;
        breaks.setLongLine(editor->displayBreakLength());
        const QByteArray shown = breaks.build(utf8, [] { QCoreApplication::processEvents(); });
        if (!document)
            return false;
        document->richy->loadText(utf8, std::move(breaks), shown);
        document->setEncoding(encoding);
    }
    document->setFileOnDisk(onDisk);
    editor->setDataChanged(false);
    if (soundAvailable())
        PlayResWav(304, true);
    return true;
}

frmKid *FileCommands::openInNewWindow(const QString &path, bool addToRecent)
{
    if (refuseTooLarge(path) || refuseForeignLink(path))
        return nullptr;
    QPointer<frmKid> kid = m_host->newDocumentWindow();
    // Known by its file while it loads, so that the same file handed over
    // meanwhile is not opened a second time.
    kid->setTag(path);
    if (!LoadFile(path, kid)) {
        if (kid) {
            kid->richy->setDataChanged(false);
            kid->close();
        }
        return nullptr;
    }
    kid->setWindowTitle(mFuncs::CaptionFromPath(path));
    kid->Form_Activate();
    m_host->RefreshTools();
    if (addToRecent)
        AddToRecent(path);
    return kid;
}

frmKid *FileCommands::OpenDocument(const QString &givenPath)
{
    const QString path = givenPath.isEmpty() ? ShowFileDialog(true) : givenPath;
    if (path.isEmpty() || refuseTooLarge(path) || refuseForeignLink(path))
        return nullptr;
    frmKid *kid = openInNewWindow(path);
    if (!kid)
        message(kNoteTitle, QStringLiteral("Could not open file"));
    return kid;
}

// --- dialogs -------------------------------------------------------------------

QString FileCommands::InitialFolder(frmKid *document) const
{
    if (document) {
        const QString base = mCaption::CaptionBase(document->windowTitle());
        const qsizetype at = base.isEmpty() ? -1 : document->Tag().indexOf(base);
        if (at >= 0)
            return document->Tag().left(at);
    }
    // The user's home folder stands for the root of the current drive.
    return QDir::toNativeSeparators(QDir::homePath());
}

QString FileCommands::ShowFileDialog(bool open, frmKid *document)
{
    FileDialogRequest request;
    request.folder = InitialFolder(document ? document : m_host->activeDocument());
    if (open) {
        request.title = QStringLiteral("Open File...");
        request.filters = kOpenFilters;
        const QString type =
            CRegSettings().GetRegSetting(QStringLiteral("Files"), QStringLiteral("default_Open"));
        const QStringList types = {QStringLiteral(".htm"), QStringLiteral(".txt"), QStringLiteral(".asp"),
                                   QString()};
        request.selectedFilter = int(types.indexOf(type));
        const FileDialogResult result = Services::fileDialogs().openFile(request);
        const QString path = result.path;
        if (result.failed) {
            message(kNoteTitle, QStringLiteral("Error in openDLG."));
            return {};
        }
        if (path.isEmpty() || refuseForeignLink(path))
            return {};
        if (!mFuncs::FileExists(path)) {
            message(kNoteTitle, path + QStringLiteral(" has been moved or deleted."), MsgIcon::Information);
            return {};
        }
        if (documentWithTag(path)) {
            message(kNoteTitle, path + QStringLiteral(" is already open."), MsgIcon::Information);
            return {};
        }
        if (mFuncs::IsBinaryFile(path)) {
            message(kNoteTitle, path + QStringLiteral(" appears to be a binary file."), MsgIcon::Information);
            return {};
        }
        return path;
    }

    request.title = QStringLiteral("Save File As...");
    request.filters = kSaveFilters;
    const qsizetype preselected = kSaveExtensions.indexOf(defaultSaveType());
    request.selectedFilter = preselected < 0 ? 5 : int(preselected);
    if (document)
        request.fileName = mCaption::CaptionBase(document->windowTitle());
    const FileDialogResult result = Services::fileDialogs().saveFile(request);
    if (result.failed) {
        message(kNoteTitle, QStringLiteral("Error in openDLG."));
        return {};
    }
    if (result.path.isEmpty())
        return {};
    QString path = result.path;
    const QFileInfo info(path);
    if (info.fileName().isEmpty() || info.fileName() == QLatin1String(".")) {
        message(kNoteTitle, QStringLiteral("You must enter a filename for a valid file to save."));
        return {};
    }
    // A name ending in a period is saved without an extension; a name typed
    // without one gets the extension of the chosen type (with All Files it
    // stays as typed).
    const bool endsWithPeriod = path.endsWith(QLatin1Char('.'));
    if (endsWithPeriod)
        path.chop(1);
    const int chosen = result.selectedFilter >= 0 ? result.selectedFilter : request.selectedFilter;
    const QString extension = kSaveExtensions.value(chosen);
    if (!endsWithPeriod && !extension.isEmpty() && QFileInfo(path).suffix().isEmpty())
        path += QLatin1Char('.') + extension;
    // The dialog asked about the name it returned; a file under the name
    // made from it has not been confirmed yet.
    if (path != result.path && QFileInfo::exists(path) &&
        message(kNoteTitle, path + QStringLiteral(" already exists.\n\nDo you want to replace it?"),
                MsgIcon::Question, MsgButtons::YesNo) != MsgAnswer::Yes)
        return {};
    return path;
}

bool FileCommands::IsTemplateFile(const QString &path) const
{
    CRegSettings settings;
    for (int slot = 0; slot < 9; ++slot) {
        const QString name = settings.GetRegSetting(QStringLiteral("tFileName"), QString::number(slot));
        if (name.isEmpty() || path != templateFolder() + QDir::separator() + name)
            continue;
        message(QStringLiteral("TEMPLATE FILE"),
                QStringLiteral("The FileName you choose is a Template.\n\n"
                               "Please go back and enter a new name or location.\n"
                               "Template files cannot be overwritten.\n\n"
                               "Templates can be organized via the OPTIONS menu.\n"));
        return true;
    }
    return false;
}

QString FileCommands::templateFolder()
{
    return QDir::toNativeSeparators(QStandardPaths::writableLocation(QStandardPaths::AppDataLocation) +
                                    QStringLiteral("/Templates"));
}

// --- saving --------------------------------------------------------------------

namespace {

// A page's text as its file holds it: the editor's UTF-8 buffer as it is, or
// the text converted to the page's Windows-1252; then the final line break.
struct PageFile
{
    QByteArrayView utf8;
    std::optional<QByteArray> converted;
    QByteArray finalBreak;
    QByteArrayView body() const { return converted ? QByteArrayView(*converted) : utf8; }
};

// Null when the page's encoding cannot hold its text, unless \a utf8OnLoss.
std::optional<PageFile> pageFile(const frmKid *document, bool utf8OnLoss)
{
    PageFile file;
    file.utf8 = document->richy->textBytes();
#ifdef ZEVORA_CHECK_WRITES
    if (!document->richy->isPageText(file.utf8))
        qFatal("The bytes of a page to be written hold more than the page's text");
#endif
    if (document->encoding() == PageEncoding::Windows1252) {
        file.converted = TextCodec::windows1252FromUtf8(file.utf8);
        if (!file.converted && !utf8OnLoss)
            return std::nullopt;
    }
    // One line break at the end, in the page's own line ending, only when
    // the page does not already end with one. A page holding NUL bytes (a
    // UTF-16 file, say) is written exactly as it is: a byte added there would
    // corrupt it.
    const QByteArrayView body = file.body();
    const bool endsWithBreak = !body.isEmpty() && (body.back() == '\n' || body.back() == '\r');
    const bool holdsNul = std::memchr(body.data(), 0, size_t(body.size())) != nullptr;
    if (!endsWithBreak && !holdsNul)
        file.finalBreak = TextCodec::lineBreak(lineEndingOf(document)).toLatin1();
    return file;
}

bool writeInto(QFileDevice &device, const PageFile &page)
{
    const QByteArrayView body = page.body();
    // The last bytes leave the write buffer only on flush(), whose failure
    // a later commit or close would not notice: a full disk would then leave
    // a cut file.
    return device.write(body.data(), body.size()) == body.size() &&
           device.write(page.finalBreak) == page.finalBreak.size() && device.flush();
}

// A new file beside the old one, renamed over it once complete: a failed
// write leaves the old file as it was.
bool replaceAtomically(const QString &target, const PageFile &page)
{
    QSaveFile file(target);
    file.setDirectWriteFallback(false);
    return file.open(QIODevice::WriteOnly) && writeInto(file, page) && file.commit();
}

} // namespace

FileCommands::WriteResult FileCommands::write(frmKid *document, const QString &path)
{
    if (refuseForeignLink(path))
        return WriteResult::Declined;
    document->richy->endComposition();
    cHourglass busy;
    std::optional<PageFile> page = pageFile(document, false);
    if (!page) {
        const MsgAnswer answer = message(
            kNoteTitle,
            document->captionFileName() +
                QStringLiteral(" holds characters that cannot be written in the Windows-1252 encoding "
                               "it was read in.\n\nSave it in UTF-8 instead?"),
            MsgIcon::Exclamation, MsgButtons::YesNo);
        if (answer != MsgAnswer::Yes)
            return WriteResult::Declined;
        document->setEncoding(PageEncoding::Utf8);
        page = pageFile(document, true);
    }

    const QString target = writeTarget(path);
    const bool existed = QFileInfo::exists(target);
    const QFileDevice::Permissions permissions =
        existed ? QFile::permissions(target) : QFileDevice::Permissions();
    if (!replaceAtomically(target, *page))
        return WriteResult::Failed;
    if (existed)
        QFile::setPermissions(target, permissions);
    return WriteResult::Written;
}

bool FileCommands::writeCopy(frmKid *document, const QString &path, CopyMode mode)
{
    document->richy->endComposition();
    cHourglass busy;
    const std::optional<PageFile> page = pageFile(document, true);
    if (mode == CopyMode::Replace)
        return replaceAtomically(path, *page);
    // Created here or not at all: neither a file nor a symbolic link that
    // appeared meanwhile is written through.
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::NewOnly))
        return false;
    if (writeInto(file, *page))
        return true;
    file.remove();
    return false;
}

bool FileCommands::WriteDocument(frmKid *document, const QString &path)
{
    if (write(document, path) != WriteResult::Written)
        return false;
    document->richy->setDataChanged(false);
    return true;
}

void FileCommands::afterSave(frmKid *document, const QString &path)
{
    document->richy->setDataChanged(false);
    document->setSaveAsRequired(false);
    if (document == m_host->activeDocument())
        m_host->setToolEnabled(Tool::Save, false);
    AddToRecent(path);
    document->setWindowTitle(mCaption::CaptionBase(document->windowTitle()) +
                             mCaption::LastModifiedStamp(path));
    document->setFileOnDisk(fileIdentity(path));
    document->update();
}

bool FileCommands::SaveDocument(frmKid *document)
{
    const QString path = document->Tag();
    if (IsTemplateFile(path) || refuseForeignLink(path))
        return false;
    if (!mFuncs::FileExists(path) || document->saveAsRequired()) {
        const bool saved = SaveDocumentAs(document);
        document->richy->setFocus();
        return saved;
    }
    switch (saveInPlace(document, path)) {
    case WriteResult::Written:
        afterSave(document, path);
        document->richy->setFocus();
        return true;
    case WriteResult::Vanished:
        message(kNoteTitleNoColon, QStringLiteral("File appears to have been moved or deleted."),
                MsgIcon::Information);
        return false;
    case WriteResult::Failed:
        message(kNoteTitleNoColon, QStringLiteral("Could not write to the specified file at this time."),
                MsgIcon::Exclamation);
        return false;
    case WriteResult::Declined:
        return false;
    }
    return false;
}

FileCommands::WriteResult FileCommands::saveInPlace(frmKid *document, const QString &path)
{
    if (!QFileInfo::exists(writeTarget(path)))
        return WriteResult::Vanished;
    // Another program (or another window) may have written the file since
    // the page was read: its work is not overwritten without a word.
    const FileIdentity seen = document->fileOnDisk();
    if (seen.valid && !seen.sameFileUnchanged(fileIdentity(path)) &&
        message(kNoteTitle,
                path + QStringLiteral(" has changed on disk since it was opened or last saved.\n\n"
                                      "Overwrite it with this page?"),
                MsgIcon::Exclamation, MsgButtons::YesNo) != MsgAnswer::Yes)
        return WriteResult::Declined;
    return write(document, path);
}

bool FileCommands::SaveDocumentAs(frmKid *document)
{
    const QString path = ShowFileDialog(false, document);
    if (path.isEmpty() || IsTemplateFile(path))
        return false;
    switch (write(document, path)) {
    case WriteResult::Written:
        document->setTag(path);
        document->setWindowTitle(mFuncs::CaptionFromPath(path));
        afterSave(document, path);
        return true;
    case WriteResult::Declined:
        return false;
    case WriteResult::Failed:
    case WriteResult::Vanished:
        break;
    }
    message(kNoteTitle, QStringLiteral("Unable to save the file..."), MsgIcon::Exclamation);
    return false;
}

// --- recent files ----------------------------------------------------------------

QStringList FileCommands::recentPaths() const
{
    QStringList paths;
    for (const QAction *item : m_host->recentItems())
        paths.append(item->data().toString());
    return paths;
}

void FileCommands::showRecentList(const QStringList &list)
{
    CRegSettings settings;
    const QList<QAction *> items = m_host->recentItems();
    for (int slot = 0; slot < items.size(); ++slot) {
        QAction *item = items.at(slot);
        const QString key = QString::number(slot);
        if (slot < list.size()) {
            settings.SaveRegSetting(QStringLiteral("Recent Files"), key, list.at(slot));
            item->setData(list.at(slot));
            item->setText(QString(list.at(slot)).replace(QLatin1Char('&'), QLatin1String("&&")));
            item->setVisible(true);
        } else {
            // Slots beyond the list are cleared at once, so that menu and
            // store always match.
            settings.DeleteSetting(QStringLiteral("Recent Files"), key);
            item->setData(QString());
            item->setText(QString());
            item->setVisible(false);
        }
    }
    m_host->recentSeparator()->setVisible(!list.isEmpty());
}

void FileCommands::LoadRecentFiles()
{
    CRegSettings settings;
    QStringList stored;
    for (int slot = 0; slot < RecentList::kSlots; ++slot)
        stored.append(settings.GetRegSetting(QStringLiteral("Recent Files"), QString::number(slot)));
    showRecentList(RecentList::cleaned(stored, mFuncs::FileExists));
}

void FileCommands::AddToRecent(const QString &path)
{
    // The list outlives this run and its working folder.
    const QString absolute = !path.isEmpty() && QDir::isRelativePath(path)
                                 ? QDir::toNativeSeparators(QDir::current().absoluteFilePath(path))
                                 : path;
    showRecentList(RecentList::added(absolute, recentPaths(), mFuncs::FileExists));
}

void FileCommands::mnuFileMRU_Click(int index)
{
    const QString path = recentPaths().value(index);
    if (path.isEmpty())
        return;
    if (!mFuncs::FileExists(path)) {
        message(QStringLiteral("Zevora"), QStringLiteral("File appears to have been moved or deleted."),
                MsgIcon::Information);
        return;
    }
    if (frmKid *open = documentWithTag(path)) {
        if (QMdiArea *area = open->mdiArea())
            area->setActiveSubWindow(open);
        message(QStringLiteral("Zevora"),
                QStringLiteral("That file is already open.\n\nIf you wish to toggle between open documents,\n"
                               "it is simpler to use the \"Current\"menu."),
                MsgIcon::Information);
        return;
    }
    if (mFuncs::IsBinaryFile(path)) {
        showBinaryFileMessage(path);
        return;
    }
    openInNewWindow(path);
}

void FileCommands::showBinaryFile(const QString &path)
{
    showBinaryFileMessage(path);
}

QString FileCommands::checkOutsidePath(const QString &given)
{
    // The checks look at the file that will be opened: "logo" may be completed
    // to a picture "logo.png".
    const QString path = mCorrectPath::CorrectPath(given);
    if (path.isEmpty() || refuseForeignLink(path))
        return {};
    if (mFuncs::IsBinaryFile(path)) {
        showBinaryFileMessage(path);
        return {};
    }
    if (!mFuncs::FileExists(path)) {
        message(kNoteTitle, path + QStringLiteral(" is not present.\nZevora edits text-based (ASCII) files"),
                MsgIcon::Information);
        return {};
    }
    if (refuseTooLarge(path))
        return {};
    return path;
}
