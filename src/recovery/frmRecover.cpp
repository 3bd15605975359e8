// Zevora - the window that offers the pages a crash left unsaved.
#include "frmRecover.h"

#include "FileIdentity.h"

#include <QFileInfo>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLocale>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

frmRecover::frmRecover(const QList<StaleJournal> &journals, QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("frmRecover"));
    setWindowTitle(QStringLiteral("Recover Unsaved Pages"));
    setModal(true);

    lblIntro = new QLabel(QStringLiteral("Zevora ended before these pages were saved.\n"
                                         "Recover the checked pages, discard them, or decide later."),
                          this);
    lblIntro->setObjectName(QStringLiteral("lblIntro"));

    lstPages = new QTreeWidget(this);
    lstPages->setObjectName(QStringLiteral("lstPages"));
    lstPages->setAccessibleName(QStringLiteral("Unsaved pages"));
    lstPages->setRootIsDecorated(false);
    lstPages->setHeaderLabels({QStringLiteral("Page"), QStringLiteral("File"), QStringLiteral("Kept"),
                               QStringLiteral("Size"), QStringLiteral("Note")});
    for (const StaleJournal &journal : journals) {
        auto *row = new QTreeWidgetItem(lstPages, rowTexts(journal));
        row->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsUserCheckable);
        row->setCheckState(0, journal.journal ? Qt::Checked : Qt::Unchecked);
    }
    lstPages->header()->setSectionResizeMode(QHeaderView::ResizeToContents);

    cmdRecover = new QPushButton(QStringLiteral("&Recover"), this);
    cmdRecover->setObjectName(QStringLiteral("cmdRecover"));
    cmdRecover->setDefault(true);
    cmdDiscard = new QPushButton(QStringLiteral("&Discard"), this);
    cmdDiscard->setObjectName(QStringLiteral("cmdDiscard"));
    cmdLater = new QPushButton(QStringLiteral("&Later"), this);
    cmdLater->setObjectName(QStringLiteral("cmdLater"));
    connect(cmdRecover, &QPushButton::clicked, this, [this] { finish(Recover); });
    connect(cmdDiscard, &QPushButton::clicked, this, [this] { finish(Discard); });
    connect(cmdLater, &QPushButton::clicked, this, [this] { finish(Later); });

    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(cmdRecover);
    buttons->addWidget(cmdDiscard);
    buttons->addWidget(cmdLater);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(lblIntro);
    layout->addWidget(lstPages);
    layout->addLayout(buttons);
    resize(720, 300);
}

QStringList frmRecover::rowTexts(const StaleJournal &stale)
{
    const QLocale locale;
    if (!stale.journal) {
        return {QFileInfo(stale.path).fileName(), QString(), QString(),
                locale.formattedDataSize(stale.fileSize),
                QStringLiteral("Could not be read (%1); skipped.").arg(stale.error)};
    }
    const JournalHeader &header = stale.journal->header;
    QString note;
    if (!header.untitled) {
        const Platform::FileIdentity now = Platform::fileIdentity(header.tag);
        if (!now.valid)
            note = QStringLiteral("The file is no longer on disk.");
        else if (now.size != header.fileSize || now.modifiedNs != header.fileModifiedNs)
            note = QStringLiteral("The file changed on disk since.");
    }
    return {header.caption, header.untitled ? QStringLiteral("(not saved yet)") : header.tag,
            header.written.toLocalTime().toString(QStringLiteral("yyyy-MM-dd hh:mm:ss")),
            locale.formattedDataSize(stale.journal->body.size()), note};
}

QList<int> frmRecover::checkedRows() const
{
    QList<int> rows;
    for (int i = 0; i < lstPages->topLevelItemCount(); ++i) {
        if (lstPages->topLevelItem(i)->checkState(0) == Qt::Checked)
            rows.append(i);
    }
    return rows;
}

void frmRecover::finish(Choice choice)
{
    m_choice = choice;
    choice == Later ? reject() : accept();
}
