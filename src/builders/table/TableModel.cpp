// Zevora - what the table designer holds: the grid of cells, the table's own
// attributes and the preview drawn from them.
#include "TableModel.h"

#include <algorithm>
#include <cmath>

TableModel::TableModel()
{
    computeGeometry();
}

mCell::CellInfo &TableModel::cell(int col, int row)
{
    Q_ASSERT(col >= 0 && col < kMaxSize && row >= 0 && row < kMaxSize);
    return m_cells[std::size_t(col)][std::size_t(row)];
}

const mCell::CellInfo &TableModel::cell(int col, int row) const
{
    Q_ASSERT(col >= 0 && col < kMaxSize && row >= 0 && row < kMaxSize);
    return m_cells[std::size_t(col)][std::size_t(row)];
}

void TableModel::setRowCount(int rows)
{
    if (rows < 1 || rows > kMaxSize)
        return;
    m_rows = rows;
    AdjustMode = 0;
    computeGeometry();
}

void TableModel::setColCount(int cols)
{
    if (cols < 1 || cols > kMaxSize)
        return;
    m_cols = cols;
    AdjustMode = 0;
    computeGeometry();
}

void TableModel::setCaption(bool on)
{
    captionOn = on;
    CaptionText = on ? QStringLiteral("Table Caption") : QString();
    if (!on)
        CaptionAlignAttr = QStringLiteral(" align=top>");
}

void TableModel::setHeaderRow(bool on)
{
    headerOn = on;
    if (!on)
        m_headerColour.reset();
}

void TableModel::setHeaderColour(std::optional<Colour> colour)
{
    if (headerOn)
        m_headerColour = colour;
}

QString TableModel::TableBgAttr() const
{
    return m_tableColour ? colourFragment(*m_tableColour) : QString();
}

QString TableModel::HeaderRowAttr() const
{
    return m_headerColour ? colourFragment(*m_headerColour) : QString();
}

void TableModel::setCellColour(int col, int row, std::optional<Colour> colour)
{
    mCell::CellInfo &info = cell(col, row);
    info.HasColor = colour ? 1 : 0;
    info.Color = colour.value_or(kWhite);
}

void TableModel::select(int col, int row)
{
    if (col < 0 || col >= m_cols || row < 0 || row >= m_rows)
        return;
    AdjustMode = 0;
    CurCol = col;
    CurRow = row;
    m_marked = true;
}

int TableModel::drawnWidth(int col, int row) const
{
    const mCell::CellInfo &info = cell(col, row);
    // Half a preview twip per pixel: the 6000 twips stand for 800 pixels.
    return info.PercentWidth * kTwipsPerPercent + int(std::lround(info.PixelWidth * kTwipsPerPixel / 2.0));
}

bool TableModel::isFree(int col, int row) const
{
    const mCell::CellInfo &info = cell(col, row);
    return info.PercentWidth == 0 && info.PixelWidth == 0;
}

void TableModel::computeGeometry()
{
    for (int row = 0; row < m_rows; ++row) {
        int used = 0;
        int free = m_cols;
        for (int col = 0; col < m_cols; ++col) {
            if (!isFree(col, row)) {
                used += drawnWidth(col, row);
                --free;
            }
        }
        const int share = free > 0 ? (kPreviewWidth - used) / free : 0;
        for (int col = 0; col < m_cols; ++col) {
            mCell::CellInfo &info = cell(col, row);
            info.ViewHeight = kPreviewHeight / m_rows;
            info.ViewWidth = isFree(col, row) ? share : drawnWidth(col, row);
        }
    }
}

int TableModel::shownColSpan(int col, int row) const
{
    return std::min(cell(col, row).ColSpan, m_cols - col);
}

int TableModel::shownRowSpan(int col, int row) const
{
    return std::min(cell(col, row).RowSpan, m_rows - row);
}

bool TableModel::isCovered(int col, int row) const
{
    return cell(col, row).ColSpan == 0 || cell(col, row).RowSpan == 0;
}

QList<TableModel::CellRect> TableModel::layout() const
{
    QList<CellRect> rects;
    int top = 0;
    for (int row = 0; row < m_rows; ++row) {
        // Cells are placed by column, so a cell beside one covered from
        // above stands where its own column starts.
        int left = 0;
        for (int col = 0; col < m_cols; ++col) {
            if (!isCovered(col, row)) {
                int width = 0;
                for (int c = col; c < col + shownColSpan(col, row); ++c)
                    width += cell(c, row).ViewWidth;
                int height = 0;
                for (int r = row; r < row + shownRowSpan(col, row); ++r)
                    height += cell(col, r).ViewHeight;
                rects.append({col, row, QRect(left, top, width, height)});
            }
            left += cell(col, row).ViewWidth;
        }
        top += cell(0, row).ViewHeight;
    }
    return rects;
}

TableModel::Colour TableModel::previewColour(int col, int row) const
{
    if (m_marked && col == CurCol && row == CurRow)
        return kMarkColour;
    if (row == 0 && m_headerColour)
        return *m_headerColour;
    if (cell(col, row).HasColor)
        return cell(col, row).Color;
    return m_tableColour.value_or(kWhite);
}

QString TableModel::cellInformation(int col, int row) const
{
    const mCell::CellInfo &info = cell(col, row);
    QString text = QStringLiteral("LOCATION:\n\n     Row: %1\n     Column: %2\n\n\n\nCELL ATTRIBUTES:\n")
                       .arg(row)
                       .arg(col);
    if (shownRowSpan(col, row) > 1)
        text += QStringLiteral("\n     RowSpan=%1").arg(shownRowSpan(col, row));
    if (shownColSpan(col, row) > 1)
        text += QStringLiteral("\n     ColSpan=%1").arg(shownColSpan(col, row));
    if (info.PixelWidth > 0)
        text += QStringLiteral("\n     Width=%1").arg(info.PixelWidth);
    if (info.PercentWidth > 0)
        text += QStringLiteral("\n     Width=%1%").arg(info.PercentWidth);
    if (!info.AlignAttr.isEmpty())
        text += QStringLiteral("\n    ") + info.AlignAttr;
    if (!info.VAlignAttr.isEmpty())
        text += QStringLiteral("\n    ") + info.VAlignAttr;
    if (info.HasColor)
        text += QStringLiteral("\n     bgColor=") + colourDigits(info.Color);
    return text;
}

QString TableModel::colourDigits(Colour colour)
{
    const auto part = [colour](int shift) {
        return QStringLiteral("%1").arg((colour >> shift) & 0xFF, 2, 16, QLatin1Char('0')).toUpper();
    };
    return part(0) + part(8) + part(16);
}

QString TableModel::colourFragment(Colour colour)
{
    return QStringLiteral(" bgColor=\"#") + colourDigits(colour) + QLatin1Char('"');
}
