// Zevora - the add-a-template dialog (Options > Templates > Add Current Page).
#include "frmTemplatesAdd.h"

#include "TemplateCommands.h"
#include "frmKid.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

QLabel *makeLabel(QWidget *parent, const char *name, const QString &caption, QLineEdit *buddy)
{
    auto *label = new QLabel(caption, parent);
    label->setObjectName(QLatin1String(name));
    label->setBuddy(buddy);
    // Screen readers read the label's text as the box's name.
    buddy->setAccessibleName(caption);
    return label;
}

QLineEdit *makeBox(QWidget *parent, const char *name, const QString &text)
{
    auto *box = new QLineEdit(text, parent);
    box->setObjectName(QLatin1String(name));
    return box;
}

} // namespace

frmTemplatesAdd::frmTemplatesAdd(TemplateCommands *commands, frmKid *page, QWidget *parent)
    : QDialog(parent), m_commands(commands), m_page(page)
{
    setObjectName(QStringLiteral("frmTemplatesAdd"));
    setWindowTitle(QStringLiteral("Add a Template"));
    setModal(true);

    txtID = makeBox(this, "txtID", QStringLiteral("My First Template"));
    lblID = makeLabel(this, "lblID",
                      QStringLiteral("Name the template.\n(What that will appear on the menu.)"), txtID);
    txtFilename = makeBox(this, "txtFilename", QStringLiteral("template1.htm"));
    lblFilename =
        makeLabel(this, "lblFilename",
                  QStringLiteral("Enter a filename for the template\n(No path is needed. Example below.)"),
                  txtFilename);
    cmdEnter = new QPushButton(QStringLiteral("Enter"), this);
    cmdEnter->setObjectName(QStringLiteral("cmdEnter"));
    cmdEnter->setDefault(true);
    cmdCancel = new QPushButton(QStringLiteral("Cancel"), this);
    cmdCancel->setObjectName(QStringLiteral("cmdCancel"));
    cmdCancel->setAutoDefault(false);

    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(cmdEnter);
    buttons->addWidget(cmdCancel);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(lblID);
    layout->addWidget(txtID);
    layout->addSpacing(8);
    layout->addWidget(lblFilename);
    layout->addWidget(txtFilename);
    layout->addSpacing(8);
    layout->addLayout(buttons);
    setMinimumWidth(320);

    connect(cmdEnter, &QPushButton::clicked, this, &frmTemplatesAdd::cmdEnter_Click);
    connect(cmdCancel, &QPushButton::clicked, this, &QDialog::reject);

    txtID->selectAll();
    txtID->setFocus();
}

void frmTemplatesAdd::cmdEnter_Click()
{
    // The page it was opened on is gone: there is nothing to store.
    if (!m_page || m_page->isClosing()) {
        reject();
        return;
    }
    if (m_commands->addTemplate(m_page, txtID->text(), txtFilename->text()))
        accept();
}
