// Zevora - turns the changes of one user action into one edit step.
#include "StepBuilder.h"

void StepBuilder::cover(qsizetype pos, qsizetype length, const Reader &read)
{
    if (!m_active) {
        m_active = true;
        m_start = pos;
        m_before = m_after = length > 0 ? read(pos, length) : QString();
        return;
    }
    const qsizetype spanEnd = m_start + m_after.size();
    if (pos < m_start) {
        const QString gap = read(pos, m_start - pos);
        m_before.prepend(gap);
        m_after.prepend(gap);
        m_start = pos;
    }
    const qsizetype end = pos + length;
    if (end > spanEnd) {
        const QString gap = read(spanEnd, end - spanEnd);
        m_before.append(gap);
        m_after.append(gap);
    }
}

void StepBuilder::inserted(qsizetype pos, const QString &text)
{
    Q_ASSERT(m_active && pos >= m_start && pos <= m_start + m_after.size());
    m_after.insert(pos - m_start, text);
}

void StepBuilder::removed(qsizetype pos, qsizetype length)
{
    Q_ASSERT(m_active && pos >= m_start && pos + length <= m_start + m_after.size());
    m_after.remove(pos - m_start, length);
}

std::optional<EditStep> StepBuilder::take()
{
    if (!m_active)
        return std::nullopt;
    m_active = false;
    EditStep step{m_start, std::move(m_before), std::move(m_after)};
    m_before.clear();
    m_after.clear();
    if (step.first == step.second)
        return std::nullopt;
    return step;
}
