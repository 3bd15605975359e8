// Zevora - offering back, at start, the pages a crash left unsaved.
#include "RecoveryOffer.h"

#include "FileIdentity.h"
#include "MessageService.h"
#include "RecoveryJournals.h"
#include "frmKid.h"
#include "frmRecover.h"
#include "richy.h"
#include "topForm.h"

using namespace Platform;

namespace RecoveryOffer {

frmKid *recover(topForm &frame, const Journal &journal)
{
    const JournalHeader &header = journal.header;
    frmKid *kid = frame.newDocumentWindow();
    kid->richy->loadText(header.encoding == PageEncoding::Windows1252
                             ? TextCodec::utf8FromWindows1252(journal.body)
                             : journal.body);
    kid->richy->setLineBreak(TextCodec::lineBreak(header.lineEnding));
    kid->setEncoding(header.encoding);
    kid->setTag(header.tag);
    kid->setWindowTitle(header.caption);
    // The file as the page last knew it: when it changed since, a save asks.
    if (!header.untitled) {
        FileIdentity known = fileIdentity(header.tag);
        if (known.valid) {
            known.size = header.fileSize;
            known.modifiedNs = header.fileModifiedNs;
            kid->setFileOnDisk(known);
        }
    }
    kid->richy->setSelStart(std::clamp<qint64>(header.caret, 0, kid->richy->textLength()));
    kid->richy->setDataChanged(true);
    kid->Form_Activate();
    frame.RefreshTools();
    return kid;
}

void offer(topForm &frame, RecoveryJournals &journals, const std::function<bool(qint64)> &isRunning)
{
    const QList<StaleJournal> stale = journals.staleJournals(isRunning);
    if (stale.isEmpty())
        return;
    frmRecover window(stale, &frame);
    window.exec();
    const QList<int> rows = window.checkedRows();
    if (window.choice() == frmRecover::Discard && !rows.isEmpty() &&
        message(QStringLiteral("Zevora Note:"),
                QStringLiteral("Discard the checked pages? Their unsaved text will be lost."),
                MsgIcon::Question, MsgButtons::YesNo) != MsgAnswer::Yes)
        return;
    if (window.choice() == frmRecover::Later)
        return;
    for (const int row : rows) {
        const StaleJournal &entry = stale.at(row);
        if (window.choice() == frmRecover::Recover) {
            // A journal that could not be read stays for the user to look at.
            if (!entry.journal)
                continue;
            // The page's new journal is on disk before the old one goes.
            journals.writeNow(recover(frame, *entry.journal));
        }
        journals.removeJournal(entry.path);
    }
}

} // namespace RecoveryOffer
