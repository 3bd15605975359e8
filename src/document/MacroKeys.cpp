// Zevora - the Ctrl and Ctrl+Shift letter macros of a page.
#include "MacroKeys.h"

namespace MacroKeys {

namespace {
struct Macro
{
    char letter;
    const char *opening;
    const char *closing; // null: Ctrl+Shift inserts nothing
};

constexpr Macro kMacros[] = {
    {'A', "<A HREF=\"\">", "</A>"},   {'B', "<BR>", nullptr},
    {'D', "<DIV>", "</DIV>"},         {'E', "<EMBED>", "</EMBED>"},
    {'F', "<FONT>", "</FONT>"},       {'H', "<HR>", nullptr},
    {'I', "<IMG>", "</IMG>"},         {'K', "<BLOCKQUOTE>", "</BLOCKQUOTE>"},
    {'M', "<MARQUEE>", "</MARQUEE>"}, {'O', "&nbsp;", nullptr},
    {'P', "<PRE>", "</PRE>"},         {'Q', "&quot;", nullptr},
    {'S', "<CENTER>", "</CENTER>"},   {'T', "<TABLE>", "</TABLE>"},
    {'Y', "<XMP>", "</XMP>"},
};
} // namespace

QString text(int keyCode, int shiftState)
{
    if (shiftState != Ctrl && shiftState != (Ctrl | Shift))
        return {};
    for (const Macro &macro : kMacros) {
        if (macro.letter != keyCode)
            continue;
        const char *chosen = shiftState == Ctrl ? macro.opening : macro.closing;
        return chosen ? QString::fromLatin1(chosen) : QString();
    }
    return {};
}

} // namespace MacroKeys
