// Zevora tests - display-only line breaks in long lines.
#include "DisplayBreaks.h"

#include <QTest>

class tst_DisplayBreaks : public QObject
{
    Q_OBJECT

private slots:
    // Every break sits inside a line longer than the limit, never next to a
    // line end, after a '>' or a blank where one is near and never inside a
    // character; taking the breaks out gives the page back, and positions
    // map both ways.
    void breaksLongLinesOnly_data()
    {
        QTest::addColumn<QByteArray>("page");
        QTest::addColumn<QByteArray>("breakAfter");
        const QByteArray tags = QByteArray("<p class=x>caf\xC3\xA9 \xE2\x82\xAC</p>").repeated(5000);
        QTest::addRow("a long line of tags") << tags << QByteArray("> ");
        QTest::addRow("long lines between short ones, CRLF")
            << "short\r\n" + tags + "\r\n\r\n" + tags + "\r\nend" << QByteArray("> ");
        QTest::addRow("a long line with no tag or blank")
            << QByteArray("\xE2\x82\xAC\xF0\x9F\x98\x80").repeated(20000) + "\n"
            << QByteArray();
        QTest::addRow("a line at the limit stays whole") << QByteArray(64 * 1024, 'x') << QByteArray("-");
    }

    void breaksLongLinesOnly()
    {
        QFETCH(QByteArray, page);
        QFETCH(QByteArray, breakAfter);
        DisplayBreaks breaks;
        const QByteArray control = breaks.build(page);
        if (breakAfter == "-") {
            QVERIFY(control.isNull());
            QVERIFY(breaks.isEmpty());
            return;
        }
        QCOMPARE(control.size(), page.size() + breaks.count());
        QCOMPARE(breaks.pageBytes(control, 0), page);
        QCOMPARE(breaks.pageBytes(QByteArrayView(control).sliced(100, 1000), 100),
                 page.mid(100, 1000 - breaks.before(1100) + breaks.before(100)));
        long previous = -1;
        for (long pos : breaks.positions()) {
            QCOMPARE(control.at(pos), '\n');
            const QByteArrayView line = QByteArrayView(control).sliced(previous + 1, pos - previous - 1);
            QVERIFY(line.size() > DisplayBreaks::width() / 4);
            QVERIFY(line.size() <= 2 * DisplayBreaks::width() + 4 || line.contains('\n'));
            QVERIFY(!QByteArray("\r\n").contains(control.at(pos - 1)));
            QVERIFY(!QByteArray("\r\n").contains(control.at(pos + 1)));
            QVERIFY((control.at(pos + 1) & 0xC0) != 0x80);
            if (!breakAfter.isEmpty())
                QVERIFY(breakAfter.contains(control.at(pos - 1)));
            QCOMPARE(breaks.controlPos(pos - breaks.before(pos)), pos + 1);
            QCOMPARE(breaks.controlPos(pos - breaks.before(pos) - 1), pos - 1);
            previous = pos;
        }
    }

    // A big page is broken with a pause for events after each few megabytes
    // (long line or short ones), and the pauses change nothing.
    void pausesWhileBreakingABigPage()
    {
        // 10 MiB on one line, then 8 MB of short lines.
        const QByteArray page =
            QByteArray("<td>x</td>").repeated(1 << 20) + "\n" + QByteArray("short\n").repeated(1'400'000);
        DisplayBreaks once;
        DisplayBreaks paused;
        int pauses = 0;
        QCOMPARE(paused.build(page, [&pauses] { ++pauses; }), once.build(page));
        QVERIFY(paused.positions() == once.positions());
        QCOMPARE(pauses, 4); // after 4, 8, 12 and 16 MiB
    }
};

QTEST_APPLESS_MAIN(tst_DisplayBreaks)
#include "tst_displaybreaks.moc"
