// Zevora - templates: pages kept as starting points, listed under Options > Templates.
#include "TemplateCommands.h"

#include "CRegSettings.h"
#include "FileCommands.h"
#include "MessageService.h"
#include "Services.h"
#include "ShellService.h"
#include "frmKid.h"
#include "frmTemplatesAdd.h"
#include "frmTemplatesOrg.h"
#include "mFuncs.h"
#include "richy.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QMdiArea>

using namespace Platform;
using TemplateList::Template;

namespace {

const QString kNoteTitle = QStringLiteral("Zevora Note:");
const QString kNames = QStringLiteral("tID");
const QString kFiles = QStringLiteral("tFileName");
const QString kInUseTail = QStringLiteral("\nPlease go back and enter a new name,\n"
                                          "or delete the template with that name\n"
                                          "under the ORGANIZE TEMPLATES menu.");

QString templatePath(const QString &fileName)
{
    return FileCommands::templateFolder() + QDir::separator() + fileName;
}

// All nine slots as stored, empty ones included.
QList<Template> readSlots()
{
    CRegSettings settings;
    QList<Template> stored;
    for (int slot = 0; slot < TemplateList::kSlots; ++slot) {
        const QString key = QString::number(slot);
        stored.append({settings.GetRegSetting(kNames, key), settings.GetRegSetting(kFiles, key)});
    }
    return stored;
}

// The menu shows a name as it is: a single "&" would mark a mnemonic.
QString menuText(const QString &name)
{
    return QString(name).replace(QLatin1Char('&'), QLatin1String("&&"));
}

} // namespace

TemplateCommands::TemplateCommands(FileCommands *files, const Menu &menu, QWidget *window)
    : QObject(window), m_files(files), m_menu(menu), m_window(window)
{
}

QList<Template> TemplateCommands::storedTemplates() const
{
    QList<Template> list;
    for (const Template &entry : readSlots()) {
        if (entry.name.isEmpty() || entry.fileName.isEmpty())
            break;
        list.append(entry);
    }
    return list;
}

void TemplateCommands::storeTemplates(const QList<Template> &list)
{
    CRegSettings settings;
    for (int slot = 0; slot < TemplateList::kSlots; ++slot) {
        const QString key = QString::number(slot);
        QAction *item = m_menu.items.value(slot);
        if (slot < list.size()) {
            settings.SaveRegSetting(kNames, key, list.at(slot).name);
            settings.SaveRegSetting(kFiles, key, list.at(slot).fileName);
        } else {
            settings.DeleteSetting(kNames, key);
            settings.DeleteSetting(kFiles, key);
        }
        if (item) {
            item->setText(slot < list.size() ? menuText(list.at(slot).name) : QString());
            item->setVisible(slot < list.size());
        }
    }
    if (m_menu.organize)
        m_menu.organize->setVisible(!list.isEmpty());
    if (m_menu.separator)
        m_menu.separator->setVisible(!list.isEmpty());
}

void TemplateCommands::LoadTemplateMenu()
{
    storeTemplates(TemplateList::kept(
        readSlots(), [](const QString &fileName) { return mFuncs::FileExists(templatePath(fileName)); }));
}

// --- adding ----------------------------------------------------------------------

bool TemplateCommands::addTemplate(frmKid *page, const QString &name, const QString &fileName)
{
    if (name.trimmed().isEmpty()) {
        message(kNoteTitle, QStringLiteral("Please enter a ID for the template."));
        return false;
    }
    if (fileName.trimmed().isEmpty()) {
        message(kNoteTitle, QStringLiteral("Please enter a filename for the template."));
        return false;
    }
    // Nothing is written outside the template folder.
    if (!TemplateList::isPlainFileName(fileName)) {
        message(kNoteTitle, QStringLiteral("Please enter a filename without a path."));
        return false;
    }
    const QList<Template> stored = readSlots();
    const auto inUse = [&stored](auto field) { return std::any_of(stored.cbegin(), stored.cend(), field); };
    if (inUse([&name](const Template &entry) { return entry.name == name; })) {
        message(kNoteTitle, QStringLiteral("That template name is already in use.") + kInUseTail);
        return false;
    }
    if (inUse([&fileName](const Template &entry) { return entry.fileName == fileName; })) {
        message(kNoteTitle, QStringLiteral("That template file is already in use.") + kInUseTail);
        return false;
    }

    // The file first: a template whose file could not be written takes no slot.
    const QString path = templatePath(fileName);
    if (!QDir().mkpath(FileCommands::templateFolder()) ||
        !FileCommands::writeCopy(page, path, FileCommands::CopyMode::Replace)) {
        message(kNoteTitle, QStringLiteral("The template file could not be written:\n") + path,
                MsgIcon::Exclamation);
        return false;
    }
    // Template files are never written over: the file commands refuse their
    // names, and the file itself is read-only.
    QFile::setPermissions(path, QFile::ReadOwner | QFile::ReadUser | QFile::ReadGroup | QFile::ReadOther);
    storeTemplates(TemplateList::added({name, fileName}, storedTemplates()));
    return true;
}

