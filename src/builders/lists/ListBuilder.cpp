// Zevora - the list builder's choices and the list they make.
#include "ListBuilder.h"

namespace {

struct Style
{
    const char *caption;
    const char *typeAttr;
};

constexpr Style kUnorderedStyles[] = {
    {"Dot", " type=disc"}, {"Circle", " type=circle"}, {"Square", " type=square"}};
constexpr Style kOrderedStyles[] = {{"Numbers (Default)", ""},
                                    {"Capitol Letters", " type=A"},
                                    {"Lower Case Letters", " type=a"},
                                    {"Capitol Roman Numerals", " type=I"},
                                    {"Lower Case Roman Numerals", " type=i"}};
constexpr Style kDefinitionStyles[] = {{"Blank", ""}, {"Image Tag for Bullets", ""}};
// The definition style whose terms and descriptions get image bullets.
constexpr int kImageBulletsEntry = 2;

template <size_t N> QList<Style> listOf(const Style (&styles)[N])
{
    return QList<Style>(std::begin(styles), std::end(styles));
}

QList<Style> stylesOf(ListBuilder::Kind kind)
{
    switch (kind) {
    case ListBuilder::Unordered:
        return listOf(kUnorderedStyles);
    case ListBuilder::Ordered:
        return listOf(kOrderedStyles);
    case ListBuilder::Definition:
        return listOf(kDefinitionStyles);
    case ListBuilder::NoKind:
        break;
    }
    return {};
}

const QString kLineBreak = QStringLiteral("\r\n");

} // namespace

QStringList ListBuilder::typeEntries()
{
    return {QStringLiteral("Type of List"), QStringLiteral("Unordered List"), QStringLiteral("Ordered List"),
            QStringLiteral("Definition List")};
}

QStringList ListBuilder::styleEntries(Kind kind)
{
    QStringList entries{QStringLiteral("List Styles")};
    for (const Style &style : stylesOf(kind))
        entries.append(QString::fromLatin1(style.caption));
    return entries;
}

QStringList ListBuilder::numberEntries()
{
    QStringList entries{QStringLiteral("# of Items")};
    for (int n = kMinItems; n <= kMaxItems; ++n)
        entries.append(QString::number(n));
    return entries;
}

QString ListBuilder::helpText(Help help, Kind kind)
{
    switch (help) {
    case Help::Types:
        return QStringLiteral(
            "List types include:\n\n Unordered List, which is used to identify individual items by placing a "
            "circle or square in front of each.\n\n Ordered List, which proceeds items with different styles "
            "of letters or numbers.\n\n A Definition List does not place anything in front of items, but is "
            "a "
            "good way to structure headings and paragraphs on a page, especially if nested.");
    case Help::Styles:
        return QStringLiteral(
            "List Styles:\n\n are fairly self-explanatory. If you are unfamiliar with the styles, the "
            "easiest "
            "way to decide which will best suit your needs is to simply try one out and peek at the "
            "results.\n\nThe \"Image Tag for Bullets\" selection will generate an image tag in cases where "
            "you wish to use custom bullets. Just plug in the \"scr\" value for your image(s) after this "
            "dialog makes your list.");
    case Help::Items: {
        QString text = QStringLiteral(
            "# of Items:\n\n choose from 2 to 9 items. You will later be able to type in values for each "
            "entry "
            "in space available here.\n\n You can also change the number of items or Style of your list even "
            "after the Item Listing is displayed.");
        if (kind == Definition)
            text += QStringLiteral("\n\n With the Definition List you can enter a heading, and later choose "
                                   "entered items to be displayed as subitems...");
        return text;
    }
    case Help::Ready:
        return QStringLiteral(
            "Ready to list:\n\n click on \"Make List Entries\" to display the array of input boxes which "
            "will "
            "encode your items.\n\n Remember, you can change list choices at any time. Nothing is coded "
            "until "
            "you press the \"Enter\" button displayed on below the input items.\n\n For the definition list, "
            "enter your top heading first, then go on to the rest of the list.");
    }
    return {};
}

std::optional<ListBuilder::Choice> ListBuilder::failingChoice(int typeEntry, int styleEntry, int numberEntry)
{
    if (typeEntry == 0)
        return Choice::Type;
    if (styleEntry == 0)
        return Choice::Style;
    if (numberEntry == 0)
        return Choice::Number;
    return std::nullopt;
}

QString ListBuilder::choiceMessage(Choice choice)
{
    switch (choice) {
    case Choice::Type:
        return QStringLiteral("You must choose a List Type to continue.");
    case Choice::Style:
        return QStringLiteral("You must choose a List Style to continue.");
    case Choice::Number:
        return QStringLiteral("You must choose the Number of Items to continue.");
    }
    return {};
}

QString ListBuilder::genericTopicTag()
{
    return QStringLiteral("<img src=\"\" width=XX height=XX hspace=8>");
}

QString ListBuilder::genericDetailTag()
{
    return QStringLiteral("<img src=\"\" width=XX height=XX hspace=5 align=middle>");
}

bool ListBuilder::chooseStyle(int styleEntry)
{
    TypeAttr.clear();
    TopicImageTag.clear();
    DetailImageTag.clear();
    const QList<Style> styles = stylesOf(Kind(ListKind));
    if (styleEntry >= 1 && styleEntry <= styles.size())
        TypeAttr = QString::fromLatin1(styles.at(styleEntry - 1).typeAttr);
    return hasImageBullets(Kind(ListKind), styleEntry);
}

bool ListBuilder::hasImageBullets(Kind kind, int styleEntry)
{
    return kind == Definition && styleEntry == kImageBulletsEntry;
}

QString ListBuilder::headingMessage() const
{
    if (ListKind != Definition || !heading.isEmpty())
        return {};
    return QStringLiteral("\"Definition List Header\" (lower, left of page)\n"
                          "must be entered for the Definition List.");
}

QString ListBuilder::listText() const
{
    QString start;
    QString end;
    switch (ListKind) {
    case Unordered:
        start = QStringLiteral("<UL") + TypeAttr + QLatin1Char('>');
        end = QStringLiteral("</UL>");
        break;
    case Ordered:
        start = QStringLiteral("<OL") + TypeAttr + QLatin1Char('>');
        end = QStringLiteral("</OL>");
        break;
    case Definition:
        start = QStringLiteral("<DL><B>") + heading + QStringLiteral("</B>");
        end = QStringLiteral("</DL>");
        break;
    default:
        return {};
    }
    QString text = start + kLineBreak;
    for (const Item &item : items) {
        if (ListKind != Definition)
            text += QStringLiteral("    <LI>") + item.text;
        else if (item.subItem)
            text += QString(16, QLatin1Char(' ')) + QStringLiteral("<DD>") + DetailImageTag + item.text;
        else
            text += QString(8, QLatin1Char(' ')) + QStringLiteral("<DT>") + TopicImageTag + item.text;
        text += kLineBreak;
    }
    return text + end + kLineBreak;
}
