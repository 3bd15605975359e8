// Zevora - a page's BODY tag.
#include "BodyTag.h"

using Platform::ColourValue;
using Platform::MessageBox;
using Platform::MsgButtons;
using Platform::MsgIcon;

namespace {

constexpr QStringView kOpening = u"<body";

struct AttributeInfo
{
    QStringView name;
    QStringView prefix;
    QStringView defaultCode;
    ColourValue defaultColour;
};

// In the record's order: background, text, link, active link, visited link.
constexpr std::array<AttributeInfo, cColorPage::AttributeCount> kAttributes = {{
    {u"bgcolor", u" bgColor=", u"\"#FFFFFF\"", 0xFFFFFF},
    {u"text", u" text=", u"\"#000000\"", 0x000000},
    {u"link", u" link=", u"\"#0000FF\"", 0xFF0000},
    {u"alink", u" alink=", u"\"#FF0000\"", 0x0000FF},
    {u"vlink", u" vlink=", u"\"#FF00FF\"", 0xFF00FF},
}};

bool isBlank(QChar c)
{
    return c == u' ' || c == u'\t';
}

bool isLineBreak(QChar c)
{
    return c == u'\r' || c == u'\n';
}

// One attribute of a tag, as positions in the scanned text.
struct Attribute
{
    qsizetype name = 0;      // its first character
    qsizetype nameEnd = 0;   // after its name
    qsizetype value = -1;    // its value's first character (an opening quote), -1 without "="
    qsizetype end = 0;       // after its value (after the name when it has none)
    bool quoteClosed = true; // false for a quoted value that runs to the end

    QStringView nameIn(QStringView text) const { return text.sliced(name, nameEnd - name); }
    // The value without its quotes.
    QStringView contentIn(QStringView text) const
    {
        if (value < 0)
            return {};
        const bool quoted = value < end && (text.at(value) == u'"' || text.at(value) == u'\'');
        const qsizetype from = value + (quoted ? 1 : 0);
        const qsizetype to = end - (quoted && quoteClosed ? 1 : 0);
        return text.sliced(from, to - from);
    }
};

// How a scan of a tag's attributes stopped.
enum class Stop
{
    Close,     // at a ">" outside quoted values
    LineBreak, // at a line break, every quote closed
    End,       // at the end of the text, every quote closed
    OpenQuote, // at a line break or the end, inside a quoted value
};

// Scans the attributes in \a text from \a from up to a ">" outside quoted
// values, a line break or the end, handing each to \a visit. \a stopAt is
// where it stopped: the ">" or the line break, or text.size(). A quoted value
// still open there is the last attribute, running to \a stopAt.
template <typename Visit> Stop scan(QStringView text, qsizetype from, qsizetype &stopAt, Visit &&visit)
{
    const qsizetype size = text.size();
    qsizetype i = from;
    const auto skipBlanks = [&] {
        while (i < size && isBlank(text.at(i)))
            ++i;
    };
    const auto stopsHere = [&](QChar c) { return c == u'>' || isLineBreak(c); };
    const auto stopped = [&] {
        stopAt = i;
        if (i == size)
            return Stop::End;
        return text.at(i) == u'>' ? Stop::Close : Stop::LineBreak;
    };
    for (;;) {
        skipBlanks();
        if (i == size || stopsHere(text.at(i)))
            return stopped();
        Attribute attribute;
        attribute.name = i;
        while (i < size && !isBlank(text.at(i)) && text.at(i) != u'=' && !stopsHere(text.at(i)))
            ++i;
        attribute.nameEnd = attribute.end = i;
        const qsizetype afterName = i;
        skipBlanks();
        if (i < size && text.at(i) == u'=') {
            ++i;
            skipBlanks();
            attribute.value = attribute.end = i;
            if (i < size && (text.at(i) == u'"' || text.at(i) == u'\'')) {
                const QChar quote = text.at(i);
                ++i;
                while (i < size && text.at(i) != quote && !isLineBreak(text.at(i)))
                    ++i;
                if (i == size || text.at(i) != quote) {
                    attribute.end = stopAt = i;
                    attribute.quoteClosed = false;
                    visit(attribute);
                    return Stop::OpenQuote;
                }
                attribute.end = ++i;
            } else {
                while (i < size && !isBlank(text.at(i)) && !stopsHere(text.at(i)))
                    ++i;
                attribute.end = i;
                // "name =" with nothing after it: the blanks behind "=" lie
                // between attributes.
                if (attribute.end == attribute.value)
                    attribute.value = -1;
            }
        } else {
            i = afterName;
        }
        visit(attribute);
    }
}

int attributeIndex(QStringView name)
{
    for (int index = 0; index < cColorPage::AttributeCount; ++index) {
        // Names of another length are not compared letter by letter.
        if (name.size() == kAttributes[index].name.size() &&
            name.compare(kAttributes[index].name, Qt::CaseInsensitive) == 0)
            return index;
    }
    return -1;
}

enum class Hex
{
    Valid,
    Invalid
};

// The colour of the first "#" in \a code and the six hexadecimal digits after it.
Hex readHex(QStringView code, ColourValue &colour)
{
    const qsizetype hash = code.indexOf(u'#');
    if (hash < 0 || code.size() - hash - 1 < 6)
        return Hex::Invalid;
    ColourValue rgb = 0;
    for (const QChar c : code.sliced(hash + 1, 6)) {
        const char16_t u = c.unicode();
        int digit = -1;
        if (u >= u'0' && u <= u'9')
            digit = u - u'0';
        else if (u >= u'a' && u <= u'f')
            digit = u - u'a' + 10;
        else if (u >= u'A' && u <= u'F')
            digit = u - u'A' + 10;
        if (digit < 0)
            return Hex::Invalid;
        rgb = rgb << 4 | ColourValue(digit);
    }
    // The code is written red first; the value holds red in its low byte.
    colour = (rgb >> 16 & 0xFF) | (rgb & 0xFF00) | (rgb & 0xFF) << 16;
    return Hex::Valid;
}

MessageBox invalidCodeNote()
{
    return {QStringLiteral("Zevora"),
            QStringLiteral(
                "For your reference...\n\nYou have an invalid character as a color code in the current "
                "body tag.\nHex character values range [0-9] and [a-f] or [A-F]"),
            MsgIcon::None, MsgButtons::Ok, true};
}

} // namespace

