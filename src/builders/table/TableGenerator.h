// Zevora - the HTML text of the designed table.
#pragma once

#include <QString>

class TableModel;

namespace TableGenerator {

/// The table as HTML: one line per tag and per cell, CRLF line breaks and
/// none after the closing "</TABLE>". Every cell holds "&nbsp;" for the user
/// to fill in. Spans that reach past the table are cut off at its edge; a
/// column's width is written once, on its first cell from the top that
/// spans no columns.
QString tableText(const TableModel &model);

} // namespace TableGenerator
