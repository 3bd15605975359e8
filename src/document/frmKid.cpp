// Zevora - the document window.
#include "frmKid.h"

#include "CRegSettings.h"
#include "ClipboardService.h"
#include "DocumentHost.h"
#include "MacroKeys.h"
#include "MessageService.h"
#include "Services.h"
#include "SoundService.h"
#include "mCaption.h"
#include "mFuncs.h"
#include "richy.h"

#include <QCloseEvent>
#include <QContextMenuEvent>
#include <QCoreApplication>
#include <QEventLoop>
#include <QKeyEvent>
#include <QTimer>
#include <QWindowStateChangeEvent>

using namespace Platform;

namespace {
int shiftStateOf(Qt::KeyboardModifiers modifiers)
{
    int state = 0;
    if (modifiers & Qt::ShiftModifier)
        state |= MacroKeys::Shift;
    if (modifiers & Qt::ControlModifier)
        state |= MacroKeys::Ctrl;
    if (modifiers & Qt::AltModifier)
        state |= MacroKeys::Alt;
    return state;
}

bool isModifierKey(int key)
{
    return key == Qt::Key_Control || key == Qt::Key_Shift || key == Qt::Key_Alt || key == Qt::Key_Meta ||
           key == Qt::Key_AltGr;
}

// Ctrl with these keeps moving the caret as in every editor.
bool isNavigationKey(int key)
{
    switch (key) {
    case Qt::Key_Home:
    case Qt::Key_End:
    case Qt::Key_Left:
    case Qt::Key_Right:
        return true;
    default:
        return false;
    }
}
} // namespace

frmKid::frmKid(DocumentHost *host, QWidget *parent) : QMdiSubWindow(parent), m_host(host)
{
    setObjectName(QStringLiteral("frmKid"));
    setAttribute(Qt::WA_DeleteOnClose);
    richy = new class richy(this);
    setWidget(richy);
    richy->installEventFilter(this);

    connect(richy, &richy::changeRecorded, this, &frmKid::richy_Change);
    connect(richy, &richy::selectionMoved, this, &frmKid::richy_SelChange);
    connect(this, &QMdiSubWindow::aboutToActivate, this, &frmKid::Form_Activate);

    loadSettings();
}

frmKid::~frmKid() = default;

void frmKid::loadSettings()
{
    CRegSettings settings;
    const QString face =
        settings.GetRegSetting(QStringLiteral("font preferences"), QStringLiteral("font_Face"));
    const QString size =
        settings.GetRegSetting(QStringLiteral("font preferences"), QStringLiteral("font_Size"));
    if (!face.isEmpty() || !size.isEmpty()) {
        QFont font = richy->font();
        if (!face.isEmpty())
            font.setFamily(face);
        bool ok = false;
        const double points = size.toDouble(&ok);
        if (ok && points > 0)
            font.setPointSizeF(points);
        richy->setFont(font);
    }
    const QString background =
        settings.GetRegSetting(QStringLiteral("background"), QStringLiteral("bgColor"));
    bool ok = false;
    const qint64 colour = background.toLongLong(&ok);
    if (ok && colour >= 0 && colour <= 0xFFFFFF)
        richy->setPaper(QColor(int(colour & 0xFF), int((colour >> 8) & 0xFF), int((colour >> 16) & 0xFF)));
    const QString tab = settings.GetRegSetting(QStringLiteral("Tabs"), QStringLiteral("Length"));
    m_tab = tab.isEmpty() ? QStringLiteral("    ") : tab;
}

QString frmKid::captionFileName() const
{
    return mCaption::CaptionBase(windowTitle());
}

// --- the edit protocol -------------------------------------------------------

void frmKid::kidPaste()
{
    kidPaste(Services::clipboard().text());
}

void frmKid::kidPaste(const QString &newText)
{
    richy->setSelText(richy->toPageLineBreaks(newText));
}

void frmKid::kidPaste(const QString &newText, const QString &oldText, qsizetype repStart)
{
    m_replacing = true;
    richy->select(repStart, oldText.size());
    richy->setSelText(richy->toPageLineBreaks(newText));
    m_replacing = false;
    richy_SelChange();
}

void frmKid::kidCut()
{
    if (richy->SelLength() == 0)
        return;
    copySelection();
    richy->setSelText(QString());
    richy->setFocus();
}

void frmKid::kidDelete()
{
    if (richy->SelLength() == 0)
        return;
    richy->setSelText(QString());
    richy->setFocus();
}

void frmKid::copySelection()
{
    ClipboardService &clipboard = Services::clipboard();
    clipboard.clear();
    const QString text = richy->SelText();
    clipboard.setText(text);
    m_host->setToolEnabled(Tool::Paste, !text.isEmpty());
}

