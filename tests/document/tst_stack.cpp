// Zevora tests - undo steps, the step stack and splitting serialised steps.
#include "EditStep.h"
#include "Stack.h"

#include <QTest>

class tst_Stack : public QObject
{
    Q_OBJECT

private slots:
    // There is no limit on the number of steps: the oldest of many stays.
    void popReturnsTheSerialisedTopStepLastInFirstOut()
    {
        Stack stack;
        for (int i = 0; i < 40000; ++i)
            stack.push(i, QString(), QString::number(i));
        stack.push(-1, "a|^|b", "|^|");
        stack.push(3, "xyz", "<BR>");
        QCOMPARE(stack.stackLevel(), 40002);
        QCOMPARE(stack.pop(), std::optional<QString>("3|^|xyz|^|<BR>"));
        // A step whose texts hold the separator comes back whole.
        QCOMPARE(stack.popStep(), std::optional<EditStep>({-1, "a|^|b", "|^|"}));
        QCOMPARE(stack.pop(), std::optional<QString>("39999|^||^|39999"));
        QCOMPARE(stack.stackLevel(), 39999);
        QCOMPARE(stack.at(1), (EditStep{0, "", "0"}));
        while (stack.popStep()) {
        }
        QCOMPARE(stack.stackLevel(), 0);
        QVERIFY(!stack.pop().has_value());
    }

    void parseToArraySplitsAtEverySeparator()
    {
        const auto fields = [](const QString &line) {
            QStringList a{"left over"};
            ParseToArray(line, a);
            return a;
        };
        QCOMPARE(fields("12|^||^|a"), QStringList({"12", "", "a"}));
        QCOMPARE(fields("5|^|abc|^|"), QStringList({"5", "abc", ""}));
        QCOMPARE(fields("7"), QStringList{"7"});
        QCOMPARE(fields("4|^|a\r\nb|^|\r\n"), QStringList({"4", "a\r\nb", "\r\n"}));
    }
};

QTEST_APPLESS_MAIN(tst_Stack)
#include "tst_stack.moc"
