// Zevora tests - random editing against a plain byte model of the page, on an
// ordinary page and on pages with lines of megabytes shown as short display
// lines; search and the caret label, and the page's bytes after saving.
#include "FileCommands.h"
#include "PageFinder.h"
#include "RichyText.h"
#include "TestFiles.h"
#include "TestFrame.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QInputMethodEvent>
#include <QLabel>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTest>

namespace {

// A minified page: tags, text with é, € and an emoji, and runs without a
// blank or a '>' that can only be broken hard.
QByteArray longLine(qsizetype bytes, QRandomGenerator &random)
{
    QByteArray line;
    line.reserve(bytes + 200);
    while (line.size() < bytes) {
        switch (random.bounded(4)) {
        case 0:
            line += "<li class=\"i\">Item " + QByteArray::number(line.size()) + " café</li>";
            break;
        case 1:
            line += "<td>€ 12,50 😀</td>";
            break;
        case 2:
            line += QByteArray(20 + random.bounded(300), 'w');
            break;
        default:
            line += " plain words, é";
        }
    }
    return line;
}

// UTF-16 units of the UTF-8 \a bytes (whole characters).
qsizetype units(QByteArrayView bytes)
{
    qsizetype count = 0;
    for (char c : bytes)
        count += ((uchar(c) & 0xC0) != 0x80 ? 1 : 0) + (uchar(c) >= 0xF0 ? 1 : 0);
    return count;
}

qsizetype lineEnds(QByteArrayView bytes)
{
    return bytes.count('\n') + bytes.count('\r') - bytes.count("\r\n");
}

struct Edit
{
    qsizetype at;
    QByteArray removed;
    QByteArray inserted;
};

} // namespace

class tst_LongLines : public QObject
{
    Q_OBJECT

private slots:
    void randomEditingKeepsThePagesBytes_data()
    {
        QTest::addColumn<quint32>("seed");
        QTest::addColumn<QByteArray>("lineBreak");
        QTest::addColumn<int>("lines");
        QTest::addColumn<int>("lineBytes");
        QTest::addColumn<int>("actions");
        QTest::addColumn<bool>("wrap");
        QTest::addRow("1 MB on one line, LF") << quint32(3) << QByteArray("\n") << 1 << (1 << 20) << 800 << false;
        QTest::addRow("5 MB on one line, CRLF") << quint32(8) << QByteArray("\r\n") << 1 << 5 * (1 << 20) << 300
                                                << false;
        QTest::addRow("long lines between short ones, CRLF, wrapped")
            << quint32(21) << QByteArray("\r\n") << 3 << 200'000 << 600 << true;
        QTest::addRow("short lines, CRLF") << quint32(1) << QByteArray("\r\n") << 80 << 600 << 1500 << false;
    }

