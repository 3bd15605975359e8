// Zevora - the edit control of a document window.
#include "richy.h"

#include <Qsci/qscicommand.h>
#include <Qsci/qscicommandset.h>

#include <QAccessible>
#include <QAccessibleWidget>
#include <QFontDatabase>
#include <QGuiApplication>
#include <QInputMethod>
#include <QKeyEvent>
#include <QMetaMethod>
#include <QMimeData>
#include <QPainter>
#include <QPainterPath>
#include <QStringDecoder>

#include <cctype>

namespace {

// Scintilla holds UTF-8. A byte-order mark at the start of the page is a
// character of the page and must survive the conversion.
QString fromUtf8(const char *bytes, qsizetype length)
{
    QStringDecoder decoder(QStringDecoder::Utf8,
                           QStringDecoder::Flag::ConvertInitialBom | QStringDecoder::Flag::Stateless);
    return decoder.decode(QByteArrayView(bytes, length));
}

// QScintilla's accessible object reports every insertion and deletion by
// counting characters from the start of the page, which makes typing at the
// end of a large page slow. Unless a screen reader is listening, the editor
// gets a plain accessible widget instead. Factories are asked newest first, so
// this one is installed after QScintilla has installed its own.
QAccessibleInterface *plainEditorAccessible(const QString &, QObject *object)
{
    if (QAccessible::isActive())
        return nullptr;
    if (auto *editor = qobject_cast<QsciScintillaBase *>(object))
        return new QAccessibleWidget(editor, QAccessible::EditableText);
    return nullptr;
}

// The control wants a text pointer even for an empty text.
long textPointer(QByteArrayView utf8)
{
    return reinterpret_cast<long>(utf8.isEmpty() ? "" : utf8.data());
}

// The indicator that underlines the text an input method is composing.
constexpr int kPreeditIndicator = QsciScintillaBase::INDIC_CONTAINER;

} // namespace

// Groups the changes made while it lives into one recorded user action.
class richy::ActionScope
{
public:
    explicit ActionScope(richy *editor) : m_editor(editor) { m_editor->beginAction(); }
    ~ActionScope() { m_editor->endAction(); }
    ActionScope(const ActionScope &) = delete;
    ActionScope &operator=(const ActionScope &) = delete;

private:
    richy *m_editor;
};

richy::richy(QWidget *parent) : QsciScintilla(parent)
{
    static const bool factoryInstalled = [] {
        QAccessible::installFactory(plainEditorAccessible);
        return true;
    }();
    Q_UNUSED(factoryInstalled);

    setObjectName(QStringLiteral("richy"));
    configureEditor();
    configureKeys();

    connect(this, &QsciScintillaBase::SCN_MODIFIED, this, &richy::onModified);
    connect(this, &QsciScintillaBase::SCN_UPDATEUI, this, &richy::onUpdateUi);
    connect(this, &QsciScintillaBase::SCN_STYLENEEDED, this, &richy::onStyleNeeded);
    // QScintilla's own update handler asks for the caret's column (a count
    // from the start of its line) on every update, only to report
    // cursorPositionChanged(). It runs only while something listens to that.
    disconnect(this, SIGNAL(SCN_UPDATEUI(int)), this, SLOT(handleUpdateUI(int)));
}

void richy::connectNotify(const QMetaMethod &signal)
{
    QsciScintilla::connectNotify(signal);
    if (signal == QMetaMethod::fromSignal(&QsciScintilla::cursorPositionChanged) && !m_columnReports) {
        m_columnReports = true;
        connect(this, SIGNAL(SCN_UPDATEUI(int)), this, SLOT(handleUpdateUI(int)));
    }
}

// The page has one style and text comes in with it: what the control asks
// to have styled only needs to be marked as done, or every paint would ask
// again for the whole line.
void richy::onStyleNeeded(int position)
{
    sci(SCI_STARTSTYLING, position, 0);
}

richy::~richy() = default;

long richy::sci(unsigned int message, unsigned long wParam, long lParam) const
{
    return SendScintilla(message, wParam, lParam);
}

void richy::configureEditor()
{
    setUtf8(true);
    setLexer(nullptr);
    setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    setWrapMode(QsciScintilla::WrapNone);
    setAutoIndent(false);
    setMarginWidth(0, 0);
    setMarginWidth(1, 0);
    setMarginWidth(2, 0);
    sci(SCI_SETMARGINLEFT, 0, 4);
    setEolMode(QsciScintilla::EolWindows);
    setEolVisibility(false);
    setCaretLineVisible(false);

    // Our own history is the only one.
    sci(SCI_SETUNDOCOLLECTION, 0);
    sci(SCI_EMPTYUNDOBUFFER);
    // One plain selection only: copy, cut, paste and undo all work on a
    // stream of text (see forwardMouse for the modifier keys of a drag).
    sci(SCI_SETMULTIPLESELECTION, 0);
    sci(SCI_SETPASTECONVERTENDINGS, 1);
    sci(SCI_INDICSETSTYLE, kPreeditIndicator, INDIC_COMPOSITIONTHICK);
    // Lay out again only what changed: without a layout cache every paint
    // and caret move lays out each visible line in full.
    sci(SCI_SETLAYOUTCACHE, SC_CACHE_CARET);

    // Positions are UTF-16 indexes: let Scintilla keep the per-line index.
    sci(SCI_ALLOCATELINECHARACTERINDEX, SC_LINECHARACTERINDEX_UTF16);
    // Only the before-change notifications: they carry what the recorder
    // needs, and they spare QScintilla's per-change work on the whole page.
    sci(SCI_SETMODEVENTMASK, SC_MOD_BEFOREINSERT | SC_MOD_BEFOREDELETE);
}