void frmKid::kidInsert(const QString &text)
{
    richy->setSelText(text);
    richy->setFocus();
}

void frmKid::setTab(const QString &mTab)
{
    m_tab = mTab;
}

void frmKid::preReplace(const std::optional<QString> &repStr)
{
    richy->endComposition();
    richy->commitPending();
    eTxt1 = repStr ? *repStr : richy->Text();
    if (!m_wholeTextPending) {
        m_wholeTextPending = true;
        richy->setRecordingSuspended(true);
    }
}

void frmKid::repChange()
{
    repChange(richy->Text());
}

void frmKid::cancelReplace()
{
    if (!m_wholeTextPending)
        return;
    richy->replaceAllUnrecorded(eTxt1);
    m_wholeTextPending = false;
    richy->setRecordingSuspended(false);
}

void frmKid::repChange(const QString &after)
{
    if (m_wholeTextPending) {
        m_wholeTextPending = false;
        richy->setRecordingSuspended(false);
    }
    richy->setDataChanged(true);
    eTxt2 = after;
    eStart = -1;
    m_undo.push(eStart, eTxt1, eTxt2);
    // A redo step noted before this change would apply to text that is gone.
    m_redo.clear();
    m_host->setToolEnabled(Tool::Undo, true);
    m_host->setToolEnabled(Tool::Redo, false);
    m_host->setToolEnabled(Tool::Save, true);
    setTextButtons();
    emit edited();
}

// --- undo and redo -------------------------------------------------------------

bool frmKid::checkUndoFromTop()
{
    richy->commitPending();
    return m_undo.stackLevel() >= 1;
}

bool frmKid::checkRedoFromTop()
{
    richy->commitPending();
    return m_redo.stackLevel() >= 1;
}

bool frmKid::applyStep(const EditStep &step)
{
    if (step.isWholeText()) {
        richy->replaceAllUnrecorded(step.first);
        return true;
    }
    // The history always matches the page; should it ever not, nothing is
    // put anywhere rather than at a wrong place.
    if (richy->textRange(step.start, step.second.size()) != step.second) {
        qWarning("Zevora: an undo step no longer matches the page; the history was dropped");
        m_undo.clear();
        m_redo.clear();
        return false;
    }
    richy->replaceUnrecorded(step.start, step.second.size(), step.first);
    return true;
}

void frmKid::cmdUndo_Click()
{
    richy->commitPending();
    const std::optional<EditStep> step = m_undo.popStep();
    if (!step)
        return;
    if (applyStep(*step))
        m_redo.push(step->swapped());
    afterHistoryStep();
}

void frmKid::cmdRedo_Click()
{
    richy->commitPending();
    const std::optional<EditStep> step = m_redo.popStep();
    if (!step)
        return;
    if (applyStep(*step))
        m_undo.push(step->swapped());
    afterHistoryStep();
}

void frmKid::afterHistoryStep()
{
    richy->setDataChanged(true);
    richy->setFocus();
    m_host->setToolEnabled(Tool::Undo, !m_undo.isEmpty());
    m_host->setToolEnabled(Tool::Redo, !m_redo.isEmpty());
    m_host->setToolEnabled(Tool::Save, true);
    setTextButtons();
    emit edited();
}

// --- handlers of the edit control ------------------------------------------------

void frmKid::richy_Change(const EditStep &step)
{
    eStart = step.start;
    eTxt1 = step.first;
    eTxt2 = step.second;
    m_undo.push(step);
    // Redo steps refer to the text before this edit.
    m_redo.clear();
    m_host->setToolEnabled(Tool::Save, true);
    m_host->setToolEnabled(Tool::Undo, true);
    m_host->setToolEnabled(Tool::Redo, false);
    setTextButtons();
    emit edited();
}

bool frmKid::richy_KeyDown(int keyCode, int shiftState)
{
    if ((shiftState & MacroKeys::Ctrl) && !isModifierKey(keyCode)) {
        if (isNavigationKey(keyCode))
            return false;
        macroKey(keyCode, shiftState);
        if (shiftState == MacroKeys::Ctrl) {
            switch (keyCode) {
            case Qt::Key_X:
                kidCut();
                return true;
            case Qt::Key_V:
                kidPaste();
                return true;
            case Qt::Key_C:
                copySelection();
                return true;
            default:
                break;
            }
        }
        return true;
    }
    // Tab inserts the tab string whatever else is held; with Shift it would
    // otherwise move the focus out of the page.
    if (keyCode == Qt::Key_Tab || keyCode == Qt::Key_Backtab) {
        kidInsert(m_tab);
        return true;
    }
    return false;
}

void frmKid::macroKey(int keyCode, int shiftState)
{
    const QString text = MacroKeys::text(keyCode, shiftState);
    if (!text.isEmpty())
        kidPaste(text);
}

