// Zevora - offering back, at start, the pages a crash left unsaved.
#pragma once

#include <functional>

#include <QtGlobal>

class RecoveryJournals;
class frmKid;
class topForm;
struct Journal;

namespace RecoveryOffer {

/// Shows the journals that no running process owns (\a isRunning tells
/// which processes still run) and does what the user chooses: recovered pages
/// open in \a frame, discarded journals are removed (after a question), and
/// Later keeps them for the next start. Nothing happens when there are none.
void offer(topForm &frame, RecoveryJournals &journals, const std::function<bool(qint64 pid)> &isRunning);

/// Opens the page kept in \a journal in \a frame: its text, caption, file
/// path, encoding, line ending and caret, marked changed, so that Save writes
/// it to its file (asking first when the file changed on disk since).
frmKid *recover(topForm &frame, const Journal &journal);

} // namespace RecoveryOffer
