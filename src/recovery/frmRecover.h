// Zevora - the window that offers the pages a crash left unsaved.
#pragma once

#include "RecoveryJournals.h"

#include <QDialog>

class QLabel;
class QPushButton;
class QTreeWidget;

/// Lists the pages of journals found at start, one row each (page, file,
/// when it was kept, size, and a note: a file changed on disk since, or a
/// journal that could not be read and is skipped). Every readable page starts
/// checked. Recover, Discard and Later close the window with that choice;
/// checkedRows() tells which rows it applies to.
class frmRecover : public QDialog
{
    Q_OBJECT

public:
    enum Choice
    {
        Later,
        Recover,
        Discard
    };

    explicit frmRecover(const QList<StaleJournal> &journals, QWidget *parent = nullptr);

    Choice choice() const { return m_choice; }
    /// The rows checked when the window closed, in list order.
    QList<int> checkedRows() const;

    /// The five texts of a row (the note empty when there is nothing to say).
    static QStringList rowTexts(const StaleJournal &journal);

    QLabel *lblIntro = nullptr;
    QTreeWidget *lstPages = nullptr;
    QPushButton *cmdRecover = nullptr;
    QPushButton *cmdDiscard = nullptr;
    QPushButton *cmdLater = nullptr;

private:
    void finish(Choice choice);

    Choice m_choice = Later;
};
