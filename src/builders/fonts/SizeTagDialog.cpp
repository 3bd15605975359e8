// Zevora - a small dialog that writes one tag with a size at the caret.
#include "SizeTagDialog.h"

#include "frmKid.h"
#include "richy.h"

#include <QAbstractItemView>
#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QKeyEvent>
#include <QMdiArea>
#include <QPushButton>

SizeTagDialog::SizeTagDialog(frmKid *page, int sizes, const char *firstName, const QString &first,
                             QWidget *parent)
    : QDialog(parent), m_page(page)
{
    cboFontSize = new QComboBox(this);
    cboFontSize->setObjectName(QStringLiteral("cboFontSize"));
    cboFontSize->setAccessibleName(QStringLiteral("Size"));
    cboFontSize->setPlaceholderText(QStringLiteral("Size"));
    for (int size = 1; size <= sizes; ++size)
        cboFontSize->addItem(QString::number(size));
    cboFontSize->setCurrentIndex(-1);
    cboFontSize->installEventFilter(this);
    cboFontSize->view()->installEventFilter(this);
    m_first = new QCheckBox(first, this);
    m_first->setObjectName(QLatin1String(firstName));
    chkColor = new QCheckBox(QStringLiteral("Include Color Tag"), this);
    chkColor->setObjectName(QStringLiteral("chkColor"));
    cmdEnter = new QPushButton(QStringLiteral("Enter"), this);
    cmdEnter->setObjectName(QStringLiteral("cmdEnter"));
    cmdEnter->setDefault(true);
    cmdCancel = new QPushButton(QStringLiteral("Cancel"), this);
    cmdCancel->setObjectName(QStringLiteral("cmdCancel"));
    cmdCancel->setAutoDefault(false);
    connect(cmdEnter, &QPushButton::clicked, this, &SizeTagDialog::cmdEnter_Click);
    connect(cmdCancel, &QPushButton::clicked, this, &QDialog::reject);

    auto *layout = new QGridLayout(this);
    layout->addWidget(cboFontSize, 0, 0);
    layout->addWidget(m_first, 1, 0);
    layout->addWidget(chkColor, 2, 0);
    layout->addWidget(cmdEnter, 0, 1);
    layout->addWidget(cmdCancel, 1, 1);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

SizeTagDialog::~SizeTagDialog() = default;

void SizeTagDialog::run(SizeTagDialog &dialog)
{
    dialog.exec();
    if (frmKid *kid = dialog.m_page; kid && !kid->isClosing()) {
        if (QMdiArea *area = kid->mdiArea(); area && area->activeSubWindow() != kid)
            area->setActiveSubWindow(kid);
        kid->richy->setFocus();
    }
}

bool SizeTagDialog::eventFilter(QObject *watched, QEvent *event)
{
    // Sizes come from the list or the arrow keys only: a typed character
    // neither picks nor searches.
    if (event->type() == QEvent::KeyPress && (watched == cboFontSize || watched == cboFontSize->view())) {
        const QString text = static_cast<QKeyEvent *>(event)->text();
        if (!text.isEmpty() && text.at(0).isPrint())
            return true;
    }
    return QDialog::eventFilter(watched, event);
}

void SizeTagDialog::cmdEnter_Click()
{
    if (cboFontSize->currentIndex() < 0)
        return;
    hide();
    const int size = cboFontSize->currentIndex() + 1;
    if (frmKid *kid = m_page; kid && !kid->isClosing()) {
        if (QMdiArea *area = kid->mdiArea(); area && area->activeSubWindow() != kid)
            area->setActiveSubWindow(kid);
        kid->kidPaste(tag(size));
    }
    accept();
}
