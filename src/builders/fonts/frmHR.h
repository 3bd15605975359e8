// Zevora - the horizontal rule dialog (Dialogs > Rule <HR>).
#pragma once

#include "SizeTagDialog.h"

/// Writes `<HR size=N>` with optional colour and width placeholders.
class frmHR : public SizeTagDialog
{
    Q_OBJECT

public:
    explicit frmHR(frmKid *page, QWidget *parent = nullptr);
    /// Shows the dialog modally for \a page, then gives the focus back to it.
    static void showModal(frmKid *page, QWidget *parent);

    QCheckBox *chkWidth = nullptr;

protected:
    QString tag(int size) const override;
};
