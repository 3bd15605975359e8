// Zevora - the words of a page that people read, for the spell check.
#include "SpellScanner.h"

#include <algorithm>
#include <array>
#include <vector>

namespace {

struct Reference
{
    QLatin1StringView name;
    char32_t character;
};

// The named character references of HTML 4, and &apos;.
const std::vector<Reference> &references()
{
    static const std::vector<Reference> table = [] {
        // Latin-1 from U+00A0 to U+00FF, in order.
        static const char *const latin1[] = {
            "nbsp",   "iexcl",  "cent",   "pound",  "curren", "yen",    "brvbar", "sect",   "uml",
            "copy",   "ordf",   "laquo",  "not",    "shy",    "reg",    "macr",   "deg",    "plusmn",
            "sup2",   "sup3",   "acute",  "micro",  "para",   "middot", "cedil",  "sup1",   "ordm",
            "raquo",  "frac14", "frac12", "frac34", "iquest", "Agrave", "Aacute", "Acirc",  "Atilde",
            "Auml",   "Aring",  "AElig",  "Ccedil", "Egrave", "Eacute", "Ecirc",  "Euml",   "Igrave",
            "Iacute", "Icirc",  "Iuml",   "ETH",    "Ntilde", "Ograve", "Oacute", "Ocirc",  "Otilde",
            "Ouml",   "times",  "Oslash", "Ugrave", "Uacute", "Ucirc",  "Uuml",   "Yacute", "THORN",
            "szlig",  "agrave", "aacute", "acirc",  "atilde", "auml",   "aring",  "aelig",  "ccedil",
            "egrave", "eacute", "ecirc",  "euml",   "igrave", "iacute", "icirc",  "iuml",   "eth",
            "ntilde", "ograve", "oacute", "ocirc",  "otilde", "ouml",   "divide", "oslash", "ugrave",
            "uacute", "ucirc",  "uuml",   "yacute", "thorn",  "yuml"};
        // Greek small letters from U+03B1; each capital is 0x20 below its small
        // letter, and the final sigma has none.
        static const char *const greek[] = {
            "alpha", "beta",   "gamma",   "delta", "epsilon", "zeta",    "eta",  "theta", "iota",
            "kappa", "lambda", "mu",      "nu",    "xi",      "omicron", "pi",   "rho",   "sigmaf",
            "sigma", "tau",    "upsilon", "phi",   "chi",     "psi",     "omega"};
        static const std::pair<const char *, char32_t> others[] = {
            {"quot", 34},     {"amp", 38},      {"apos", 39},      {"lt", 60},        {"gt", 62},
            {"OElig", 338},   {"oelig", 339},   {"Scaron", 352},   {"scaron", 353},   {"Yuml", 376},
            {"fnof", 402},    {"circ", 710},    {"tilde", 732},    {"thetasym", 977}, {"upsih", 978},
            {"piv", 982},     {"ensp", 8194},   {"emsp", 8195},    {"thinsp", 8201},  {"zwnj", 8204},
            {"zwj", 8205},    {"lrm", 8206},    {"rlm", 8207},     {"ndash", 8211},   {"mdash", 8212},
            {"lsquo", 8216},  {"rsquo", 8217},  {"sbquo", 8218},   {"ldquo", 8220},   {"rdquo", 8221},
            {"bdquo", 8222},  {"dagger", 8224}, {"Dagger", 8225},  {"bull", 8226},    {"hellip", 8230},
            {"permil", 8240}, {"prime", 8242},  {"Prime", 8243},   {"lsaquo", 8249},  {"rsaquo", 8250},
            {"oline", 8254},  {"frasl", 8260},  {"euro", 8364},    {"image", 8465},   {"weierp", 8472},
            {"real", 8476},   {"trade", 8482},  {"alefsym", 8501}, {"larr", 8592},    {"uarr", 8593},
            {"rarr", 8594},   {"darr", 8595},   {"harr", 8596},    {"crarr", 8629},   {"lArr", 8656},
            {"uArr", 8657},   {"rArr", 8658},   {"dArr", 8659},    {"hArr", 8660},    {"forall", 8704},
            {"part", 8706},   {"exist", 8707},  {"empty", 8709},   {"nabla", 8711},   {"isin", 8712},
            {"notin", 8713},  {"ni", 8715},     {"prod", 8719},    {"sum", 8721},     {"minus", 8722},
            {"lowast", 8727}, {"radic", 8730},  {"prop", 8733},    {"infin", 8734},   {"ang", 8736},
            {"and", 8743},    {"or", 8744},     {"cap", 8745},     {"cup", 8746},     {"int", 8747},
            {"there4", 8756}, {"sim", 8764},    {"cong", 8773},    {"asymp", 8776},   {"ne", 8800},
            {"equiv", 8801},  {"le", 8804},     {"ge", 8805},      {"sub", 8834},     {"sup", 8835},
            {"nsub", 8836},   {"sube", 8838},   {"supe", 8839},    {"oplus", 8853},   {"otimes", 8855},
            {"perp", 8869},   {"sdot", 8901},   {"lceil", 8968},   {"rceil", 8969},   {"lfloor", 8970},
            {"rfloor", 8971}, {"lang", 9001},   {"rang", 9002},    {"loz", 9674},     {"spades", 9824},
            {"clubs", 9827},  {"hearts", 9829}, {"diams", 9830}};
        static std::vector<QByteArray> capitals;
        capitals.reserve(std::size(greek));
        std::vector<Reference> t;
        for (char32_t i = 0; i < std::size(latin1); ++i)
            t.push_back({QLatin1StringView(latin1[i]), 0xA0 + i});
        for (char32_t i = 0; i < std::size(greek); ++i) {
            const QByteArray small(greek[i]);
            t.push_back({QLatin1StringView(greek[i]), 0x3B1 + i});
            if (small != "sigmaf") {
                capitals.push_back(small.left(1).toUpper() + small.mid(1));
                t.push_back({QLatin1StringView(capitals.back()), 0x391 + i});
            }
        }
        for (const auto &[name, character] : others)
            t.push_back({QLatin1StringView(name), character});
        std::sort(t.begin(), t.end(), [](const Reference &a, const Reference &b) { return a.name < b.name; });
        return t;
    }();
    return table;
}

char32_t namedReference(QStringView name)
{
    const auto &table = references();
    const auto it = std::lower_bound(table.begin(), table.end(), name,
                                     [](const Reference &r, QStringView n) { return r.name < n; });
    return it != table.end() && it->name == name ? it->character : 0;
}

enum class Kind : quint8
{
    Other,
    Letter,
    Junk, // a digit or "_": the word it is in is skipped
    Apostrophe
};

constexpr std::array<Kind, 128> kAscii = [] {
    std::array<Kind, 128> kinds{};
    for (int c = 'a'; c <= 'z'; ++c)
        kinds[c] = kinds[c - 'a' + 'A'] = Kind::Letter;
    for (int c = '0'; c <= '9'; ++c)
        kinds[c] = Kind::Junk;
    kinds['_'] = Kind::Junk;
    kinds['\''] = Kind::Apostrophe;
    return kinds;
}();

Kind kindOf(char32_t c)
{
    if (c < 128)
        return kAscii[c];
    if (c == 0x2019)
        return Kind::Apostrophe;
    if (QChar::isLetter(c) || QChar::isMark(c))
        return Kind::Letter;
    return QChar::isDigit(c) ? Kind::Junk : Kind::Other;
}

struct Atom
{
    Kind kind;
    char32_t character;
    qsizetype length;
    bool reference = false;
};

// The character reference at page[at] == '&'. A complete reference that
// names no character is passed over whole; a bare "&" is one character.
Atom referenceAt(QStringView page, qsizetype at)
{
    const qsizetype n = page.size();
    qsizetype i = at + 1;
    char32_t character = 0;
    if (i < n && page[i] == u'#') {
        const bool hex = i + 1 < n && (page[i + 1] == u'x' || page[i + 1] == u'X');
        i += hex ? 2 : 1;
        const qsizetype digits = i;
        quint64 value = 0;
        for (; i < n && i - digits < 12; ++i) {
            const char16_t d = page[i].unicode();
            const int v = d >= u'0' && d <= u'9'          ? d - u'0'
                          : hex && d >= u'a' && d <= u'f' ? d - u'a' + 10
                          : hex && d >= u'A' && d <= u'F' ? d - u'A' + 10
                                                          : -1;
            if (v < 0)
                break;
            value = value * (hex ? 16 : 10) + quint64(v);
        }
        if (i == digits || i >= n || page[i] != u';')
            return {Kind::Other, 0, 1};
        if (value <= 0x10FFFF && !(value >= 0xD800 && value <= 0xDFFF))
            character = char32_t(value);
    } else {
        for (; i < n && i - at <= 10 && page[i] < u'\x80' && page[i].isLetterOrNumber(); ++i) {
        }
        if (i == at + 1 || i >= n || page[i] != u';')
            return {Kind::Other, 0, 1};
        character = namedReference(page.sliced(at + 1, i - at - 1));
    }
    const qsizetype length = i + 1 - at;
    if (character == 0)
        return {Kind::Other, 0, length};
    return {kindOf(character), character, length, true};
}

Atom atomAt(QStringView page, qsizetype at)
{
    const char16_t c = page[at].unicode();
    if (c < 128)
        return c == u'&' ? referenceAt(page, at) : Atom{kAscii[c], c, 1};
    if (QChar::isHighSurrogate(c) && at + 1 < page.size() && page[at + 1].isLowSurrogate()) {
        const char32_t u = QChar::surrogateToUcs4(c, page[at + 1].unicode());
        return {kindOf(u), u, 2};
    }
    return {kindOf(c), c, 1};
}

bool isSpace(char16_t c)
{
    return c == u' ' || (c >= u'\t' && c <= u'\r') || (c >= 0x80 && QChar::isSpace(c));
}

bool isNameCharacter(QChar c)
{
    return c.isLetterOrNumber() || c == u'-' || c == u':' || c == u'_' || c == u'.';
}

} // namespace

