// Zevora - the horizontal rule dialog.
#include "frmHR.h"

#include "FontTags.h"

#include <QCheckBox>

frmHR::frmHR(frmKid *page, QWidget *parent)
    : SizeTagDialog(page, 9, "chkWidth", QStringLiteral("Include Width Tag"), parent)
{
    setObjectName(QStringLiteral("frmHR"));
    setWindowTitle(QStringLiteral("Horizontal Rule <HR> Tag Dialog"));
    chkWidth = firstCheck();
}

void frmHR::showModal(frmKid *page, QWidget *parent)
{
    frmHR dialog(page, parent);
    run(dialog);
}

QString frmHR::tag(int size) const
{
    return FontTags::ruleTag(size, chkColor->isChecked(), chkWidth->isChecked());
}
