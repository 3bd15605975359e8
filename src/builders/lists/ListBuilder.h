// Zevora - the list builder's choices and the list they make.
// QtCore only: the dialog copies its controls in here and shows the results.
#pragma once

#include <QList>
#include <QString>
#include <QStringList>

#include <optional>

/// What the user chose in the list builder, and the list text made from it.
/// Entry indexes are those of the dialog's three lists: entry 0 is the
/// prompt ("Type of List", "List Styles", "# of Items"), -1 means the list
/// has nothing chosen (it was never filled).
class ListBuilder
{
public:
    enum Kind : quint8
    {
        NoKind = 0,
        Unordered = 1,
        Ordered = 2,
        Definition = 3
    };
    /// The three lists, in the order their choices are checked.
    enum class Choice
    {
        Type,
        Style,
        Number
    };
    enum class Help
    {
        Types,
        Styles,
        Items,
        Ready
    };
    struct Item
    {
        QString text;
        bool subItem = false;
    };

    static constexpr int kMinItems = 2;
    static constexpr int kMaxItems = 9;

    /// The entries of the type, style (for \a kind) and number lists, prompt first.
    static QStringList typeEntries();
    static QStringList styleEntries(Kind kind);
    static QStringList numberEntries();
    /// The help text \a help; the items text has a note on headings for a
    /// definition list.
    static QString helpText(Help help, Kind kind = NoKind);

    /// The first of the given lists, in the order type, style, number, that
    /// stands on its prompt entry; a list with nothing chosen (-1) passes.
    static std::optional<Choice> failingChoice(int typeEntry, int styleEntry, int numberEntry = -1);
    /// What the user is told when \a choice fails.
    static QString choiceMessage(Choice choice);

    /// The image tags of a definition list whose bullets have no files: for
    /// the user to fill in.
    static QString genericTopicTag();
    static QString genericDetailTag();

    /// Takes style entry \a styleEntry of the current kind: sets TypeAttr and
    /// empties both image tags. True when the style asks for image bullets.
    bool chooseStyle(int styleEntry);
    /// True for the style entry of a definition list that has image bullets.
    static bool hasImageBullets(Kind kind, int styleEntry);

    /// The message when the list cannot be written for want of a heading
    /// (a definition list with an empty one), or "".
    QString headingMessage() const;
    /// The whole list, with CR LF line breaks, ending with one. Items and the
    /// heading are written as typed: they may hold HTML.
    QString listText() const;

    quint8 ListKind = NoKind;
    QString TypeAttr;
    QString TopicImageTag;
    QString DetailImageTag;
    QList<Item> items;
    QString heading;
};
