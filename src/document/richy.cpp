// Zevora - the edit control of a document window.
#include "richy.h"

#include <Qsci/qscicommand.h>
#include <Qsci/qscicommandset.h>

#include <QAccessible>
#include <QAccessibleWidget>
#include <QFontDatabase>
#include <QKeyEvent>
#include <QStringDecoder>

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
    sci(SCI_SETMULTIPLESELECTION, 0);
    sci(SCI_SETPASTECONVERTENDINGS, 1);

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

qsizetype richy::toIndex(long bytePos) const
{
    ensureLineIndex();
    const long line = sci(SCI_LINEFROMPOSITION, bytePos);
    const long lineStart = sci(SCI_POSITIONFROMLINE, line);
    return sci(SCI_INDEXPOSITIONFROMLINE, line, SC_LINECHARACTERINDEX_UTF16) +
           sci(SCI_COUNTCODEUNITS, lineStart, bytePos);
}

long richy::toBytePos(qsizetype index) const
{
    ensureLineIndex();
    if (index <= 0)
        return 0;
    const long length = sci(SCI_GETLENGTH);
    const long line = sci(SCI_LINEFROMINDEXPOSITION, index, SC_LINECHARACTERINDEX_UTF16);
    const long lineStart = sci(SCI_POSITIONFROMLINE, line);
    qsizetype offset = index - sci(SCI_INDEXPOSITIONFROMLINE, line, SC_LINECHARACTERINDEX_UTF16);
    if (offset <= 0)
        return lineStart;
    // Scintilla answers 0 for a count that ends inside a surrogate pair or
    // past the end of the page: step back to the nearest whole character.
    while (offset > 0) {
        const long pos = sci(SCI_POSITIONRELATIVECODEUNITS, lineStart, long(offset));
        if (pos > 0)
            return pos;
        if (index >= textLength())
            return length;
        --offset;
    }
    return lineStart;
}

qsizetype richy::textLength() const
{
    ensureLineIndex();
    const long lastLine = sci(SCI_GETLINECOUNT) - 1;
    const long lastLineStart = sci(SCI_POSITIONFROMLINE, lastLine);
    return sci(SCI_INDEXPOSITIONFROMLINE, lastLine, SC_LINECHARACTERINDEX_UTF16) +
           sci(SCI_COUNTCODEUNITS, lastLineStart, sci(SCI_GETLENGTH));
}

qsizetype richy::lineFromIndex(qsizetype index) const
{
    ensureLineIndex();
    return sci(SCI_LINEFROMINDEXPOSITION, long(index), SC_LINECHARACTERINDEX_UTF16);
}

qsizetype richy::lineStartIndex(qsizetype line) const
{
    ensureLineIndex();
    return sci(SCI_INDEXPOSITIONFROMLINE, long(line), SC_LINECHARACTERINDEX_UTF16);
}

QString richy::bytesToString(long bytePos, long byteLength) const
{
    if (byteLength <= 0)
        return {};
    const auto *bytes = reinterpret_cast<const char *>(sci(SCI_GETRANGEPOINTER, bytePos, byteLength));
    return fromUtf8(bytes, byteLength);
}

// --- text and selection ------------------------------------------------------

QString richy::Text() const
{
    const long length = sci(SCI_GETLENGTH);
    const auto *bytes = reinterpret_cast<const char *>(sci(SCI_GETCHARACTERPOINTER));
    return fromUtf8(bytes, length);
}

QByteArrayView richy::textBytes() const
{
    const long length = sci(SCI_GETLENGTH);
    return QByteArrayView(reinterpret_cast<const char *>(sci(SCI_GETCHARACTERPOINTER)), length);
}

QString richy::textRange(qsizetype start, qsizetype length) const
{
    const long from = toBytePos(start);
    return bytesToString(from, toBytePos(start + length) - from);
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
    return bytesToString(from, sci(SCI_GETSELECTIONEND) - from);
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
    ActionScope action(this);
    const QByteArray utf8 = text.toUtf8();
    sci(SCI_REPLACESEL, 0, reinterpret_cast<long>(utf8.constData()));
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

// --- changes the program makes -------------------------------------------------

void richy::replaceBytes(long from, long to, const QString &text)
{
    commitPending();
    ++m_unrecordedDepth;
    const QByteArray utf8 = text.toUtf8();
    sci(SCI_SETTARGETRANGE, from, to);
    sci(SCI_REPLACETARGET, utf8.size(), reinterpret_cast<long>(utf8.constData()));
    const long caret = from + utf8.size();
    sci(SCI_SETSEL, caret, caret);
    --m_unrecordedDepth;
    notifySelectionIfMoved();
}

void richy::replaceUnrecorded(qsizetype start, qsizetype length, const QString &text)
{
    const long from = toBytePos(start);
    replaceBytes(from, toBytePos(start + length), text);
}

void richy::replaceAllUnrecorded(const QString &text)
{
    commitPending();
    ++m_unrecordedDepth;
    const QByteArray utf8 = text.toUtf8();
    sci(SCI_SETTEXT, 0, reinterpret_cast<long>(utf8.constData()));
    sci(SCI_DOCUMENTEND);
    --m_unrecordedDepth;
    notifySelectionIfMoved();
}

void richy::loadText(const QByteArray &utf8)
{
    commitPending();
    ++m_unrecordedDepth;
    // SCI_SETTEXT takes a NUL-terminated text; QByteArray always has one.
    sci(SCI_SETTEXT, 0, reinterpret_cast<long>(utf8.constData()));
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
    if (m_unrecordedDepth == 0)
        recordChange(position, modificationType, length);
    // Last: positions above are converted with the index as it is before
    // this change.
    noteLineBreakSplitOrJoin(position, modificationType, length);
}

void richy::recordChange(int position, int modificationType, int length)
{
    flushPendingInsert();
    const auto reader = [this](qsizetype start, qsizetype count) { return textRange(start, count); };
    const qsizetype index = toIndex(position);
    if (modificationType & SC_MOD_BEFOREDELETE) {
        const QString removed = bytesToString(position, length);
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
    m_builder.inserted(pending.index, bytesToString(pending.bytePos, pending.byteLength));
}

void richy::commitPending()
{
    flushPendingInsert();
    if (std::optional<EditStep> step = m_builder.take()) {
        m_dataChanged = true;
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
    notifySelectionIfMoved();
}

void richy::onUpdateUi(int updated)
{
    if (m_actionDepth == 0)
        commitPending();
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
    ActionScope action(this);
    QsciScintilla::keyPressEvent(e);
}

void richy::inputMethodEvent(QInputMethodEvent *e)
{
    ActionScope action(this);
    QsciScintilla::inputMethodEvent(e);
}

void richy::dropEvent(QDropEvent *e)
{
    ActionScope action(this);
    QsciScintilla::dropEvent(e);
}

void richy::mousePressEvent(QMouseEvent *e)
{
    ActionScope action(this);
    QsciScintilla::mousePressEvent(e);
}

void richy::mouseReleaseEvent(QMouseEvent *e)
{
    ActionScope action(this);
    QsciScintilla::mouseReleaseEvent(e);
}

void richy::mouseMoveEvent(QMouseEvent *e)
{
    ActionScope action(this);
    QsciScintilla::mouseMoveEvent(e);
}

void richy::mouseDoubleClickEvent(QMouseEvent *e)
{
    ActionScope action(this);
    QsciScintilla::mouseDoubleClickEvent(e);
}