void richy::configureKeys()
{
    // Scintilla would claim Ctrl+letters (transpose, duplicate, cut line, ...)
    // before the page's macro keys see them. Unbind everything, then give back
    // only plain editing and navigation.
    QsciCommandSet *commands = standardCommands();
    for (QsciCommand *command : commands->commands()) {
        command->setKey(0);
        command->setAlternateKey(0);
    }
    constexpr int kShift = int(Qt::SHIFT);
    constexpr int kCtrl = int(Qt::CTRL);
    const struct
    {
        QsciCommand::Command command;
        int key;
        int alternateKey;
    } bindings[] = {
        {QsciCommand::LineDown, int(Qt::Key_Down), 0},
        {QsciCommand::LineDownExtend, int(Qt::Key_Down) | kShift, 0},
        {QsciCommand::LineUp, int(Qt::Key_Up), 0},
        {QsciCommand::LineUpExtend, int(Qt::Key_Up) | kShift, 0},
        {QsciCommand::CharLeft, int(Qt::Key_Left), 0},
        {QsciCommand::CharLeftExtend, int(Qt::Key_Left) | kShift, 0},
        {QsciCommand::CharRight, int(Qt::Key_Right), 0},
        {QsciCommand::CharRightExtend, int(Qt::Key_Right) | kShift, 0},
        {QsciCommand::WordLeft, int(Qt::Key_Left) | kCtrl, 0},
        {QsciCommand::WordLeftExtend, int(Qt::Key_Left) | kCtrl | kShift, 0},
        {QsciCommand::WordRight, int(Qt::Key_Right) | kCtrl, 0},
        {QsciCommand::WordRightExtend, int(Qt::Key_Right) | kCtrl | kShift, 0},
        {QsciCommand::VCHome, int(Qt::Key_Home), 0},
        {QsciCommand::VCHomeExtend, int(Qt::Key_Home) | kShift, 0},
        {QsciCommand::LineEnd, int(Qt::Key_End), 0},
        {QsciCommand::LineEndExtend, int(Qt::Key_End) | kShift, 0},
        {QsciCommand::DocumentStart, int(Qt::Key_Home) | kCtrl, 0},
        {QsciCommand::DocumentStartExtend, int(Qt::Key_Home) | kCtrl | kShift, 0},
        {QsciCommand::DocumentEnd, int(Qt::Key_End) | kCtrl, 0},
        {QsciCommand::DocumentEndExtend, int(Qt::Key_End) | kCtrl | kShift, 0},
        {QsciCommand::PageUp, int(Qt::Key_PageUp), 0},
        {QsciCommand::PageUpExtend, int(Qt::Key_PageUp) | kShift, 0},
        {QsciCommand::PageDown, int(Qt::Key_PageDown), 0},
        {QsciCommand::PageDownExtend, int(Qt::Key_PageDown) | kShift, 0},
        {QsciCommand::Delete, int(Qt::Key_Delete), 0},
        {QsciCommand::DeleteBack, int(Qt::Key_Backspace), int(Qt::Key_Backspace) | kShift},
        {QsciCommand::Newline, int(Qt::Key_Return), int(Qt::Key_Enter)},
        {QsciCommand::Cancel, int(Qt::Key_Escape), 0},
    };
    for (const auto &binding : bindings) {
        if (QsciCommand *command = commands->find(binding.command)) {
            command->setKey(binding.key);
            command->setAlternateKey(binding.alternateKey);
        }
    }
}

// --- positions ---------------------------------------------------------------

char richy::byteAt(long pos) const
{
    return pos < 0 ? '\0' : char(sci(SCI_GETCHARAT, pos));
}

void richy::noteLineBreakSplitOrJoin(int position, int modificationType, int length)
{
    ensureLineIndex();
    const long end = long(position) + length;
    if (modificationType & SC_MOD_BEFOREDELETE) {
        const bool splitsAtStart = byteAt(position - 1) == '\r' && byteAt(position) == '\n';
        const bool splitsAtEnd = byteAt(end - 1) == '\r' && byteAt(end) == '\n';
        const bool joins = byteAt(position - 1) == '\r' && byteAt(end) == '\n';
        if (splitsAtStart || splitsAtEnd || joins)
            m_rebuildLineIndex = true;
    } else if (modificationType & SC_MOD_BEFOREINSERT) {
        if (byteAt(position - 1) == '\r' && byteAt(position) == '\n') {
            m_rebuildLineIndex = true;
        } else {
            // Whether the inserted text joins is known once it is in.
            m_checkInsertPos = position;
            m_checkInsertLength = length;
        }
    }
}

void richy::ensureLineIndex() const
{
    if (m_checkInsertPos >= 0) {
        const long pos = std::exchange(m_checkInsertPos, -1);
        const long end = pos + m_checkInsertLength;
        if (m_checkInsertLength > 0 && ((byteAt(pos - 1) == '\r' && byteAt(pos) == '\n') ||
                                        (byteAt(end - 1) == '\r' && byteAt(end) == '\n')))
            m_rebuildLineIndex = true;
    }
    if (m_rebuildLineIndex) {
        m_rebuildLineIndex = false;
        sci(SCI_RELEASELINECHARACTERINDEX, SC_LINECHARACTERINDEX_UTF16);
        sci(SCI_ALLOCATELINECHARACTERINDEX, SC_LINECHARACTERINDEX_UTF16);
    }
}

// Counting code units is linear in the distance counted: every conversion
// counts from the nearest place whose index is known (the start of the line
// or a point kept in m_points), never from the start of a long line again.
void richy::updatePoints() const
{
    if (m_pointsInsert.bytePos < 0)
        return;
    const PendingInsert insert = std::exchange(m_pointsInsert, PendingInsert{});
    m_points.inserted(insert.bytePos, insert.byteLength, countedUnits(insert.bytePos, insert.byteLength));
}

qsizetype richy::countedUnits(long bytePos, long byteLength) const
{
    // Longer spans (a whole page loaded or cleared) are not counted: the
    // points behind them are forgotten instead.
    constexpr long kLongestCount = 64 * 1024;
    return byteLength > kLongestCount ? -1 : sci(SCI_COUNTCODEUNITS, bytePos, bytePos + byteLength);
}

