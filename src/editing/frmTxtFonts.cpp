// Zevora - the Editor Font window.
#include "frmTxtFonts.h"

#include "CRegSettings.h"
#include "EditorFont.h"
#include "richy.h"

#include <QComboBox>
#include <QFontDatabase>
#include <QFontInfo>
#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

namespace {
double pointsOf(const QFont &font)
{
    return font.pointSizeF() > 0 ? font.pointSizeF() : QFontInfo(font).pointSizeF();
}
} // namespace

frmTxtFonts::frmTxtFonts(richy *target, QWidget *parent) : QDialog(parent), m_target(target)
{
    setObjectName(QStringLiteral("frmTxtFonts"));
    setWindowTitle(QStringLiteral("Editor Font"));
    setModal(true);

    // Both lists are for picking only: they are not editable.
    cboFonts = new QComboBox(this);
    cboFonts->setObjectName(QStringLiteral("cboFonts"));
    cboFonts->setAccessibleName(QStringLiteral("Font"));
    cboFonts->setMinimumWidth(240);
    cboSize = new QComboBox(this);
    cboSize->setObjectName(QStringLiteral("cboSize"));
    cboSize->setAccessibleName(QStringLiteral("Size"));
    cmdOK = new QPushButton(QStringLiteral("Use Selections"), this);
    cmdOK->setObjectName(QStringLiteral("cmdOK"));
    cmdOK->setDefault(true);
    cmdCancel = new QPushButton(QStringLiteral("Cancel"), this);
    cmdCancel->setObjectName(QStringLiteral("cmdCancel"));

    auto *lists = new QHBoxLayout;
    lists->addWidget(cboFonts, 1);
    lists->addWidget(cboSize);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(cmdOK);
    buttons->addWidget(cmdCancel);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(lists);
    layout->addLayout(buttons);

    for (const QString &family : QFontDatabase::families()) {
        if (!QFontDatabase::isPrivateFamily(family))
            cboFonts->addItem(family);
    }
    for (int size : EditorFont::sizes())
        cboSize->addItem(QString::number(size));

    if (m_target) {
        m_original = m_target->font();
        int face = cboFonts->findText(m_original.family(), Qt::MatchFixedString);
        if (face < 0) // a generic name such as "Monospace": show the face it stands for
            face = cboFonts->findText(QFontInfo(m_original).family(), Qt::MatchFixedString);
        cboFonts->setCurrentIndex(face);
        cboSize->setCurrentIndex(EditorFont::nearestSizeIndex(pointsOf(m_original)));
    }

    connect(cboFonts, &QComboBox::activated, this, &frmTxtFonts::cboFonts_Click);
    connect(cboSize, &QComboBox::activated, this, &frmTxtFonts::cboSize_Click);
    connect(cmdOK, &QPushButton::clicked, this, &frmTxtFonts::cmdOK_Click);
    connect(cmdCancel, &QPushButton::clicked, this, &frmTxtFonts::reject);
}

void frmTxtFonts::cboFonts_Click(int index)
{
    const QString face = cboFonts->itemText(index);
    if (!m_target || face.isEmpty())
        return;
    QFont font = m_target->font();
    font.setFamily(face);
    m_target->setFont(font);
}

void frmTxtFonts::cboSize_Click(int index)
{
    const QString size = cboSize->itemText(index);
    if (!m_target || size.isEmpty())
        return;
    QFont font = m_target->font();
    font.setPointSizeF(size.toDouble());
    m_target->setFont(font);
}

void frmTxtFonts::cmdOK_Click()
{
    if (!m_target) {
        QDialog::reject();
        return;
    }
    const QFont font = m_target->font();
    const int size = EditorFont::sizeToSave(pointsOf(font));
    cboSize->setCurrentIndex(EditorFont::nearestSizeIndex(pointsOf(font)));
    CRegSettings settings;
    settings.SaveRegSetting(QStringLiteral("font preferences"), QStringLiteral("font_Face"), font.family());
    settings.SaveRegSetting(QStringLiteral("font preferences"), QStringLiteral("font_Size"),
                            QString::number(size));
    accept();
}

void frmTxtFonts::reject()
{
    if (m_target && m_target->font() != m_original)
        m_target->setFont(m_original);
    QDialog::reject();
}
