// Zevora - the main frame's menu tree and the rules applied when a menu opens.
#include "topForm.h"

#include "CRegSettings.h"
#include "ClipboardService.h"
#include "MessageService.h"
#include "QuickTags.h"
#include "Services.h"
#include "ShellService.h"
#include "TemplateCommands.h"
#include "ToolPictures.h"
#include "frmAbout.h"
#include "frmAnchor.h"
#include "frmKid.h"
#include "frmLists.h"
#include "frmShortcuts.h"
#include "frmTable.h"
#include "richy.h"

#include <QMdiArea>
#include <QMenu>
#include <QMenuBar>

using namespace Platform;

namespace {
// A caption or path shown as a menu item as it is: a single "&" would mark
// the next letter as the item's mnemonic and disappear.
QString menuText(const QString &name)
{
    return QString(name).replace(QLatin1Char('&'), QLatin1String("&&"));
}
} // namespace

QMenu *topForm::addMenu(QMenuBar *bar, const char *name, const QString &caption)
{
    QMenu *menu = bar->addMenu(caption);
    menu->setObjectName(QLatin1String(name));
    menu->menuAction()->setObjectName(QLatin1String(name));
    m_menus.insert(QLatin1String(name), menu);
    return menu;
}

QMenu *topForm::addSubMenu(QMenu *parent, const char *name, const QString &caption)
{
    QMenu *menu = parent->addMenu(caption);
    menu->setObjectName(QLatin1String(name));
    menu->menuAction()->setObjectName(QLatin1String(name));
    m_menus.insert(QLatin1String(name), menu);
    m_items.insert(QLatin1String(name), menu->menuAction());
    return menu;
}

QAction *topForm::addItem(QMenu *menu, const char *name, const QString &caption, const QKeySequence &key)
{
    QAction *action = menu->addAction(caption);
    action->setObjectName(QLatin1String(name));
    if (!key.isEmpty()) {
        action->setShortcut(key);
        // Shortcuts work from anywhere in the frame, also inside a page.
        action->setShortcutContext(Qt::WindowShortcut);
    }
    m_items.insert(QLatin1String(name), action);
    return action;
}

void topForm::addSeparator(QMenu *menu, const char *name)
{
    QAction *separator = menu->addSeparator();
    separator->setObjectName(QLatin1String(name));
    m_items.insert(QLatin1String(name), separator);
}

QList<QAction *> topForm::addItems(QMenu *menu, const char *name, const QStringList &captions)
{
    QList<QAction *> actions;
    for (qsizetype i = 0; i < captions.size(); ++i) {
        const QString itemName = QStringLiteral("%1(%2)").arg(QLatin1String(name)).arg(i);
        QAction *action =
            captions.at(i) == QLatin1String("-") ? menu->addSeparator() : menu->addAction(captions.at(i));
        action->setObjectName(itemName);
        m_items.insert(itemName, action);
        actions.append(action);
    }
    return actions;
}