qsizetype richy::controlIndex(long bytePos) const
{
    ensureLineIndex();
    updatePoints();
    const long line = sci(SCI_LINEFROMPOSITION, bytePos);
    const IndexPoints::Point lineStart{sci(SCI_POSITIONFROMLINE, line),
                                       sci(SCI_INDEXPOSITIONFROMLINE, line, SC_LINECHARACTERINDEX_UTF16)};
    const IndexPoints::Point base = m_points.nearestByByte(bytePos, lineStart);
    const qsizetype index = bytePos >= base.bytePos
                                ? base.index + sci(SCI_COUNTCODEUNITS, base.bytePos, bytePos)
                                : base.index - sci(SCI_COUNTCODEUNITS, bytePos, base.bytePos);
    m_points.remember(bytePos, index);
    return index;
}

long richy::controlPosFromIndex(qsizetype index) const
{
    ensureLineIndex();
    updatePoints();
    if (index <= 0)
        return 0;
    const long line = sci(SCI_LINEFROMINDEXPOSITION, index, SC_LINECHARACTERINDEX_UTF16);
    const IndexPoints::Point lineStart{sci(SCI_POSITIONFROMLINE, line),
                                       sci(SCI_INDEXPOSITIONFROMLINE, line, SC_LINECHARACTERINDEX_UTF16)};
    const IndexPoints::Point base = m_points.nearestByIndex(index, lineStart);
    const qsizetype offset = index - base.index;
    if (offset == 0)
        return base.bytePos;
    // Scintilla answers 0 for a count that ends inside a surrogate pair or
    // past the end of the page: then the index is the end of the page, or
    // one unit back is the start of the pair.
    long pos = sci(SCI_POSITIONRELATIVECODEUNITS, base.bytePos, long(offset));
    if (pos > 0) {
        m_points.remember(pos, index);
        return pos;
    }
    if (index >= textLength())
        return sci(SCI_GETLENGTH);
    if (offset == 1)
        return base.bytePos;
    pos = sci(SCI_POSITIONRELATIVECODEUNITS, base.bytePos, long(offset - 1));
    return pos > 0 ? pos : lineStart.bytePos;
}

qsizetype richy::textLength() const
{
    return toIndex(sci(SCI_GETLENGTH));
}

// A display break is one LF byte (one code unit) of the control: the page
// index of a control position is its control index less the breaks before it.
qsizetype richy::toIndex(long bytePos) const
{
    return controlIndex(bytePos) - m_breaks.before(bytePos);
}

// The control position of a page index counts the breaks before it, which
// depend on the position found: counting again from the position the last
// count gave only ever moves forward and stops at the first position that
// fits (each round adds the breaks of the stretch just crossed, about one
// in a display line's width, so a few rounds do). A position between a
// break and the text before it goes after the break.
long richy::toBytePos(qsizetype index) const
{
    if (m_breaks.isEmpty())
        return controlPosFromIndex(index);
    qsizetype breaks = 0;
    for (;;) {
        const long pos = controlPosFromIndex(index + breaks);
        const qsizetype before = m_breaks.before(pos);
        if (before == breaks)
            return stepOverBreak(pos);
        breaks = before;
    }
}

long richy::stepOverBreak(long pos) const
{
    while (m_breaks.isBreak(pos))
        ++pos;
    return pos;
}

qsizetype richy::indexFromUtf8(qsizetype offset) const
{
    return toIndex(m_breaks.controlPos(long(offset)));
}

qsizetype richy::utf8FromIndex(qsizetype index) const
{
    const long pos = toBytePos(index);
    return pos - m_breaks.before(pos);
}

// Each break adds one control line: a page line is the control line less
// the breaks before it.
qsizetype richy::lineFromIndex(qsizetype index) const
{
    ensureLineIndex();
    if (m_breaks.isEmpty())
        return sci(SCI_LINEFROMINDEXPOSITION, long(index), SC_LINECHARACTERINDEX_UTF16);
    const long pos = toBytePos(index);
    return sci(SCI_LINEFROMPOSITION, pos) - m_breaks.before(pos);
}

// The first control line of a page line: as in toBytePos(), counting the
// breaks again from the line the last count gave stops at the first fit.
qsizetype richy::lineStartIndex(qsizetype line) const
{
    ensureLineIndex();
    if (m_breaks.isEmpty())
        return sci(SCI_INDEXPOSITIONFROMLINE, long(line), SC_LINECHARACTERINDEX_UTF16);
    qsizetype breaks = 0;
    for (;;) {
        const long pos = sci(SCI_POSITIONFROMLINE, long(line + breaks));
        const qsizetype before = m_breaks.before(pos);
        if (before == breaks || pos < 0)
            return toIndex(pos < 0 ? sci(SCI_GETLENGTH) : pos);
        breaks = before;
    }
}

qsizetype richy::pageLines() const
{
    return sci(SCI_GETLINECOUNT) - m_breaks.count();
}

// --- the passage between the control and the page ------------------------------
// What the control holds and the page's text meet here and nowhere else:
// every text read from the control goes through pageText() or textBytes(),
// every text put into it through controlBytes() and then replaceTarget() or
// setAllBytes(), every position through toIndex() and toBytePos(). Anything
// the control would hold only for display is taken out or put in here, and
// isPageText() lets the code that writes the page check what it writes.

QString richy::pageText(long bytePos, long byteLength) const
{
    if (byteLength <= 0)
        return {};
    const auto *bytes = reinterpret_cast<const char *>(sci(SCI_GETRANGEPOINTER, bytePos, byteLength));
    if (m_breaks.isEmpty())
        return fromUtf8(bytes, byteLength);
    const QByteArray page = m_breaks.pageBytes(QByteArrayView(bytes, byteLength), bytePos);
    return fromUtf8(page.constData(), page.size());
}

QByteArray richy::controlBytes(QStringView text) const
{
    return text.toUtf8();
}