SpellScanner::SpellScanner(QStringView page, qsizetype begin, qsizetype end)
    : m_page(page), m_begin(std::clamp<qsizetype>(begin, 0, page.size())),
      m_end(end < 0 ? page.size() : std::clamp(end, m_begin, page.size()))
{
}

bool SpellScanner::next(Word &word)
{
    while (m_pos < m_end) {
        switch (m_mode) {
        case Mode::Text:
        case Mode::Value:
            if (scanWords(word))
                return true;
            break;
        case Mode::Tag:
            scanTag();
            break;
        case Mode::Raw:
            scanRaw();
            break;
        }
    }
    return false;
}

bool SpellScanner::atValueEnd(qsizetype at) const
{
    const char16_t c = m_page[at].unicode();
    return m_quote ? c == m_quote : isSpace(c) || c == u'>';
}

bool SpellScanner::scanWords(Word &word)
{
    const qsizetype n = m_page.size();
    const bool inValue = m_mode == Mode::Value;
    while (m_pos < m_end) {
        if (inValue && atValueEnd(m_pos)) {
            if (m_quote)
                ++m_pos;
            m_mode = Mode::Tag;
            return false;
        }
        if (!inValue && m_page[m_pos] == u'<') {
            scanMarkup();
            if (m_mode != Mode::Text)
                return false;
            continue;
        }
        const Atom first = atomAt(m_page, m_pos);
        if (first.kind != Kind::Letter && first.kind != Kind::Junk) {
            m_pos += first.length;
            continue;
        }
        const qsizetype start = m_pos;
        bool junk = first.kind == Kind::Junk;
        bool decoded = first.reference;
        qsizetype at = m_pos + first.length;
        while (at < n && !(inValue && atValueEnd(at))) {
            const Atom a = atomAt(m_page, at);
            if (a.kind == Kind::Letter || a.kind == Kind::Junk) {
                junk |= a.kind == Kind::Junk;
                decoded |= a.reference;
                at += a.length;
                continue;
            }
            // An apostrophe belongs to the word only between two letters.
            const qsizetype after = at + a.length;
            if (a.kind == Kind::Apostrophe && after < n && !(inValue && atValueEnd(after))) {
                const Atom b = atomAt(m_page, after);
                if (b.kind == Kind::Letter) {
                    decoded |= a.reference || b.reference;
                    at = after + b.length;
                    continue;
                }
            }
            break;
        }
        m_pos = at;
        if (start >= m_plainUntil) {
            const qsizetype skipTo = addressEnd(start);
            if (skipTo >= 0) {
                m_pos = std::max(at, skipTo);
                continue;
            }
        }
        // A word cut by the range's edges yields its part inside: the whole
        // characters, references included, that lie in the range.
        qsizetype from = start;
        qsizetype to = at;
        if (start < m_begin || at > m_end) {
            std::swap(from, to);
            for (qsizetype i = start; i < at;) {
                const qsizetype next = i + atomAt(m_page, i).length;
                if (i >= m_begin && next <= m_end) {
                    from = std::min(from, i);
                    to = std::max(to, next);
                }
                i = next;
            }
        }
        if (junk || to <= from)
            continue;
        word.start = from;
        word.length = to - from;
        if (!decoded) {
            word.text = m_page.sliced(from, to - from);
            return true;
        }
        m_buffer.clear();
        for (qsizetype i = from; i < to;) {
            const Atom a = atomAt(m_page, i);
            if (a.reference)
                m_buffer.append(QChar::fromUcs4(a.character));
            else
                m_buffer.append(m_page.sliced(i, a.length));
            i += a.length;
        }
        word.text = m_buffer;
        return true;
    }
    return false;
}

