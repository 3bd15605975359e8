// Zevora - the table designer's width and span commands and its attribute entry.
#include "TableRules.h"

#include "TableModel.h"

#include <algorithm>
#include <cmath>

namespace TableRules {

namespace {

constexpr int kMax = TableModel::kMaxSize;

Refusal previousSetting(const QString &setting, const QString &wanted)
{
    return {QStringLiteral("PREVIOUS ") + setting.toUpper() + QStringLiteral(" SETTING..."),
            QStringLiteral("A %1 setting has been made in this cell (<TD>)\n\n"
                           "In order to properly display your changes,\n"
                           "reset the column before setting a %2.")
                .arg(setting, wanted)};
}

const Refusal kSizingConflict{
    QStringLiteral("Table/Cell Sizing Conflict"),
    QStringLiteral("A change in column size would yield a table of unspecified dimensions.\n\n"
                   "To both increase the speed of rendering and avoid disparity between\n"
                   "different browsers, it is recommended that you change the dimensions\n"
                   "of the table itself.")};
const Refusal kResetNeeded{QStringLiteral("RESET NEEDED"),
                           QStringLiteral("Please reset the current column setting before proceeding...")};

Refusal noSpace(const QString &spans)
{
    return {QStringLiteral("NO SPACE..."),
            QStringLiteral("No space available to set %1 in this column...").arg(spans)};
}

// A cell that belongs to no span, neither its own nor another's.
bool isOrdinary(const TableModel &model, int col, int row)
{
    return model.cell(col, row).ColSpan == 1 && model.cell(col, row).RowSpan == 1;
}

// The last record row or column of a span (an ordinary cell spans itself).
int spanEnd(int start, int span)
{
    return std::min(start + std::max(span, 1), kMax) - 1;
}

struct Bounds
{
    int lower;
    int upper;
};

// The percent bounds of the selected column in the selected row. The
// column's own present width does not count against it, so a set column can
// be widened again; every other free column keeps room for 2 percent.
Bounds percentBounds(const TableModel &model)
{
    int others = 0;
    int otherFree = 0;
    for (int col = 0; col < model.ColCount(); ++col) {
        if (col == model.CurCol)
            continue;
        others += model.drawnWidth(col, model.CurRow);
        if (model.isFree(col, model.CurRow))
            ++otherFree;
    }
    const int room = (TableModel::kPreviewWidth - others) / TableModel::kTwipsPerPercent;
    return {otherFree > 0 ? 2 : room, room - 2 * otherFree};
}

std::optional<Outcome> sizingProblem(const Bounds &bounds)
{
    if (bounds.upper - bounds.lower < 1)
        return kSizingConflict;
    if (bounds.upper == 0)
        return std::monostate{};
    return std::nullopt;
}

Outcome percentWidth(const TableModel &model)
{
    const mCell::CellInfo &info = model.cell(model.CurCol, model.CurRow);
    if (info.PixelWidth != 0)
        return previousSetting(QStringLiteral("Pixel"), QStringLiteral("Percentage Width"));
    if (info.ColSpan != 1)
        return previousSetting(QStringLiteral("ColSpan"), QStringLiteral("Percentage Width"));
    const Bounds bounds = percentBounds(model);
    if (auto problem = sizingProblem(bounds))
        return *problem;
    const int value = int(std::lround(info.ViewWidth * 100.0 / TableModel::kPreviewWidth));
    return Bar{PercentMode, bounds.lower, bounds.upper, std::clamp(value, bounds.lower, bounds.upper),
               QStringLiteral("Width of Column in %")};
}

Outcome pixelWidth(const TableModel &model)
{
    const mCell::CellInfo &info = model.cell(model.CurCol, model.CurRow);
    if (info.ColSpan != 1)
        return previousSetting(QStringLiteral("ColSpan"), QStringLiteral("Pixel Width"));
    if (info.PercentWidth != 0)
        return previousSetting(QStringLiteral("Percentage"), QStringLiteral("Pixel Width"));
    const Bounds bounds = percentBounds(model);
    if (auto problem = sizingProblem(bounds))
        return *problem;
    // A percent of the 800-pixel table is 8 pixels; a preview twip is half a pixel.
    const int maximum = 8 * bounds.upper;
    const int value = 2 * int(std::lround(double(info.ViewWidth) / TableModel::kTwipsPerPixel));
    return Bar{PixelMode, 0, maximum, std::clamp(value, 0, maximum),
               QStringLiteral("Width of Column in Pixels")};
}

// Room to the right over every row the cell spans: the walk stops at the
// table's edge and at the first column where any of those rows holds a span.
Outcome colSpan(const TableModel &model)
{
    const mCell::CellInfo &info = model.cell(model.CurCol, model.CurRow);
    if (info.ColSpan >= 2)
        return kResetNeeded;
    if (info.PixelWidth != 0)
        return previousSetting(QStringLiteral("Pixel"), QStringLiteral("ColSpan"));
    if (info.PercentWidth != 0)
        return previousSetting(QStringLiteral("Percentage"), QStringLiteral("ColSpan"));
    const int lastRow = spanEnd(model.CurRow, info.RowSpan);
    int col = model.CurCol + 1;
    for (; col < model.ColCount(); ++col) {
        bool open = true;
        for (int row = model.CurRow; row <= lastRow && open; ++row)
            open = isOrdinary(model, col, row);
        if (!open)
            break;
    }
    const int room = col - model.CurCol;
    if (room < 2)
        return noSpace(QStringLiteral("ColSpans"));
    return Bar{ColSpanMode, 2, room, 2, QStringLiteral("Choose # of ColSpans")};
}

// Room downwards over every column the cell spans, as for colSpan().
Outcome rowSpan(const TableModel &model)
{
    const mCell::CellInfo &info = model.cell(model.CurCol, model.CurRow);
    if (info.RowSpan != 1)
        return kResetNeeded;
    const int lastCol = spanEnd(model.CurCol, info.ColSpan);
    int row = model.CurRow + 1;
    for (; row < model.RowCount(); ++row) {
        bool open = true;
        for (int col = model.CurCol; col <= lastCol && open; ++col)
            open = isOrdinary(model, col, row);
        if (!open)
            break;
    }
    const int room = row - model.CurRow;
    if (room < 2)
        return noSpace(QStringLiteral("RowSpans"));
    return Bar{RowSpanMode, 2, room, 2, QStringLiteral("Choose # of RowSpans")};
}

void setColumnWidth(TableModel &model, int percent, int pixels)
{
    for (int row = 0; row < kMax; ++row) {
        model.cell(model.CurCol, row).PercentWidth = percent;
        model.cell(model.CurCol, row).PixelWidth = pixels;
    }
    model.computeGeometry();
}

} // namespace

Outcome check(const TableModel &model, int mode)
{
    switch (mode) {
    case PercentMode:
        return percentWidth(model);
    case PixelMode:
        return pixelWidth(model);
    case ColSpanMode:
        return colSpan(model);
    case RowSpanMode:
        return rowSpan(model);
    default:
        return std::monostate{};
    }
}

Outcome open(TableModel &model, int mode)
{
    Outcome outcome = check(model, mode);
    model.AdjustMode = std::holds_alternative<Bar>(outcome) ? mode : NoMode;
    return outcome;
}

bool apply(TableModel &model, int value)
{
    const int mode = std::exchange(model.AdjustMode, NoMode);
    model.unmark();
    const Outcome outcome = check(model, mode);
    const Bar *bar = std::get_if<Bar>(&outcome);
    if (!bar || value < bar->minimum || value > bar->maximum)
        return false;
    const int col = model.CurCol;
    const int row = model.CurRow;
    mCell::CellInfo &info = model.cell(col, row);
    switch (mode) {
    case PercentMode:
        setColumnWidth(model, value, 0);
        break;
    case PixelMode:
        setColumnWidth(model, 0, value);
        break;
    case ColSpanMode:
        info.ColSpan = value;
        for (int r = row; r <= spanEnd(row, info.RowSpan); ++r)
            for (int c = col + 1; c < col + value; ++c)
                model.cell(c, r).ColSpan = 0;
        break;
    case RowSpanMode:
        info.RowSpan = value;
        for (int c = col; c <= spanEnd(col, info.ColSpan); ++c)
            for (int r = row + 1; r < row + value; ++r)
                model.cell(c, r).RowSpan = 0;
        break;
    }
    model.computeGeometry();
    return true;
}

void cancel(TableModel &model)
{
    model.AdjustMode = NoMode;
}

bool canResetWidth(const TableModel &model)
{
    return !model.isFree(model.CurCol, model.CurRow);
}

bool canResetSpans(const TableModel &model)
{
    const mCell::CellInfo &info = model.cell(model.CurCol, model.CurRow);
    return info.ColSpan >= 2 || info.RowSpan >= 2;
}

void resetColumnWidth(TableModel &model)
{
    // All eight rows, as applying writes them: a width removed here must not
    // come back when the table grows.
    setColumnWidth(model, 0, 0);
}

void resetSpans(TableModel &model)
{
    const mCell::CellInfo info = model.cell(model.CurCol, model.CurRow);
    if (info.ColSpan < 2 && info.RowSpan < 2)
        return;
    for (int col = model.CurCol; col <= spanEnd(model.CurCol, info.ColSpan); ++col) {
        for (int row = model.CurRow; row <= spanEnd(model.CurRow, info.RowSpan); ++row) {
            model.cell(col, row).ColSpan = 1;
            model.cell(col, row).RowSpan = 1;
        }
    }
    model.computeGeometry();
}

QString valueText(int mode, int value)
{
    switch (mode) {
    case PercentMode:
        return QStringLiteral("%1%").arg(value);
    case ColSpanMode:
        return QStringLiteral("%1 Columns").arg(value);
    case RowSpanMode:
        return QStringLiteral("%1 Rows").arg(value);
    default:
        return QString::number(value);
    }
}

std::optional<Refusal> attributeKey(const QString &text, int selected, QChar key)
{
    if (key == QChar(u'\b'))
        return std::nullopt;
    if (text.size() - selected + 1 > 2)
        return Refusal{QStringLiteral("TOO BIG"),
                       QStringLiteral("The size is limited to less than 100 Pixels.")};
    if (key < QChar(u'0') || key > QChar(u'9'))
        return Refusal{QStringLiteral("Numbers only..."),
                       QStringLiteral("Input is limited to the numbers 0-9")};
    return std::nullopt;
}

bool isAttributeValue(const QString &text)
{
    return (text.size() == 1 || text.size() == 2) &&
           std::all_of(text.begin(), text.end(), [](QChar c) { return c >= u'0' && c <= u'9'; });
}

} // namespace TableRules