QByteArrayView richy::textBytes() const
{
    const long length = sci(SCI_GETLENGTH);
    const QByteArrayView control(reinterpret_cast<const char *>(sci(SCI_GETCHARACTERPOINTER)), length);
    if (m_breaks.isEmpty())
        return control;
    if (!m_pageBytesValid) {
        m_pageBytes = m_breaks.pageBytes(control, 0);
        m_pageBytesValid = true;
    }
    return m_pageBytes;
}

bool richy::isPageText(QByteArrayView utf8) const
{
    return utf8.size() == sci(SCI_GETLENGTH) - m_breaks.count();
}

// Every text goes into the control with its length: a NUL is a character of
// the page like any other, never the end of the text.
void richy::replaceTarget(long from, long to, QByteArrayView utf8)
{
    sci(SCI_SETTARGETRANGE, from, to);
    sci(SCI_REPLACETARGET, utf8.size(), textPointer(utf8));
}

// The breaks of long lines are put in on the way in, in one pass; the list
// takes them once the text is in (the control's notices of the clearing and
// the appending must not move them).
void richy::setAllBytes(QByteArrayView utf8)
{
    DisplayBreaks breaks;
    breaks.setLongLine(m_breaks.longLine());
    const QByteArray shown = breaks.build(utf8);
    setAllBytes(utf8, std::move(breaks), shown);
}

void richy::setAllBytes(QByteArrayView utf8, DisplayBreaks breaks, const QByteArray &shown)
{
    sci(SCI_CLEARALL);
    const QByteArrayView text = shown.isNull() ? utf8 : QByteArrayView(shown);
    sci(SCI_APPENDTEXT, text.size(), textPointer(text));
    m_breaks = std::move(breaks);
    m_pageBytesValid = false;
}

// --- text and selection ------------------------------------------------------

QString richy::Text() const
{
    return pageText(0, sci(SCI_GETLENGTH));
}

QString richy::textRange(qsizetype start, qsizetype length) const
{
    const long from = toBytePos(start);
    return pageText(from, toBytePos(start + length) - from);
}

qsizetype richy::SelStart() const
{
    return toIndex(sci(SCI_GETSELECTIONSTART));
}

qsizetype richy::SelLength() const
{
    const long from = sci(SCI_GETSELECTIONSTART);
    const long to = sci(SCI_GETSELECTIONEND);
    return from == to ? 0 : toIndex(to) - toIndex(from);
}

QString richy::SelText() const
{
    const long from = sci(SCI_GETSELECTIONSTART);
    return pageText(from, sci(SCI_GETSELECTIONEND) - from);
}

void richy::setSelStart(qsizetype start)
{
    const long pos = toBytePos(start);
    sci(SCI_SETSEL, pos, pos);
    notifySelectionIfMoved();
}

void richy::setSelLength(qsizetype length)
{
    select(SelStart(), length);
}

void richy::select(qsizetype start, qsizetype length)
{
    const long from = toBytePos(start);
    const long to = toBytePos(start + std::max<qsizetype>(length, 0));
    sci(SCI_SETSEL, from, to);
    notifySelectionIfMoved();
}

void richy::setSelText(const QString &text)
{
    removePreedit(PreeditSelection::Keep);
    ActionScope action(this);
    const long from = sci(SCI_GETSELECTIONSTART);
    const QByteArray utf8 = controlBytes(text);
    replaceTarget(from, sci(SCI_GETSELECTIONEND), utf8);
    const long caret = from + long(utf8.size());
    sci(SCI_SETSEL, caret, caret);
}

QString richy::lineBreak() const
{
    switch (sci(SCI_GETEOLMODE)) {
    case SC_EOL_LF:
        return QStringLiteral("\n");
    case SC_EOL_CR:
        return QStringLiteral("\r");
    default:
        return QStringLiteral("\r\n");
    }
}

void richy::setDataChanged(bool changed)
{
    if (std::exchange(m_dataChanged, changed) != changed)
        emit modifiedChanged(changed);
}

void richy::setLineBreak(const QString &lineBreak)
{
    sci(SCI_SETEOLMODE, lineBreak == QLatin1String("\n")   ? SC_EOL_LF
                        : lineBreak == QLatin1String("\r") ? SC_EOL_CR
                                                           : SC_EOL_CRLF);
}

QString richy::toPageLineBreaks(const QString &text) const
{
    const QString lineBreak = this->lineBreak();
    QString converted;
    qsizetype done = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (c != u'\r' && c != u'\n')
            continue;
        const qsizetype length = c == u'\r' && i + 1 < text.size() && text.at(i + 1) == u'\n' ? 2 : 1;
        if (QStringView(text).sliced(i, length) == lineBreak) {
            i += length - 1;
            continue;
        }
        if (converted.isNull())
            converted.reserve(text.size() + text.size() / 8);
        converted.append(QStringView(text).sliced(done, i - done)).append(lineBreak);
        i += length - 1;
        done = i + 1;
    }
    if (converted.isNull())
        return text;
    return converted.append(QStringView(text).sliced(done));
}

// --- changes the program makes -------------------------------------------------

void richy::replaceBytes(long from, long to, const QString &text)
{
    commitPending();
    ++m_unrecordedDepth;
    const QByteArray utf8 = controlBytes(text);
    replaceTarget(from, to, utf8);
    const long caret = from + long(utf8.size());
    sci(SCI_SETSEL, caret, caret);
    --m_unrecordedDepth;
    tidyBreaks();
    notifySelectionIfMoved();
}

void richy::replaceUnrecorded(qsizetype start, qsizetype length, const QString &text)
{
    removePreedit(PreeditSelection::Keep);
    const long from = toBytePos(start);
    replaceBytes(from, toBytePos(start + length), text);
}

void richy::replaceAllUnrecorded(const QString &text)
{
    removePreedit(PreeditSelection::Keep);
    commitPending();
    ++m_unrecordedDepth;
    setAllBytes(controlBytes(text));
    sci(SCI_DOCUMENTEND);
    --m_unrecordedDepth;
    notifySelectionIfMoved();
}

void richy::loadText(const QByteArray &utf8)
{
    DisplayBreaks breaks;
    breaks.setLongLine(m_breaks.longLine());
    const QByteArray shown = breaks.build(utf8);
    loadText(utf8, std::move(breaks), shown);
}

