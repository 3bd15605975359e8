// Zevora tests - the spell check: the words it reads in a page (markup passed
// over), and the check through tool 10 and the Spelling window's controls.
#include "TestControls.h"
#include "TestFrame.h"

#include "SpellScanner.h"
#include "frmSpell.h"
#include "mSpell.h"

#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>

using namespace Platform;

namespace {
const MessageBox kCompleted{"Zevora Note", "Spell Check Completed.", MsgIcon::None, MsgButtons::Ok, true};
const MessageBox kFailed{"Zevora Note", "Spell check  failed.\nIf problem persists, please contact Support.",
                         MsgIcon::Exclamation, MsgButtons::Ok, true};
} // namespace

class tst_frmSpell : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        m_test = std::make_unique<TestFrame>();
        m_services = &m_test->services;
        m_services->messages.allowUnscripted(true);
        m_services->spelling.known = {"cat", "the", "ok", "a", "b"};
        m_test->frame.show();
    }

    void cleanup() { m_test.reset(); }

    void yieldsTheWordsPeopleRead_data()
    {
        QTest::addColumn<QString>("page");
        QTest::addColumn<int>("begin");
        QTest::addColumn<int>("end");
        // Each word as it is checked, after "=" its text in the page where that differs.
        QTest::addColumn<QStringList>("words");

        const auto row = [](const char *name, const QString &page, const QStringList &words, int begin = 0,
                            int end = -1) { QTest::addRow("%s", name) << page << begin << end << words; };
        row("attribute values: alt and title read, others not",
            "<img class=\"teh\" src=x.gif alt=\"A cat\" title='Big > dog' width=5><a href=wrld TITLE=Hi "
            "class=zz>in</a>",
            {"A", "cat", "Big", "dog", "Hi", "in"});
        row("script and style in any letter case, one left open",
            "one<SCRIPT type=\"x\">var wrongg = '</b>';</sCrIpT >two<style>p {colr: "
            "red}</STYLE>three<script>nevr",
            {"one", "two", "three"});
        row("comments, server blocks and declarations",
            "a<!-- hiden -->b<!--#include file=\"x\" -->c<% dim qq %>d<?php echo zz ?>e<!DOCTYPE html>f<!-- "
            "open",
            {"a", "b", "c", "d", "e", "f"});
        row("a < that starts no tag is text", "a < b and x<3 y</p>z", {"a", "b", "and", "x", "y", "z"});
        row("character references",
            "caf&eacute; don&#39;t it&#x2019;s &Omega;mega a&nbsp;b c&foo;d e & f &amp;g h&#8364;i",
            {"café=caf&eacute;", "don't=don&#39;t", "it’s=it&#x2019;s", "Ωmega=&Omega;mega", "a", "b", "c",
             "d", "e", "f", "g", "h", "i"});
        row("apostrophes, hyphens, digits and other signs",
            "'quoted' rock'n'roll well-known 3rd abc123 snake_case l’été smile😀face naïve",
            {"quoted", "rock'n'roll", "well", "known", "l’été", "smile", "face", "naïve"});
        row("web and e-mail addresses",
            "see http://exampel.com/pathh and www.exampel.org, mail jon@exampel.com or "
            "mailto:x@y.z now",
            {"see", "and", "mail", "or", "now"});
        row("a range starting inside a tag's read value", "<a title=\"Hello wrld\" href=\"x y\">text</a>",
            {"wrld", "text"}, 16);
        row("a range cuts the words at its edges", "hello world again", {"llo", "wo"}, 2, 8);
        row("edges inside references keep whole characters", "caf&eacute;s na&iuml;ve", {"s", "na"}, 6, 18);
    }

    void yieldsTheWordsPeopleRead()
    {
        QFETCH(QString, page);
        QFETCH(int, begin);
        QFETCH(int, end);
        QFETCH(QStringList, words);

        QStringList found;
        SpellScanner scanner(page, begin, end);
        for (SpellScanner::Word word; scanner.next(word);) {
            const QString span = page.mid(word.start, word.length);
            found.append(span == word.text ? span : word.text.toString() + u'=' + span);
        }
        QCOMPARE(found, words);
    }

    void eachAnswerLeavesItsText_data()
    {
        QTest::addColumn<QString>("page");
        // Each answer: a button's name with the text typed into Change To first
        // ("cmdChange:the"), or a click on suggestion N then Change ("pick:N"), or a
        // double-click on it ("double:N").
        QTest::addColumn<QStringList>("answers");
        QTest::addColumn<QStringList>("stops");
        QTest::addColumn<QString>("after");

        const auto row = [](const char *name, const QString &page, const QStringList &answers,
                            const QStringList &stops, const QString &after) {
            QTest::newRow(name) << page << answers << stops << after;
        };
        row("Ignore", "teh cat teh", {"cmdIgnore", "cmdIgnore"}, {"teh", "teh"}, "teh cat teh");
        row("Ignore All", "teh cat teh", {"cmdIgnoreAll"}, {"teh"}, "teh cat teh");
        row("a change holding the word is not checked again", "teh cat teh",
            {"cmdChange:teh the", "cmdIgnore"}, {"teh", "teh"}, "teh the cat teh");
        row("Change All, letter case counting", "teh Teh cat teh", {"cmdChangeAll:the", "cmdChange:The"},
            {"teh", "Teh"}, "the The cat the");
        row("Add", "zork cat zork", {"cmdAdd"}, {"zork"}, "zork cat zork");
        row("Close keeps the changes made", "teh cat wrod", {"cmdChange:the", "cmdClose"}, {"teh", "wrod"},
            "the cat wrod");
        row("a picked suggestion", "teh", {"pick:1"}, {"teh"}, "the");
        row("a double-clicked suggestion", "teh", {"double:0"}, {"teh"}, "ten");
        row("a change replaces the references too", "caf&eacute; ok", {"cmdChange:cafe"}, {"caf&eacute;"},
            "cafe ok");
        row("markup is passed over", "<p class=\"teh\" title=\"a teh\">teh</p>", {"cmdChangeAll:the"},
            {"teh"}, "<p class=\"teh\" title=\"a the\">the</p>");
    }

    void eachAnswerLeavesItsText()
    {
        QFETCH(QString, page);
        QFETCH(QStringList, answers);
        QFETCH(QStringList, stops);
        QFETCH(QString, after);

        m_services->spelling.suggestions.insert("teh", {"ten", "the"});
        frmKid *kid = m_test->page(page.toUtf8());
        m_test->frame.Picture1_Click(Tool::Spelling);
        QStringList stopped;
        for (const QString &answer : answers) {
            frmSpell *spell = topLevel<frmSpell>();
            QVERIFY(spell);
            QVERIFY(spell->isModal());
            stopped.append(spell->txtContext->textCursor().selectedText());
            const QString name = answer.section(u':', 0, 0);
            const int row = answer.section(u':', 1).toInt();
            if (name == "pick") {
                QTest::mouseClick(
                    spell->lstSuggestions->viewport(), Qt::LeftButton, {},
                    spell->lstSuggestions->visualItemRect(spell->lstSuggestions->item(row)).center());
                spell->cmdChange->click();
            } else if (name == "double")
                emit spell->lstSuggestions->itemDoubleClicked(spell->lstSuggestions->item(row));
            if (answer.contains(u':') && name.startsWith("cmd"))
                spell->txtChangeTo->setText(answer.section(u':', 1));
            if (name.startsWith("cmd"))
                spell->findChild<QPushButton *>(name)->click();
        }
        QVERIFY(!topLevel<frmSpell>());
        QCOMPARE(stopped.join(u'|'), stops.join(u'|'));
        QCOMPARE(kid->richy->Text(), after);
        QCOMPARE(kid->undoStack().stackLevel(), after == page ? 0 : 1);
        QCOMPARE(kid->richy->DataChanged(), after != page);
        QCOMPARE(m_services->spelling.added,
                 answers.contains("cmdAdd") ? QStringList{"zork"} : QStringList());
        QCOMPARE(m_services->messages.shown, QList<MessageBox>{kCompleted});
        QTRY_VERIFY(kid->richy->hasFocus());
    }

    void theWindowShowsTheWordInItsLine()
    {
        const QString line = QStringLiteral("a ").repeated(100) + "wrod and the rest of it\r\nnext";
        m_test->page(("first line\n" + line).toUtf8());
        m_services->spelling.known += {"first", "line", "and", "rest", "of", "it", "next"};
        m_test->frame.Picture1_Click(Tool::Spelling);
        frmSpell *spell = topLevel<frmSpell>();
        QVERIFY(spell);
        QCOMPARE(spell->windowTitle(), "Spelling");
        // About 120 characters: the rest of the line after the word, the room left before it.
        QCOMPARE(spell->txtContext->toPlainText(), line.mid(200 - 97, 120));
        QCOMPARE(spell->txtContext->textCursor().selectedText(), "wrod");
        QCOMPARE(spell->txtChangeTo->text(), "wrod");
        QCOMPARE(spell->lstSuggestions->count(), 0);
        spell->txtChangeTo->clear();
        QVERIFY(!spell->cmdChange->isEnabled());
        QTest::keyClicks(spell->txtChangeTo, "word");
        QVERIFY(spell->cmdChange->isEnabled());
        QTest::keyClick(spell, Qt::Key_Escape);
        QVERIFY(!topLevel<frmSpell>());
        QCOMPARE(m_services->messages.shown, QList<MessageBox>{kCompleted});
    }

    void bothModesAreOneStepAndKeepEveryOtherCharacter_data()
    {
        QTest::addColumn<bool>("selection");
        QTest::addRow("whole page") << false;
        QTest::addRow("selection") << true;
    }

    void bothModesAreOneStepAndKeepEveryOtherCharacter()
    {
        QFETCH(bool, selection);
        // Characters of one to four UTF-8 bytes, and line breaks of every kind
        // (a page of one kind leaves a check that turns one into another unseen).
        const QByteArray page = "caf\xC3\xA9 teh\t\xE2\x82\xAC 5 \xF0\x9F\x98\x80\r\nteh\r\n\r\rb\nteh";

        m_services->spelling.known += "café";
        frmKid *kid = m_test->page(page);
        const QString text = kid->richy->Text();
        // The selection holds the second "teh" and what follows.
        const qsizetype begin = selection ? text.indexOf("teh", 8) : 0;
        if (selection)
            kid->richy->select(begin, text.size() - begin);
        m_test->frame.Picture1_Click(Tool::Spelling);
        QList<QByteArray> expected{page};
        while (frmSpell *spell = topLevel<frmSpell>()) {
            spell->txtChangeTo->setText("the");
            spell->cmdChange->click();
            expected.append(expected.last());
            const qsizetype at =
                expected.last().indexOf("teh", selection ? qsizetype(expected.last().indexOf("\xF0")) : 0);
            expected.last().replace(at, 3, "the");
        }
        QCOMPARE(expected.size(), selection ? 3 : 4);
        QCOMPARE(kid->richy->textBytes(), expected.last());
        QCOMPARE(kid->undoStack().stackLevel(), 1);
        if (selection)
            QCOMPARE(kid->richy->SelStart(), kid->richy->textLength());
        kid->cmdUndo_Click();
        QCOMPARE(kid->richy->textBytes(), page);
        kid->cmdRedo_Click();
        QCOMPARE(kid->richy->textBytes(), expected.last());
    }

    void failuresLeaveThePageAsItWas_data()
    {
        QTest::addColumn<QString>("page");
        QTest::addColumn<bool>("noDictionary");
        QTest::addColumn<int>("failAtCheck");
        QTest::addColumn<QList<MessageBox>>("boxes");

        QTest::addRow("an empty page") << "" << false << 0 << QList<MessageBox>{};
        QTest::addRow("no dictionary installed")
            << "teh" << true << 0
            << QList<MessageBox>{
                   {"Zevora Note:",
                    "Could not load the spelling checker!\n\n[Zevora uses Enchant with a Hunspell dictionary "
                    "(for example the hunspell-en-us package) to enable this functionality.]",
                    MsgIcon::None, MsgButtons::Ok, true}};
        QTest::addRow("the dictionary fails after a change")
            << "teh cat wrod" << false << 3 << QList<MessageBox>{kFailed};
    }

    void failuresLeaveThePageAsItWas()
    {
        QFETCH(QString, page);
        QFETCH(bool, noDictionary);
        QFETCH(int, failAtCheck);
        QFETCH(QList<MessageBox>, boxes);

        if (noDictionary)
            m_services->spelling.installed.clear();
        m_services->spelling.failAtCheck = failAtCheck;
        frmKid *kid = m_test->page(page.toUtf8());
        m_test->frame.Picture1_Click(Tool::Spelling);
        if (frmSpell *spell = topLevel<frmSpell>()) {
            spell->txtChangeTo->setText("the");
            spell->cmdChange->click();
        }
        QVERIFY(!topLevel<frmSpell>());
        QCOMPARE(m_services->messages.shown, boxes);
        QCOMPARE(kid->richy->Text(), page);
        QVERIFY(kid->undoStack().isEmpty());
        QVERIFY(!kid->richy->DataChanged());
    }

    void theLocaleLanguageElseEnUsElseTheFirst()
    {
        QCOMPARE(mSpell::chooseLanguage({"de_DE", "en_US"}, "de_DE"), "de_DE");
        QCOMPARE(mSpell::chooseLanguage({"de_DE", "en_US"}, "fr_FR"), "en_US");
        QCOMPARE(mSpell::chooseLanguage({"de_DE", "nl_NL"}, "C"), "de_DE");
        QCOMPARE(mSpell::chooseLanguage({}, "en_US"), "");
    }

private:
    std::unique_ptr<TestFrame> m_test;
    FakeServices *m_services = nullptr;
};

QTEST_MAIN(tst_frmSpell)
#include "tst_frmspell.moc"
