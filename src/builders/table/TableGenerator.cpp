// Zevora - the HTML text of the designed table.
#include "TableGenerator.h"

#include "TableModel.h"

#include <array>

namespace TableGenerator {

QString tableText(const TableModel &model)
{
    const QString crlf = QStringLiteral("\r\n");
    QString text = QStringLiteral("<TABLE") + model.BorderAttr + model.WidthAttr + model.PaddingAttr +
                   model.SpacingAttr + model.TableAlignAttr + model.TableBgAttr() + QLatin1Char('>') + crlf;
    if (model.captionOn)
        text += QStringLiteral("<CAPTION") + model.CaptionAlignAttr + model.CaptionText +
                QStringLiteral("</CAPTION>") + crlf;

    const QString headerRow = model.HeaderRowAttr();
    std::array<bool, TableModel::kMaxSize> widthWritten{};
    for (int row = 0; row < model.RowCount(); ++row) {
        if (headerRow.isEmpty() || row > 0)
            text += QStringLiteral("<TR><!-- Row %1 -->").arg(row + 1) + crlf;
        else
            text += QStringLiteral("<TR") + headerRow + QLatin1Char('>') + crlf;
        for (int col = 0; col < model.ColCount(); ++col) {
            if (model.isCovered(col, row))
                continue;
            const mCell::CellInfo &info = model.cell(col, row);
            const QString tag = model.headerOn && row == 0 ? QStringLiteral("TH") : QStringLiteral("TD");
            QString cell = QStringLiteral("   <") + tag;
            const int rowSpan = model.shownRowSpan(col, row);
            const int colSpan = model.shownColSpan(col, row);
            if (rowSpan != 1)
                cell += QStringLiteral(" RowSpan=%1").arg(rowSpan);
            if (colSpan >= 2) {
                cell += QStringLiteral(" ColSpan=%1").arg(colSpan);
            } else if (!widthWritten[std::size_t(col)]) {
                if (info.PercentWidth != 0)
                    cell += QStringLiteral(" width=%1%").arg(info.PercentWidth);
                else if (info.PixelWidth != 0)
                    cell += QStringLiteral(" width=%1").arg(info.PixelWidth);
                widthWritten[std::size_t(col)] = info.PercentWidth != 0 || info.PixelWidth != 0;
            }
            if (info.HasColor && !(row == 0 && !headerRow.isEmpty()))
                cell += TableModel::colourFragment(info.Color);
            cell += info.AlignAttr + info.VAlignAttr;
            text += cell + QStringLiteral(">&nbsp;</") + tag + QLatin1Char('>') + crlf;
        }
        text += QStringLiteral("</TR>") + crlf;
    }
    return text + QStringLiteral("</TABLE>");
}

} // namespace TableGenerator