void frmKid::richy_SelChange()
{
    if (m_replacing)
        return;
    showCaretPos();
    const bool hasText = richy->textLength() > 0;
    m_host->setSelectAllEnabled(hasText);
    const bool selected = richy->SelLength() != 0;
    m_host->setToolEnabled(Tool::Cut, selected);
    m_host->setToolEnabled(Tool::Copy, selected);
    m_host->setToolEnabled(Tool::Paste, !Services::clipboard().text().isEmpty());
    setTextButtons();
}

void frmKid::showCaretPos()
{
    const qsizetype start = richy->SelStart();
    const qsizetype line = richy->lineFromIndex(start);
    const qsizetype column = start - richy->lineStartIndex(line) + 1;
    m_host->setCaretText(QStringLiteral("Line: %1  Column: %2").arg(line + 1).arg(column));
}

void frmKid::setTextButtons()
{
    const bool hasText = richy->textLength() > 0;
    for (int index : {Tool::Spelling, Tool::Find, Tool::Replace})
        m_host->setToolEnabled(index, hasText);
}

void frmKid::richy_ContextMenu(const QPoint &globalPos)
{
    richy->commitPending();
    EditMenuState state;
    state.cut = state.copy = state.deleteSelection = richy->SelLength() >= 1;
    state.paste = !Services::clipboard().text().isEmpty();
    state.selectAll = richy->textLength() > 0;
    state.undo = checkUndoFromTop();
    state.redo = checkRedoFromTop();
    m_host->popupEditMenu(globalPos, state);
}

bool frmKid::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == richy) {
        if (event->type() == QEvent::KeyPress) {
            auto *key = static_cast<QKeyEvent *>(event);
            if (richy_KeyDown(key->key(), shiftStateOf(key->modifiers())))
                return true;
        } else if (event->type() == QEvent::ContextMenu) {
            richy_ContextMenu(static_cast<QContextMenuEvent *>(event)->globalPos());
            return true;
        }
    }
    return QMdiSubWindow::eventFilter(watched, event);
}

// --- window life ---------------------------------------------------------------

void frmKid::Form_Activate()
{
    // Activation may maximise the window; that is no change of the user's.
    m_activating = true;
    QTimer::singleShot(0, this, [this] { m_activating = false; });
    richy->commitPending();
    m_host->setDocumentMenusEnabled(true);
    m_host->setToolEnabled(Tool::Undo, !m_undo.isEmpty());
    m_host->setToolEnabled(Tool::Redo, !m_redo.isEmpty());
    m_host->setToolEnabled(Tool::Close, true);
    m_host->setToolEnabled(Tool::Save, richy->DataChanged());
    richy_SelChange();
    // Only a page that has a file shows when it was written: the path of an
    // untitled or template page may name somebody else's file.
    if (m_fileOnDisk.valid && !m_tag.isEmpty() && mFuncs::FileExists(m_tag))
        setWindowTitle(captionFileName() + mCaption::LastModifiedStamp(m_tag));
}

void frmKid::changeEvent(QEvent *event)
{
    // A window opened maximised, or maximised because it became the active
    // page of a maximised frame, makes no sound; the user's own changes do.
    if (event->type() == QEvent::WindowStateChange && isVisible() && !m_activating && soundAvailable()) {
        const Qt::WindowStates before = static_cast<QWindowStateChangeEvent *>(event)->oldState();
        if (isMaximized() && !(before & Qt::WindowMaximized))
            PlayResWav(301, true);
        else if (isMinimized() && !(before & Qt::WindowMinimized))
            PlayResWav(302, true);
    }
    QMdiSubWindow::changeEvent(event);
}

void frmKid::closeEvent(QCloseEvent *event)
{
    if (m_closing) {
        event->accept();
        return;
    }
    richy->commitPending();
    if (richy->DataChanged()) {
        const QString text = captionFileName() +
                             QStringLiteral(" has changed since last saved...(or has not yet been saved.)\n\n"
                                            "                     Would you like to save that file now?\n\n");
        if (message(QStringLiteral("Zevora Note:"), text, MsgIcon::Question, MsgButtons::YesNo) ==
            MsgAnswer::Yes) {
            raise();
            QCoreApplication::processEvents();
            QEventLoop pause;
            QTimer::singleShot(200, &pause, &QEventLoop::quit);
            pause.exec();
            // The user wants this page kept: when it was not saved after all,
            // the window stays open with everything in it.
            if (!m_host->saveDocument(this)) {
                event->ignore();
                return;
            }
        }
    }
    m_closing = true;
    event->accept();
    m_undo.clear();
    m_redo.clear();
    if (soundAvailable())
        PlayResWav(303, true);
    m_host->documentClosed(this);
    QMdiSubWindow::closeEvent(event);
}