void richy::loadText(const QByteArray &utf8, DisplayBreaks breaks, const QByteArray &shown)
{
    removePreedit(PreeditSelection::Keep);
    commitPending();
    ++m_unrecordedDepth;
    setAllBytes(utf8, std::move(breaks), shown);
    const qsizetype lineEnd = utf8.indexOf('\n');
    const qsizetype cr = utf8.indexOf('\r');
    int mode = SC_EOL_CRLF;
    if (cr >= 0 && (lineEnd < 0 || cr < lineEnd))
        mode = cr + 1 < utf8.size() && utf8.at(cr + 1) == '\n' ? SC_EOL_CRLF : SC_EOL_CR;
    else if (lineEnd >= 0)
        mode = SC_EOL_LF;
    sci(SCI_SETEOLMODE, mode);
    sci(SCI_SETSEL, 0, 0);
    --m_unrecordedDepth;
    notifySelectionIfMoved();
}

// --- recording ---------------------------------------------------------------

void richy::onModified(int position, int modificationType, const char *, int length, int, int, int, int, int,
                       int)
{
    m_textChangedSinceNotify = true;
    m_pageBytesValid = false;
    updatePoints();
    if (m_unrecordedDepth == 0)
        recordChange(position, modificationType, length);
    // Last: positions above are converted with the index as it is before
    // this change.
    noteLineBreakSplitOrJoin(position, modificationType, length);
    if (modificationType & SC_MOD_BEFOREDELETE) {
        m_points.removed(position, length, countedUnits(position, length));
    } else if (modificationType & SC_MOD_BEFOREINSERT) {
        // Counted once the text is in, at the next conversion or change
        // (nothing converts positions between this notice and the insertion).
        m_pointsInsert = PendingInsert{position, length, 0};
    }
    // Breaks next to the change, and the display line it is in, are checked
    // once the action is over.
    const long delta = modificationType & SC_MOD_BEFOREDELETE ? -length : length;
    for (long &check : m_breakChecks) {
        if (check > position)
            check = std::max<long>(position, check + delta);
    }
    m_breakChecks.push_back(position);
    if (modificationType & SC_MOD_BEFOREDELETE) {
        m_breaks.removed(position, length);
    } else if (modificationType & SC_MOD_BEFOREINSERT) {
        m_breaks.inserted(position, length);
        m_breakChecks.push_back(position + length);
    }
}

// A display line of a broken line that text typed or pasted into has made
// long is broken again, as loading would have broken it (not recorded).
void richy::breakLongDisplayLine(long pos)
{
    const long line = sci(SCI_LINEFROMPOSITION, pos);
    const long start = sci(SCI_POSITIONFROMLINE, line);
    const long end = sci(SCI_GETLINEENDPOSITION, line);
    if (end - start <= 2 * DisplayBreaks::width())
        return;
    // Only lines shown broken, or a line that has just grown past the limit.
    if (end - start <= m_breaks.longLine() && !m_breaks.isBreak(start - 1) && !m_breaks.isBreak(end))
        return;
    const auto *bytes = reinterpret_cast<const char *>(sci(SCI_GETRANGEPOINTER, start, end - start));
    const std::vector<long> breaks = DisplayBreaks::breaksIn(QByteArrayView(bytes, end - start));
    if (breaks.empty())
        return;
    // The line goes back in one piece with its breaks: put in one by one,
    // each break would have the control lay out the rest of the line again,
    // which under word wrap takes seconds for a line of 100 KB.
    QByteArray shown;
    shown.reserve(end - start + long(breaks.size()));
    long from = 0;
    for (long at : breaks) {
        shown.append(bytes + from, at - from).append('\n');
        from = at;
    }
    shown.append(bytes + from, end - start - from);
    // The selection stays on its characters, before a break at its place.
    const auto moved = [&](long at) {
        return at <= start ? at
                           : at + long(std::lower_bound(breaks.begin(), breaks.end(), std::min(at, end) - start) -
                                       breaks.begin());
    };
    const long anchor = moved(sci(SCI_GETANCHOR));
    const long caret = moved(sci(SCI_GETCURRENTPOS));
    replaceTarget(start, end, shown);
    for (std::size_t i = 0; i < breaks.size(); ++i)
        m_breaks.add(start + breaks[i] + long(i));
    sci(SCI_SETSEL, anchor, caret);
}

// A display line that deletions have made short joins the display line
// after it (or, the last of its line, the one before), so that a broken
// line does not crumble into slivers; breakLongDisplayLine() breaks the
// joined line again if it is now long.
void richy::joinShortDisplayLine(long pos)
{
    const long line = sci(SCI_LINEFROMPOSITION, pos);
    const long start = sci(SCI_POSITIONFROMLINE, line);
    const long end = sci(SCI_GETLINEENDPOSITION, line);
    if (end - start >= DisplayBreaks::width() / 4)
        return;
    if (m_breaks.isBreak(end))
        replaceTarget(end, end + 1, {});
    else if (m_breaks.isBreak(start - 1))
        replaceTarget(start - 1, start, {});
}

// A break may only stand between two characters of one line: next to a line
// end, the page's start or end, or another break, it would show an empty
// display line, and after a CR the control would read it with the CR as one
// CR LF line end. Such breaks leave the control once a change is over (not
// recorded: they were never part of the page).
void richy::tidyBreaks()
{
    if (m_breakChecks.empty())
        return;
    std::vector<long> checks = std::exchange(m_breakChecks, {});
    std::sort(checks.begin(), checks.end(), std::greater<>());
    const auto isEnd = [this](long pos) {
        const char c = byteAt(pos);
        return pos < 0 || pos >= sci(SCI_GETLENGTH) || c == '\r' || c == '\n';
    };
    ++m_unrecordedDepth;
    for (long check : checks) {
        const qsizetype at = m_breaks.before(check);
        for (qsizetype i = std::min(at, m_breaks.count() - 1); i >= std::max<qsizetype>(at - 1, 0); --i) {
            const long pos = m_breaks.positions()[std::size_t(i)];
            if (isEnd(pos - 1) || isEnd(pos + 1))
                replaceTarget(pos, pos + 1, {});
        }
        joinShortDisplayLine(std::min<long>(check, sci(SCI_GETLENGTH)));
    }
    for (long check : checks)
        breakLongDisplayLine(std::min<long>(check, sci(SCI_GETLENGTH)));
    --m_unrecordedDepth;
    m_breakChecks.clear();
}

