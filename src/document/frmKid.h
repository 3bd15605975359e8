// Zevora - the document window: one page's source text in the frame.
#pragma once

#include "EditStep.h"
#include "FileIdentity.h"
#include "Stack.h"
#include "TextCodec.h"

#include <QMdiSubWindow>
#include <optional>

class DocumentHost;
class richy;

/// A page in the frame. Every Part of the program that changes a page does so
/// through the public operations here: fragments with kidPaste(), whole-text
/// changes between preReplace() and repChange(), cutting and deleting with
/// kidCut() and kidDelete(), and the history with cmdUndo_Click() and
/// cmdRedo_Click().
///
/// Every change of the text is recorded exactly as the edit control reports
/// it, one undo step per user action; a new step clears the redo history.
class frmKid : public QMdiSubWindow
{
    Q_OBJECT

public:
    explicit frmKid(DocumentHost *host, QWidget *parent = nullptr);
    ~frmKid() override;

    /// The edit control.
    class richy *richy = nullptr;

    /// The document's full file path.
    QString Tag() const { return m_tag; }
    void setTag(const QString &tag) { m_tag = tag; }
    /// How the page's file is encoded; the page is written back the same way.
    PageEncoding encoding() const { return m_encoding; }
    void setEncoding(PageEncoding encoding) { m_encoding = encoding; }
    /// True for a page whose text is not its file's content (an RTF file
    /// opened as plain text): saving it must ask for a name first.
    bool saveAsRequired() const { return m_saveAsRequired; }
    void setSaveAsRequired(bool required) { m_saveAsRequired = required; }

    /// The page's file as it was when the page was last read from it or
    /// written to it (invalid while the page has no file).
    const Platform::FileIdentity &fileOnDisk() const { return m_fileOnDisk; }
    void setFileOnDisk(const Platform::FileIdentity &identity) { m_fileOnDisk = identity; }

    /// The caption up to the last-modified stamp (the whole caption when it
    /// has none).
    QString captionFileName() const;

    /// Inserts the clipboard's text over the selection, as one undo step.
    void kidPaste();
    /// Inserts \a newText over the selection, as one undo step; the caret
    /// ends after it. Every line break (CR LF, LF or CR) is written in the
    /// page's own line ending.
    void kidPaste(const QString &newText);
    /// Replaces the text \a oldText found at \a repStart with \a newText, as
    /// one undo step.
    void kidPaste(const QString &newText, const QString &oldText, qsizetype repStart);
    /// Cuts the selection to the clipboard.
    void kidCut();
    /// Deletes the selection.
    void kidDelete();
    /// Sets what the Tab key inserts.
    void setTab(const QString &mTab);
    QString tabString() const { return m_tab; }

    /// Notes the text before a whole-text change (\a repStr, or the current
    /// text when none is given). Changes until repChange() are not recorded
    /// one by one.
    void preReplace(const std::optional<QString> &repStr = std::nullopt);
    /// Records the whole-text change since preReplace() as one undo step.
    void repChange();
    /// The same, for a caller that knows the page's text after the change
    /// (the text it has just put in), so that the page is not read back.
    void repChange(const QString &after);
    /// Ends a whole-text change begun with preReplace() without recording
    /// it: the page gets back the text noted then, and changes are recorded
    /// one by one again. Does nothing when no such change is under way.
    void cancelReplace();

    bool checkUndoFromTop();
    bool checkRedoFromTop();
    void cmdUndo_Click();
    void cmdRedo_Click();
    static void ParseToArray(const QString &sLine, QStringList &a) { ::ParseToArray(sLine, a); }

    const Stack &undoStack() const { return m_undo; }
    const Stack &redoStack() const { return m_redo; }

    /// The pending edit: the step being recorded, or the text noted by
    /// preReplace().
    qsizetype eStart = 0;
    QString eTxt1;
    QString eTxt2;

    /// True once the window has agreed to close (it is about to go away).
    bool isClosing() const { return m_closing; }

    /// Runs when the window becomes the frame's active document.
    void Form_Activate();

signals:
    /// The page's text changed: an edit, a whole-text change, undo or redo.
    void edited();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    bool richy_KeyDown(int keyCode, int shiftState);
    void richy_Change(const EditStep &step);
    void richy_SelChange();
    void richy_ContextMenu(const QPoint &globalPos);
    void showCaretPos();
    void setTextButtons();
    void kidInsert(const QString &text);
    void macroKey(int keyCode, int shiftState);
    void copySelection();
    void loadSettings();
    bool applyStep(const EditStep &step);
    void afterHistoryStep();

    DocumentHost *m_host;
    QString m_tag;
    QString m_tab = QStringLiteral("    ");
    Stack m_undo;
    Stack m_redo;
    PageEncoding m_encoding = PageEncoding::Utf8;
    Platform::FileIdentity m_fileOnDisk;
    bool m_saveAsRequired = false;
    bool m_replacing = false;
    bool m_wholeTextPending = false;
    bool m_closing = false;
    bool m_activating = false;
};
