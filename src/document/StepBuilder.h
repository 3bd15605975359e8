// Zevora - turns the changes of one user action into one edit step.
#pragma once

#include "EditStep.h"

#include <functional>

/// Collects the primitive changes the edit control reports during one user
/// action (a key, a paste, a drop) and merges them into one step: the span of
/// the page the action touched, what it held before and what it holds after.
///
/// Positions are in the page as it is when each call is made. Text that lies
/// between separate changes is read through the reader given to cover(); it
/// is unchanged, so it goes into both texts of the step.
class StepBuilder
{
public:
    using Reader = std::function<QString(qsizetype start, qsizetype length)>;

    bool isActive() const { return m_active; }

    /// Makes the span cover [pos, pos + length) of the current page.
    void cover(qsizetype pos, qsizetype length, const Reader &read);
    /// Records that \a text was inserted at \a pos (inside the covered span).
    void inserted(qsizetype pos, const QString &text);
    /// Records that \a length characters were removed at \a pos (inside the
    /// covered span).
    void removed(qsizetype pos, qsizetype length);

    /// The merged step (start, text before, text after), and the builder
    /// starts afresh. Nothing when the action changed nothing.
    std::optional<EditStep> take();

private:
    bool m_active = false;
    qsizetype m_start = 0;
    QString m_before; // the span as it was before the action
    QString m_after;  // the span as it is now
};
