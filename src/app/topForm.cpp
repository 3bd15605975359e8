// Zevora - the main frame.
#include "topForm.h"

#include "CRegSettings.h"
#include "ClipboardService.h"
#include "MessageService.h"
#include "PrintService.h"
#include "QuickTags.h"
#include "RecoveryJournals.h"
#include "Services.h"
#include "ShellService.h"
#include "SoundService.h"
#include "TemplateCommands.h"
#include "ToolPictures.h"
#include "ToolStrip.h"
#include "cStringsMenus.h"
#include "cTxt2HTML.h"
#include "doImgClass.h"
#include "frmFind.h"
#include "frmGoTo.h"
#include "frmKid.h"
#include "frmPrint.h"
#include "frmReplace.h"
#include "frmTxtFonts.h"
#include "mFuncs.h"
#include "mSpell.h"
#include "modPreview.h"
#include "richy.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDir>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QEventLoop>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QScreen>
#include <QStatusBar>
#include <QTimer>
#include <QUrl>
#include <QWindowStateChangeEvent>

using namespace Platform;

namespace {
const QString kNoteTitle = QStringLiteral("Zevora Note:");
} // namespace

topForm::topForm(QWidget *parent) : QMainWindow(parent)
{
    setObjectName(QStringLiteral("topForm"));
    setWindowTitle(QStringLiteral("Zevora"));

    m_files = new FileCommands(this, this);
    m_tools = new ToolStrip(this);
    addToolBar(Qt::TopToolBarArea, m_tools);
    connect(m_tools, &ToolStrip::toolClicked, this, &topForm::Picture1_Click);

    mdiArea = new QMdiArea(this);
    mdiArea->setObjectName(QStringLiteral("mdiArea"));
    mdiArea->setActivationOrder(QMdiArea::CreationOrder);
    setCentralWidget(mdiArea);
    // A page reports its state as it is being activated, before it is the
    // active page; the items follow it once it is.
    connect(mdiArea, &QMdiArea::subWindowActivated, this, &topForm::updatePageItems);

    lblResult = new QLabel(this);
    lblResult->setObjectName(QStringLiteral("lblResult"));
    lblResult->setTextFormat(Qt::PlainText);
    statusBar()->addWidget(lblResult, 1);
    lblLineNo = new QLabel(this);
    lblLineNo->setObjectName(QStringLiteral("lblLineNo"));
    lblLineNo->setMinimumWidth(180);
    statusBar()->addPermanentWidget(lblLineNo);
    statusBar()->setSizeGripEnabled(true);

    buildMenus();
    QList<QAction *> templateItems;
    for (int i = 0; i < TemplateList::kSlots; ++i)
        templateItems.append(item(QStringLiteral("mnuOptsTempList(%1)").arg(i)));
    m_templates = new TemplateCommands(
        m_files,
        {templateItems, item(QStringLiteral("mnuOptsTempOrg")), item(QStringLiteral("mnuOptsTempSep1"))},
        this);
    m_preview = new modPreview(this);
    checkStoredTabLength();
    item(QStringLiteral("mnuOptsViewSource"))->setChecked(Services::shell().isViewSourceEditor());
    setAcceptDrops(true);

    // No page is open yet: the page tools and menus wait for one.
    for (int i = Tool::Close; i < Tool::Count; ++i)
        setToolEnabled(i, false);
    setDocumentMenusEnabled(false);

    resize(900, 640);
    if (const QScreen *screen = QGuiApplication::primaryScreen()) {
        const QRect area = screen->availableGeometry();
        move(area.left() + (area.width() - width()) / 2, area.top() + (area.height() - height()) / 2);
    }
}

topForm::~topForm()
{
    // The pages are hidden and deactivated after this frame's own members are
    // gone; the menu items must no longer follow them then.
    disconnect(mdiArea, nullptr, this, nullptr);
}

// --- pages -------------------------------------------------------------------

frmKid *topForm::activeDocument() const
{
    QMdiSubWindow *window = mdiArea->activeSubWindow();
    if (!window) {
        // While the frame itself is not active, the current window still counts.
        window = mdiArea->currentSubWindow();
    }
    return qobject_cast<frmKid *>(window);
}

