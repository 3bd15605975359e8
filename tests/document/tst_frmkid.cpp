// Zevora tests - the document window: recording, undo and redo, keys, closing.
#include "FakeHost.h"
#include "FakeServices.h"
#include "TestSettings.h"

#include "CRegSettings.h"
#include "frmKid.h"
#include "richy.h"

#include <QClipboard>
#include <QDrag>
#include <QGuiApplication>
#include <QInputMethodEvent>
#include <QMdiArea>
#include <QMimeData>
#include <QPointer>
#include <QTest>
#include <QTimer>

using namespace Platform;

class tst_frmKid : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        m_settings = std::make_unique<TestSettings>();
        m_services = std::make_unique<FakeServices>();
        m_services->sound.available = false;
        m_host = FakeHost{};
        m_area = std::make_unique<QMdiArea>();
        m_kid = newPage();
    }

    void cleanup()
    {
        m_services->messages.allowUnscripted(true);
        m_area.reset();
        m_services.reset();
        m_settings.reset();
    }

    void keysAreRecordedAsOneStepEach_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("caret");
        QTest::addColumn<int>("selection");
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("modifiers");
        QTest::addColumn<EditStep>("step"); // start -2: nothing recorded
        QTest::addColumn<int>("caretAfter");
        const int ctrl = Qt::ControlModifier;
        const int ctrlShift = Qt::ControlModifier | Qt::ShiftModifier;
        const EditStep none{-2, "", ""};
        const auto row = [](const char *name, const QString &text, int caret, int selection, int key,
                            int modifiers, const EditStep &step, int caretAfter) {
            QTest::newRow(name) << text << caret << selection << key << modifiers << step << caretAfter;
        };
        row("typing over a selection", "one two three", 4, 3, Qt::Key_2, 0, {4, "two", "2"}, 5);
        row("Enter", "ab", 1, 0, Qt::Key_Return, 0, {1, "", "\r\n"}, 3);
        row("Tab inserts the tab string", "ab", 1, 0, Qt::Key_Tab, 0, {1, "", "    "}, 5);
        row("Shift+Tab is Tab too", "ab", 1, 0, Qt::Key_Backtab, Qt::ShiftModifier, {1, "", "    "}, 5);
        row("Backspace at the start", "abc", 0, 0, Qt::Key_Backspace, 0, none, 0);
        row("Backspace after abc", "abc", 3, 0, Qt::Key_Backspace, 0, {2, "c", ""}, 2);
        row("Backspace over a selection", "abcdef", 1, 3, Qt::Key_Backspace, 0, {1, "bcd", ""}, 1);
        row("Backspace over a line break", "a\r\nb", 3, 0, Qt::Key_Backspace, 0, {1, "\r\n", ""}, 1);
        row("Backspace over an emoji", QString::fromUtf8("x😀y"), 3, 0, Qt::Key_Backspace, 0,
            {1, QString::fromUtf8("😀"), ""}, 1);
        row("Delete before a character", "abc", 1, 0, Qt::Key_Delete, 0, {1, "b", ""}, 1);
        row("Delete at the end", "abc", 3, 0, Qt::Key_Delete, 0, none, 3);
        row("Ctrl+T replaces the selection", "xabcy", 1, 3, Qt::Key_T, ctrl, {1, "abc", "<TABLE>"}, 8);
        row("Ctrl+Shift+T", "xabcy", 1, 3, Qt::Key_T, ctrlShift, {1, "abc", "</TABLE>"}, 9);
        row("Ctrl+Shift+B inserts nothing", "xabcy", 1, 3, Qt::Key_B, ctrlShift, none, 1);
        row("Ctrl+Alt+T inserts nothing", "xabcy", 1, 3, Qt::Key_T, ctrl | Qt::AltModifier, none, 1);
        row("Ctrl+Z inserts nothing", "xabcy", 1, 3, Qt::Key_Z, ctrl, none, 1);
        row("Ctrl+5 inserts nothing", "xabcy", 1, 3, Qt::Key_5, ctrl, none, 1);
        row("Ctrl+End moves and inserts nothing", "xabcy", 1, 3, Qt::Key_End, ctrl, none, 5);
        // The clipboard holds "clip" before each key.
        row("Ctrl+C copies", "xabcy", 1, 3, Qt::Key_C, ctrl, none, 1);
        row("Ctrl+X cuts", "xabcy", 1, 3, Qt::Key_X, ctrl, {1, "abc", ""}, 1);
        row("Ctrl+V pastes", "xabcy", 1, 3, Qt::Key_V, ctrl, {1, "abc", "clip"}, 5);
    }

    void keysAreRecordedAsOneStepEach()
    {
        QFETCH(QString, text);
        QFETCH(int, caret);
        QFETCH(int, selection);
        QFETCH(int, key);
        QFETCH(int, modifiers);
        QFETCH(EditStep, step);
        QFETCH(int, caretAfter);
        m_kid->richy->loadText(text.toUtf8());
        m_kid->richy->select(caret, selection);
        m_services->clipboard.setText("clip");
        QTest::keyClick(m_kid->richy, Qt::Key(key), Qt::KeyboardModifiers(modifiers));
        QCOMPARE(m_kid->richy->SelStart(), caretAfter);
        if (key == Qt::Key_C || key == Qt::Key_X) {
            QCOMPARE(m_services->clipboard.text(), text.mid(caret, selection));
            QVERIFY(m_host.tools[Tool::Paste]);
        }
        if (step.start == -2) {
            QCOMPARE(m_kid->richy->Text(), text);
            QVERIFY(m_kid->undoStack().isEmpty());
            return;
        }
        QCOMPARE(m_kid->undoStack().stackLevel(), 1);
        QCOMPARE(m_kid->undoStack().top(), step);
        const QString after = QString(text).replace(step.start, step.first.size(), step.second);
        QCOMPARE(m_kid->richy->Text(), after);
        QVERIFY(m_kid->richy->DataChanged() && m_host.tools[Tool::Save] && m_host.tools[Tool::Undo]);
        m_kid->cmdUndo_Click();
        QCOMPARE(m_kid->richy->Text(), text);
        QVERIFY(!m_host.tools[Tool::Undo] && m_host.tools[Tool::Redo] && m_kid->richy->DataChanged());
        // Redo puts the caret behind the text it puts back.
        m_kid->cmdRedo_Click();
        QCOMPARE(m_kid->richy->Text(), after);
        QCOMPARE(m_kid->richy->SelStart(), caretAfter);
        QVERIFY(!m_host.tools[Tool::Redo] && m_host.tools[Tool::Undo]);
        // A new edit leaves nothing to redo.
        m_kid->cmdUndo_Click();
        QTest::keyClicks(m_kid->richy, "X");
        QVERIFY(!m_host.tools[Tool::Redo]);
    }

    // A whole-text change given up half way puts the text back, and changes
    // are recorded one by one again.
    void aWholeTextChangeGivenUpPutsTheTextBack()
    {
        m_kid->richy->loadText("red green red");
        m_kid->preReplace();
        m_kid->richy->replaceAllUnrecorded("half");
        m_kid->cancelReplace();
        QCOMPARE(m_kid->richy->Text(), QString("red green red"));
        QVERIFY(m_kid->undoStack().isEmpty());
        m_kid->richy->setSelStart(13);
        QTest::keyClicks(m_kid->richy, "?");
        QCOMPARE(m_kid->undoStack().top(), (EditStep{13, "", "?"}));
    }

    void aNulCharacterIsKeptByEveryPath()
    {
        const QString nul(QChar(0));
        m_kid->richy->loadText(QByteArray("ab\0cd", 5));
        QCOMPARE(m_kid->richy->Text(), "ab" + nul + "cd");
        QCOMPARE(m_kid->richy->textLength(), 5);

        m_kid->richy->select(1, 3);
        QTest::keyClick(m_kid->richy, Qt::Key_X, Qt::ControlModifier);
        QCOMPARE(m_services->clipboard.text(), "b" + nul + "c");
        QCOMPARE(m_kid->undoStack().top(), (EditStep{1, "b" + nul + "c", ""}));
        QTest::keyClick(m_kid->richy, Qt::Key_End, Qt::ControlModifier);
        QTest::keyClick(m_kid->richy, Qt::Key_V, Qt::ControlModifier);
        m_kid->kidPaste("<" + nul + ">");
        QCOMPARE(m_kid->richy->Text(), "adb" + nul + "c<" + nul + ">");

        // The control's own copy (and drag) carries the whole selection.
        m_kid->richy->select(2, 3);
        m_kid->richy->SendScintilla(QsciScintillaBase::SCI_COPY);
        QCOMPARE(QGuiApplication::clipboard()->text(), "b" + nul + "c");

        // A selection with a NUL dragged within the page moves whole, as one
        // step. The drop comes while the page's own drag is under way.
        QVERIFY(showArea());
        QWidget *viewport = m_kid->richy->viewport();
        m_kid->richy->select(2, 3);
        bool dropped = false;
        QTimer::singleShot(0, viewport, [&] {
            auto *drag = m_kid->richy->findChild<QDrag *>();
            QVERIFY(drag);
            QDragEnterEvent enter(pointOf(0), Qt::MoveAction, drag->mimeData(), Qt::LeftButton,
                                  Qt::NoModifier);
            QCoreApplication::sendEvent(viewport, &enter);
            QDropEvent drop(pointOf(0), Qt::MoveAction, drag->mimeData(), Qt::LeftButton, Qt::NoModifier);
            QCoreApplication::sendEvent(viewport, &drop);
            dropped = true;
            QDrag::cancel();
        });
        QTest::mousePress(viewport, Qt::LeftButton, {}, pointOf(3));
        QMouseEvent move(QEvent::MouseMove, pointOf(0), viewport->mapToGlobal(pointOf(0)), Qt::NoButton,
                         Qt::LeftButton, {});
        QCoreApplication::sendEvent(viewport, &move);
        QTRY_VERIFY(dropped);
        QCOMPARE(m_kid->richy->Text(), "b" + nul + "cad<" + nul + ">");
        QCOMPARE(m_kid->undoStack().top(), (EditStep{0, "adb" + nul + "c", "b" + nul + "cad"}));

        while (m_kid->checkUndoFromTop())
            m_kid->cmdUndo_Click();
        QCOMPARE(m_kid->richy->Text(), "ab" + nul + "cd");
    }

    // Each event is "commit|preedit" (the preedit's cursor at its end), or a key.
    void inputMethodsLeaveOnlyTheCommittedText_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("start");
        QTest::addColumn<int>("length");
        QTest::addColumn<QStringList>("events");
        QTest::addColumn<QString>("expected");
        QTest::addColumn<int>("steps");
        QTest::addColumn<EditStep>("last");
        QTest::addRow("Japanese kana to kanji")
            << "ab" << 1 << 0
            << QStringList{"|n", "|に", "|にh", "|にほ", "|にほn", "|にほん", "|日本", "日本|"} << "a日本b"
            << 1 << EditStep{1, "", "日本"};
        QTest::addRow("Chinese pinyin") << "ab" << 2 << 0 << QStringList{"|zh", "|zhong", "|中", "中|"}
                                        << "ab中" << 1 << EditStep{2, "", "中"};
        QTest::addRow("Korean syllable by syllable")
            << "" << 0 << 0 << QStringList{"|ㅎ", "|하", "|한", "한|ㄱ", "|그", "|글", "글|"} << "한글" << 2
            << EditStep{1, "", "글"};
        QTest::addRow("a dead key") << "caf" << 3 << 0 << QStringList{"|´", "é|"} << "café" << 1
                                    << EditStep{3, "", "é"};
        QTest::addRow("over a selection") << "one two three" << 4 << 3 << QStringList{"|n", "|に", "に|"}
                                          << "one に three" << 1 << EditStep{4, "two", "に"};
        QTest::addRow("cancelled") << "one two" << 4 << 3 << QStringList{"|n", "|に", "|"} << "one two" << 0
                                   << EditStep{};
        QTest::addRow("a macro key while composing")
            << "ab" << 1 << 0 << QStringList{"|に", "Ctrl+B", "|に", "に|"} << "a<BR>にb" << 2
            << EditStep{5, "", "に"};
    }

    void inputMethodsLeaveOnlyTheCommittedText()
    {
        QFETCH(QString, text);
        QFETCH(int, start);
        QFETCH(int, length);
        QFETCH(QStringList, events);
        QFETCH(int, steps);
        m_kid->richy->loadText(text.toUtf8());
        m_kid->richy->select(start, length);
        for (const QString &event : events) {
            if (event == "Ctrl+B") {
                // The key alone, as an input method lets it through.
                QKeyEvent press(QEvent::KeyPress, Qt::Key_B, Qt::ControlModifier);
                QCoreApplication::sendEvent(m_kid->richy, &press);
                continue;
            }
            const QString commit = event.section('|', 0, 0);
            const QString preedit = event.section('|', 1);
            QInputMethodEvent composing(
                preedit, {QInputMethodEvent::Attribute(QInputMethodEvent::Cursor, int(preedit.size()), 1)});
            composing.setCommitString(commit);
            QCoreApplication::sendEvent(m_kid->richy, &composing);
        }
        QTEST(m_kid->richy->Text(), "expected");
        QCOMPARE(m_kid->undoStack().stackLevel(), steps);
        QCOMPARE(m_kid->richy->DataChanged(), steps > 0);
        if (steps == 0) {
            QCOMPARE(m_kid->richy->SelStart(), start);
            QCOMPARE(m_kid->richy->SelLength(), length);
            return;
        }
        QTEST(m_kid->undoStack().top(), "last");
        while (m_kid->checkUndoFromTop())
            m_kid->cmdUndo_Click();
        QCOMPARE(m_kid->richy->Text(), text);
    }

    void pastedLineBreaksTakeThePageEnding_data()
    {
        QTest::addColumn<QString>("page");
        QTest::addColumn<QString>("expected");
        QTest::addRow("CRLF page") << "a\r\nb"
                                   << "1\r\n2\r\n3\r\n\r\n4a\r\nb";
        QTest::addRow("LF page") << "a\nb"
                                 << "1\n2\n3\n\n4a\nb";
        QTest::addRow("CR page") << "a\rb"
                                 << "1\r2\r3\r\r4a\rb";
    }

    void pastedLineBreaksTakeThePageEnding()
    {
        QFETCH(QString, page);
        m_kid->richy->loadText(page.toUtf8());
        m_services->clipboard.setText("1\r\n2\n3\r\n\r4");
        m_kid->kidPaste();
        QTEST(m_kid->richy->Text(), "expected");
    }

    void modifierDragsSelectAStreamOfText_data()
    {
        QTest::addColumn<Qt::KeyboardModifiers>("modifiers");
        QTest::addRow("Ctrl") << Qt::KeyboardModifiers(Qt::ControlModifier);
        QTest::addRow("Alt") << Qt::KeyboardModifiers(Qt::AltModifier);
        QTest::addRow("Ctrl+Alt") << (Qt::ControlModifier | Qt::AltModifier);
    }

    void modifierDragsSelectAStreamOfText()
    {
        QFETCH(Qt::KeyboardModifiers, modifiers);
        m_kid->richy->loadText("first line\r\nsecond line\r\nthird line\r\n");
        QVERIFY(showArea());
        QWidget *viewport = m_kid->richy->viewport();
        QTest::mousePress(viewport, Qt::LeftButton, modifiers, pointOf(2));
        QMouseEvent move(QEvent::MouseMove, pointOf(27), viewport->mapToGlobal(pointOf(27)), Qt::NoButton,
                         Qt::LeftButton, modifiers);
        QCoreApplication::sendEvent(viewport, &move);
        QTest::mouseRelease(viewport, Qt::LeftButton, modifiers, pointOf(27));
        QCOMPARE(m_kid->richy->SendScintilla(QsciScintillaBase::SCI_SELECTIONISRECTANGLE), 0);
        QCOMPARE(m_kid->richy->SendScintilla(QsciScintillaBase::SCI_GETSELECTIONS), 1);
        QCOMPARE(m_kid->richy->SelText(), QString("rst line\r\nsecond line\r\nth"));
        // Cut takes exactly what it puts on the clipboard.
        m_kid->kidCut();
        QCOMPARE(m_services->clipboard.text(), QString("rst line\r\nsecond line\r\nth"));
        QCOMPARE(m_kid->richy->Text(), QString("fiird line\r\n"));
    }

    void caretLabelShowsLineAndColumn()
    {
        m_kid->richy->loadText(QString::fromUtf8("first\r\nsé😀ond\r\n").toUtf8());
        m_kid->richy->setSelStart(11); // after "sé😀" on the second line
        QCOMPARE(m_host.caretText, QString("Line: 2  Column: 5"));
        m_kid->richy->setSelStart(0);
        QCOMPARE(m_host.caretText, QString("Line: 1  Column: 1"));
        QTest::keyClicks(m_kid->richy, "ab");
        QCOMPARE(m_host.caretText, QString("Line: 1  Column: 3"));
        m_kid->richy->setSelStart(12); // between the halves of the emoji
        QCOMPARE(m_host.caretText, QString("Line: 2  Column: 3"));
    }

    void theToolsAndTheEditMenuFollowThePage()
    {
        m_kid->richy->loadText("");
        m_kid->Form_Activate();
        for (int tool : {Tool::Spelling, Tool::Find, Tool::Replace})
            QVERIFY(!m_host.tools[tool]);
        QTest::keyClicks(m_kid->richy, "some text");
        for (int tool : {Tool::Spelling, Tool::Find, Tool::Replace})
            QVERIFY(m_host.tools[tool]);

        // The changed flag survives the activation of another page and back.
        frmKid *other = newPage("other");
        other->Form_Activate();
        QVERIFY(!m_host.tools[Tool::Save]);
        m_kid->Form_Activate();
        QVERIFY(m_kid->richy->DataChanged() && m_host.documentMenusEnabled);
        QVERIFY(m_host.tools[Tool::Save] && m_host.tools[Tool::Close] && m_host.tools[Tool::Undo]);

        // A right click opens the Edit menu with the page's state.
        m_kid->richy->select(0, 4);
        m_services->clipboard.setText("x");
        QContextMenuEvent event(QContextMenuEvent::Mouse, QPoint(5, 5), QPoint(50, 50));
        QCoreApplication::sendEvent(m_kid->richy, &event);
        QCOMPARE(m_host.menuPopups, 1);
        QVERIFY(m_host.lastMenu.cut && m_host.lastMenu.copy && m_host.lastMenu.deleteSelection);
        QVERIFY(m_host.lastMenu.paste && m_host.lastMenu.selectAll && m_host.lastMenu.undo &&
                !m_host.lastMenu.redo);
        m_kid->richy->setSelStart(0);
        m_services->clipboard.clear();
        QCoreApplication::sendEvent(m_kid->richy, &event);
        QVERIFY(!m_host.lastMenu.cut && !m_host.lastMenu.paste);
    }

    void settingsAreReadAtLoad()
    {
        CRegSettings settings;
        QVERIFY(settings.SaveRegSetting("font preferences", "font_Face", "DejaVu Sans"));
        QVERIFY(settings.SaveRegSetting("font preferences", "font_Size", "17"));
        QVERIFY(settings.SaveRegSetting("background", "bgColor", QString::number(0x204080)));
        QVERIFY(settings.SaveRegSetting("Tabs", "Length", "   "));
        frmKid *kid = newPage();
        QCOMPARE(kid->richy->font().family(), QString("DejaVu Sans"));
        QCOMPARE(kid->richy->font().pointSize(), 17);
        // Red is the low byte of the stored number.
        QCOMPARE(kid->richy->paper(), QColor(0x80, 0x40, 0x20));
        QCOMPARE(kid->tabString(), QString("   "));
    }

    void closingAsksUntilThePageIsSavedOrGivenUp()
    {
        m_kid->setWindowTitle(QString("index.htm") + QString(14, ' ') + "> Last Modified: whenever");
        QTest::keyClicks(m_kid->richy, "keep me");
        QPointer<frmKid> kid = m_kid;
        // Yes, and the save does not happen after all: the page stays as it was.
        m_services->messages.answerNext(MsgAnswer::Yes);
        QVERIFY(!kid->close());
        QCOMPARE(m_host.saveRequests.size(), 1);
        QVERIFY(m_host.closed.isEmpty());
        QCOMPARE(kid->richy->Text(), QString("keep me"));
        QVERIFY(kid->richy->DataChanged());

        m_services->messages.answerNext(MsgAnswer::No);
        m_services->sound.available = true;
        QVERIFY(kid->close());
        const MessageBox expected{"Zevora Note:",
                                  "index.htm has changed since last saved...(or has not yet been saved.)\n\n"
                                  "                     Would you like to save that file now?\n\n",
                                  MsgIcon::Question, MsgButtons::YesNo, true};
        QCOMPARE(m_services->messages.shown, (QList<MessageBox>{expected, expected}));
        QCOMPARE(m_host.saveRequests.size(), 1);
        QCOMPARE(m_host.closed.size(), 1);
        QCOMPARE(m_services->sound.played, (QList<FakeSoundService::Played>{{303, true}}));
        QTRY_VERIFY(kid.isNull());

        // An unchanged page closes without a word.
        QVERIFY(newPage("same")->close());
    }

    void maximisingAndMinimisingPlaySounds()
    {
        m_area->show();
        m_kid->show();
        QCoreApplication::processEvents();
        m_services->sound.available = true;
        m_kid->showMaximized();
        m_kid->showNormal();
        m_kid->showMinimized();
        QCOMPARE(m_services->sound.played, (QList<FakeSoundService::Played>{{301, true}, {302, true}}));
        // Nothing plays where the system has no sound.
        m_services->sound.available = false;
        m_kid->showMaximized();
        QCOMPARE(m_services->sound.played.size(), 2);
    }

private:
    frmKid *newPage(const QString &text = QString())
    {
        auto *kid = new frmKid(&m_host);
        m_area->addSubWindow(kid);
        kid->richy->loadText(text.toUtf8());
        return kid;
    }

    bool showArea()
    {
        m_area->resize(400, 300);
        m_area->show();
        return QTest::qWaitForWindowExposed(m_area.get());
    }

    // A point inside the character at \a pos of the shown page.
    QPoint pointOf(long pos) const
    {
        return QPoint(int(m_kid->richy->SendScintilla(QsciScintillaBase::SCI_POINTXFROMPOSITION, 0UL, pos)),
                      int(m_kid->richy->SendScintilla(QsciScintillaBase::SCI_POINTYFROMPOSITION, 0UL, pos)) +
                          3);
    }

    std::unique_ptr<TestSettings> m_settings;
    std::unique_ptr<FakeServices> m_services;
    std::unique_ptr<QMdiArea> m_area;
    FakeHost m_host;
    frmKid *m_kid = nullptr;
};

QTEST_MAIN(tst_frmKid)
#include "tst_frmkid.moc"