    void randomEditingKeepsThePagesBytes()
    {
        QFETCH(quint32, seed);
        QFETCH(QByteArray, lineBreak);
        QFETCH(int, lines);
        QFETCH(int, lineBytes);
        QFETCH(int, actions);
        QFETCH(bool, wrap);
        m_random.seed(seed);
        m_break = lineBreak;
        QByteArray original;
        for (int line = 0; line < lines; ++line)
            original += "<p>short é</p>" + lineBreak + longLine(lineBytes, m_random) + lineBreak;
        QTemporaryDir dir;
        const QString path = dir.filePath("page.html");
        QVERIFY(writeFile(path, original));

        TestFrame frame;
        m_services = &frame.services;
        m_frame = &frame;
        m_kid = frame.frame.files()->OpenDocument(path);
        QVERIFY(m_kid);
        const long shownLines = m_kid->richy->SendScintilla(QsciScintilla::SCI_GETLINECOUNT);
        QVERIFY(lineBytes > 65'536 ? shownLines > m_kid->richy->pageLines() * 50 : shownLines == 2 * lines + 1);
        if (wrap)
            m_kid->richy->setWrapMode(QsciScintilla::WrapWord);
        m_model = original;
        m_edits.clear();
        refocus();
        for (int i = 0; i < actions; ++i) {
            const qsizetype level = m_kid->undoStack().stackLevel();
            const QByteArray before = m_model;
            act();
            if (QTest::currentTestFailed())
                return;
            QVERIFY2(m_kid->richy->textBytes() == m_model, qPrintable(QString("action %1 of kind %2").arg(i).arg(m_kind)));
            QVERIFY(m_kid->richy->isPageText(m_kid->richy->textBytes()));
            // Each action that changes the page is one step of its history.
            const qsizetype levelNow = m_kid->undoStack().stackLevel();
            if (m_kind != Undo && m_kind != Redo) {
                QCOMPARE(levelNow, m_model == before ? level : level + 1);
                if (levelNow > level) {
                    m_edits.resize(level);
                    m_edits.push_back(m_edit);
                }
            }
            if (i % 16 == 0) {
                QCOMPARE(m_kid->richy->pageLines(), lineEnds(m_model) + 1);
                QCOMPARE(m_kid->richy->textLength(), units(m_model));
                checkDisplayBreaks();
            }
            if (i % 40 == 0)
                refocus();
        }

        // Undoing everything gives the file's bytes back; redoing everything
        // gives the page after the last step, with a line break at its end.
        while (m_kid->checkUndoFromTop())
            m_kid->cmdUndo_Click();
        QVERIFY(m_kid->richy->textBytes() == original);
        QVERIFY(frame.frame.files()->SaveDocument(m_kid));
        QVERIFY(readFile(path) == original);
        m_model = original;
        for (const Edit &edit : m_edits)
            apply(edit, false);
        while (m_kid->checkRedoFromTop())
            m_kid->cmdRedo_Click();
        QVERIFY(m_kid->richy->textBytes() == m_model);
        QVERIFY(frame.frame.files()->SaveDocument(m_kid));
        const bool endsWithBreak = m_model.endsWith('\n') || m_model.endsWith('\r');
        QVERIFY(readFile(path) == m_model + (endsWithBreak ? QByteArray() : lineBreak));
    }

    // Search sees the page's text, and the caret label its real lines and
    // columns, however the page is shown.
    void findAndCaretLabelSeeThePagesText()
    {
        TestFrame frame;
        QByteArray line;
        for (int item = 0; line.size() < 200'000; ++item)
            line += "<li>Item " + QByteArray::number(item) + "</li>";
        frmKid *kid = frame.page("<ul>\r\n" + line + "\r\n</ul>\r\n");
        QVERIFY(kid->richy->SendScintilla(QsciScintilla::SCI_GETLINECOUNT) > 1000);
        const QString text = kid->richy->Text();
        const RichyText page(kid->richy);
        for (const auto &[needle, letterCase] : {std::pair{QString("</li><li"), PageFinder::Case::Match},
                                                 std::pair{QString("</LI><LI>ITEM 2"), PageFinder::Case::Ignore}}) {
            const PageFinder finder(needle, letterCase);
            const Qt::CaseSensitivity cs =
                letterCase == PageFinder::Case::Match ? Qt::CaseSensitive : Qt::CaseInsensitive;
            QCOMPARE(finder.count(page, 0), text.count(needle, cs));
            for (qsizetype from : {qsizetype(0), qsizetype(77'777), text.size() / 2, text.size() - 400}) {
                const qsizetype found = finder.find(page, from);
                QCOMPARE(found, text.indexOf(needle, from, cs));
                kid->richy->select(found, needle.size());
                QCOMPARE(kid->richy->SelText(), text.mid(found, needle.size()));
            }
        }
        for (qsizetype index : {qsizetype(150'003), text.size() - 6}) {
            kid->richy->setSelStart(index);
            const qsizetype lineStart = text.lastIndexOf('\n', index - 1) + 1;
            QTRY_COMPARE(frame.frame.lblLineNo->text(), QString("Line: %1  Column: %2")
                                                            .arg(text.left(index).count('\n') + 1)
                                                            .arg(index - lineStart + 1));
        }
    }

private:
    enum Kind { Type, Enter, Back, Del, KidPaste, Cut, Copy, Paste, Macro, Word, Undo, Redo, Whole, Tab, Compose, Form, Step };

    void act()
    {
        // How often each kind of action comes, out of 55.
        static const int weights[] = {8, 1, 4, 4, 3, 2, 2, 3, 3, 3, 5, 3, 1, 1, 2, 2, 8};
        static const char *const typed[] = {"a", " ", ">", "é", "€", "😀", "<b"};
        static const char *const fragments[] = {"<BR>", "<p>é</p>", "x\ny", "\t", "😀€", "a|^|b\r\n"};
        const QByteArray fragment = fragments[m_random.bounded(6)];
        m_kind = 0;
        for (int roll = m_random.bounded(55); roll >= weights[m_kind]; ++m_kind)
            roll -= weights[m_kind];
        if (m_kind == Undo || m_kind == Redo) {
            const qsizetype level = m_kid->undoStack().stackLevel();
            m_kind == Undo ? m_kid->cmdUndo_Click() : m_kid->cmdRedo_Click();
            if (m_kid->undoStack().stackLevel() < level)
                apply(m_edits.at(level - 1), true);
            else if (m_kid->undoStack().stackLevel() > level)
                apply(m_edits.at(level), false);
            refocus();
            return;
        }
        if (m_kind == Whole) {
            m_kid->preReplace();
            QString text = m_kid->richy->Text();
            text.replace(QString::fromUtf8("é"), QString::fromUtf8("É"));
            text.append(QString::fromUtf8(fragment));
            m_kid->richy->replaceAllUnrecorded(text);
            m_kid->repChange();
            QByteArray changed = m_model;
            changed.replace("é", "É");
            replace(0, m_model.size(), changed + fragment);
            return;
        }
        select();
        switch (m_kind) {
        case Type: {
            const QByteArray text = typed[m_random.bounded(7)];
            QKeyEvent press(QEvent::KeyPress, Qt::Key_A, Qt::NoModifier, QString::fromUtf8(text));
            QCoreApplication::sendEvent(m_kid->richy, &press);
            replace(m_start, m_end - m_start, text);
            break;
        }
        case Enter:
            QTest::keyClick(m_kid->richy, Qt::Key_Return);
            replace(m_start, m_end - m_start, m_break);
            break;
        case Back:
        case Del:
            QTest::keyClick(m_kid->richy, m_kind == Back ? Qt::Key_Backspace : Qt::Key_Delete);
            if (m_start == m_end && m_kind == Back)
                m_start = characterBefore(m_start);
            else if (m_start == m_end)
                m_end = characterAfter(m_end);
            replace(m_start, m_end - m_start, {});
            QCOMPARE(m_kid->richy->SelStart(), indexOf(m_start));
            break;
        case KidPaste:
            m_kid->kidPaste(QString::fromUtf8(fragment));
            replace(m_start, m_end - m_start, pageBreaks(fragment));
            break;
        case Form:
            // A dialog that edits a tag gives the tag's old text and place.
            m_kid->kidPaste(QString::fromUtf8(fragment), QString::fromUtf8(m_model.mid(m_start, m_end - m_start)),
                            indexOf(m_start));
            replace(m_start, m_end - m_start, pageBreaks(fragment));
            break;
        case Tab:
            QTest::keyClick(m_kid->richy, Qt::Key_Tab);
            replace(m_start, m_end - m_start, m_kid->tabString().toUtf8());
            break;
        case Compose: {
            // An input method composes a text piece by piece, then commits it
            // or (one time in three) gives up.
            const QString text = QString::fromUtf8(typed[m_random.bounded(7)]) + "ñ";
            const bool commit = m_random.bounded(3) != 0;
            for (qsizetype length = 1; length <= text.size(); ++length) {
                QInputMethodEvent composing(text.left(length), {});
                QCoreApplication::sendEvent(m_kid->richy, &composing);
            }
            QInputMethodEvent done(QString(), {});
            done.setCommitString(commit ? text : QString());
            QCoreApplication::sendEvent(m_kid->richy, &done);
            if (commit)
                replace(m_start, m_end - m_start, text.toUtf8());
            break;
        }
        case Cut:
        case Copy: {
            // Cutting nothing would leave the clipboard as it was.
            const bool cut = m_kind == Cut && m_end > m_start;
            QTest::keyClick(m_kid->richy, cut ? Qt::Key_X : Qt::Key_C, Qt::ControlModifier);
            QCOMPARE(m_services->clipboard.text().toUtf8(), m_model.mid(m_start, m_end - m_start));
            if (cut)
                replace(m_start, m_end - m_start, {});
            else if (m_end > m_start) {
                m_kid->richy->copy();
                QCOMPARE(QGuiApplication::clipboard()->text().toUtf8(), m_model.mid(m_start, m_end - m_start));
            }
            break;
        }
        case Paste:
            if (m_random.bounded(3) == 0)
                m_services->clipboard.setText(QString::fromUtf8("from elsewhere é\nand 😀\r\n"));
            QTest::keyClick(m_kid->richy, Qt::Key_V, Qt::ControlModifier);
            replace(m_start, m_end - m_start, pageBreaks(m_services->clipboard.text().toUtf8()));
            break;
        case Macro: {
            // A macro key writes at the caret what it writes on a page that
            // holds only the selected text.
            const Qt::Key keys[] = {Qt::Key_T, Qt::Key_B, Qt::Key_A, Qt::Key_Q, Qt::Key_G};
            const Qt::Key key = keys[m_random.bounded(5)];
            const Qt::KeyboardModifiers modifiers =
                m_random.bounded(2) ? Qt::ControlModifier : Qt::ControlModifier | Qt::ShiftModifier;
            frmKid *reference = m_frame->page(m_model.mid(m_start, m_end - m_start));
            reference->richy->setLineBreak(QString::fromLatin1(m_break));
            reference->richy->select(0, reference->richy->textLength());
            QTest::keyClick(reference->richy, key, modifiers);
            const QByteArray written = reference->richy->textBytes().toByteArray();
            reference->richy->setDataChanged(false);
            reference->close();
            QTest::keyClick(m_kid->richy, key, modifiers);
            replace(m_start, m_end - m_start, written);
            break;
        }
        case Word: {
            // Word moves go where they go on a page without display lines.
            const bool right = m_random.bounded(2);
            const qsizetype from = m_kid->richy->SelStart() - m_focusIndex;
            frmKid *reference = m_frame->page(m_model.mid(m_focus, m_focusEnd - m_focus));
            reference->richy->setSelStart(from);
            QTest::keyClick(reference->richy, right ? Qt::Key_Right : Qt::Key_Left, Qt::ControlModifier);
            const qsizetype expected = reference->richy->SelStart();
            const qsizetype windowEnd = reference->richy->textLength();
            reference->close();
            m_kid->richy->setSelStart(m_kid->richy->SelStart());
            QTest::keyClick(m_kid->richy, right ? Qt::Key_Right : Qt::Key_Left, Qt::ControlModifier);
            // Where the window ends, the page itself may go on.
            const qsizetype moved = m_kid->richy->SelStart() - m_focusIndex;
            if (expected == 0 || expected == windowEnd)
                QVERIFY(expected == 0 ? moved <= 0 : moved >= windowEnd);
            else
                QCOMPARE(moved, expected);
            break;
        }
        default: {
            // A step moves over one character of the page, whatever it shows.
            const bool right = m_random.bounded(2);
            m_kid->richy->setSelStart(m_kid->richy->SelStart());
            QTest::keyClick(m_kid->richy, right ? Qt::Key_Right : Qt::Key_Left);
            const qsizetype to = right ? characterAfter(m_start) : characterBefore(m_start);
            QCOMPARE(m_kid->richy->SelStart(), indexOf(to));
            break;
        }
        }
    }

    // The control holds the page and display breaks: single LFs between two
    // characters of a line, never beside a line end, each ending a display
    // line of at most twice the display width.
    void checkDisplayBreaks() const
    {
        const auto *shown = reinterpret_cast<const char *>(
            m_kid->richy->SendScintilla(QsciScintilla::SCI_GETCHARACTERPOINTER));
        const long length = m_kid->richy->SendScintilla(QsciScintilla::SCI_GETLENGTH);
        const auto isEnd = [](char c) { return c == '\n' || c == '\r'; };
        qsizetype page = 0;
        qsizetype displayLine = 0;
        bool broken = false;
        for (long at = 0; at < length; ++at) {
            if (page < m_model.size() && shown[at] == m_model.at(page)) {
                if (isEnd(m_model.at(page++))) {
                    QVERIFY(!broken || displayLine <= 244);
                    displayLine = 0;
                    broken = false;
                } else {
                    ++displayLine;
                }
                continue;
            }
            QCOMPARE(shown[at], '\n');
            QVERIFY(page > 0 && page < m_model.size());
            QVERIFY(!isEnd(m_model.at(page - 1)) && !isEnd(m_model.at(page)));
            QVERIFY((uchar(m_model.at(page)) & 0xC0) != 0x80);
            QVERIFY(displayLine >= 30 && displayLine <= 244);
            displayLine = 0;
            broken = true;
        }
        QCOMPARE(page, m_model.size());
    }

    // A window of the page where the next actions happen, and its index.
    void refocus()
    {
        m_focus = boundary(m_random.bounded(int(m_model.size() - 4096)));
        m_focusEnd = boundary(m_focus + 4096);
        m_focusIndex = units(QByteArrayView(m_model).first(m_focus));
    }

    // Selects a few characters in the window, across display lines, or puts
    // the caret there; half of the time at the end of a display line.
    void select()
    {
        m_start = boundary(m_focus + 512 + m_random.bounded(3072), true);
        m_end = m_random.bounded(3) ? m_start : boundary(m_start + m_random.bounded(300), true);
        m_kid->richy->select(indexOf(m_start), indexOf(m_end) - indexOf(m_start));
        if (m_start == m_end && m_random.bounded(2)) {
            QTest::keyClick(m_kid->richy, m_random.bounded(2) ? Qt::Key_End : Qt::Key_Home);
            // A line that is not shown broken may end outside the window.
            const qsizetype caret = m_kid->richy->SelStart();
            if (caret >= indexOf(m_focus + 256) && caret <= indexOf(m_focusEnd - 256))
                m_start = m_end = byteOf(caret);
            else
                m_kid->richy->setSelStart(indexOf(m_start));
        }
        QCOMPARE(m_kid->richy->SelText().toUtf8(), m_model.mid(m_start, m_end - m_start));
    }

    qsizetype indexOf(qsizetype byte) const
    {
        return m_focusIndex + units(QByteArrayView(m_model).sliced(m_focus, byte - m_focus));
    }

    qsizetype byteOf(qsizetype index) const
    {
        qsizetype byte = m_focus;
        for (qsizetype unit = m_focusIndex; unit < index; ++unit) {
            if (uchar(m_model.at(byte)) >= 0xF0)
                ++unit;
            byte = characterAfter(byte, false);
        }
        return byte;
    }

    // The start of the character at or before \a byte, inside a CRLF only if
    // \a inBreak: typing there splits the line break in two.
    qsizetype boundary(qsizetype byte, bool inBreak = false) const
    {
        while (byte > 0 && (uchar(m_model.at(byte)) & 0xC0) == 0x80)
            --byte;
        return !inBreak && byte > 0 && m_model.at(byte) == '\n' && m_model.at(byte - 1) == '\r' ? byte - 1 : byte;
    }

    qsizetype characterAfter(qsizetype byte, bool lineBreakAsOne = true) const
    {
        if (byte >= m_model.size())
            return byte;
        if (lineBreakAsOne && m_model.sliced(byte).startsWith("\r\n"))
            return byte + 2;
        do
            ++byte;
        while (byte < m_model.size() && (uchar(m_model.at(byte)) & 0xC0) == 0x80);
        return byte;
    }

    qsizetype characterBefore(qsizetype byte) const { return byte == 0 ? 0 : boundary(byte - 1); }

    QByteArray pageBreaks(QByteArray text) const
    {
        return text.replace("\r\n", "\n").replace('\r', '\n').replace("\n", m_break);
    }

    void replace(qsizetype at, qsizetype length, const QByteArray &text)
    {
        m_edit = {at, m_model.mid(at, length), text};
        m_model.replace(at, length, text);
    }

    void apply(const Edit &edit, bool undo)
    {
        m_model.replace(edit.at, (undo ? edit.inserted : edit.removed).size(), undo ? edit.removed : edit.inserted);
    }

    QRandomGenerator m_random;
    TestFrame *m_frame = nullptr;
    FakeServices *m_services = nullptr;
    frmKid *m_kid = nullptr;
    QByteArray m_break;
    QByteArray m_model;
    std::vector<Edit> m_edits;
    Edit m_edit;
    int m_kind = 0;
    qsizetype m_focus = 0;
    qsizetype m_focusEnd = 0;
    qsizetype m_focusIndex = 0;
    qsizetype m_start = 0;
    qsizetype m_end = 0;
};

QTEST_MAIN(tst_LongLines)
#include "tst_longlines.moc"
