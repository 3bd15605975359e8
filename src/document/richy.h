// Zevora - the edit control of a document window: a plain-text QScintilla.
#pragma once

#include "DisplayBreaks.h"
#include "EditStep.h"
#include "IndexPoints.h"
#include "StepBuilder.h"

#include <Qsci/qsciscintilla.h>

/// The page's editor. It shows the page as plain text in one font and
/// records every change the user makes, exactly, from the control's own change
/// notifications: each user action (a key, an input method commit, a drop, a
/// paste through setSelText()) becomes one EditStep, reported by
/// changeRecorded(). Changes the program makes through the *Unrecorded
/// functions and loadText() are not reported.
///
/// Every position here is an index into the QString page text (UTF-16 code
/// units, a CRLF counting two); Scintilla's byte positions stay inside.
class richy : public QsciScintilla
{
    Q_OBJECT

public:
    explicit richy(QWidget *parent = nullptr);
    ~richy() override;

    /// The whole page text (a copy: whole-text work only).
    QString Text() const;
    /// The page text as Scintilla holds it, in UTF-8, without copying it.
    /// Valid until the next change of the page.
    QByteArrayView textBytes() const;
    /// Whether \a utf8 can be the page's whole text in UTF-8: code that
    /// writes the page checks that nothing the control holds only for
    /// display reached the bytes it writes.
    bool isPageText(QByteArrayView utf8) const;
    /// The length of the page text, without copying it.
    qsizetype textLength() const;
    /// The Text index of the character that starts at \a offset of
    /// textBytes().
    qsizetype indexFromUtf8(qsizetype offset) const;
    /// The offset in textBytes() of the character at Text index \a index
    /// (the page's end for an index past it).
    qsizetype utf8FromIndex(qsizetype index) const;
    /// \a length characters of the page from \a start.
    QString textRange(qsizetype start, qsizetype length) const;

    qsizetype SelStart() const;
    /// Puts the caret at \a start with nothing selected.
    void setSelStart(qsizetype start);
    qsizetype SelLength() const;
    /// Selects \a length characters from SelStart().
    void setSelLength(qsizetype length);
    QString SelText() const;
    /// Replaces the selection with \a text as one recorded user action; the
    /// caret ends after the text with nothing selected.
    void setSelText(const QString &text);
    /// Selects \a length characters from \a start (clamped to the page).
    void select(qsizetype start, qsizetype length);

    /// The line (0-based) holding the character at \a index.
    qsizetype lineFromIndex(qsizetype index) const;
    /// The index of the first character of \a line.
    qsizetype lineStartIndex(qsizetype line) const;
    /// The number of lines of the page (display breaks are not line ends).
    qsizetype pageLines() const;

    /// The document's modified flag.
    bool DataChanged() const { return m_dataChanged; }
    void setDataChanged(bool changed);

    /// Replaces the whole page with \a utf8 without recording a step and
    /// sets the line ending that Enter writes from the text's first line break.
    void loadText(const QByteArray &utf8);
    /// loadText() with the display breaks of \a utf8 and the control's text
    /// \a shown found beforehand by DisplayBreaks::build() (which may run
    /// events while a big page opens), for the displayBreakLength() limit.
    void loadText(const QByteArray &utf8, DisplayBreaks breaks, const QByteArray &shown);
    /// Replaces \a length characters from \a start with \a text, not recorded;
    /// the caret ends after the text.
    void replaceUnrecorded(qsizetype start, qsizetype length, const QString &text);
    /// Replaces the whole page with \a text, not recorded; caret at the end.
    void replaceAllUnrecorded(const QString &text);

    /// Lines longer than \a bytes are shown as display lines of about 120
    /// bytes from the next whole-text change (loadText(), replaceAllUnrecorded())
    /// on; the page's text and positions never see these breaks.
    void setDisplayBreakLength(long bytes) { m_breaks.setLongLine(bytes); }
    long displayBreakLength() const { return m_breaks.longLine(); }

    /// The line break Enter writes: "\r\n", "\n" or "\r".
    QString lineBreak() const;
    /// Sets the line break Enter writes (loadText() takes it from the text).
    void setLineBreak(const QString &lineBreak);
    /// \a text with each of its line breaks (CR LF, LF or CR) written as
    /// lineBreak(), so that text from elsewhere never mixes line endings.
    QString toPageLineBreaks(const QString &text) const;

    /// While suspended, changes are not recorded (a whole-text change that the
    /// caller records as one step).
    void setRecordingSuspended(bool suspended);

    /// Sends a recorded step for changes still pending (changes made outside
    /// an event this control wraps are otherwise sent on the next UI update).
    void commitPending();