// --- organizing ------------------------------------------------------------------

bool TemplateCommands::renameTemplate(int slot, const QString &name)
{
    if (name.trimmed().isEmpty()) {
        message(kNoteTitle, QStringLiteral("Please enter a ID for the template."));
        return false;
    }
    if (slot >= 0 && slot < storedTemplates().size())
        CRegSettings().SaveRegSetting(kNames, QString::number(slot), name);
    LoadTemplateMenu();
    return true;
}

void TemplateCommands::deleteTemplate(int slot)
{
    const QList<Template> list = storedTemplates();
    if (slot >= 0 && slot < list.size() && TemplateList::isPlainFileName(list.at(slot).fileName)) {
        const QString fileName = list.at(slot).fileName;
        const QString path = templatePath(fileName);
        // The trash takes the file without a question; a file that is gone
        // already needs none.
        if (QFile::exists(path) &&
            message(kNoteTitle, QStringLiteral("Move the template file %1 to the trash?").arg(fileName),
                    MsgIcon::Question, MsgButtons::YesNo) == MsgAnswer::Yes &&
            !Services::shell().moveToTrash(path)) {
            message(kNoteTitle, QStringLiteral("The template file could not be moved to the trash."),
                    MsgIcon::Exclamation);
        }
    }
    LoadTemplateMenu();
}

// --- opening -----------------------------------------------------------------------

frmKid *TemplateCommands::mnuOptsTempList_Click(int index)
{
    const Template entry = readSlots().value(index);
    if (entry.name.isEmpty() || !TemplateList::isPlainFileName(entry.fileName)) {
        message(kNoteTitle, QStringLiteral("Error with Template List"));
        return nullptr;
    }
    FileCommandsHost *host = m_files->host();
    QPointer<frmKid> kid = host->newDocumentWindow();
    // A path in the temporary folder that names no file of the page's: a
    // name holding a separator would lead into a folder there.
    QString tagName = entry.name;
    tagName.replace(QLatin1Char('/'), QLatin1Char('_')).replace(QLatin1Char('\\'), QLatin1Char('_'));
    kid->setTag(mFuncs::TempFolder() + tagName);
    if (!m_files->LoadFile(templatePath(entry.fileName), kid)) {
        if (kid) {
            kid->richy->setDataChanged(false);
            kid->close();
        }
        message(kNoteTitle, QStringLiteral("Unable to open Template"));
        return nullptr;
    }
    kid->setWindowTitle(entry.name);
    // The page has no file: the template's is not its own, and whatever file
    // may be at its Tag is not either. Its first Save asks for a name.
    kid->setFileOnDisk({});
    kid->setSaveAsRequired(true);
    kid->Form_Activate();
    host->RefreshTools();
    return kid;
}

// --- the dialogs -------------------------------------------------------------------

void TemplateCommands::showAddDialog()
{
    const QPointer<frmKid> page = m_files->host()->activeDocument();
    if (!page)
        return;
    frmTemplatesAdd dialog(this, page, m_window);
    dialog.exec();
    if (page && !page->isClosing())
        page->richy->setFocus();
}

void TemplateCommands::showOrganizeDialog()
{
    frmTemplatesOrg dialog(this, m_window);
    dialog.exec();
}
