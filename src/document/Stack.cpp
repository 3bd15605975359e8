// Zevora - a stack of edit steps.
#include "Stack.h"

void Stack::push(qsizetype eStart, const QString &eTxt1, const QString &eTxt2)
{
    m_steps.append(EditStep{eStart, eTxt1, eTxt2});
}

void Stack::push(const EditStep &step)
{
    m_steps.append(step);
}

std::optional<QString> Stack::pop()
{
    if (const std::optional<EditStep> step = popStep())
        return step->serialised();
    return std::nullopt;
}

std::optional<EditStep> Stack::popStep()
{
    if (m_steps.isEmpty())
        return std::nullopt;
    return m_steps.takeLast();
}
