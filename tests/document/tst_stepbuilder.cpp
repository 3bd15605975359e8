// Zevora tests - merging the changes of one user action into one step.
#include "StepBuilder.h"

#include <QTest>

namespace {
// A page that applies changes and feeds them to a StepBuilder the way the
// edit control does: before each change, with positions in the page as it is.
struct Page
{
    QString text;
    StepBuilder builder;

    StepBuilder::Reader reader()
    {
        return [this](qsizetype start, qsizetype length) { return text.mid(start, length); };
    }
    void insert(qsizetype pos, const QString &s)
    {
        builder.cover(pos, 0, reader());
        text.insert(pos, s);
        builder.inserted(pos, s);
    }
    void remove(qsizetype pos, qsizetype length)
    {
        builder.cover(pos, length, reader());
        builder.removed(pos, length);
        text.remove(pos, length);
    }
};
} // namespace

// A change: remove \a length characters at \a pos, then insert \a text there.
struct Change
{
    qsizetype pos;
    qsizetype length;
    QString text;
};
using Changes = QList<Change>;
Q_DECLARE_METATYPE(Changes)

class tst_StepBuilder : public QObject
{
    Q_OBJECT

private slots:
    void theChangesOfOneActionMergeIntoOneStep_data()
    {
        QTest::addColumn<QString>("before");
        QTest::addColumn<Changes>("changes");
        QTest::addColumn<QString>("after");
        QTest::addColumn<std::optional<EditStep>>("step");
        const auto row = [](const char *name, const QString &before, const Changes &changes,
                            const QString &after, std::optional<EditStep> step) {
            QTest::newRow(name) << before << changes << after << step;
        };
        row("one change", "hello", {{5, 0, "!"}}, "hello!", EditStep{5, "", "!"});
        row("typing over a selection", "abc xyz def", {{4, 3, ""}, {4, 0, "a"}}, "abc a def",
            EditStep{4, "xyz", "a"});
        // A drag that moves "one" behind "three".
        row("changes apart merge with the text between", "one two three", {{0, 3, ""}, {10, 0, "one"}},
            " two threeone", EditStep{0, "one two three", " two threeone"});
        row("a change before the span extends it to the left", "0123456789", {{8, 0, "X"}, {1, 2, ""}},
            "034567X89", EditStep{1, "1234567", "34567X"});
        row("a change past the span extends it to the right", "0123456789", {{8, 0, "X"}, {8, 2, ""}},
            "012345679", EditStep{8, "8", ""});
        row("changes that cancel out give no step", "abc", {{1, 1, ""}, {1, 0, "b"}}, "abc", std::nullopt);
    }

    void theChangesOfOneActionMergeIntoOneStep()
    {
        QFETCH(QString, before);
        QFETCH(Changes, changes);
        QFETCH(QString, after);
        QFETCH(std::optional<EditStep>, step);
        Page page{before};
        for (const Change &change : changes) {
            if (change.length > 0)
                page.remove(change.pos, change.length);
            if (!change.text.isEmpty())
                page.insert(change.pos, change.text);
        }
        QCOMPARE(page.text, after);
        QCOMPARE(page.builder.take(), step);
        QVERIFY(!page.builder.isActive());
        QVERIFY(!page.builder.take());
    }
};

QTEST_APPLESS_MAIN(tst_StepBuilder)
#include "tst_stepbuilder.moc"
