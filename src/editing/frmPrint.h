// Zevora - the Print window: prints a page's text on a chosen printer.
#pragma once

#include <QDialog>
#include <QPointer>

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class richy;

/// The modal Print window. It lists the system's printers and prints the
/// selection of the editor given to setTB() (its whole text when nothing is
/// selected) once per copy, each copy a job of its own named by the job
/// title. A copy that fails stops the printing with a box, and the window
/// stays open.
class frmPrint : public QDialog
{
    Q_OBJECT

public:
    /// \a currentPrinter is the printer chosen last in this session ("" for
    /// none yet).
    explicit frmPrint(const QString &currentPrinter = QString(), QWidget *parent = nullptr);

    /// The editor whose text is printed.
    void setTB(richy *tb);
    /// The name of each job: the page's caption file part.
    void setJobTitle(const QString &title) { m_title = title; }
    /// The printer chosen when Print was last clicked, else the one given.
    QString currentPrinter() const { return m_currentPrinter; }

    QLabel *Label1 = nullptr;
    QComboBox *cboPrinters = nullptr;
    QLabel *Label2 = nullptr;
    QLineEdit *txtCopies = nullptr;
    QLabel *imgPrinter = nullptr;
    QPushButton *cmdPrint = nullptr;
    QPushButton *cmdCancel = nullptr;

    void cmdPrint_Click();

protected:
    bool eventFilter(QObject *watched, QEvent *e) override;

private:
    void txtCopies_Edited(const QString &text);
    void selectFirstCopiesCharacter();

    QPointer<richy> m_tb;
    QString m_title;
    QString m_currentPrinter;
    QString m_copies = QStringLiteral("1");
};