// A web or e-mail address holding the word at \a from: the end of the run of
// characters it is part of; -1 when it is no address.
qsizetype SpellScanner::addressEnd(qsizetype from)
{
    const qsizetype n = m_page.size();
    bool address = m_page.sliced(from).startsWith(u"www.", Qt::CaseInsensitive);
    qsizetype i = from;
    for (; i < n; ++i) {
        const char16_t c = m_page[i].unicode();
        if (isSpace(c) || c == u'<' || c == u'>' || c == u'"' || (m_mode == Mode::Value && atValueEnd(i)))
            break;
        if (c == u'@' && i + 1 < n && m_page[i + 1].isLetterOrNumber())
            address = true;
        else if (c == u':' && (m_page.sliced(i).startsWith(u"://") ||
                               m_page.sliced(from, i - from).compare(u"mailto", Qt::CaseInsensitive) == 0))
            address = true;
    }
    if (address)
        return i;
    m_plainUntil = i;
    return -1;
}

void SpellScanner::scanMarkup()
{
    const qsizetype n = m_page.size();
    const qsizetype at = m_pos;
    const auto skipPast = [&](QStringView close, qsizetype from) {
        const qsizetype found = m_page.indexOf(close, from);
        m_pos = found < 0 ? n : found + close.size();
    };
    const QStringView rest = m_page.sliced(at);
    if (rest.startsWith(u"<!--")) {
        skipPast(u"-->", at + 4);
        return;
    }
    if (rest.startsWith(u"<%")) {
        skipPast(u"%>", at + 2);
        return;
    }
    if (rest.startsWith(u"<?")) {
        skipPast(u"?>", at + 2);
        return;
    }
    const QChar c = at + 1 < n ? m_page[at + 1] : QChar();
    if (!c.isLetter() && c != u'/' && c != u'!') {
        ++m_pos; // "a < b": the "<" is text
        return;
    }
    qsizetype i = c.isLetter() ? at + 1 : at + 2;
    const qsizetype nameStart = i;
    while (i < n && isNameCharacter(m_page[i]))
        ++i;
    const QStringView name = m_page.sliced(nameStart, i - nameStart);
    m_raw = {};
    if (c.isLetter()) {
        for (const QLatin1StringView raw : {QLatin1StringView("script"), QLatin1StringView("style")}) {
            if (name.compare(raw, Qt::CaseInsensitive) == 0)
                m_raw = raw;
        }
    }
    m_pos = i;
    m_mode = Mode::Tag;
}

