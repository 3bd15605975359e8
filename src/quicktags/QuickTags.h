// Zevora - the quick tag commands of the Tags and Scripts menus.
// The exact text each menu item inserts into the page, and the captions of the items.
#pragma once

#include <QDate>
#include <QLocale>
#include <QString>
#include <QStringList>
#include <QStringView>

/// The texts of the quick tag commands. Every text is built with CR LF line
/// breaks. Index lists follow the menus: the captions of a list give its items
/// in order, "-" for a separator. Separators and indexes outside a list give an
/// empty text (nothing to insert).
namespace QuickTags {

/// Tags > Form: "Use POST", "Use GET", "-", "Textarea", "-", "Select", "w/Multiple".
QStringList formCaptions();
/// The form skeleton, text area or select list of Form item \a index.
QString formSnippet(int index);

/// Tags > Inputs: "Text", "Hidden", "Radio", "Checkbox", "Password", "File", "Reset", "Submit".
QStringList inputCaptions();
/// The INPUT element of Inputs item \a index, one line without a line break.
QString inputSnippet(int index);

/// Scripts > Script Tags: "JavaScript", "VBScript", "Style".
QStringList scriptCaptions();
/// The empty SCRIPT or STYLE block of Script Tags item \a index: the opening
/// tag, an empty line and the closing tag.
QString scriptSnippet(int index);
/// How many positions before the end of the inserted block the caret goes, so
/// that it stands at the start of the empty line inside the block. \a lineBreak
/// is the line break the block has in the page: CR LF as built, or the page's
/// own line ending when the insertion rewrote it. 0 for an index outside the list.
int scriptCaretBack(int index, QStringView lineBreak = u"\r\n");

/// Scripts > Drop Menus: "w/Redirect", "above w/Go Button", "w/New Window Option".
QStringList dropCaptions();
/// The drop-down menu of Drop Menus item \a index (cStringsMenus::getStrVal).
QString dropSnippet(int index);

/// Tags > Date: \a date as "MMMM dd, yyyy" with the month names of \a locale,
/// for example "July 04, 2001" in English.
QString dateSnippet(const QDate &date = QDate::currentDate(), const QLocale &locale = QLocale());

} // namespace QuickTags
