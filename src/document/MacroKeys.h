// Zevora - the Ctrl and Ctrl+Shift letter macros of a page.
#pragma once

#include <QString>

namespace MacroKeys {

/// Shift states as the key handlers count them.
enum ShiftState
{
    Shift = 1,
    Ctrl = 2,
    Alt = 4
};

/// The text that the letter key \a keyCode ('A' to 'Z') inserts with the
/// shift state \a shiftState: the opening tag with exactly Ctrl, the closing
/// tag with exactly Ctrl+Shift. A null string where the key inserts nothing
/// (another letter, another shift state, a tag without a closing form).
QString text(int keyCode, int shiftState);

} // namespace MacroKeys
