// Zevora - templates: pages kept as starting points, listed under Options > Templates.
#pragma once

#include "TemplateList.h"

#include <QList>
#include <QObject>
#include <QPointer>
#include <QWidget>

class FileCommands;
class QAction;
class frmKid;

/// The template commands. A template is a copy of a page, kept read-only in
/// the template folder and listed by name in the settings (slots "tID" and
/// "tFileName" 0 to 8, newest first) and in the menu. Opening one gives a new
/// page with its text that has no file yet: its first Save asks for a name.
/// Messages go through the platform's message service.
class TemplateCommands : public QObject
{
    Q_OBJECT

public:
    /// The menu items the commands keep up to date.
    struct Menu
    {
        QList<QAction *> items; ///< mnuOptsTempList(0 to 8)
        QAction *organize = nullptr;
        QAction *separator = nullptr;
    };

    /// \a window is the parent of the dialogs.
    TemplateCommands(FileCommands *files, const Menu &menu, QWidget *window);

    /// Rebuilds slots and menu from the settings: a slot is kept when it has
    /// a name and a plain file name that is in the template folder, and
    /// names a file no earlier slot names; kept slots move up, the others are
    /// removed. Organize Templates shows when any is kept.
    void LoadTemplateMenu();

    /// The stored slots up to the first empty one.
    QList<TemplateList::Template> storedTemplates() const;

    /// Options > Templates > Add Current Page: the add dialog, modal, for the
    /// active page. Nothing without a page.
    void showAddDialog();
    /// Options > Templates > Organize Templates: the organize dialog, modal.
    void showOrganizeDialog();
    /// Opens template \a index as a new page: caption = the template's name,
    /// Tag = a path in the temporary folder, not in the recent list. The new
    /// page, or null (after a message) when the template could not be read.
    frmKid *mnuOptsTempList_Click(int index);

    /// Stores \a page as the template \a name with the file \a fileName. A
    /// refusal (empty, in use, a path, a write that failed) shows its message
    /// and returns false; nothing is stored then. The page stays as it was.
    bool addTemplate(frmKid *page, const QString &name, const QString &fileName);
    /// Gives template \a slot the name \a name (the file keeps its name). An
    /// empty name is refused with a message.
    bool renameTemplate(int slot, const QString &name);
    /// Asks, then moves the file of template \a slot to the trash; the menu
    /// is rebuilt either way.
    void deleteTemplate(int slot);

private:
    void storeTemplates(const QList<TemplateList::Template> &list);

    FileCommands *m_files;
    Menu m_menu;
    QPointer<QWidget> m_window;
};