QList<frmKid *> topForm::documents() const
{
    QList<frmKid *> pages;
    for (QMdiSubWindow *window : mdiArea->subWindowList(QMdiArea::CreationOrder)) {
        if (auto *kid = qobject_cast<frmKid *>(window); kid && !kid->isClosing())
            pages.append(kid);
    }
    return pages;
}

frmKid *topForm::newDocumentWindow()
{
    auto *kid = new frmKid(this);
    acceptFileDrops(kid);
    if (m_journals)
        m_journals->watch(kid);
    const frmKid *previous = activeDocument();
    mdiArea->addSubWindow(kid);
    kid->setWindowIcon(Resources::toolIcon(Resources::EnabledBase + Tool::New));
    // A page takes most of the frame; it is maximised when the page before
    // it was (or when it is the first one).
    if (!previous || previous->isMaximized()) {
        kid->showMaximized();
    } else {
        kid->resize(mdiArea->size() * 3 / 4);
        kid->show();
    }
    mdiArea->setActiveSubWindow(kid);
    kid->richy->setFocus();
    return kid;
}

void topForm::RefreshTools()
{
    frmKid *kid = activeDocument();
    if (!kid)
        return;
    item(QStringLiteral("mnuEditSelectAll"))->setEnabled(true);
    setToolEnabled(Tool::Close, true);
    const bool changed = kid->richy->DataChanged();
    setToolEnabled(Tool::Save, changed);
    setToolEnabled(Tool::Undo, kid->checkUndoFromTop());
    for (int i = Tool::Spelling; i < Tool::Count; ++i)
        setToolEnabled(i, true);
}

// --- DocumentHost --------------------------------------------------------------

void topForm::setToolEnabled(int index, bool enabled)
{
    m_tools->setToolEnabled(index, enabled);
    // Pages report every change, save and activation here.
    updatePageItems();
}

bool topForm::isToolEnabled(int index) const
{
    return m_tools->isToolEnabled(index);
}

void topForm::setCaretText(const QString &text)
{
    lblLineNo->setText(text);
}

void topForm::setSelectAllEnabled(bool enabled)
{
    item(QStringLiteral("mnuEditSelectAll"))->setEnabled(enabled);
}

void topForm::setDocumentMenusEnabled(bool enabled)
{
    menu(QStringLiteral("mnuEdit"))->menuAction()->setEnabled(enabled);
    menu(QStringLiteral("mnuCurrent"))->menuAction()->setEnabled(enabled);
}

void topForm::popupEditMenu(const QPoint &globalPos, const EditMenuState &state)
{
    item(QStringLiteral("mnuEditCut"))->setEnabled(state.cut);
    item(QStringLiteral("mnuEditCopy"))->setEnabled(state.copy);
    item(QStringLiteral("mnuEditDelete"))->setEnabled(state.deleteSelection);
    item(QStringLiteral("mnuEditPaste"))->setEnabled(state.paste);
    item(QStringLiteral("mnuEditSelectAll"))->setEnabled(state.selectAll);
    item(QStringLiteral("mnuEditUndo"))->setEnabled(state.undo);
    item(QStringLiteral("mnuEditRedo"))->setEnabled(state.redo);
    QMenu *edit = menu(QStringLiteral("mnuEdit"));
    // The rules of the menu bar's Edit menu must not overrule these.
    m_editMenuAsPopup = true;
    edit->exec(globalPos);
    m_editMenuAsPopup = false;
    updatePageItems();
}

bool topForm::saveDocument(frmKid *document)
{
    return m_files->SaveDocument(document);
}

QList<QAction *> topForm::recentItems() const
{
    QList<QAction *> items;
    for (int i = 0; i < 9; ++i)
        items.append(item(QStringLiteral("mnuFileMRU(%1)").arg(i)));
    return items;
}

QAction *topForm::recentSeparator() const
{
    return item(QStringLiteral("mnuFileSepB"));
}