void richy::recordChange(int position, int modificationType, int length)
{
    flushPendingInsert();
    const auto reader = [this](qsizetype start, qsizetype count) { return textRange(start, count); };
    const qsizetype index = toIndex(position);
    if (modificationType & SC_MOD_BEFOREDELETE) {
        const QString removed = pageText(position, length);
        m_builder.cover(index, removed.size(), reader);
        m_builder.removed(index, removed.size());
    } else if (modificationType & SC_MOD_BEFOREINSERT) {
        // The inserted text is read once it is in the page.
        m_builder.cover(index, 0, reader);
        m_pendingInsert = PendingInsert{position, length, index};
    }
}

void richy::flushPendingInsert()
{
    if (m_pendingInsert.bytePos < 0)
        return;
    const PendingInsert pending = std::exchange(m_pendingInsert, PendingInsert{});
    m_builder.inserted(pending.index, pageText(pending.bytePos, pending.byteLength));
}

void richy::commitPending()
{
    flushPendingInsert();
    if (std::optional<EditStep> step = m_builder.take()) {
        setDataChanged(true);
        emit changeRecorded(*step);
    }
}

void richy::setRecordingSuspended(bool suspended)
{
    if (suspended) {
        commitPending();
        ++m_unrecordedDepth;
    } else if (m_unrecordedDepth > 0) {
        --m_unrecordedDepth;
        notifySelectionIfMoved();
    }
}

void richy::beginAction()
{
    ++m_actionDepth;
}

void richy::endAction()
{
    if (--m_actionDepth > 0)
        return;
    commitPending();
    tidyBreaks();
    notifySelectionIfMoved();
}

void richy::onUpdateUi(int updated)
{
    if (m_actionDepth == 0) {
        commitPending();
        tidyBreaks();
    }
    if (updated & (SC_UPDATE_SELECTION | SC_UPDATE_CONTENT))
        notifySelectionIfMoved();
}

void richy::notifySelectionIfMoved()
{
    if (m_actionDepth > 0 || m_unrecordedDepth > 0)
        return;
    const long anchor = sci(SCI_GETANCHOR);
    const long caret = sci(SCI_GETCURRENTPOS);
    if (anchor == m_lastAnchor && caret == m_lastCaret && !m_textChangedSinceNotify)
        return;
    m_lastAnchor = anchor;
    m_lastCaret = caret;
    m_textChangedSinceNotify = false;
    emit selectionMoved();
}

// --- events that change the page -----------------------------------------------

bool richy::event(QEvent *e)
{
    // Ctrl+letter belongs to the page (macro keys, cut, copy, paste), not to
    // menu shortcuts.
    if (e->type() == QEvent::ShortcutOverride) {
        auto *key = static_cast<QKeyEvent *>(e);
        if ((key->modifiers() & Qt::ControlModifier) && key->key() >= Qt::Key_A && key->key() <= Qt::Key_Z) {
            e->accept();
            return true;
        }
    }
    return QsciScintilla::event(e);
}

void richy::keyPressEvent(QKeyEvent *e)
{
    removePreedit(PreeditSelection::Restore);
    ActionScope action(this);
    // Ctrl only with Left and Right: a word move steps over a break too.
    const bool word = e->modifiers() & Qt::ControlModifier;
    if (!m_breaks.isEmpty() && !(e->modifiers() & Qt::AltModifier) &&
        (!word || e->key() == Qt::Key_Left || e->key() == Qt::Key_Right))
        moveCaretOffBreak(e->key(), e->modifiers() & Qt::ShiftModifier, word);
    // The control drops a typed character beyond the 16-bit range (an emoji
    // from a keyboard layout); it goes in here like any typed text.
    const QString typed = e->text();
    if (!(e->modifiers() & (Qt::ControlModifier | Qt::AltModifier)) && typed.size() >= 2 &&
        typed.front().isHighSurrogate()) {
        setSelText(typed);
        sci(SCI_SCROLLCARET);
        return;
    }
    QsciScintilla::keyPressEvent(e);
    if (word && !m_breaks.isEmpty() && (e->key() == Qt::Key_Left || e->key() == Qt::Key_Right))
        continueWordMove(e);
}

namespace {

// How the control's word moves class a character: a blank, part of a word
// (letters, digits, marks, '_'), a line end, or other (punctuation, symbols).
int wordClass(char32_t c)
{
    if (c < 0x80)
        return c == ' ' || c < 0x20 ? 0 : std::isalnum(int(c)) || c == '_' ? 1 : 2;
    switch (QChar::category(c)) {
    case QChar::Separator_Space:
    case QChar::Other_Control:
    case QChar::Other_Format:
    case QChar::Other_Surrogate:
    case QChar::Other_PrivateUse:
    case QChar::Other_NotAssigned:
        return 0;
    case QChar::Separator_Line:
    case QChar::Separator_Paragraph:
        return 3;
    case QChar::Mark_NonSpacing:
    case QChar::Mark_SpacingCombining:
    case QChar::Mark_Enclosing:
    case QChar::Number_DecimalDigit:
    case QChar::Number_Letter:
    case QChar::Number_Other:
    case QChar::Letter_Uppercase:
    case QChar::Letter_Lowercase:
    case QChar::Letter_Titlecase:
    case QChar::Letter_Modifier:
    case QChar::Letter_Other:
    case QChar::Punctuation_Connector:
        return 1;
    default:
        return 2;
    }
}

} // namespace

