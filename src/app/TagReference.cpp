// Zevora - the macro keys and tag reference shown by the Key Macros window.
#include "TagReference.h"

#include <array>

namespace TagReference {

namespace {

struct Box
{
    QString title;
    QStringList lines;
};

// The boxes of list items 2 to 16, in list order. Blanks, quotes and trailing
// spaces inside the lines are part of the texts.
const std::array<Box, 15> &boxes()
{
    // clang-format off
    static const std::array<Box, 15> all = {{
        {QStringLiteral("ANCHOR:"), {
            QStringLiteral("Usually a link to another Web page (the URL placed in quotes after the HREF property.)"),
            QString(),
            QStringLiteral("<A"),
            QStringLiteral("HREF = \"location\""),
            QStringLiteral("ONCLICK = \"JS Code\""),
            QStringLiteral("ONMOUSEOUT = \"JS Code\""),
            QStringLiteral("ONMOUSEOVER = \"JS Code\""),
            QStringLiteral("Target = \"windowName\">"),
            QStringLiteral("</A>"),
            QString(),
            QStringLiteral("The URL can be substituted for another part of the present page, or a specific part"),
            QStringLiteral("of another page by including a reference to a block element with a set NAME property."),
            QStringLiteral("On the same page this would be simply:"),
            QStringLiteral("<a href=\"#nextSection\">nextSection</a>"),
            QString(),
            QStringLiteral("The HREF property can also include scripting instead of a URL, formatted in the following manner:"),
            QStringLiteral("<a href=\"javascript:alert('hello')\">hello</a>"),
        }},
        {QStringLiteral("LINE BREAK"), {
            QStringLiteral("NO END TAG"),
            QString(),
            QStringLiteral("Used to force a line break."),
            QStringLiteral("The CLEAR attribute can be used to move down past floating images on either margin. <BR CLEAR=LEFT> moves down past floating images on the left margin, <BR CLEAR=RIGHT> does the same for floating images on the right margin, while <BR CLEAR=ALL> does the same for such images on both left and right margins."),
        }},
        {QStringLiteral("CENTER:"), {
            QStringLiteral("Centers text or element between tags."),
        }},
        {QStringLiteral("DIVISION:"), {
            QStringLiteral("Replacing the <CENTER> tag."),
            QStringLiteral("Used generously for utility in DHTML."),
            QString(),
            QStringLiteral("Main Attributes:"),
            QString(),
            QStringLiteral("ALIGN = \"left | center | right | justify\""),
            QStringLiteral("STYLE"),
            QStringLiteral("NAME"),
        }},
        {QStringLiteral("EMBED (object)"), {
            QStringLiteral("Used to embed objects into HTML, such as sound, video, and browser plug-ins."),
            QString(),
            QStringLiteral("<EMBED "),
            QStringLiteral("  SRC=\"location\""),
            QStringLiteral("  TYPE=\"MIMEtype\""),
            QStringLiteral("  PLUGINSPAGE=\"instrURL\""),
            QStringLiteral("  PLUGINURL=\"pluginURL\""),
            QStringLiteral("  ALIGN=\"LEFT|RIGHT|TOP|BOTTOM\""),
            QStringLiteral("  BORDER=\"borderWidth\" "),
            QStringLiteral("  FRAMEBORDER=\"YES|NO\""),
            QStringLiteral("  HEIGHT=\"height\" "),
            QStringLiteral("  WIDTH=\"width\""),
            QStringLiteral("  UNITS=\"units\""),
            QStringLiteral("  HIDDEN=\"TRUE|FALSE\""),
            QStringLiteral("  HSPACE=\"horizMargin\" "),
            QStringLiteral("  VSPACE=\"vertMargin\""),
            QStringLiteral("  NAME=\"pluginName\""),
            QStringLiteral("  PALETTE=\"FOREGROUND\"|\"BACKGROUND\">"),
            QStringLiteral("</EMBED>"),
            QString(),
            QStringLiteral("To include a background sound, compatible with IE versions prior to 3.01 and older WebTV, use the following:"),
            QStringLiteral("<EMBED SRC=\"targetURL\" HIDDEN=\"TRUE\" LOOP=\"TRUE\" AUTOSTART=\"TRUE\">"),
            QStringLiteral("<NOEMBED>"),
            QStringLiteral("<BGSOUND SRC=\"targetURL\" LOOP=\"-1\">"),
            QStringLiteral("</NOEMBED> "),
        }},
        {QStringLiteral("FONT:"), {
            QStringLiteral("Changes the font, the font size or color."),
            QString(),
            QStringLiteral("Posssible Attributes:"),
            QString(),
            QStringLiteral("SIZE = \"...\"       Specifies font size from 1-7. Default is 3."),
            QStringLiteral("COLOR = \"...\"   Specifies text colour, by Hex or named color."),
            QStringLiteral("FACE = \"...\"       Names font, (such as Arial, Verdana, etc.)"),
            QStringLiteral("                          Can name a first, second, third choice (comma separated)"),
            QStringLiteral("                           if your first pick is not available on viewer's system."),
            QString(),
            QStringLiteral("ALSO, the font tag is often used with a STYLE property set."),
            QStringLiteral("This allows very precice control of the font size, weight and other features."),
            QStringLiteral("An example of a Bold, Arial font of 16 points would be:"),
            QString(),
            QStringLiteral("<Font style=\"font-weight:700;font-family:Arial;font-size:16pt;\">the text</Font>"),
        }},
        {QStringLiteral("HORIZONTAL RULE:"), {
            QStringLiteral("NO END TAG"),
            QString(),
            QStringLiteral("Possible Attributes:"),
            QString(),
            QStringLiteral("WIDTH = \"width\"    Can be number of pixels or a percentage."),
            QStringLiteral("NOSHADE               If included, rule is solid."),
            QStringLiteral("SIZE = \"size\"           Number of pixels thick. 1 renders NOSHADE mute."),
            QStringLiteral("COLOR = \"color\"     As Hex or Named Color"),
        }},
        {QStringLiteral("IMAGE:"), {
            QStringLiteral("NO END TAG"),
            QString(),
            QStringLiteral("Possible Attributes:"),
            QString(),
            QStringLiteral("SRC = \"imageURL\""),
            QStringLiteral("ALT = \"altText\""),
            QStringLiteral("WIDTH = \"width\""),
            QStringLiteral("HEIGHT = \"height\""),
            QStringLiteral("USEMAP = \"imagemapURL\""),
            QStringLiteral("ALIGN = \"top | middle | bottom | left | right\""),
            QStringLiteral("BORDER = \"borderWidth\""),
            QStringLiteral("HSPACE = \"horizWidth\""),
            QStringLiteral("VSPACE = \"vertWidth\""),
            QStringLiteral("ISMAP (server-side image map)"),
        }},
        {QStringLiteral("BLOCKQUOTE:"), {
            QStringLiteral("Indents included section of page 20% from both margins."),
            QStringLiteral("Sort of a quickie, centered, one-cell table."),
            QString(),
            QStringLiteral("Can be nested, meaning a blockquote INSIDE another blockquote"),
            QStringLiteral("would only take up 80% of the width of the outer blockquote"),
            QStringLiteral("(60% of the page width) -- hence look indented."),
        }},
        {QStringLiteral("MARQUEE:"), {
            QStringLiteral("As simple as:"),
            QStringLiteral("<MARQUEE> text </MARQUEE>"),
            QString(),
            QStringLiteral("Possible Attributes:"),
            QString(),
            QStringLiteral("ALIGN = \" top | bottom | middle \"   (for surrounding text)"),
            QStringLiteral("BEHAVIOR = \" scroll | slide | alternate \""),
            QStringLiteral("BGCOLOR=\"colorname\""),
            QStringLiteral("DIRECTION = \" left | right \""),
            QStringLiteral("HEIGHT = \"vertPixels\""),
            QStringLiteral("HSPACE = \"horizSpace\""),
            QStringLiteral("LOOP = \"number_or_INFINITE\""),
            QStringLiteral("SCROLLAMOUNT = \"distancePixels\""),
            QStringLiteral("SCROLLDELAY = \"milliSeconds\""),
            QStringLiteral("WIDTH \"width\"    (can be # of pixels or %)"),
            QStringLiteral("VSPACE = \"vertSpace\""),
        }},
        {QStringLiteral("PREFORMATTED TEXT:"), {
            QStringLiteral("The text included between <PRE> tags is"),
            QStringLiteral("monospaced and holds white space."),
            QStringLiteral("Replacement for <XMP> (see below)"),
        }},
        {QStringLiteral("QUOTE MARK:"), {
            QStringLiteral("Single Quotation mark."),
            QStringLiteral("Just to save time..."),
        }},
        {QStringLiteral("TABLE TAG:"), {
            QStringLiteral("For table details, play with the TABLE "),
            QStringLiteral("selection under the DIALOGS menu."),
            QString(),
            QStringLiteral("Possible Attributes:"),
            QString(),
            QStringLiteral("CellPadding"),
            QStringLiteral("CellSpacing"),
            QStringLiteral("Border"),
            QStringLiteral("Align"),
            QStringLiteral("Background"),
            QStringLiteral("Bordercolor"),
            QStringLiteral("Width"),
            QString(),
            QStringLiteral(" -- IE-Only --"),
            QStringLiteral("BorderColorLight"),
            QStringLiteral("BorderColorDark"),
        }},
        {QStringLiteral("EXAMPLE:"), {
            QStringLiteral("Discarded by W3C, but still in use by latest Netscape and IE browsers."),
            QStringLiteral("Monospaced and holds white space like <PRE>"),
            QStringLiteral("AND, this is the only single tag which will"),
            QStringLiteral("include all HTML special characters and tags within it as plain text."),
            QString(),
            QStringLiteral("In other words, you can put a whole"),
            QStringLiteral("page of HTML code between the tags -- "),
            QStringLiteral("and the code will still be code, not HTML."),
            QString(),
            QStringLiteral("                                                                                  pretty sweet"),
        }},
        {QStringLiteral("SPACE:"), {
            QStringLiteral("Just a \"Special Character\" thrown into the Macro Bin."),
            QString(),
            QStringLiteral("Useful when you need a bit of whitespace."),
            QStringLiteral("Only warning -- don't get carried away and try to format heavily with it."),
        }},
    }};
    // clang-format on
    return all;
}

constexpr int FirstBoxItem = 2;

} // namespace

QStringList listItems()
{
    // clang-format off
    return {
        QStringLiteral(" HOW TO USE THIS"),
        QStringLiteral(" "),
        QStringLiteral(" a - <a href=\"\">"),
        QStringLiteral(" b - <BR>"),
        QStringLiteral(" s - <center>"),
        QStringLiteral(" d - <DIV>"),
        QStringLiteral(" e - <EMBED>"),
        QStringLiteral(" f - <Font>"),
        QStringLiteral(" h - <HR>"),
        QStringLiteral(" i - <IMG>"),
        QStringLiteral(" k - <Blockquote>"),
        QStringLiteral(" m - <Marquee>"),
        QStringLiteral(" p - <Pre>"),
        QStringLiteral(" q -[quote]"),
        QStringLiteral(" t - <Table>"),
        QStringLiteral(" y - <XMP>"),
        QStringLiteral(" o  [SPACE] "),
        QStringLiteral(" "),
    };
    // clang-format on
}

std::optional<Entry> entry(int index)
{
    const int box = index - FirstBoxItem;
    if (box < 0 || box >= int(boxes().size()))
        return std::nullopt;
    const Box &found = boxes()[std::size_t(box)];
    return Entry{found.title, found.lines.join(QLatin1Char('\n'))};
}

} // namespace TagReference