void topForm::buildMenus()
{
    QMenuBar *bar = menuBar();

    // File
    QMenu *file = addMenu(bar, "mnuFile", QStringLiteral("&File"));
    QAction *newPage = addItem(file, "mnuFileNew", QStringLiteral("New"), Qt::Key_F2);
    newPage->setIcon(Resources::toolIcon(100));
    connect(newPage, &QAction::triggered, this, [this] { Picture1_Click(Tool::New); });
    QAction *openFile = addItem(file, "mnuFileOpen", QStringLiteral("Open"), Qt::Key_F3);
    openFile->setIcon(Resources::toolIcon(101));
    connect(openFile, &QAction::triggered, this, [this] { Picture1_Click(Tool::Open); });
    QAction *close = addItem(file, "mnuFileClose", QStringLiteral("Close"), Qt::Key_F6);
    close->setIcon(Resources::toolIcon(102));
    connect(close, &QAction::triggered, this, [this] { Picture1_Click(Tool::Close); });
    addSeparator(file, "mnuFileSep1");
    QAction *save = addItem(file, "mnuFileSave", QStringLiteral("Save"), Qt::Key_F7);
    save->setIcon(Resources::toolIcon(103));
    connect(save, &QAction::triggered, this, &topForm::saveActive);
    QAction *saveAs = addItem(file, "mnuFileSaveAs", QStringLiteral("Save As"), Qt::Key_F8);
    saveAs->setIcon(Resources::toolIcon(104));
    connect(saveAs, &QAction::triggered, this, &topForm::saveActiveAs);
    addSeparator(file, "mnuFileSepM");
    const QList<QAction *> recent = addItems(file, "mnuFileMRU", QStringList(9, QString()));
    recent.first()->setText(QStringLiteral("Recent Files List"));
    const QIcon recentPicture = Resources::menuIcon(Resources::MenuPicture::RecentFile);
    for (int i = 0; i < recent.size(); ++i) {
        // Hidden until the recent-files list fills the slot; shown with its picture.
        recent[i]->setIcon(recentPicture);
        recent[i]->setVisible(false);
        connect(recent[i], &QAction::triggered, this, [this, i] { m_files->mnuFileMRU_Click(i); });
    }
    addSeparator(file, "mnuFileSepB");
    item(QStringLiteral("mnuFileSepB"))->setVisible(false);
    QAction *print = addItem(file, "mnuFilePrint", QStringLiteral("Print"));
    print->setIcon(Resources::toolIcon(116));
    connect(print, &QAction::triggered, this, [this] { Picture1_Click(Tool::Print); });
    addSeparator(file, "mnuFileSepC");
    QAction *exitItem = addItem(file, "mnuFileExit", QStringLiteral("Exit"), Qt::SHIFT | Qt::Key_F4);
    exitItem->setIcon(Resources::menuIcon(Resources::MenuPicture::Exit));
    connect(exitItem, &QAction::triggered, this, &QWidget::close);
    connect(file, &QMenu::aboutToShow, this, &topForm::updatePageItems);

    // Current: the window list
    QMenu *current = addMenu(bar, "mnuCurrent", QStringLiteral("&Current"));
    connect(current, &QMenu::aboutToShow, this, &topForm::mnuCurrent_Open);

    // Edit
    QMenu *edit = addMenu(bar, "mnuEdit", QStringLiteral("&Edit"));
    connect(addItem(edit, "mnuEditCut", QStringLiteral("Cut"), Qt::CTRL | Qt::Key_X), &QAction::triggered,
            this, [this] {
                if (frmKid *kid = activeDocument())
                    kid->kidCut();
            });
    connect(addItem(edit, "mnuEditCopy", QStringLiteral("Copy"), Qt::CTRL | Qt::Key_C), &QAction::triggered,
            this, &topForm::copyToClipboard);
    connect(addItem(edit, "mnuEditPaste", QStringLiteral("Paste"), Qt::CTRL | Qt::Key_V), &QAction::triggered,
            this, &topForm::pasteClipboard);
    addSeparator(edit, "mnuEditSep1");
    connect(addItem(edit, "mnuEditGoTo", QStringLiteral("Go To Line")), &QAction::triggered, this,
            &topForm::goToLine);
    connect(addItem(edit, "mnuEditSelectAll", QStringLiteral("Select All")), &QAction::triggered, this,
            &topForm::selectAll);
    connect(addItem(edit, "mnuEditTxt2H", QStringLiteral("Text to HTML")), &QAction::triggered, this,
            &topForm::textToHtml);
    connect(addItem(edit, "mnuEditDelete", QStringLiteral("Delete")), &QAction::triggered, this, [this] {
        if (frmKid *kid = activeDocument())
            kid->kidDelete();
    });
    addSeparator(edit, "mnuEditSep2");
    connect(addItem(edit, "mnuEditUndo", QStringLiteral("Undo")), &QAction::triggered, this, [this] {
        if (frmKid *kid = activeDocument())
            kid->cmdUndo_Click();
    });
    connect(addItem(edit, "mnuEditRedo", QStringLiteral("Redo")), &QAction::triggered, this, [this] {
        if (frmKid *kid = activeDocument())
            kid->cmdRedo_Click();
    });
    connect(edit, &QMenu::aboutToShow, this, &topForm::mnuEdit_Open);

    // Window
    QMenu *window = addMenu(bar, "mnuWindow", QStringLiteral("&Window"));
    const QList<QAction *> states =
        addItems(window, "mnuWind",
                 {QStringLiteral("Normal"), QStringLiteral("Minimize"), QStringLiteral("Maximize")});
    const Qt::Key stateKeys[] = {Qt::Key_F9, Qt::Key_F11, Qt::Key_F12};
    for (int i = 0; i < 3; ++i) {
        states[i]->setShortcut(stateKeys[i]);
        connect(states[i], &QAction::triggered, this, [this, i] { windowState(i); });
    }

    // Tags
    QMenu *tags = addMenu(bar, "mnuTags", QStringLiteral("&Tags"));
    QMenu *form = addSubMenu(tags, "mnuTagsForm", QStringLiteral("Form"));
    const QList<QAction *> forms = addItems(form, "mnuTagsFormList", QuickTags::formCaptions());
    for (int i = 0; i < forms.size(); ++i)
        connect(forms[i], &QAction::triggered, this, [this, i] { insertSnippet(QuickTags::formSnippet(i)); });
    QMenu *inputs = addSubMenu(tags, "mnuTagsInput", QStringLiteral("Inputs"));
    const QList<QAction *> inputItems = addItems(inputs, "mnuTagsInputList", QuickTags::inputCaptions());
    for (int i = 0; i < inputItems.size(); ++i)
        connect(inputItems[i], &QAction::triggered, this,
                [this, i] { insertSnippet(QuickTags::inputSnippet(i)); });
    addSeparator(tags, "mnuTagsSep1");
    connect(addItem(tags, "mnuTagsSC", QStringLiteral("Special Characters")), &QAction::triggered, this,
            &topForm::showSpecialCharacters);
    addSeparator(tags, "mnuTagsSep2");
    connect(addItem(tags, "mnuTagsDate", QStringLiteral("Date")), &QAction::triggered, this,
            [this] { insertSnippet(QuickTags::dateSnippet()); });
    connect(tags, &QMenu::aboutToShow, this, &topForm::updatePageItems);

    // Dialogs
    QMenu *dialogs = addMenu(bar, "mnuTagsD", QStringLiteral("&Dialogs"));
    connect(addItem(dialogs, "mnuTagsDPColors", QStringLiteral("Page Colors")), &QAction::triggered, this,
            &topForm::showPageColours);
    connect(addItem(dialogs, "mnuTagsDBG", QStringLiteral("Background")), &QAction::triggered, this,
            &topForm::showBackground);
    connect(addItem(dialogs, "mnuTagsDLink", QStringLiteral("Anchor (Link)")), &QAction::triggered, this,
            [this] {
                if (frmKid *kid = pageForItems())
                    frmAnchor::showFor(kid, m_files, this);
            });
    addSeparator(dialogs, "mnuTagsDSep1");
    connect(addItem(dialogs, "mnuTagsDFont", QStringLiteral("Font Tag")), &QAction::triggered, this,
            &topForm::showFontTag);
    connect(addItem(dialogs, "mnuTagsDHR", QStringLiteral("Rule <HR>")), &QAction::triggered, this,
            &topForm::showRuleTag);
    addSeparator(dialogs, "mnuTagsDSep2");
    connect(addItem(dialogs, "mnuTagsDLists", QStringLiteral("List Maker")), &QAction::triggered, this,
            [this] {
                if (frmKid *kid = pageForItems())
                    frmLists::showModal(kid, m_files, this);
            });
    connect(addItem(dialogs, "mnuTagsDTable", QStringLiteral("Table Maker")), &QAction::triggered, this,
            [this] {
                if (frmKid *kid = pageForItems())
                    frmTable::showModal(kid, this);
            });
    connect(dialogs, &QMenu::aboutToShow, this, &topForm::updatePageItems);

    // Scripts
    QMenu *scripts = addMenu(bar, "mnuScripts", QStringLiteral("&Scripts"));
    QMenu *scriptTags = addSubMenu(scripts, "mnuScriptTag", QStringLiteral("Script Tags"));
    const QList<QAction *> scriptItems = addItems(scriptTags, "mnuScriptTags", QuickTags::scriptCaptions());
    for (int i = 0; i < scriptItems.size(); ++i) {
        connect(scriptItems[i], &QAction::triggered, this, [this, i] {
            const frmKid *kid = activeDocument();
            const QString lineBreak = kid ? kid->richy->lineBreak() : QStringLiteral("\r\n");
            insertSnippet(QuickTags::scriptSnippet(i), QuickTags::scriptCaretBack(i, lineBreak));
        });
    }
    QMenu *drops = addSubMenu(scripts, "mnuScriptDrop", QStringLiteral("Drop Menus"));
    const QList<QAction *> dropItems = addItems(drops, "mnuScriptDrops", QuickTags::dropCaptions());
    for (int i = 0; i < dropItems.size(); ++i)
        connect(dropItems[i], &QAction::triggered, this,
                [this, i] { insertSnippet(QuickTags::dropSnippet(i)); });

    // Options
    QMenu *options = addMenu(bar, "mnuOptions", QStringLiteral("&Options"));
    QMenu *openTypes = addSubMenu(options, "mnuOptDefOpen", QStringLiteral("Default open type"));
    const QList<QAction *> openItems =
        addItems(openTypes, "mnuOptDefOpenList", {".htm", ".txt", ".asp", "All Files"});
    for (int i = 0; i < openItems.size(); ++i)
        connect(openItems[i], &QAction::triggered, this, [this, i] { setDefaultOpenType(i); });
    QMenu *saveTypes = addSubMenu(options, "mnuOptDefSave", QStringLiteral("Default save type"));
    const QList<QAction *> saveItems =
        addItems(saveTypes, "mnuOptDefSaveList", {".htm", ".html", ".shtml", ".txt", ".asp", "All Files"});
    for (int i = 0; i < saveItems.size(); ++i)
        connect(saveItems[i], &QAction::triggered, this, [this, i] { setDefaultSaveType(i); });
    addSeparator(options, "mnuOptSep1");
    QMenu *templates = addSubMenu(options, "mnuOptsTemp", QStringLiteral("Templates"));
    connect(addItem(templates, "mnuOptsTempAdd", QStringLiteral("Add Current Page")), &QAction::triggered,
            this, [this] { m_templates->showAddDialog(); });
    QAction *organize = addItem(templates, "mnuOptsTempOrg", QStringLiteral("Organize Templates"));
    organize->setVisible(false);
    connect(organize, &QAction::triggered, this, [this] { m_templates->showOrganizeDialog(); });
    addSeparator(templates, "mnuOptsTempSep1");
    item(QStringLiteral("mnuOptsTempSep1"))->setVisible(false);
    const QList<QAction *> templateItems = addItems(templates, "mnuOptsTempList", QStringList(9, QString()));
    for (int i = 0; i < templateItems.size(); ++i) {
        templateItems[i]->setVisible(false);
        connect(templateItems[i], &QAction::triggered, this,
                [this, i] { m_templates->mnuOptsTempList_Click(i); });
    }
    addSeparator(options, "mnuOptSep2");
    connect(addItem(options, "mnuOptFont", QStringLiteral("Font")), &QAction::triggered, this,
            &topForm::editorFont);
    QAction *wrap = addItem(options, "mnuOptWW", QStringLiteral("Word Wrap"));
    wrap->setCheckable(true);
    connect(wrap, &QAction::triggered, this, &topForm::toggleWordWrap);
    QMenu *tabs = addSubMenu(options, "mnuOptTabs", QStringLiteral("Tab Length"));
    const QList<QAction *> tabItems = addItems(tabs, "mnuOptTabsList", {"2", "3", "4", "6", "8"});
    for (int i = 0; i < tabItems.size(); ++i) {
        tabItems[i]->setCheckable(true);
        connect(tabItems[i], &QAction::triggered, this, [this, i] { setTabLength(i); });
    }
    addSeparator(options, "mnuOptsSep3");
    connect(addItem(options, "mnuOptBG", QStringLiteral("Background")), &QAction::triggered, this,
            &topForm::editorBackground);
    addSeparator(options, "mnuOptsSep4");
    QAction *viewSource =
        addItem(options, "mnuOptsViewSource", QStringLiteral("Toggle View Source Function"));
    viewSource->setCheckable(true);
    connect(viewSource, &QAction::triggered, this, &topForm::toggleViewSource);
    connect(options, &QMenu::aboutToShow, this, &topForm::mnuOptions_Open);

    // Help
    QMenu *help = addMenu(bar, "mnuHelp", QStringLiteral("&Help"));
    connect(addItem(help, "mnuHelpMacros", QStringLiteral("Key Macros")), &QAction::triggered, this,
            [this] { frmShortcuts::showModeless(this); });
    connect(addItem(help, "mnuHelpContext", QStringLiteral("Contents"), Qt::Key_F1), &QAction::triggered,
            this,
            [] { message(QStringLiteral("Zevora"), QStringLiteral("The help file is yet completed.")); });
    connect(addItem(help, "mnuHelpAbout", QStringLiteral("About"), Qt::Key_F4), &QAction::triggered, this,
            [this] { frmAbout::showModal(this); });
}