// A word move stops at the end of a display line, as at any line end. Where
// the page goes on with the same kind of character beyond the break (a word
// broken hard, a run of blanks), or with blanks that the move would skip, it
// goes on from the break's far side, so that the caret lands where it would
// on the page without its display breaks.
void richy::continueWordMove(QKeyEvent *e)
{
    const bool right = e->key() == Qt::Key_Right;
    const bool extend = e->modifiers() & Qt::ShiftModifier;
    const long anchor = sci(SCI_GETANCHOR);
    const auto classBetween = [this](long from, long to) {
        return wordClass(pageText(from, to - from).toUcs4().value(0));
    };
    for (;;) {
        const long caret = sci(SCI_GETCURRENTPOS);
        const long at = right ? caret : caret - 1;
        if (!m_breaks.isBreak(at))
            return;
        const int after = classBetween(at + 1, sci(SCI_POSITIONAFTER, at + 1));
        if (after != 0 && after != classBetween(sci(SCI_POSITIONBEFORE, at), at))
            return;
        const long from = right ? at + 1 : at;
        sci(SCI_SETSEL, extend ? anchor : from, from);
        QsciScintilla::keyPressEvent(e);
    }
}

// The caret before a break and the caret after it are one place of the page.
// A key that moves or deletes one character starts from the side of the break
// that makes it act on the page's character beyond the break, not on the break.
void richy::moveCaretOffBreak(int key, bool extend, bool word)
{
    const long anchor = sci(SCI_GETANCHOR);
    long caret = sci(SCI_GETCURRENTPOS);
    const bool empty = anchor == caret;
    // Without Shift, Left and Right only end a selection (a word move
    // starts from the caret).
    if (!empty && !extend && !word && (key == Qt::Key_Left || key == Qt::Key_Right))
        return;
    if ((key == Qt::Key_Left || (key == Qt::Key_Backspace && empty)) && m_breaks.isBreak(caret - 1)) {
        while (m_breaks.isBreak(caret - 1))
            --caret;
    } else if ((key == Qt::Key_Right || (key == Qt::Key_Delete && empty)) && m_breaks.isBreak(caret)) {
        caret = stepOverBreak(caret);
    } else {
        return;
    }
    sci(SCI_SETSEL, empty ? caret : anchor, caret);
}

// An input method composes its text in steps (n, に, にほ, 日本 ...). Each step
// only shows the text being composed; the page changes once, by the text the
// input method commits, as one recorded step that replaces the selection.
void richy::inputMethodEvent(QInputMethodEvent *e)
{
    removePreedit(PreeditSelection::Restore);
    if (!e->commitString().isEmpty() || e->replacementLength() > 0) {
        ActionScope action(this);
        if (e->replacementLength() > 0 && sci(SCI_GETSELECTIONSTART) == sci(SCI_GETSELECTIONEND)) {
            // The commit replaces text around the caret (an input method
            // that corrects what was typed before).
            const qsizetype caret = SelStart();
            const qsizetype from = std::clamp<qsizetype>(caret + e->replacementStart(), 0, textLength());
            select(from, std::min<qsizetype>(e->replacementLength(), textLength() - from));
        }
        setSelText(e->commitString());
    }
    if (!e->preeditString().isEmpty()) {
        int cursor = int(e->preeditString().size());
        for (const QInputMethodEvent::Attribute &attribute : e->attributes()) {
            if (attribute.type == QInputMethodEvent::Cursor)
                cursor = std::clamp(attribute.start, 0, int(e->preeditString().size()));
        }
        showPreedit(e->preeditString(), cursor);
    }
    e->accept();
}

void richy::showPreedit(const QString &text, int cursor)
{
    m_preeditAnchor = sci(SCI_GETANCHOR);
    m_preeditCaret = sci(SCI_GETCURRENTPOS);
    // Behind the selection, so that the selection keeps its place.
    const long at = std::max(m_preeditAnchor, m_preeditCaret);
    const QByteArray utf8 = controlBytes(text);
    ++m_unrecordedDepth;
    replaceTarget(at, at, utf8);
    sci(SCI_SETINDICATORCURRENT, kPreeditIndicator);
    sci(SCI_INDICATORFILLRANGE, at, long(utf8.size()));
    const long caret = at + long(controlBytes(QStringView(text).left(cursor)).size());
    sci(SCI_SETSEL, caret, caret);
    --m_unrecordedDepth;
    m_preeditPos = at;
    m_preeditLength = long(utf8.size());
}

void richy::removePreedit(PreeditSelection selection)
{
    if (m_preeditPos < 0)
        return;
    const long at = std::exchange(m_preeditPos, -1);
    const long length = std::exchange(m_preeditLength, 0);
    // A change the program makes keeps the selection it set (moved with the
    // text); the input method's own events go back to where typing started.
    const auto kept = [at, length](long pos) {
        return pos >= at + length ? pos - length : std::min(pos, at);
    };
    const long anchor = selection == PreeditSelection::Restore ? m_preeditAnchor : kept(sci(SCI_GETANCHOR));
    const long caret = selection == PreeditSelection::Restore ? m_preeditCaret : kept(sci(SCI_GETCURRENTPOS));
    ++m_unrecordedDepth;
    replaceTarget(at, at + length, {});
    sci(SCI_SETSEL, anchor, caret);
    --m_unrecordedDepth;
}

void richy::endComposition()
{
    if (m_preeditPos < 0)
        return;
    if (QInputMethod *inputMethod = QGuiApplication::inputMethod())
        inputMethod->commit();
    removePreedit(PreeditSelection::Keep);
}

