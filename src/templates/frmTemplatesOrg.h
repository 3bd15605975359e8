// Zevora - the organize-templates dialog (Options > Templates > Organize Templates).
#pragma once

#include <QDialog>
#include <QList>

class QComboBox;
class QLineEdit;
class QPushButton;
class QRadioButton;
class TemplateCommands;

/// Renames or deletes one template. Enter works once both a template and
/// what to do with it are chosen. The option buttons are named
/// "optChange(0)" (Delete) and "optChange(1)" (ReName).
class frmTemplatesOrg : public QDialog
{
    Q_OBJECT

public:
    frmTemplatesOrg(TemplateCommands *commands, QWidget *parent = nullptr);

    QComboBox *cboTemplates = nullptr;
    QList<QRadioButton *> optChange;
    QLineEdit *txtRename = nullptr;
    QPushButton *cmdEnter = nullptr;
    QPushButton *cmdCancel = nullptr;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void choiceChanged();
    void cmdEnter_Click();

    TemplateCommands *m_commands;
};