void topForm::documentClosed(frmKid *)
{
    if (documents().isEmpty()) {
        for (int i = Tool::Close; i < Tool::Count; ++i)
            setToolEnabled(i, false);
        setDocumentMenusEnabled(false);
        lblLineNo->clear();
    }
    updatePageItems();
}

// --- tools -------------------------------------------------------------------

void topForm::Picture1_Click(int index)
{
    frmKid *kid = activeDocument();
    switch (index) {
    case Tool::New:
        m_files->NewPage();
        return;
    case Tool::Open:
        m_files->OpenDocument();
        return;
    case Tool::Save:
        saveActive();
        return;
    case Tool::SaveAs:
        saveActiveAs();
        return;
    case Tool::Find:
        showFind();
        return;
    case Tool::Replace:
        showReplace();
        return;
    case Tool::Spelling:
        mSpell::spellCheck(kid, this);
        return;
    case Tool::WebSafeColor:
        showPalette();
        return;
    case Tool::CustomColor:
        insertCustomColour();
        return;
    case Tool::HtmlPreview:
        previewActive();
        return;
    case Tool::Print:
        print();
        return;
    case Tool::Close:
        if (kid)
            kid->close();
        return;
    case Tool::Undo:
        if (kid)
            kid->cmdUndo_Click();
        return;
    case Tool::Cut:
        if (kid)
            kid->kidCut();
        return;
    case Tool::Copy:
        copyToClipboard();
        return;
    case Tool::Paste:
        pasteClipboard();
        return;
    case Tool::Redo:
        if (kid)
            kid->cmdRedo_Click();
        return;
    default:
        message(QStringLiteral("Zevora Note"), QStringLiteral("Tool selection error"), MsgIcon::Exclamation);
        return;
    }
}

void topForm::print()
{
    frmKid *kid = activeDocument();
    if (!kid)
        return;
    if (Services::printing().printers().isEmpty()) {
        message(kNoteTitle, QStringLiteral("There are no Printers currently available on your system..."),
                MsgIcon::Information);
        return;
    }
    frmPrint dialog(m_currentPrinter, this);
    dialog.setTB(kid->richy);
    dialog.setJobTitle(kid->captionFileName());
    dialog.exec();
    m_currentPrinter = dialog.currentPrinter();
    kid->richy->setFocus();
}

void topForm::goToLine()
{
    if (frmKid *kid = activeDocument()) {
        frmGoTo dialog(kid->richy, this);
        dialog.exec();
        kid->richy->setFocus();
    }
}

void topForm::editorFont()
{
    if (frmKid *kid = activeDocument()) {
        frmTxtFonts dialog(kid->richy, this);
        dialog.exec();
        kid->richy->setFocus();
    }
}

void topForm::showFind()
{
    frmKid *kid = activeDocument();
    if (!kid)
        return;
    if (!m_find)
        m_find = new frmFind(this);
    m_find->bindTo(kid);
    m_find->show();
    m_find->raise();
    m_find->activateWindow();
}

void topForm::showReplace()
{
    frmKid *kid = activeDocument();
    if (!kid)
        return;
    if (!m_replace)
        m_replace = new frmReplace(this, lblResult);
    m_replace->bindTo(kid);
    m_replace->show();
    m_replace->raise();
    m_replace->activateWindow();
}

void topForm::saveActive()
{
    if (frmKid *kid = activeDocument()) {
        m_files->SaveDocument(kid);
        kid->richy->setFocus();
    }
}

void topForm::saveActiveAs()
{
    if (frmKid *kid = activeDocument()) {
        m_files->SaveDocumentAs(kid);
        kid->richy->setFocus();
    }
}

void topForm::previewActive()
{
    const QPointer<frmKid> kid = activeDocument();
    if (!kid || kid->richy->textLength() == 0)
        return;
    const qsizetype start = kid->richy->SelStart();
    const qsizetype length = kid->richy->SelLength();
    m_preview->Preview(kid);
    QCoreApplication::processEvents();
    if (kid && !kid->isClosing()) {
        kid->richy->select(start, length);
        kid->richy->setFocus();
    }
}

