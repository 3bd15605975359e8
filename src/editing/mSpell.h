// Zevora - the spell check command (tool 10).
#pragma once

#include <QString>
#include <QStringList>

class QWidget;
class frmKid;

namespace mSpell {

/// Checks the spelling of \a kid's selection, or of its whole text when
/// nothing is selected, in the Spelling window over \a frame. The corrected
/// text goes back into \a kid alone (nowhere once it has gone) as one undo
/// step, and only when something changed; every character but the changed
/// words comes back as it was. An empty page only gets the focus back.
void spellCheck(frmKid *kid, QWidget *frame);

/// The dictionary to use, of the \a installed ones: the one of \a locale
/// (such as "de_DE"), else en_US, else the first; empty when none is there.
QString chooseLanguage(const QStringList &installed, const QString &locale);

} // namespace mSpell
