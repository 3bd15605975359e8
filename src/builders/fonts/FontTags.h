// Zevora - the FONT and HR tags of the font and rule dialogs.
#pragma once

#include <QString>

namespace FontTags {

/// `<font size=N>`, with ` color="#000000"` and then ` face=""` when asked
/// for: placeholders for the user to fill in.
QString fontTag(int size, bool color, bool face);
/// `<HR size=N>`, with ` color="#000000"` and then ` width=` when asked for.
QString ruleTag(int size, bool color, bool width);

} // namespace FontTags