void topForm::toggleViewSource()
{
    // The check mark follows the command; the browser's settings may refuse it.
    QAction *viewSource = item(QStringLiteral("mnuOptsViewSource"));
    if (viewSource->isChecked())
        Services::shell().registerViewSourceEditor();
    else
        Services::shell().unregisterViewSourceEditor();
}

// --- files from outside --------------------------------------------------------

void topForm::bringToFront()
{
    if (isMinimized())
        showNormal();
    show();
    raise();
    activateWindow();
}

void topForm::handOverReceived(const QString &handedPath)
{
    QCoreApplication::processEvents();
    bringToFront();
    const QString path = FileCommands::checkOutsidePath(handedPath);
    if (path.isEmpty())
        return;
    if (frmKid *open = m_files->documentWithTag(path)) {
        if (soundAvailable())
            PlayResWav(306, true);
        mdiArea->setActiveSubWindow(open);
        open->richy->setFocus();
        return;
    }
    m_files->OpenDocument(path);
}

void topForm::dragEnterEvent(QDragEnterEvent *event)
{
    event->acceptProposedAction();
}

void topForm::dragMoveEvent(QDragMoveEvent *event)
{
    event->acceptProposedAction();
}

void topForm::dropEvent(QDropEvent *event)
{
    event->acceptProposedAction();
    dropFiles(event->mimeData());
}

void topForm::dropFiles(const QMimeData *mime)
{
    QStringList paths;
    if (mime && mime->hasUrls()) {
        for (const QUrl &url : mime->urls()) {
            if (url.isLocalFile())
                paths.append(QDir::toNativeSeparators(url.toLocalFile()));
        }
    }
    if (paths.isEmpty()) {
        message(kNoteTitle, QStringLiteral("Unknown Object"));
        return;
    }
    if (paths.size() > 1) {
        message(QStringLiteral("Zevora Note"), QStringLiteral("One file at a time, Please!"),
                MsgIcon::Critical);
        return;
    }
    const QString path = paths.first();
    if (!mFuncs::FileExists(path)) {
        message(QStringLiteral("Zevora Note"), QStringLiteral("What was that?"), MsgIcon::Question);
        return;
    }
    // The same file twice in two windows would let one save over the other.
    if (frmKid *open = m_files->documentWithTag(path)) {
        mdiArea->setActiveSubWindow(open);
        return;
    }
    if (mFuncs::IsBinaryFile(path)) {
        FileCommands::showBinaryFile(path);
        return;
    }
    m_files->openInNewWindow(path);
}

// --- Edit commands -------------------------------------------------------------

void topForm::copyToClipboard()
{
    frmKid *kid = activeDocument();
    if (!kid)
        return;
    ClipboardService &clipboard = Services::clipboard();
    clipboard.clear();
    const QString text = kid->richy->SelText();
    clipboard.setText(text);
    setToolEnabled(Tool::Paste, !text.isEmpty());
    kid->richy->setFocus();
}

void topForm::pasteClipboard()
{
    if (frmKid *kid = activeDocument()) {
        kid->kidPaste();
        kid->richy->setFocus();
    }
}

void topForm::selectAll()
{
    if (frmKid *kid = activeDocument()) {
        kid->richy->select(0, kid->richy->textLength());
        kid->richy->setFocus();
    }
}

void topForm::textToHtml()
{
    frmKid *kid = activeDocument();
    if (!kid)
        return;
    if (kid->richy->SelLength() == 0) {
        message(QStringLiteral("No Text Selected"),
                QStringLiteral("To use the TXT2HTML function,\nyou must first select the portion of text\n"
                               "in the current page that you wish to \"convert.\""));
        return;
    }
    cTxt2HTML converter(kid->richy->SelText());
    if (converter.toHTML()) {
        kid->kidPaste(converter.txt1());
        kid->richy->setFocus();
        return;
    }
    if (const std::optional<cTxt2HTML::Note> note = converter.note())
        message(note->title, note->text);
    message(kNoteTitle,
            QStringLiteral("There was an error trying to convert the text.\n"
                           "If this problem persistes, please contact Zevora support."),
            MsgIcon::Exclamation);
}