void SpellScanner::scanTag()
{
    const qsizetype n = m_page.size();
    const auto skipSpaces = [&](qsizetype i) {
        while (i < n && isSpace(m_page[i].unicode()))
            ++i;
        return i;
    };
    const auto skipQuoted = [&](qsizetype quoteAt) {
        const qsizetype close = m_page.indexOf(m_page[quoteAt], quoteAt + 1);
        return close < 0 ? n : close + 1;
    };
    while (m_pos < n) {
        const char16_t c = m_page[m_pos].unicode();
        if (isSpace(c) || c == u'/') {
            ++m_pos;
            continue;
        }
        if (c == u'>') {
            ++m_pos;
            m_mode = m_raw.isEmpty() ? Mode::Text : Mode::Raw;
            return;
        }
        if (c == u'"' || c == u'\'') {
            m_pos = skipQuoted(m_pos);
            continue;
        }
        const qsizetype nameStart = m_pos;
        while (m_pos < n) {
            const char16_t d = m_page[m_pos].unicode();
            if (isSpace(d) || d == u'=' || d == u'>' || d == u'/' || d == u'"' || d == u'\'')
                break;
            ++m_pos;
        }
        const QStringView name = m_page.sliced(nameStart, m_pos - nameStart);
        const bool read = name.compare(u"alt", Qt::CaseInsensitive) == 0 ||
                          name.compare(u"title", Qt::CaseInsensitive) == 0;
        qsizetype i = skipSpaces(m_pos);
        if (i >= n || m_page[i] != u'=')
            continue;
        i = skipSpaces(i + 1);
        m_pos = i;
        if (i >= n)
            return;
        const char16_t q = m_page[i].unicode();
        const bool quoted = q == u'"' || q == u'\'';
        if (read) {
            m_quote = quoted ? q : 0;
            m_pos = quoted ? i + 1 : i;
            m_mode = Mode::Value;
            return;
        }
        if (quoted) {
            m_pos = skipQuoted(i);
        } else {
            while (m_pos < n && !isSpace(m_page[m_pos].unicode()) && m_page[m_pos] != u'>')
                ++m_pos;
        }
    }
}

void SpellScanner::scanRaw()
{
    const qsizetype n = m_page.size();
    for (qsizetype from = m_pos;;) {
        const qsizetype found = m_page.indexOf(u"</", from);
        if (found < 0) {
            m_pos = n; // an element left open runs to the end of the page
            return;
        }
        const qsizetype after = found + 2 + m_raw.size();
        if (m_page.sliced(found + 2).startsWith(m_raw, Qt::CaseInsensitive) &&
            (after >= n || !isNameCharacter(m_page[after]))) {
            m_pos = after;
            m_raw = {};
            m_mode = Mode::Tag;
            return;
        }
        from = found + 2;
    }
}
