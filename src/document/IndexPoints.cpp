// Zevora - places of the page whose Text index is known.
#include "IndexPoints.h"

#include <cstdlib>

namespace {
// A point this near an old one takes its place: the caret moving or typing
// keeps one point instead of pushing the others out.
constexpr long kNear = 4096;
} // namespace

IndexPoints::Point IndexPoints::nearestByByte(long bytePos, Point base)
{
    Slot *best = nullptr;
    long distance = std::labs(bytePos - base.bytePos);
    for (Slot &slot : m_slots) {
        if (slot.point.bytePos >= 0 && std::labs(bytePos - slot.point.bytePos) < distance) {
            distance = std::labs(bytePos - slot.point.bytePos);
            best = &slot;
        }
    }
    if (!best)
        return base;
    best->used = ++m_clock;
    return best->point;
}

IndexPoints::Point IndexPoints::nearestByIndex(qsizetype index, Point base)
{
    Slot *best = nullptr;
    qsizetype distance = qAbs(index - base.index);
    for (Slot &slot : m_slots) {
        if (slot.point.bytePos >= 0 && qAbs(index - slot.point.index) < distance) {
            distance = qAbs(index - slot.point.index);
            best = &slot;
        }
    }
    if (!best)
        return base;
    best->used = ++m_clock;
    return best->point;
}

void IndexPoints::remember(long bytePos, qsizetype index)
{
    Slot *target = &m_slots.front();
    for (Slot &slot : m_slots) {
        if (slot.point.bytePos >= 0 && std::labs(bytePos - slot.point.bytePos) <= kNear) {
            target = &slot;
            break;
        }
        if (slot.used < target->used)
            target = &slot;
    }
    target->point = Point{bytePos, index};
    target->used = ++m_clock;
}

void IndexPoints::inserted(long bytePos, long byteLength, qsizetype units)
{
    if (units < 0) {
        forgetBehind(bytePos);
        return;
    }
    // Text before the insertion keeps its indexes, the character at
    // bytePos included.
    for (Slot &slot : m_slots) {
        if (slot.point.bytePos > bytePos) {
            slot.point.bytePos += byteLength;
            slot.point.index += units;
        }
    }
}

void IndexPoints::removed(long bytePos, long byteLength, qsizetype units)
{
    if (units < 0) {
        forgetBehind(bytePos);
        return;
    }
    for (Slot &slot : m_slots) {
        if (slot.point.bytePos >= bytePos + byteLength) {
            slot.point.bytePos -= byteLength;
            slot.point.index -= units;
        } else if (slot.point.bytePos > bytePos) {
            slot = Slot{};
        }
    }
}

void IndexPoints::forgetBehind(long bytePos)
{
    for (Slot &slot : m_slots) {
        if (slot.point.bytePos > bytePos)
            slot = Slot{};
    }
}

void IndexPoints::clear()
{
    for (Slot &slot : m_slots)
        slot = Slot{};
}