BodyTag::Extent BodyTag::find(QStringView page)
{
    Extent extent;
    const qsizetype start = page.indexOf(kOpening, 0, Qt::CaseInsensitive);
    if (start < 0)
        return extent;
    extent.start = start;
    const qsizetype from = start + kOpening.size();
    qsizetype stopAt = 0;
    const Stop stop = scan(page, from, stopAt, [](const Attribute &) {});
    if (stop == Stop::Close) {
        extent.end = End::Closed;
        extent.length = stopAt + 1 - start;
        return extent;
    }
    if (stop == Stop::OpenQuote) {
        // Quotes do not count on a line where one is left open: the first
        // ">" on the line ends the tag.
        const qsizetype close = page.sliced(from, stopAt - from).indexOf(u'>');
        if (close >= 0) {
            extent.end = End::Closed;
            extent.length = from + close + 1 - start;
            return extent;
        }
    }
    extent.length = stopAt - start;
    extent.end = page.indexOf(u'>', from) < 0 ? End::Missing : End::Open;
    return extent;
}

BodyTag BodyTag::read(QStringView page)
{
    BodyTag tag;
    tag.m_extent = find(page);
    const Extent &extent = tag.m_extent;
    switch (extent.end) {
    case End::NoTag:
        return tag;
    case End::Missing:
        tag.m_oldTag = page.sliced(extent.start, kOpening.size()).toString();
        tag.m_notes.append({QStringLiteral("Zevora Note:"),
                            QStringLiteral("There appears to be a malformed BODY tag on your page.\n"
                                           "Please correct the tag first to prevent later errors..."),
                            MsgIcon::None, MsgButtons::Ok, true});
        return tag;
    case End::Open:
        tag.m_oldTag = page.sliced(extent.start, extent.length).toString();
        tag.m_question =
            MessageBox{QStringLiteral("Zevora Prompt:"),
                       QStringLiteral("You appear to be missing the end \">\" of your body tag.\n\n"
                                      "If you do not cancel, your current BODY tag will be "
                                      "completely replaced."),
                       MsgIcon::None, MsgButtons::OkCancel, true};
        return tag;
    case End::Closed:
        break;
    }
    tag.m_oldTag = page.sliced(extent.start, extent.length).toString();
    const qsizetype from = extent.start + kOpening.size();
    tag.readAttributes(page.sliced(from, extent.start + extent.length - 1 - from));
    return tag;
}

