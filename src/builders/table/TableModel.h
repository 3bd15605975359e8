// Zevora - what the table designer holds: the grid of cells, the table's own
// attributes and the preview drawn from them.
#pragma once

#include "mCell.h"

#include <QList>
#include <QRect>
#include <QString>

#include <array>
#include <optional>

/// The table designer's state. The grid is always 8 x 8 cells, addressed by
/// (column, row) from 0; only the first ColCount columns of the first
/// RowCount rows belong to the table, and the cells outside keep their
/// settings so that growing the table brings them back.
///
/// The preview stands for an 800-pixel table drawn 6000 twips wide and 4440
/// twips high, with 15 twips to a pixel on every screen; the window scales
/// twips to its own pixels. Preview colours and rectangles are computed here
/// from the same records the HTML is written from, so the two always agree.
class TableModel
{
public:
    using Colour = mCell::Colour;

    static constexpr int kMaxSize = 8;
    static constexpr int kPreviewWidth = 6000;
    static constexpr int kPreviewHeight = 4440;
    static constexpr int kTwipsPerPixel = 15;
    static constexpr int kTwipsPerPercent = kPreviewWidth / 100;
    static constexpr Colour kWhite = 0xFFFFFF;
    /// The selection mark: pure red.
    static constexpr Colour kMarkColour = 0x0000FF;

    TableModel();

    mCell::CellInfo &cell(int col, int row);
    const mCell::CellInfo &cell(int col, int row) const;

    int RowCount() const { return m_rows; }
    int ColCount() const { return m_cols; }
    /// Sets the table size (1 to 8; anything else is ignored). An open
    /// adjustment is cancelled: its bounds were for the old size.
    void setRowCount(int rows);
    void setColCount(int cols);

    // Table attributes, each a fragment with its leading blank (or empty).
    QString BorderAttr = QStringLiteral(" border=1");
    QString WidthAttr = QStringLiteral(" width=100%");
    QString PaddingAttr;
    QString SpacingAttr;
    QString TableAlignAttr;
    QString CaptionAlignAttr = QStringLiteral(" align=top>");
    QString CaptionText;
    bool captionOn = false;
    bool headerOn = false;

    /// Turns the caption on (its text becomes "Table Caption") or off (text
    /// emptied, alignment back to the top).
    void setCaption(bool on);
    /// Makes row 0 header cells or ordinary ones; off also drops the header
    /// colour (the cells' own colours show again).
    void setHeaderRow(bool on);
    void setTableColour(std::optional<Colour> colour) { m_tableColour = colour; }
    /// Ignored while the first row is no header row.
    void setHeaderColour(std::optional<Colour> colour);
    std::optional<Colour> tableColour() const { return m_tableColour; }
    std::optional<Colour> headerColour() const { return m_headerColour; }
    QString TableBgAttr() const;
    QString HeaderRowAttr() const;
    /// Gives the cell its own colour, or none.
    void setCellColour(int col, int row, std::optional<Colour> colour);

    // The selected cell and its mark.
    int CurCol = 0;
    int CurRow = 0;
    bool isMarked() const { return m_marked; }
    /// Selects and marks a cell of the table. An open adjustment is
    /// cancelled: it belonged to the selection before.
    void select(int col, int row);
    void unmark() { m_marked = false; }

    /// What the adjustment bar edits: 0 nothing, 1 percent width, 2 pixel
    /// width, 3 ColSpan, 5 RowSpan. It always belongs to the selected cell.
    int AdjustMode = 0;

    /// Recomputes ViewWidth and ViewHeight of the table's cells.
    void computeGeometry();
    /// Width the column's own setting takes on the preview, in twips (0 when free).
    int drawnWidth(int col, int row) const;
    bool isFree(int col, int row) const;
    /// The spans as the table shows them: cut off at the table's edge.
    int shownColSpan(int col, int row) const;
    int shownRowSpan(int col, int row) const;
    bool isCovered(int col, int row) const;

    struct CellRect
    {
        int col;
        int row;
        QRect twips;
    };
    /// Every visible cell of the table with its rectangle on the preview.
    QList<CellRect> layout() const;
    /// The colour the cell shows: the mark, the header colour, its own
    /// colour, the table colour or white, first that applies.
    Colour previewColour(int col, int row) const;
    /// The text of the cell information box.
    QString cellInformation(int col, int row) const;

    /// Six upper-case hexadecimal digits, red first.
    static QString colourDigits(Colour colour);
    /// " bgColor=" and the colour in double quotes.
    static QString colourFragment(Colour colour);

private:
    std::array<std::array<mCell::CellInfo, kMaxSize>, kMaxSize> m_cells{};
    int m_rows = 1;
    int m_cols = 1;
    bool m_marked = false;
    std::optional<Colour> m_tableColour;
    std::optional<Colour> m_headerColour;
};
