// Zevora - the add-a-template dialog (Options > Templates > Add Current Page).
#pragma once

#include <QDialog>
#include <QPointer>

class QLabel;
class QLineEdit;
class QPushButton;
class TemplateCommands;
class frmKid;

/// Asks for a template's name and file name and stores the page it was
/// opened on as that template. A refused entry keeps the dialog open.
class frmTemplatesAdd : public QDialog
{
    Q_OBJECT

public:
    frmTemplatesAdd(TemplateCommands *commands, frmKid *page, QWidget *parent = nullptr);

    QLabel *lblID = nullptr;
    QLineEdit *txtID = nullptr;
    QLabel *lblFilename = nullptr;
    QLineEdit *txtFilename = nullptr;
    QPushButton *cmdEnter = nullptr;
    QPushButton *cmdCancel = nullptr;

private:
    void cmdEnter_Click();

    TemplateCommands *m_commands;
    QPointer<frmKid> m_page;
};
