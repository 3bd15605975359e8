// Zevora tests - the search and replace core: case folding, positions, counts.
#include "FakeServices.h"
#include "TestSettings.h"

#include "PageFinder.h"
#include "RichyText.h"
#include "mReplace.h"
#include "richy.h"

#include <QTest>

class tst_PageFinder : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        m_settings = std::make_unique<TestSettings>();
        m_services = std::make_unique<FakeServices>();
        m_editor = std::make_unique<richy>();
    }

    void cleanup()
    {
        m_editor.reset();
        m_services.reset();
        m_settings.reset();
    }

    void findsIgnoringCaseAndCountsFromTheStart_data()
    {
        QTest::addColumn<QString>("page");
        QTest::addColumn<QString>("needle");
        QTest::addColumn<qsizetype>("start");
        QTest::addColumn<qsizetype>("found");
        QTest::addColumn<qsizetype>("count");
        const auto row = [](const char *name, const QString &page, const QString &needle, qsizetype start,
                            qsizetype found, qsizetype count) {
            QTest::newRow(name) << page << needle << start << found << count;
        };
        row("abc finds ABC", "x ABC abc", "abc", 0, 2, 2);
        row("é finds É", "café CAFÉ", "É", 0, 3, 2);
        row("ß does not find SS", "STRASSE", "ß", 0, -1, 0);
        row("capital sharp s finds ß", "Straße", "\u1E9E", 0, 4, 1);
        row("final sigma finds sigma", "ΟΔΟΣ οδος", "ς", 0, 3, 2);
        row("an emoji before a match", "😀 abc", "ABC", 0, 3, 1);
        row("a character beyond 16 bits folds", "x\U00010400y\U00010428", "\U00010428", 0, 1, 2);
        row("CRLF before a match", "one\r\ntwo\r\nabc", "ABC", 0, 10, 1);
        row("aaaa holds aa twice", "aaaa", "aa", 0, 0, 2);
        row("counting from the caret", "xx yy XX xx", "xx", 1, 6, 2);
        row("a start at the end", "abc", "c", 3, -1, 0);
        row("70,000 matches", QStringLiteral("ab ").repeated(70'000), "AB", 0, 0, 70'000);
    }

    void findsIgnoringCaseAndCountsFromTheStart()
    {
        QFETCH(QString, page);
        QFETCH(QString, needle);
        QFETCH(qsizetype, start);
        QFETCH(qsizetype, found);
        QFETCH(qsizetype, count);

        m_editor->loadText(page.toUtf8());
        const RichyText text(m_editor.get());
        const PageFinder finder(needle, PageFinder::Case::Ignore);
        const qsizetype at = finder.find(text, start);
        QCOMPARE(at, found);
        if (at >= 0)
            QCOMPARE(m_editor->textRange(at, needle.size()).toCaseFolded(), needle.toCaseFolded());
        QCOMPARE(finder.count(text, found >= 0 ? found : start), count);
    }

    void matchingCaseIsExact()
    {
        m_editor->loadText("ABC abc 😀abc");
        const RichyText text(m_editor.get());
        const PageFinder finder(QStringLiteral("abc"), PageFinder::Case::Match);
        QCOMPARE(finder.find(text, 0), 4);
        QCOMPARE(finder.find(text, 5), 10);
        QCOMPARE(finder.count(text, 0), 2);
    }

    void replaceAllReplacesEveryOccurrenceOnce_data()
    {
        QTest::addColumn<QString>("page");
        QTest::addColumn<QString>("find");
        QTest::addColumn<QString>("with");
        QTest::addColumn<QString>("result");
        QTest::addColumn<qsizetype>("replacements");
        const auto row = [](const char *name, const QString &page, const QString &find, const QString &with,
                            const QString &result, qsizetype replacements) {
            QTest::newRow(name) << page << find << with << result << replacements;
        };
        row("a by ab", "aaa", "a", "ab", "ababab", 3);
        row("aaaa/aa", "aaaa", "aa", "b", "bb", 2);
        row("letter case counts", "Abc abc ABC", "abc", "x", "Abc x ABC", 1);
        row("no match", "abc", "d", "x", "abc", 0);
        row("around an emoji and CRLF", "😀a\r\na😀", "a", "é", "😀é\r\né😀", 2);
    }

    void replaceAllReplacesEveryOccurrenceOnce()
    {
        QFETCH(QString, page);
        QFETCH(QString, find);
        QFETCH(QString, with);
        QFETCH(QString, result);
        QFETCH(qsizetype, replacements);

        const mReplace::Result replaced = mReplace::replaceAll(page, find, with);
        QCOMPARE(replaced.text, result);
        QCOMPARE(replaced.replacements, replacements);
        QVERIFY(replaced.finished);
    }

    void replaceAllRunsEventsAndReportsProgress()
    {
        struct Listener : mReplace::Listener
        {
            int events = 0;
            QList<qsizetype> reported;
            int stopAfterEvents = -1;
            bool runEvents() override { return ++events != stopAfterEvents; }
            void replaced(qsizetype replacements) override { reported.append(replacements); }
        };
        const QString page = QStringLiteral("<p>x</p>").repeated(70'000);
        Listener listener;
        const mReplace::Result result =
            mReplace::replaceAll(page, QStringLiteral("x"), QStringLiteral("yz"), &listener);
        QCOMPARE(result.replacements, 70'000);
        QCOMPARE(result.text, QStringLiteral("<p>yz</p>").repeated(70'000));
        QVERIFY(listener.events >= 3'500);
        QCOMPARE(listener.reported.size(), 700);
        QCOMPARE(listener.reported.first(), 100);
        QCOMPARE(listener.reported.last(), 70'000);

        Listener stopping;
        stopping.stopAfterEvents = 2;
        const mReplace::Result stopped =
            mReplace::replaceAll(page, QStringLiteral("x"), QStringLiteral("y"), &stopping);
        QVERIFY(!stopped.finished);
        QCOMPARE(stopped.replacements, 40);

        m_editor->loadText(QByteArray("\xEF\xBB\xBF") + QStringLiteral("é€😀\r\n").repeated(300'000).toUtf8());
        Listener decoding;
        const std::optional<QString> decoded = mReplace::decodeUtf8(RichyText(m_editor.get()), &decoding);
        QVERIFY(decoded);
        QCOMPARE(*decoded, QChar(0xFEFF) + QStringLiteral("é€😀\r\n").repeated(300'000));
    }

private:
    std::unique_ptr<TestSettings> m_settings;
    std::unique_ptr<FakeServices> m_services;
    std::unique_ptr<richy> m_editor;
};

QTEST_MAIN(tst_PageFinder)
#include "tst_pagefinder.moc"
