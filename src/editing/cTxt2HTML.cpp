// Zevora - Text to HTML: turns plain text into HTML source.
#include "cTxt2HTML.h"

#include <iterator>
#include <new>

namespace {

constexpr char16_t Tab = u'\t';
constexpr char16_t LineFeed = u'\n';
constexpr char16_t CarriageReturn = u'\r';
constexpr char16_t Space = u' ';

// HTML 4 entity names of the Latin-1 characters 161 to 255, in code order.
// 173, the soft hyphen, has an entity too but stays a plain character: it is
// invisible unless a word is broken there, and so it is left as the writer put it.
constexpr int FirstNamed = 161;
constexpr const char *LatinNames[] = {
    "iexcl",  "cent",   "pound",  "curren", "yen",    "brvbar", "sect",   "uml",    "copy",   "ordf",
    "laquo",  "not",    nullptr,  "reg",    "macr",   "deg",    "plusmn", "sup2",   "sup3",   "acute",
    "micro",  "para",   "middot", "cedil",  "sup1",   "ordm",   "raquo",  "frac14", "frac12", "frac34",
    "iquest", "Agrave", "Aacute", "Acirc",  "Atilde", "Auml",   "Aring",  "AElig",  "Ccedil", "Egrave",
    "Eacute", "Ecirc",  "Euml",   "Igrave", "Iacute", "Icirc",  "Iuml",   "ETH",    "Ntilde", "Ograve",
    "Oacute", "Ocirc",  "Otilde", "Ouml",   "times",  "Oslash", "Ugrave", "Uacute", "Ucirc",  "Uuml",
    "Yacute", "THORN",  "szlig",  "agrave", "aacute", "acirc",  "atilde", "auml",   "aring",  "aelig",
    "ccedil", "egrave", "eacute", "ecirc",  "euml",   "igrave", "iacute", "icirc",  "iuml",   "eth",
    "ntilde", "ograve", "oacute", "ocirc",  "otilde", "ouml",   "divide", "oslash", "ugrave", "uacute",
    "ucirc",  "uuml",   "yacute", "thorn",  "yuml",
};
static_assert(std::size(LatinNames) == 255 - FirstNamed + 1);

bool startsLink(QStringView text, qsizetype at)
{
    const QStringView head = text.mid(at, 6);
    return head.compare(u"http:/", Qt::CaseInsensitive) == 0 ||
           head.compare(u"ftp://", Qt::CaseInsensitive) == 0;
}

// A link runs up to the first blank or line end. Every line feed met while
// scanning a link is a line end of its own: a carriage return before it would
// already have closed the link.
bool closesLink(QChar c)
{
    const char16_t u = c.unicode();
    return u == Space || u == CarriageReturn || u == LineFeed || u == Tab;
}

// The entity of a character that HTML reserves for its markup, or null.
const char16_t *reservedEntity(char16_t c)
{
    switch (c) {
    case u'"':
        return u"&quot;";
    case u'&':
        return u"&amp;";
    case u'<':
        return u"&lt;";
    case u'>':
        return u"&gt;";
    default:
        return nullptr;
    }
}

// A link's address goes into a quoted attribute value and into the element's
// text: a quote or bracket copied as it is would end the value or open a tag.
void appendEscaped(QString &out, QStringView text)
{
    for (const QChar c : text) {
        if (const char16_t *entity = reservedEntity(c.unicode()))
            out += entity;
        else
            out += c;
    }
}

void appendLink(QString &out, QStringView url)
{
    out += u"<a href=\"";
    appendEscaped(out, url);
    out += u"\">";
    appendEscaped(out, url);
    out += u"</a>";
}

void appendEntity(QString &out, const char *name)
{
    out += u'&';
    out += QLatin1String(name);
    out += u';';
}

// Appends the piece for the character at \a at and returns the position of the
// last character it used (a run of spaces is one piece).
qsizetype appendPiece(QString &out, QStringView text, qsizetype at)
{
    const char16_t c = text.at(at).unicode();
    switch (c) {
    case Space: {
        qsizetype last = at;
        out += u' ';
        while (last + 1 < text.size() && text.at(last + 1) == Space) {
            out += u"&nbsp;";
            ++last;
        }
        return last;
    }
    case Tab:
        out += cTxt2HTML::tabPiece();
        return at;
    case CarriageReturn:
        out += u"<br>\r";
        return at;
    case LineFeed:
        // The line feed of a CR LF pair: the carriage return already gave the break.
        if (at > 0 && text.at(at - 1) == CarriageReturn)
            out += u'\n';
        else
            out += u"<br>\n";
        return at;
    default:
        break;
    }
    if (const char16_t *entity = reservedEntity(c))
        out += entity;
    else if (c >= FirstNamed && c <= 255 && LatinNames[c - FirstNamed])
        appendEntity(out, LatinNames[c - FirstNamed]);
    else
        out += QChar(c);
    return at;
}

} // namespace

QString cTxt2HTML::entityOf(QChar c)
{
    const char16_t u = c.unicode();
    if (const char16_t *entity = reservedEntity(u))
        return QString::fromUtf16(entity);
    QString out;
    if (u >= FirstNamed && u <= 255 && LatinNames[u - FirstNamed])
        appendEntity(out, LatinNames[u - FirstNamed]);
    return out;
}

cTxt2HTML::Note cTxt2HTML::linkWithoutEndNote()
{
    return {QStringLiteral("txt2htm Note:"),
            QStringLiteral("You seem to have included a link without end...\n"
                           "Please check your text and try again.")};
}

bool cTxt2HTML::toHTML()
{
    m_note.reset();
    const QStringView text(m_txt1);
    const qsizetype length = text.size();
    try {
        QString out;
        out.reserve(length + length / 4);
        for (qsizetype i = 0; i < length; ++i) {
            if (!startsLink(text, i)) {
                i = appendPiece(out, text, i);
                continue;
            }
            qsizetype end = i;
            while (end < length && !closesLink(text.at(end)))
                ++end;
            if (end == length) {
                // Nothing ends the link: it is the rest of the text. A long one
                // is more likely a missing blank than a real address.
                if (length - i > linkLimit()) {
                    m_note = linkWithoutEndNote();
                    return false;
                }
                appendLink(out, text.mid(i));
                break;
            }
            appendLink(out, text.mid(i, end - i));
            const QChar closer = text.at(end);
            if (closer == Space) {
                // The space, and any run it starts, is converted as usual.
                i = end - 1;
                continue;
            }
            out += u"<br>";
            if (closer == Tab)
                out += tabPiece();
            else
                out += closer;
            i = end;
        }
        m_txt1 = out;
        return true;
    } catch (const std::bad_alloc &) {
        return false;
    }
}