// --- rules applied as a menu opens, and kept while it is closed -------------------

frmKid *topForm::pageForItems() const
{
    frmKid *kid = activeDocument();
    // A page that is closing counts no more; the next one is activated after it.
    return kid && !kid->isClosing() ? kid : nullptr;
}

void topForm::updatePageItems()
{
    const frmKid *kid = pageForItems();
    const bool open = kid != nullptr;

    item(QStringLiteral("mnuFileSave"))->setEnabled(open && kid->richy->DataChanged());
    for (const char *name : {"mnuFileClose", "mnuFileSaveAs", "mnuFilePrint"})
        item(QLatin1String(name))->setEnabled(open);

    // The popup Edit menu of a page sets these items itself while it is open.
    if (!m_editMenuAsPopup) {
        const bool selected = open && kid->richy->SelLength() > 0;
        for (const char *name : {"mnuEditCut", "mnuEditCopy", "mnuEditDelete"})
            item(QLatin1String(name))->setEnabled(selected);
        // The page keeps the Paste tool in step with the clipboard.
        item(QStringLiteral("mnuEditPaste"))->setEnabled(open && isToolEnabled(Tool::Paste));
        item(QStringLiteral("mnuEditUndo"))->setEnabled(open && !kid->undoStack().isEmpty());
        item(QStringLiteral("mnuEditRedo"))->setEnabled(open && !kid->redoStack().isEmpty());
    }

    for (const char *name :
         {"mnuTagsForm", "mnuTagsInput", "mnuTagsSC", "mnuTagsDate", "mnuTagsDPColors", "mnuTagsDBG",
          "mnuTagsDLink", "mnuTagsDFont", "mnuTagsDHR", "mnuTagsDLists", "mnuTagsDTable", "mnuOptFont", "mnuOptWW",
          "mnuOptsTempAdd"})
        item(QLatin1String(name))->setEnabled(open);
    item(QStringLiteral("mnuOptWW"))->setChecked(open && kid->richy->wrapMode() != QsciScintilla::WrapNone);
}

