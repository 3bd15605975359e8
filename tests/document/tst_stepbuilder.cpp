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

class tst_StepBuilder : public QObject
{
    Q_OBJECT

private slots:
    void oneChangeIsOneStep();
    void typingOverASelectionKeepsTheSelection();
    void separateChangesMergeIntoTheSpanBetweenThem();
    void aChangeBeforeTheSpanExtendsItToTheLeft();
    void anActionThatChangesNothingGivesNoStep();
    void applyingTheMergedStepReproducesTheAction();
};

void tst_StepBuilder::oneChangeIsOneStep()
{
    Page page{"hello"};
    page.insert(5, "!");
    QCOMPARE(page.builder.take(), std::optional<EditStep>(EditStep{5, "", "!"}));
    QVERIFY(!page.builder.isActive());
    QVERIFY(!page.builder.take());
}

void tst_StepBuilder::typingOverASelectionKeepsTheSelection()
{
    Page page{"abc xyz def"};
    page.remove(4, 3);
    page.insert(4, "a");
    QCOMPARE(page.text, QString("abc a def"));
    QCOMPARE(page.builder.take(), std::optional<EditStep>(EditStep{4, "xyz", "a"}));
}

void tst_StepBuilder::separateChangesMergeIntoTheSpanBetweenThem()
{
    // A drag that moves "one" behind "three".
    Page page{"one two three"};
    page.remove(0, 3);
    page.insert(10, "one");
    QCOMPARE(page.text, QString(" two threeone"));
    QCOMPARE(page.builder.take(), std::optional<EditStep>(EditStep{0, "one two three", " two threeone"}));
}

void tst_StepBuilder::aChangeBeforeTheSpanExtendsItToTheLeft()
{
    Page page{"0123456789"};
    page.insert(8, "X");
    page.remove(1, 2);
    QCOMPARE(page.text, QString("034567X89"));
    QCOMPARE(page.builder.take(), std::optional<EditStep>(EditStep{1, "1234567", "34567X"}));
}

void tst_StepBuilder::anActionThatChangesNothingGivesNoStep()
{
    Page page{"abc"};
    page.remove(1, 1);
    page.insert(1, "b");
    QVERIFY(!page.builder.take());
}

void tst_StepBuilder::applyingTheMergedStepReproducesTheAction()
{
    const QString original = "The quick brown fox jumps over the lazy dog";
    Page page{original};
    page.remove(4, 6);
    page.insert(30, "very ");
    page.insert(0, ">> ");
    page.remove(page.text.size() - 3, 3);
    const std::optional<EditStep> step = page.builder.take();
    QVERIFY(step);
    QString redone = original;
    redone.replace(step->start, step->first.size(), step->second);
    QCOMPARE(redone, page.text);
    QString undone = page.text;
    undone.replace(step->start, step->second.size(), step->first);
    QCOMPARE(undone, original);
}

QTEST_APPLESS_MAIN(tst_StepBuilder)
#include "tst_stepbuilder.moc"
