// Zevora - the organize-templates dialog (Options > Templates > Organize Templates).
#include "frmTemplatesOrg.h"

#include "TemplateCommands.h"

#include <QComboBox>
#include <QEvent>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>
#include <QVBoxLayout>

frmTemplatesOrg::frmTemplatesOrg(TemplateCommands *commands, QWidget *parent)
    : QDialog(parent), m_commands(commands)
{
    setObjectName(QStringLiteral("frmTemplatesOrg"));
    setWindowTitle(QStringLiteral("Organize Templates"));
    setModal(true);

    cboTemplates = new QComboBox(this);
    cboTemplates->setObjectName(QStringLiteral("cboTemplates"));
    cboTemplates->setAccessibleName(QStringLiteral("Template List"));
    cboTemplates->setPlaceholderText(QStringLiteral("Template List"));
    for (const TemplateList::Template &entry : m_commands->storedTemplates())
        cboTemplates->addItem(entry.name);
    cboTemplates->setCurrentIndex(-1);
    cboTemplates->installEventFilter(this);

    const QStringList captions = {QStringLiteral("Delete"), QStringLiteral("ReName")};
    for (int i = 0; i < captions.size(); ++i) {
        auto *option = new QRadioButton(captions.at(i), this);
        option->setObjectName(QStringLiteral("optChange(%1)").arg(i));
        optChange.append(option);
        connect(option, &QRadioButton::toggled, this, &frmTemplatesOrg::choiceChanged);
    }
    txtRename = new QLineEdit(QStringLiteral("Enter Name for Template"), this);
    txtRename->setObjectName(QStringLiteral("txtRename"));
    txtRename->setAccessibleName(QStringLiteral("Enter Name for Template"));
    txtRename->setVisible(false);
    txtRename->installEventFilter(this);

    cmdEnter = new QPushButton(QStringLiteral("Enter"), this);
    cmdEnter->setObjectName(QStringLiteral("cmdEnter"));
    cmdEnter->setDefault(true);
    cmdEnter->setEnabled(false);
    cmdCancel = new QPushButton(QStringLiteral("Cancel"), this);
    cmdCancel->setObjectName(QStringLiteral("cmdCancel"));
    cmdCancel->setAutoDefault(false);

    auto *options = new QHBoxLayout;
    options->addWidget(optChange[0]);
    options->addWidget(optChange[1]);
    options->addStretch();
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(cmdEnter);
    buttons->addWidget(cmdCancel);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(cboTemplates);
    layout->addLayout(options);
    layout->addWidget(txtRename);
    layout->addStretch();
    layout->addLayout(buttons);
    setMinimumWidth(320);

    connect(cboTemplates, &QComboBox::currentIndexChanged, this, &frmTemplatesOrg::choiceChanged);
    connect(cmdEnter, &QPushButton::clicked, this, &frmTemplatesOrg::cmdEnter_Click);
    connect(cmdCancel, &QPushButton::clicked, this, &QDialog::reject);
}

bool frmTemplatesOrg::eventFilter(QObject *watched, QEvent *event)
{
    // The list offers its templates only; typed letters do not pick one.
    if (watched == cboTemplates && event->type() == QEvent::KeyPress) {
        const QString text = static_cast<QKeyEvent *>(event)->text();
        if (!text.isEmpty() && text.at(0).isPrint())
            return true;
    }
    // Entering the box selects its text, so that typing replaces it (after
    // the click that entered it has placed the caret).
    if (watched == txtRename && event->type() == QEvent::FocusIn)
        QTimer::singleShot(0, txtRename, [box = txtRename] { box->selectAll(); });
    return QDialog::eventFilter(watched, event);
}

void frmTemplatesOrg::choiceChanged()
{
    const bool picked = cboTemplates->currentIndex() >= 0;
    const bool renaming = optChange[1]->isChecked();
    cmdEnter->setEnabled(picked && (renaming || optChange[0]->isChecked()));
    const bool showRename = renaming && picked;
    if (showRename && !txtRename->isVisible()) {
        txtRename->setVisible(true);
        txtRename->setFocus();
    } else if (!showRename) {
        txtRename->setVisible(false);
    }
}

void frmTemplatesOrg::cmdEnter_Click()
{
    const int slot = cboTemplates->currentIndex();
    if (slot < 0)
        return;
    if (optChange[1]->isChecked()) {
        if (m_commands->renameTemplate(slot, txtRename->text()))
            accept();
    } else if (optChange[0]->isChecked()) {
        m_commands->deleteTemplate(slot);
        accept();
    }
}