void topForm::insertSnippet(const QString &text, int caretBack)
{
    frmKid *kid = activeDocument();
    if (!kid || text.isEmpty())
        return;
    kid->kidPaste(text);
    if (caretBack > 0)
        kid->richy->setSelStart(kid->richy->SelStart() - caretBack);
    kid->richy->setFocus();
}

// --- Window and Options ----------------------------------------------------------

void topForm::windowState(int index)
{
    frmKid *kid = activeDocument();
    if (kid && index == 1)
        kid->showNormal();
    switch (index) {
    case 1:
        showMinimized();
        break;
    case 2:
        showMaximized();
        break;
    default:
        showNormal();
        break;
    }
    if (kid && index == 2)
        kid->showMaximized();
}

void topForm::setDefaultOpenType(int index)
{
    static const char *const types[] = {".htm", ".txt", ".asp", ""};
    CRegSettings().SaveRegSetting(QStringLiteral("Files"), QStringLiteral("default_Open"),
                                  QString::fromLatin1(types[qBound(0, index, 3)]));
}

void topForm::setDefaultSaveType(int index)
{
    static const char *const types[] = {"htm", "html", "shtml", "txt", "asp", ""};
    CRegSettings().SaveRegSetting(QStringLiteral("Files"), QStringLiteral("default_Save"),
                                  QString::fromLatin1(types[qBound(0, index, 5)]));
}

void topForm::setTabLength(int index)
{
    static const int lengths[] = {2, 3, 4, 6, 8};
    const int length = index >= 0 && index < 5 ? lengths[index] : 4;
    const QString tab(length, QLatin1Char(' '));
    for (int i = 0; i < 5; ++i)
        item(QStringLiteral("mnuOptTabsList(%1)").arg(i))->setChecked(i == index);
    CRegSettings().SaveRegSetting(QStringLiteral("Tabs"), QStringLiteral("Length"), tab);
    for (frmKid *kid : documents())
        kid->setTab(tab);
}

void topForm::checkStoredTabLength()
{
    const QString stored = CRegSettings().GetRegSetting(QStringLiteral("Tabs"), QStringLiteral("Length"));
    const qsizetype length = stored.isEmpty() ? 4 : stored.size();
    for (int i = 0; i < 5; ++i) {
        QAction *action = item(QStringLiteral("mnuOptTabsList(%1)").arg(i));
        action->setChecked(action->text() == QString::number(length));
    }
}

void topForm::toggleWordWrap()
{
    frmKid *kid = activeDocument();
    if (!kid)
        return;
    const bool wrap = kid->richy->wrapMode() == QsciScintilla::WrapNone;
    kid->richy->setWrapMode(wrap ? QsciScintilla::WrapWord : QsciScintilla::WrapNone);
    item(QStringLiteral("mnuOptWW"))->setChecked(wrap);
}

// --- shutdown and window state ---------------------------------------------------

void topForm::closeEvent(QCloseEvent *event)
{
    if (m_shuttingDown) {
        event->accept();
        return;
    }
    // Every page asks its own question. A page the user chose to save that
    // could not be saved stops the exit, so that nothing is lost.
    for (frmKid *kid : documents()) {
        if (!kid->close()) {
            event->ignore();
            return;
        }
    }
    m_shuttingDown = true;
    if (soundAvailable())
        PlayResWav(399, true);
    hide();
    QCoreApplication::processEvents();
    QEventLoop pause;
    QTimer::singleShot(1000, &pause, &QEventLoop::quit);
    pause.exec();
    event->accept();
    QCoreApplication::quit();
}

void topForm::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::WindowStateChange) {
        if (isMinimized()) {
            for (frmKid *kid : documents())
                kid->showNormal();
        }
        const Qt::WindowStates before = static_cast<QWindowStateChangeEvent *>(event)->oldState();
        if (soundAvailable()) {
            if (isMaximized() && !(before & Qt::WindowMaximized))
                PlayResWav(301, true);
            else if (isMinimized() && !(before & Qt::WindowMinimized))
                PlayResWav(302, true);
        }
    }
    QMainWindow::changeEvent(event);
}
