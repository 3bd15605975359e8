// Zevora - line breaks the edit control shows inside a page's long lines.
#pragma once

#include <QByteArray>
#include <QByteArrayView>

#include <functional>
#include <vector>

/// The display-only line breaks of a page: one LF byte each, put into the
/// control's copy of a line longer than longLine() so that the control lays
/// out short display lines. They are never part of the page. The list holds
/// the control byte position of each break, sorted; it follows the control's
/// changes through inserted() and removed().
///
/// A break goes after a '>' or a blank where one is near, else (a hard
/// break) at a character boundary; never first or last in its line, so it
/// never follows a CR or precedes a line end of the page.
class DisplayBreaks
{
public:
    /// Lines longer than this many bytes are broken (by default about where
    /// laying out a line starts to slow typing down).
    long longLine() const { return m_longLine; }
    void setLongLine(long bytes) { m_longLine = bytes; }
    /// The usual length of a display line, in bytes.
    static constexpr long width() { return 120; }

    /// Replaces the list with the breaks for \a page and returns the control
    /// text (the page with its breaks); a null array when no line is long
    /// enough to break (the control then takes the page as it is). \a pause
    /// runs after each few megabytes of the page (to let a window repaint).
    QByteArray build(QByteArrayView page, const std::function<void()> &pause = {});

    bool isEmpty() const { return m_positions.empty(); }
    qsizetype count() const { return qsizetype(m_positions.size()); }
    const std::vector<long> &positions() const { return m_positions; }
    /// The number of breaks at control positions before \a pos.
    qsizetype before(long pos) const;
    /// Whether the control byte at \a pos is a break.
    bool isBreak(long pos) const;

    /// The page bytes of the control's \a bytes, which start at control
    /// position \a from: \a bytes without the breaks among them.
    QByteArray pageBytes(QByteArrayView bytes, long from) const;
    /// The control position of page byte offset \a offset: the position
    /// after any break right before it.
    long controlPos(long offset) const;

    /// Where breaks go in the display line \a line (offsets in it, each
    /// the offset of the byte a break goes before), none if it is at most
    /// twice width() long.
    static std::vector<long> breaksIn(QByteArrayView line);
    /// A break was put into the control at \a pos (after inserted()).
    void add(long pos);

    /// \a length bytes were inserted into the control at \a pos.
    void inserted(long pos, long length);
    /// \a length bytes are removed from the control at \a pos; breaks among
    /// them leave the list.
    void removed(long pos, long length);
    void clear() { m_positions.clear(); }

private:
    std::vector<long> m_positions;
    long m_longLine = 64 * 1024;
};
