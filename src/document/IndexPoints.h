// Zevora - places of the page whose Text index is known, kept across changes.
#pragma once

#include <QtGlobal>

#include <array>

/// A few byte positions of the page with their Text indexes (UTF-16 code
/// units), kept right as the page changes, so that a conversion counts code
/// units from a place near it instead of from the start of its line (which,
/// on a page of one long line, is the start of the page).
class IndexPoints
{
public:
    struct Point
    {
        long bytePos = -1;
        qsizetype index = 0;
    };

    /// The known point nearest to \a bytePos if it is nearer than \a base,
    /// else \a base.
    Point nearestByByte(long bytePos, Point base);
    /// The known point nearest to \a index if it is nearer than \a base,
    /// else \a base.
    Point nearestByIndex(qsizetype index, Point base);
    /// Notes that the character at \a bytePos has Text index \a index.
    void remember(long bytePos, qsizetype index);

    /// \a byteLength bytes holding \a units code units were inserted at
    /// \a bytePos. With \a units < 0 (not counted) the points behind
    /// \a bytePos are forgotten.
    void inserted(long bytePos, long byteLength, qsizetype units);
    /// \a byteLength bytes holding \a units code units are removed from
    /// \a bytePos; \a units < 0 as for inserted().
    void removed(long bytePos, long byteLength, qsizetype units);
    void clear();

private:
    struct Slot
    {
        Point point;
        quint64 used = 0;
    };
    void forgetBehind(long bytePos);

    std::array<Slot, 4> m_slots;
    quint64 m_clock = 0;
};
