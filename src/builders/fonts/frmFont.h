// Zevora - the font tag dialog (Dialogs > Font Tag).
#pragma once

#include "SizeTagDialog.h"

/// Writes `<font size=N>` with optional colour and face placeholders.
class frmFont : public SizeTagDialog
{
    Q_OBJECT

public:
    explicit frmFont(frmKid *page, QWidget *parent = nullptr);
    /// Shows the dialog modally for \a page, then gives the focus back to it.
    static void showModal(frmKid *page, QWidget *parent);

    QCheckBox *chkFace = nullptr;

protected:
    QString tag(int size) const override;
};
