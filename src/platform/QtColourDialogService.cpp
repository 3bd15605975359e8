// Zevora - the colour chooser shown with QColorDialog.
#include "QtColourDialogService.h"

#include <QColorDialog>
#include <QPointer>

namespace Platform {

std::optional<ColourValue> QtColourDialogService::chooseColour(QWidget *owner)
{
    for (int i = 0; i < QColorDialog::customCount(); ++i)
        QColorDialog::setCustomColor(i, QColor(Qt::black));
    // On the heap: should the owner go while the dialog is open, it takes
    // the dialog with it.
    const QPointer<QColorDialog> dialog = new QColorDialog(owner);
    dialog->setObjectName(QStringLiteral("colourDialog"));
    dialog->setOption(QColorDialog::DontUseNativeDialog);
    const bool chosen = dialog->exec() == QDialog::Accepted;
    if (!dialog)
        return std::nullopt;
    const QColor colour = dialog->selectedColor().toRgb();
    delete dialog;
    if (!chosen)
        return std::nullopt;
    return ColourValue(colour.red()) | ColourValue(colour.green()) << 8 | ColourValue(colour.blue()) << 16;
}

} // namespace Platform