void topForm::mnuEdit_Open()
{
    if (m_editMenuAsPopup)
        return;
    if (frmKid *kid = pageForItems()) {
        // A keystroke still being recorded becomes its undo step first, and
        // the clipboard may have changed in another program.
        kid->richy->commitPending();
        setToolEnabled(Tool::Paste, !Services::clipboard().text().isEmpty());
    }
    updatePageItems();
}

void topForm::mnuCurrent_Open()
{
    QMenu *current = menu(QStringLiteral("mnuCurrent"));
    current->clear();
    const frmKid *active = activeDocument();
    for (frmKid *kid : documents()) {
        QAction *entry = current->addAction(menuText(kid->windowTitle()));
        entry->setCheckable(true);
        entry->setChecked(kid == active);
        connect(entry, &QAction::triggered, this, [this, kid] {
            mdiArea->setActiveSubWindow(kid);
            kid->richy->setFocus();
        });
    }
}

void topForm::mnuOptions_Open()
{
    updatePageItems();
    const bool hasTemplate =
        !CRegSettings().GetRegSetting(QStringLiteral("tFileName"), QStringLiteral("0")).isEmpty();
    item(QStringLiteral("mnuOptsTempOrg"))->setEnabled(hasTemplate);
    // Only some desktops' browsers let a program register as their source viewer.
    item(QStringLiteral("mnuOptsViewSource"))->setEnabled(Services::shell().viewSourceAvailable());
}
