// Zevora tests - thousands of random user actions, then undo and redo all of them.
#include "FakeHost.h"
#include "FakeServices.h"
#include "TestSettings.h"

#include "frmKid.h"
#include "richy.h"

#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QMdiArea>
#include <QRandomGenerator>
#include <QTest>

namespace {
const QStringList kFragments = {
    "a", "Z", " ", "é", "€", QString::fromUtf8("😀"), "<BR>", "|^|", "\r\n", "x\r\ny", "ß", "\t", "<p>é</p>",
};
} // namespace

class tst_UndoRandom : public QObject
{
    Q_OBJECT

private slots:
    void randomActionsUndoAndRedoExactly_data()
    {
        QTest::addColumn<quint32>("seed");
        QTest::addColumn<QByteArray>("lineBreak");
        QTest::addColumn<int>("lines");
        QTest::addColumn<int>("lineRepeat");
        QTest::addRow("CRLF page, seed 1") << quint32(1) << QByteArray("\r\n") << 40 << 1;
        QTest::addRow("LF page, seed 77") << quint32(77) << QByteArray("\n") << 40 << 1;
        QTest::addRow("LF page of long lines, seed 5") << quint32(5) << QByteArray("\n") << 3 << 400;
    }

    void randomActionsUndoAndRedoExactly()
    {
        QFETCH(quint32, seed);
        QFETCH(QByteArray, lineBreak);
        QFETCH(int, lines);
        QFETCH(int, lineRepeat);
        TestSettings settings;
        FakeServices services;
        services.sound.available = false;
        services.clipboard.setText(QString::fromUtf8("clip é 😀\r\n"));
        FakeHost host;
        QMdiArea area;
        m_kid = new frmKid(&host);
        area.addSubWindow(m_kid);
        m_random.seed(seed);

        QByteArray page;
        for (int line = 0; line < lines; ++line)
            page += QByteArray("<p>Line " + QByteArray::number(line) + " café € " + (line % 7 ? "" : "😀") + "</p>")
                        .repeated(lineRepeat) +
                    lineBreak;
        m_kid->richy->loadText(page);

        // history[k] is the text with k steps on the undo stack.
        QStringList history{QString::fromUtf8(page)};
        for (int i = 0; i < 3000; ++i) {
            const qsizetype levelBefore = m_kid->undoStack().stackLevel();
            act();
            const qsizetype level = m_kid->undoStack().stackLevel();
            if (level > levelBefore && m_lastAction != "redo") {
                history.resize(levelBefore + 1);
                history.append(m_kid->richy->Text());
                QCOMPARE(level, levelBefore + 1);
            }
            QVERIFY2(level < history.size(), qPrintable(m_lastAction));
            QCOMPARE(m_kid->richy->textLength(), m_kid->richy->Text().size());
            QVERIFY2(m_kid->richy->Text() == history.at(level),
                     qPrintable(QString("action %1 (%2) left an unexpected text").arg(i).arg(m_lastAction)));
        }

        while (m_kid->checkUndoFromTop())
            m_kid->cmdUndo_Click();
        QCOMPARE(m_kid->richy->Text(), history.first());
        while (m_kid->checkRedoFromTop())
            m_kid->cmdRedo_Click();
        QCOMPARE(m_kid->richy->Text(), history.last());
        QCOMPARE(m_kid->undoStack().stackLevel(), history.size() - 1);
    }

private:
    void act()
    {
        const QString fragment = kFragments.at(m_random.bounded(int(kFragments.size())));
        switch (m_random.bounded(16)) {
        case 0:
        case 1:
            m_lastAction = "type";
            randomSelection();
            typeText(fragment == "\r\n" || fragment.contains('\r') ? QString("q") : fragment.left(2));
            break;
        case 2:
            m_lastAction = "enter";
            randomSelection();
            QTest::keyClick(m_kid->richy, Qt::Key_Return);
            break;
        case 3:
            m_lastAction = "backspace";
            randomSelection();
            QTest::keyClick(m_kid->richy, Qt::Key_Backspace);
            break;
        case 4:
            m_lastAction = "delete";
            randomSelection();
            QTest::keyClick(m_kid->richy, Qt::Key_Delete);
            break;
        case 5:
            m_lastAction = "kidPaste";
            randomSelection();
            m_kid->kidPaste(fragment);
            break;
        case 6: {
            m_lastAction = "replace form";
            const qsizetype start = randomPosition();
            const QString text = m_kid->richy->Text();
            qsizetype length = std::min<qsizetype>(m_random.bounded(6), text.size() - start);
            if (start + length < text.size() && length > 0 && text.at(start + length).isLowSurrogate())
                --length;
            m_kid->kidPaste(fragment, text.mid(start, length), start);
            break;
        }
        case 7:
            m_lastAction = "cut";
            randomSelection();
            QTest::keyClick(m_kid->richy, Qt::Key_X, Qt::ControlModifier);
            break;
        case 8:
            m_lastAction = "paste";
            randomSelection();
            QTest::keyClick(m_kid->richy, Qt::Key_V, Qt::ControlModifier);
            break;
        case 9:
            m_lastAction = "tab";
            randomSelection();
            QTest::keyClick(m_kid->richy, Qt::Key_Tab);
            break;
        case 10: {
            m_lastAction = "macro";
            randomSelection();
            const Qt::Key keys[] = {Qt::Key_T, Qt::Key_B, Qt::Key_A, Qt::Key_Q, Qt::Key_G};
            const Qt::KeyboardModifiers modifiers =
                m_random.bounded(2) ? Qt::ControlModifier : Qt::ControlModifier | Qt::ShiftModifier;
            QTest::keyClick(m_kid->richy, keys[m_random.bounded(5)], modifiers);
            break;
        }
        case 11: {
            m_lastAction = "whole text";
            m_kid->preReplace();
            QString text = m_kid->richy->Text();
            text.replace(QString::fromUtf8("é"), QString::fromUtf8("É"));
            text.append(fragment);
            m_kid->richy->replaceAllUnrecorded(text);
            m_kid->repChange();
            break;
        }
        case 12: {
            // An input method composes the fragment piece by piece, then commits
            // it or (one time in three) gives up.
            m_lastAction = "input method";
            randomSelection();
            const bool commit = m_random.bounded(3) != 0;
            for (qsizetype length = 1; length <= fragment.size() + (commit ? 0 : 1); ++length) {
                const QString preedit = fragment.left(length) + (length > fragment.size() ? "x" : "");
                QInputMethodEvent composing(preedit, {});
                QCoreApplication::sendEvent(m_kid->richy, &composing);
            }
            QInputMethodEvent done(QString(), {});
            done.setCommitString(commit ? fragment : QString());
            QCoreApplication::sendEvent(m_kid->richy, &done);
            break;
        }
        case 13:
        case 14:
            m_lastAction = "undo";
            m_kid->cmdUndo_Click();
            break;
        default:
            m_lastAction = "redo";
            m_kid->cmdRedo_Click();
            break;
        }
    }

    qsizetype randomPosition()
    {
        const QString text = m_kid->richy->Text();
        qsizetype pos = m_random.bounded(int(text.size() + 1));
        // Never between the halves of a surrogate pair.
        if (pos > 0 && pos < text.size() && text.at(pos).isLowSurrogate())
            --pos;
        return pos;
    }

    void randomSelection()
    {
        const qsizetype start = randomPosition();
        qsizetype end = randomPosition();
        if (m_random.bounded(3) == 0)
            end = start;
        m_kid->richy->select(std::min(start, end), std::abs(end - start));
    }

    void typeText(const QString &text)
    {
        QKeyEvent press(QEvent::KeyPress, Qt::Key_A, Qt::NoModifier, text);
        QCoreApplication::sendEvent(m_kid->richy, &press);
    }

    QRandomGenerator m_random;
    frmKid *m_kid = nullptr;
    QString m_lastAction;
};

QTEST_MAIN(tst_UndoRandom)
#include "tst_undo_random.moc"