    /// Ends an input method composition in progress: the input method is
    /// asked to commit, and the text being composed, which is shown in the
    /// page but is not part of it, leaves the page. Whole-text work (saving,
    /// replacing) calls this first.
    void endComposition();

signals:
    /// One user action changed the page.
    void changeRecorded(const EditStep &step);
    /// The caret or the selection moved (or the text under them changed).
    void selectionMoved();
    /// The modified flag changed.
    void modifiedChanged(bool changed);
    /// Something was dropped on the page from anywhere but the page itself
    /// (files from a file manager, text from another program or page). The
    /// page is left as it was; \a mime lives until the handler returns.
    void foreignDrop(const QMimeData *mime);

protected:
    bool event(QEvent *e) override;
    void keyPressEvent(QKeyEvent *e) override;
    void inputMethodEvent(QInputMethodEvent *e) override;
    void dragEnterEvent(QDragEnterEvent *e) override;
    void dragMoveEvent(QDragMoveEvent *e) override;
    void dropEvent(QDropEvent *e) override;
    void mousePressEvent(QMouseEvent *e) override;
    void mouseReleaseEvent(QMouseEvent *e) override;
    void mouseMoveEvent(QMouseEvent *e) override;
    void mouseDoubleClickEvent(QMouseEvent *e) override;
    void focusOutEvent(QFocusEvent *e) override;
    void paintEvent(QPaintEvent *e) override;
    void connectNotify(const QMetaMethod &signal) override;
    QMimeData *toMimeData(const QByteArray &text, bool rectangular) const override;

private:
    friend class ActionScope;
    class ActionScope;

    long sci(unsigned int message, unsigned long wParam = 0, long lParam = 0) const;
    long toBytePos(qsizetype index) const;
    qsizetype toIndex(long bytePos) const;
    long controlPosFromIndex(qsizetype index) const;
    qsizetype controlIndex(long bytePos) const;
    long stepOverBreak(long pos) const;
    void moveCaretOffBreak(int key, bool extend, bool word);
    void continueWordMove(QKeyEvent *e);
    void tidyBreaks();
    void breakLongDisplayLine(long pos);
    void joinShortDisplayLine(long pos);
    QString pageText(long bytePos, long byteLength) const;
    QByteArray controlBytes(QStringView text) const;
    void replaceBytes(long from, long to, const QString &text);

    void configureEditor();
    void configureKeys();
    void onModified(int position, int modificationType, const char *text, int length, int linesAdded,
                    int line, int foldLevelNow, int foldLevelPrev, int token, int annotationLinesAdded);
    void onUpdateUi(int updated);
    void onStyleNeeded(int position);
    void updatePoints() const;
    qsizetype countedUnits(long bytePos, long byteLength) const;
    void recordChange(int position, int modificationType, int length);
    void flushPendingInsert();
    void noteLineBreakSplitOrJoin(int position, int modificationType, int length);
    void ensureLineIndex() const;
    char byteAt(long pos) const;
    void beginAction();
    void endAction();
    void notifySelectionIfMoved();
    void setAllBytes(QByteArrayView utf8);
    void setAllBytes(QByteArrayView utf8, DisplayBreaks breaks, const QByteArray &shown);
    void replaceTarget(long from, long to, QByteArrayView utf8);
    void showPreedit(const QString &text, int cursor);
    enum class PreeditSelection
    {
        Restore, ///< back to the selection the composition started from
        Keep     ///< the current selection, moved as the text moves
    };
    void removePreedit(PreeditSelection selection);
    bool dropTextWithNul(QDropEvent *e);
    bool isOwnDrag(const QDropEvent *e) const;
    template <typename Handler> void forwardMouse(QMouseEvent *e, Handler handler);

    struct PendingInsert
    {
        long bytePos = -1;
        long byteLength = 0;
        qsizetype index = 0;
    };

    // Scintilla's per-line UTF-16 index goes wrong when a change joins a CR
    // and an LF into one line break (or splits one); such changes are noted
    // and the index is rebuilt before the next position is converted.
    mutable bool m_rebuildLineIndex = false;
    mutable long m_checkInsertPos = -1;
    mutable long m_checkInsertLength = 0;

    // The display-only line breaks of long lines, and the page's bytes
    // without them (built when asked for, dropped at each change).
    DisplayBreaks m_breaks;
    std::vector<long> m_breakChecks;
    mutable QByteArray m_pageBytes;
    mutable bool m_pageBytesValid = false;

    // Known indexes, and an insertion whose code units are counted once the
    // text is in.
    mutable IndexPoints m_points;
    mutable PendingInsert m_pointsInsert;
    bool m_columnReports = false;

    StepBuilder m_builder;
    PendingInsert m_pendingInsert;
    int m_actionDepth = 0;
    int m_unrecordedDepth = 0;
    bool m_dataChanged = false;
    long m_lastAnchor = -1;
    long m_lastCaret = -1;
    bool m_textChangedSinceNotify = false;

    // The text an input method is composing: shown in the page, never part
    // of it (not recorded, removed before any other change). The selection
    // it was typed over is restored when it goes.
    long m_preeditPos = -1;
    long m_preeditLength = 0;
    long m_preeditAnchor = 0;
    long m_preeditCaret = 0;
};