void BodyTag::readAttributes(QStringView inner)
{
    QString other;
    other.reserve(inner.size());
    bool problem = false;
    qsizetype stopAt = 0;
    scan(inner, 0, stopAt, [&](const Attribute &attribute) {
        if (problem)
            return;
        const QStringView written = inner.sliced(attribute.name, attribute.end - attribute.name);
        const int index = attributeIndex(attribute.nameIn(inner));
        // A colour named twice is read once; the second stays with the rest.
        if (index < 0 || !m_record.colour(index).isEmpty()) {
            other += u' ';
            other += written;
            return;
        }
        if (attribute.value < 0 || !attribute.quoteClosed || !attribute.contentIn(inner).contains(u'#')) {
            problem = true;
            return;
        }
        m_record.setColour(index, QLatin1Char(' ') + written.toString());
        ColourValue colour = 0;
        if (readHex(attribute.contentIn(inner), colour) == Hex::Valid)
            m_colours[std::size_t(index)] = colour;
    });
    if (problem) {
        m_record = cColorPage();
        m_colours = {};
        m_question = MessageBox{
            QStringLiteral("Zevora Prompt:"),
            QStringLiteral("There was an error reading the current BODY tag.\n\n"
                           "You may have a malformed tag, or a color may not have been set in Hexidecimal.\n"
                           "If you do not cancel the current tag will be completely replaced."),
            MsgIcon::None, MsgButtons::OkCancel, true};
        return;
    }
    m_record.setCOther(other);
    for (int index = 0; index < cColorPage::AttributeCount; ++index) {
        if (!m_record.colour(index).isEmpty() && !m_colours[std::size_t(index)])
            m_notes.append(invalidCodeNote());
    }
}

ColourValue BodyTag::previewColour(int attribute) const
{
    const std::optional<ColourValue> &colour = m_colours.at(std::size_t(attribute));
    return colour ? *colour : kAttributes.at(std::size_t(attribute)).defaultColour;
}

void BodyTag::pick(int attribute, const QString &code)
{
    m_record.setColour(attribute, outputPrefix(attribute) + code);
    ColourValue colour = 0;
    if (readHex(code, colour) == Hex::Valid)
        m_colours.at(std::size_t(attribute)) = colour;
    m_record.setBodyMsg(m_record.joined());
}

QString BodyTag::newTag() const
{
    if (picked())
        return QStringLiteral("<BODY") + m_record.bodyMsg();
    QString tag = QStringLiteral("<BODY");
    for (int index = 0; index < cColorPage::AttributeCount; ++index) {
        const QString colour = m_record.colour(index);
        tag += colour.isEmpty() ? defaultAttribute(index) : colour;
    }
    return tag + m_record.cOther() + QLatin1Char('>');
}

std::optional<BodyTag::Edit> BodyTag::selectEdit(QStringView page, qsizetype selStart,
                                                 qsizetype selLength) const
{
    const QString tag = newTag();
    if (m_extent.end == End::NoTag)
        return Edit{selStart, selLength, tag, selStart + tag.size()};
    const auto holdsOldTag = [&](qsizetype at) {
        return at >= 0 && at <= page.size() - m_oldTag.size() && page.sliced(at, m_oldTag.size()) == m_oldTag;
    };
    qsizetype at = m_extent.start;
    if (!holdsOldTag(at)) {
        at = page.indexOf(kOpening, 0, Qt::CaseInsensitive);
        if (!holdsOldTag(at))
            return std::nullopt;
    }
    // A "<body" without ">" is left as it is: the new tag goes in before it.
    const qsizetype length = m_extent.end == End::Missing ? 0 : m_oldTag.size();
    return Edit{at, length, tag, at + tag.size()};
}

BodyTag::Edit BodyTag::backgroundEdit(QStringView page, qsizetype selStart, qsizetype selLength,
                                      const QString &name)
{
    const QString attribute = QStringLiteral(" background=\"") + name + QLatin1Char('"');
    const Extent extent = find(page);
    if (extent.end == End::NoTag)
        return Edit{selStart, selLength, attribute, selStart + attribute.size()};

    const qsizetype from = extent.start + kOpening.size();
    const qsizetype to = extent.start + extent.length - (extent.end == End::Closed ? 1 : 0);
    const QStringView inner = page.sliced(from, to - from);
    // One replacement from just after "<body" through the last background
    // attribute: the new attribute, then what lay between, without the old ones.
    QString text = attribute;
    qsizetype kept = 0;
    qsizetype stopAt = 0;
    scan(inner, 0, stopAt, [&](const Attribute &old) {
        const QStringView oldName = old.nameIn(inner);
        if (oldName.size() != 10 || oldName.compare(u"background", Qt::CaseInsensitive) != 0)
            return;
        const qsizetype cut = old.name > 0 && isBlank(inner.at(old.name - 1)) ? old.name - 1 : old.name;
        text += inner.sliced(kept, cut - kept);
        kept = old.end;
    });
    return Edit{from, kept, text, from + attribute.size()};
}

MessageBox BodyTag::changedNote()
{
    return {QStringLiteral("Zevora Note:"),
            QStringLiteral("The BODY tag of this page was changed while the Page Color Dialog was open.\n"
                           "Nothing was written: please open the dialog again."),
            MsgIcon::None, MsgButtons::Ok, true};
}

QString BodyTag::outputPrefix(int attribute)
{
    return kAttributes.at(std::size_t(attribute)).prefix.toString();
}

QString BodyTag::defaultAttribute(int attribute)
{
    const AttributeInfo &info = kAttributes.at(std::size_t(attribute));
    return info.prefix.toString() + info.defaultCode.toString();
}