// A display line that a break ends goes on in the next one: a grey hooked
// arrow after its last character says so (it is no line end of the page).
void richy::paintEvent(QPaintEvent *e)
{
    QsciScintilla::paintEvent(e);
    if (m_breaks.isEmpty())
        return;
    QPainter painter(viewport());
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(palette().color(QPalette::Disabled, QPalette::Text), 1.2));
    const qreal height = qreal(sci(SCI_TEXTHEIGHT, 0));
    const qreal width = height * 0.55;
    const long first = sci(SCI_GETFIRSTVISIBLELINE);
    const long rows = sci(SCI_LINESONSCREEN) + 1;
    long lastLine = -1;
    for (long row = first; row <= first + rows; ++row) {
        const long line = sci(SCI_DOCLINEFROMVISIBLE, row);
        if (line == lastLine || line >= sci(SCI_GETLINECOUNT))
            continue;
        lastLine = line;
        const long end = sci(SCI_GETLINEENDPOSITION, line);
        if (!m_breaks.isBreak(end))
            continue;
        const qreal x = qreal(sci(SCI_POINTXFROMPOSITION, 0, end)) + 2;
        const qreal y = qreal(sci(SCI_POINTYFROMPOSITION, 0, end));
        QPainterPath hook;
        hook.moveTo(x, y + height * 0.3);
        hook.lineTo(x + width, y + height * 0.3);
        hook.lineTo(x + width, y + height * 0.75);
        hook.lineTo(x + width * 0.2, y + height * 0.75);
        hook.moveTo(x + width * 0.45, y + height * 0.58);
        hook.lineTo(x + width * 0.2, y + height * 0.75);
        hook.lineTo(x + width * 0.45, y + height * 0.92);
        painter.drawPath(hook);
    }
}

void richy::focusOutEvent(QFocusEvent *e)
{
    removePreedit(PreeditSelection::Restore);
    QsciScintilla::focusOutEvent(e);
}

// The control hands over a drag (and a copy) as a C string, which would end
// at the first NUL; the selection itself is what is dragged.
QMimeData *richy::toMimeData(const QByteArray &text, bool rectangular) const
{
    const long from = sci(SCI_GETSELECTIONSTART);
    const long to = sci(SCI_GETSELECTIONEND);
    if (rectangular || from == to)
        return QsciScintilla::toMimeData(text, rectangular);
    auto *mime = new QMimeData;
    mime->setText(pageText(from, to - from));
    return mime;
}

// Only a selection dragged within the page moves in it; whatever else is
// dropped is the page's drop handler's (foreignDrop) and is only ever
// copied, so that the program it came from never removes its original.
bool richy::isOwnDrag(const QDropEvent *e) const
{
    return e->source() == this || e->source() == viewport();
}

void richy::dragEnterEvent(QDragEnterEvent *e)
{
    if (isOwnDrag(e)) {
        QsciScintilla::dragEnterEvent(e);
        return;
    }
    e->setDropAction(Qt::CopyAction);
    e->accept();
}

void richy::dragMoveEvent(QDragMoveEvent *e)
{
    if (isOwnDrag(e)) {
        QsciScintilla::dragMoveEvent(e);
        return;
    }
    e->setDropAction(Qt::CopyAction);
    e->accept();
}

void richy::dropEvent(QDropEvent *e)
{
    removePreedit(PreeditSelection::Restore);
    if (!isOwnDrag(e)) {
        e->setDropAction(Qt::CopyAction);
        e->accept();
        emit foreignDrop(e->mimeData());
        return;
    }
    ActionScope action(this);
    if (!dropTextWithNul(e))
        QsciScintilla::dropEvent(e);
}

// The control would cut a dropped text at its first NUL (and a move would
// then lose the rest): such a text is dropped here, with its line breaks in
// the page's own ending.
bool richy::dropTextWithNul(QDropEvent *e)
{
    const QMimeData *mime = e->mimeData();
    if (!mime || !mime->hasText())
        return false;
    const QString text = mime->text();
    if (!text.contains(QChar(0)))
        return false;
    const QPoint at = e->position().toPoint();
    long pos = sci(SCI_POSITIONFROMPOINT, at.x(), at.y());
    const long from = sci(SCI_GETSELECTIONSTART);
    const long to = sci(SCI_GETSELECTIONEND);
    if (e->dropAction() == Qt::MoveAction) {
        if (pos >= from && pos <= to) {
            e->ignore();
            return true;
        }
        replaceTarget(from, to, {});
        if (pos > to)
            pos -= to - from;
    }
    const QByteArray utf8 = controlBytes(toPageLineBreaks(text));
    replaceTarget(pos, pos, utf8);
    sci(SCI_SETSEL, pos, pos + long(utf8.size()));
    e->acceptProposedAction();
    return true;
}

// Ctrl or Alt with a drag would make a rectangular selection, which copy, cut
// and undo cannot treat as one stream of text: the control only sees the
// plain drag (and Shift, which extends the selection).
template <typename Handler> void richy::forwardMouse(QMouseEvent *e, Handler handler)
{
    ActionScope action(this);
    const Qt::KeyboardModifiers plainModifiers =
        e->modifiers() & ~(Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier);
    if (plainModifiers == e->modifiers()) {
        handler(e);
        return;
    }
    QMouseEvent plain(e->type(), e->position(), e->scenePosition(), e->globalPosition(), e->button(),
                      e->buttons(), plainModifiers, e->pointingDevice());
    handler(&plain);
    e->setAccepted(plain.isAccepted());
}

void richy::mousePressEvent(QMouseEvent *e)
{
    if (m_preeditPos >= 0) {
        // A click ends the composition with the text composed so far.
        if (QInputMethod *inputMethod = QGuiApplication::inputMethod())
            inputMethod->commit();
        removePreedit(PreeditSelection::Restore);
    }
    forwardMouse(e, [this](QMouseEvent *event) { QsciScintilla::mousePressEvent(event); });
}

void richy::mouseReleaseEvent(QMouseEvent *e)
{
    forwardMouse(e, [this](QMouseEvent *event) { QsciScintilla::mouseReleaseEvent(event); });
}

void richy::mouseMoveEvent(QMouseEvent *e)
{
    forwardMouse(e, [this](QMouseEvent *event) { QsciScintilla::mouseMoveEvent(event); });
}

void richy::mouseDoubleClickEvent(QMouseEvent *e)
{
    forwardMouse(e, [this](QMouseEvent *event) { QsciScintilla::mouseDoubleClickEvent(event); });
}
