// Zevora - the main frame: menus, tool strip, caret label and the pages.
#pragma once

#include "DocumentHost.h"
#include "FileCommands.h"

#include <QHash>
#include <QList>
#include <QMainWindow>
#include <QPointer>

class QAction;
class RecoveryJournals;
class QLabel;
class QMdiArea;
class QMenu;
class QMimeData;
class TemplateCommands;
class ToolStrip;
class frmChars;
class frmColors;
class frmFind;
class frmPageColors;
class frmReplace;
class modPreview;

/// The multiple-document frame. It wires menu items and tools to the active
/// page, to dialogs and to the file commands; the logic lives with them.
class topForm : public QMainWindow, public DocumentHost, public FileCommandsHost
{
    Q_OBJECT

public:
    explicit topForm(QWidget *parent = nullptr);
    ~topForm() override;

    /// Updates the tools and Select All from the active page.
    void RefreshTools() override;

    /// The active page, or null when none is open.
    frmKid *activeDocument() const override;
    /// Every open page, in the order they were opened.
    QList<frmKid *> documents() const override;
    /// A new, shown, empty page window.
    frmKid *newDocumentWindow() override;
    QList<QAction *> recentItems() const override;
    QAction *recentSeparator() const override;

    /// Keeps a recovery journal of every page the frame opens from now on.
    void setJournals(RecoveryJournals *journals) { m_journals = journals; }

    /// The file commands (New, Open, Save, Save As, recent files).
    FileCommands *files() const { return m_files; }
    /// The template commands (Options > Templates).
    TemplateCommands *templates() const { return m_templates; }
    /// The browser preview (the HTML Preview tool).
    modPreview *preview() const { return m_preview; }
    /// Opens \a path, or a file chosen in the open dialog when it is empty.
    frmKid *OpenDocument(const QString &path = QString()) { return m_files->OpenDocument(path); }
    /// Handles a file handed over by a second start of the program.
    void handOverReceived(const QString &path);
    /// Opens a file dropped on the frame (outside the pages).
    void dropFiles(const QMimeData *mime);

    /// Runs the action of tool \a index.
    void Picture1_Click(int index);

    ToolStrip *toolStrip() const { return m_tools; }
    QLabel *lblLineNo = nullptr;
    /// Where Replace reports what it changed.
    QLabel *lblResult = nullptr;
    QMdiArea *mdiArea = nullptr;

    /// The menu item named \a name (for example "mnuEditCut" or "mnuWind(2)").
    QAction *item(const QString &name) const { return m_items.value(name); }
    QMenu *menu(const QString &name) const { return m_menus.value(name); }

    // DocumentHost
    void setToolEnabled(int index, bool enabled) override;
    bool isToolEnabled(int index) const override;
    void setCaretText(const QString &text) override;
    void setSelectAllEnabled(bool enabled) override;
    void setDocumentMenusEnabled(bool enabled) override;
    void popupEditMenu(const QPoint &globalPos, const EditMenuState &state) override;
    bool saveDocument(frmKid *document) override;
    void documentClosed(frmKid *document) override;

protected:
    void closeEvent(QCloseEvent *event) override;
    void changeEvent(QEvent *event) override;
    void dragEnterEvent(QDragEnterEvent *event) override;
    void dragMoveEvent(QDragMoveEvent *event) override;
    void dropEvent(QDropEvent *event) override;

private:
    void buildMenus();
    QMenu *addMenu(QMenuBar *bar, const char *name, const QString &caption);
    QMenu *addSubMenu(QMenu *parent, const char *name, const QString &caption);
    QAction *addItem(QMenu *menu, const char *name, const QString &caption, const QKeySequence &key = {});
    QList<QAction *> addItems(QMenu *menu, const char *name, const QStringList &captions);
    void addSeparator(QMenu *menu, const char *name);

    // Sets every menu item that follows the pages (File, Edit, Tags, Dialogs,
    // Options) from the active page. It runs whenever a tool changes state, a
    // page is activated or closed, and as a menu opens, so that a shortcut
    // always does what its item in the open menu would.
    void updatePageItems();
    frmKid *pageForItems() const;

    void mnuEdit_Open();
    void mnuCurrent_Open();
    void mnuOptions_Open();

    void copyToClipboard();
    void pasteClipboard();
    void selectAll();
    void textToHtml();
    void windowState(int index);
    void setDefaultOpenType(int index);
    void setDefaultSaveType(int index);
    void setTabLength(int index);
    void toggleWordWrap();
    void checkStoredTabLength();
    void insertSnippet(const QString &text, int caretBack = 0);
    void bringToFront();
    void saveActive();
    void print();
    void showFind();
    void showReplace();
    void goToLine();
    void editorFont();
    void saveActiveAs();
    void previewActive();
    void toggleViewSource();

    // The builders of the Dialogs and Tags menus and tools 13 and 14 (in
    // topFormBuilders.cpp).
    void showPalette();
    void insertCustomColour();
    void showPageColours();
    void showBackground();
    void showSpecialCharacters();
    void showFontTag();
    void showRuleTag();
    void editorBackground();

    ToolStrip *m_tools = nullptr;
    FileCommands *m_files = nullptr;
    TemplateCommands *m_templates = nullptr;
    modPreview *m_preview = nullptr;
    QHash<QString, QAction *> m_items;
    QHash<QString, QMenu *> m_menus;
    RecoveryJournals *m_journals = nullptr;
    // At most one of each; a tool brings the open one forward.
    QPointer<frmFind> m_find;
    QPointer<frmReplace> m_replace;
    QPointer<frmColors> m_palette;
    QPointer<frmPageColors> m_pageColours;
    QPointer<frmChars> m_chars;
    bool m_shuttingDown = false;
    bool m_editMenuAsPopup = false;
    // The printer chosen last in this session; the Print window starts on it.
    QString m_currentPrinter;
};
