// Zevora - a stack of edit steps, one for Undo and one for Redo per page.
#pragma once

#include "EditStep.h"

#include <QList>
#include <optional>

/// Steps are kept with their three fields apart, so a text that contains the
/// serialisation separator is carried exactly. There is no limit on the
/// number of steps and nothing is ever dropped from the bottom.
class Stack
{
public:
    /// The number of steps; 0 for a new stack.
    qsizetype stackLevel() const { return m_steps.size(); }
    bool isEmpty() const { return m_steps.isEmpty(); }

    void push(qsizetype eStart, const QString &eTxt1, const QString &eTxt2);
    void push(const EditStep &step);

    /// The serialised top step, removed from the stack; nothing when empty.
    std::optional<QString> pop();
    /// The top step, removed from the stack; nothing when empty.
    std::optional<EditStep> popStep();
    /// The top step without removing it. The stack must not be empty.
    const EditStep &top() const { return m_steps.last(); }
    /// The step at \a level (1 = bottom, stackLevel() = top).
    const EditStep &at(qsizetype level) const { return m_steps.at(level - 1); }

    void clear() { m_steps.clear(); }

private:
    QList<EditStep> m_steps;
};
