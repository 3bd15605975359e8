// Zevora - the About box: the product, its version, what it is, and how to reach its maker.
#pragma once

#include <QDialog>

class QLabel;
class QPushButton;
class QUrl;

/// The modal About box. Clicking a link label (or pressing Enter or Space on
/// it) hands the label's own text to the shell service.
class frmAbout : public QDialog
{
    Q_OBJECT

public:
    explicit frmAbout(QWidget *parent = nullptr);

    /// Shows the box modally over \a parent and returns when it is closed.
    static void showModal(QWidget *parent);

    /// "Version " and major.minor.revision of \a applicationVersion (missing
    /// parts count as 0). An empty or unreadable version gives the version
    /// the program was built as.
    static QString versionText(const QString &applicationVersion);
    /// Where a link label's text leads: a text with "@" is a mail address
    /// ("mailto:" + text); any other is a web address.
    static QUrl linkUrl(const QString &text);

    QLabel *lblProduct = nullptr;
    QLabel *lblVersion = nullptr;
    QLabel *lblDescription = nullptr;
    QLabel *lblMail = nullptr;
    QLabel *lblWeb = nullptr;
    QPushButton *cmdOK = nullptr;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QLabel *makeLinkLabel(const char *name, const QString &text);
};
