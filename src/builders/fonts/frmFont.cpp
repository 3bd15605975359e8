// Zevora - the font tag dialog.
#include "frmFont.h"

#include "FontTags.h"

#include <QCheckBox>

frmFont::frmFont(frmKid *page, QWidget *parent)
    : SizeTagDialog(page, 7, "chkFace", QStringLiteral("Include Face Tag"), parent)
{
    setObjectName(QStringLiteral("frmFont"));
    setWindowTitle(QStringLiteral("Font Tag Dialog"));
    chkFace = firstCheck();
}

void frmFont::showModal(frmKid *page, QWidget *parent)
{
    frmFont dialog(page, parent);
    run(dialog);
}

QString frmFont::tag(int size) const
{
    return FontTags::fontTag(size, chkColor->isChecked(), chkFace->isChecked());
}
