// Zevora - the plain text of an RTF document.
// A reader of groups and control words that keeps only the body's characters.
#include "RtfToText.h"

#include "CodePages.h"

#include <QHash>
#include <QList>

#include <algorithm>
#include <array>
#include <limits>
#include <string_view>
#include <utility>

namespace {

// Where the characters of the group being read go.
enum class Destination
{
    Body,               // the document's text
    Skipped,            // nowhere
    FontTable,          // nowhere, but fonts and their code pages are noted
    NestedRowProperties // nowhere, but its \nestrow ends a row of a nested table
};

// What a group inherits from the group around it and gets back at its end.
struct GroupState
{
    Destination destination = Destination::Body;
    int unicodeSkip = 1; // \ucN: how many characters stand in for each \uN
    int font = -1;       // \fN; -1 for the document's default font
};

// Destinations whose text is not part of the body.
constexpr auto skippedDestinations = [] {
    // clang-format off
    auto names = std::to_array<std::string_view>({
        // tables and document settings
        "colortbl", "stylesheet", "listtable", "listoverridetable", "revtbl", "rsidtbl", "filetbl",
        "xmlnstbl", "latentstyles", "pgdsctbl", "themedata", "colorschememapping", "datastore",
        "generator", "private", "template", "docvar", "userprops", "xmlopen",
        // document information
        "info", "title", "subject", "author", "manager", "company", "operator", "category", "keywords",
        "comment", "doccomm", "hlinkbase", "creatim", "revtim", "printim", "buptim",
        // headers, footers, notes and annotations
        "header", "headerl", "headerr", "headerf", "footer", "footerl", "footerr", "footerf",
        "footnote", "ftnsep", "ftnsepc", "ftncn", "aftnsep", "aftnsepc", "aftncn",
        "annotation", "atnid", "atnauthor", "atndate", "atntime", "atnicn", "atnref", "atnparent",
        "atrfstart", "atrfend",
        // pictures, shapes and objects' data
        "pict", "shppict", "nonshppict", "shp", "shpgrp", "shpinst", "do", "background",
        "objdata", "objclass", "objname", "listpicture",
        // field instructions, form fields, bookmarks, index and contents entries
        "fldinst", "datafield", "ffname", "ffdeftext", "ffformat", "ffhelptext", "ffstattext",
        "ffentrymcr", "ffexitmcr", "ffl", "bkmkstart", "bkmkend", "xe", "txe", "tc", "tcn",
        // numbering definitions and font details
        "leveltext", "levelnumbers", "pn", "pntxta", "pntxtb", "falt", "panose", "fchars",
    });
    // clang-format on
    std::sort(names.begin(), names.end());
    return names;
}();

struct Symbol
{
    std::string_view word;
    char16_t character;
};

// Control words that stand for one character.
constexpr std::array<Symbol, 14> symbols = {{
    {"bullet", 0x2022},
    {"emdash", 0x2014},
    {"emspace", 0x2003},
    {"endash", 0x2013},
    {"enspace", 0x2002},
    {"ldblquote", 0x201C},
    {"lquote", 0x2018},
    {"ltrmark", 0x200E},
    {"qmspace", 0x2005},
    {"rdblquote", 0x201D},
    {"rquote", 0x2019},
    {"rtlmark", 0x200F},
    {"zwj", 0x200D},
    {"zwnj", 0x200C},
}};

std::string_view view(QByteArrayView bytes)
{
    return std::string_view(bytes.data(), std::size_t(bytes.size()));
}

bool isSkippedDestination(QByteArrayView word)
{
    return std::binary_search(std::begin(skippedDestinations), std::end(skippedDestinations), view(word));
}

// The code page of a font's \fcharset; 0 where the document's own code page
// applies. Generators commonly write charset 0 ("ANSI") for fonts of whatever
// the document's \ansicpg is, so it is taken that way.
int codePageOfCharset(int charset)
{
    switch (charset) {
    case 77:
        return 10000;
    case 128:
        return 932;
    case 129:
        return 949;
    case 130:
        return 1361;
    case 134:
        return 936;
    case 136:
        return 950;
    case 161:
        return 1253;
    case 162:
        return 1254;
    case 163:
        return 1258;
    case 177:
        return 1255;
    case 178:
        return 1256;
    case 186:
        return 1257;
    case 204:
        return 1251;
    case 222:
        return 874;
    case 238:
        return 1250;
    case 254:
        return 437;
    case 255:
        return 850;
    default:
        return 0;
    }
}

bool isLetter(char c)
{
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

int hexValue(char c)
{
    if (isDigit(c))
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

class RtfReader
{
public:
    explicit RtfReader(QByteArrayView rtf) : m_rtf(rtf) {}

    QString read()
    {
        m_text.reserve(m_rtf.size() / 4);
        // Anything before the document's opening brace is not part of it.
        m_pos = m_rtf.indexOf('{');
        if (m_pos < 0)
            return QString();
        while (m_pos < m_rtf.size()) {
            const char c = m_rtf[m_pos++];
            switch (c) {
            case '{':
                openGroup();
                break;
            case '}':
                if (!closeGroup())
                    return finish();
                break;
            case '\\':
                readControl();
                break;
            case '\r':
            case '\n':
            case '\0':
                break; // line breaks in the source (and NUL bytes) are not text
            default:
                textByte(uchar(c));
                break;
            }
        }
        return finish();
    }

private:
    bool inBody() const { return m_state.destination == Destination::Body; }

    void openGroup()
    {
        m_fallbackLeft = 0;
        m_ignorableNext = false;
        m_outer.append(m_state);
    }

    // False when the document's outermost group has ended.
    bool closeGroup()
    {
        m_fallbackLeft = 0;
        m_ignorableNext = false;
        if (m_outer.isEmpty())
            return false;
        m_state = m_outer.takeLast();
        return !m_outer.isEmpty();
    }

    QString finish()
    {
        if (m_pendingHigh != 0)
            m_text += QChar(QChar::ReplacementCharacter);
        m_pendingHigh = 0;
        return m_text;
    }

    // True when the next character stands in for the \uN just read.
    bool takenByFallback()
    {
        if (m_fallbackLeft == 0)
            return false;
        --m_fallbackLeft;
        return true;
    }

    void readControl()
    {
        if (m_pos >= m_rtf.size())
            return;
        const char c = m_rtf[m_pos];
        if (isLetter(c)) {
            readControlWord();
            return;
        }
        ++m_pos;
        if (c == '\'') {
            readHexByte();
            return;
        }
        if (takenByFallback())
            return;
        switch (c) {
        case '*':
            m_ignorableNext = true;
            break;
        case '\\':
        case '{':
        case '}':
            putInBody(char16_t(c));
            break;
        case '~':
            putInBody(0x00A0); // no-break space
            break;
        case '_':
            putInBody(0x2011); // no-break hyphen
            break;
        case '\r':
        case '\n':
            if (inBody())
                putLineBreak();
            break;
        default:
            break; // \- (a hyphenation point only), \: and \| mark nothing in plain text
        }
    }

    void readControlWord()
    {
        const qsizetype start = m_pos;
        while (m_pos < m_rtf.size() && isLetter(m_rtf[m_pos]))
            ++m_pos;
        const QByteArrayView word = m_rtf.sliced(start, m_pos - start);

        bool negative = false;
        if (m_pos + 1 < m_rtf.size() && m_rtf[m_pos] == '-' && isDigit(m_rtf[m_pos + 1])) {
            negative = true;
            ++m_pos;
        }
        bool hasParameter = false;
        qint64 value = 0;
        while (m_pos < m_rtf.size() && isDigit(m_rtf[m_pos])) {
            hasParameter = true;
            if (value < 1000000000)
                value = value * 10 + (m_rtf[m_pos] - '0');
            ++m_pos;
        }
        value = std::min<qint64>(value, std::numeric_limits<int>::max());
        // A space ends a control word and belongs to it.
        if (m_pos < m_rtf.size() && m_rtf[m_pos] == ' ')
            ++m_pos;
        controlWord(word, hasParameter, int(negative ? -value : value));
    }

    void controlWord(QByteArrayView word, bool hasParameter, int parameter)
    {
        if (word == "bin") {
            // Raw bytes follow, which may look like anything.
            m_pos = std::min(m_rtf.size(), m_pos + std::max(0, parameter));
            takenByFallback();
            return;
        }
        if (takenByFallback())
            return;
        const bool ignorable = std::exchange(m_ignorableNext, false);
        if (m_state.destination == Destination::Skipped)
            return;
        if (word == "fonttbl") {
            m_state.destination = Destination::FontTable;
            m_fontBeingDefined = -1;
            return;
        }
        if (word == "nesttableprops") {
            m_state.destination = Destination::NestedRowProperties;
            return;
        }
        if (ignorable || isSkippedDestination(word)) {
            m_state.destination = Destination::Skipped;
            return;
        }
        switch (m_state.destination) {
        case Destination::FontTable:
            fontTableWord(word, parameter);
            break;
        case Destination::NestedRowProperties:
            if (word == "nestrow")
                endRow();
            break;
        case Destination::Body:
            bodyWord(word, hasParameter, parameter);
            break;
        case Destination::Skipped:
            break;
        }
    }

    void fontTableWord(QByteArrayView word, int parameter)
    {
        if (word == "f") {
            m_fontBeingDefined = parameter;
        } else if (word == "fcharset") {
            const int codePage = codePageOfCharset(parameter);
            if (codePage != 0)
                m_fontCodePages.insert(m_fontBeingDefined, codePage);
        } else if (word == "cpg") {
            m_fontCodePages.insert(m_fontBeingDefined, parameter);
        }
    }

    void bodyWord(QByteArrayView word, bool hasParameter, int parameter)
    {
        if (word == "par" || word == "line" || word == "sect" || word == "page" || word == "column") {
            putLineBreak();
        } else if (word == "tab") {
            put(u'\t');
        } else if (word == "cell" || word == "nestcell") {
            ++m_pendingCells;
        } else if (word == "row" || word == "nestrow") {
            endRow();
        } else if (word == "u") {
            if (hasParameter)
                putUnicode(parameter);
        } else if (word == "uc") {
            m_state.unicodeSkip = hasParameter ? std::max(0, parameter) : 1;
        } else if (word == "f") {
            m_state.font = hasParameter ? parameter : 0;
        } else if (word == "plain") {
            m_state.font = -1;
        } else if (word == "deff") {
            m_defaultFont = parameter;
        } else if (word == "ansicpg") {
            m_documentCodePage = parameter;
        } else if (word == "ansi") {
            m_documentCodePage = 1252;
        } else if (word == "mac") {
            m_documentCodePage = 10000;
        } else if (word == "pc") {
            m_documentCodePage = 437;
        } else if (word == "pca") {
            m_documentCodePage = 850;
        } else {
            const std::string_view name = view(word);
            const auto symbol =
                std::find_if(symbols.begin(), symbols.end(), [&](const Symbol &s) { return s.word == name; });
            if (symbol != symbols.end())
                put(symbol->character);
        }
    }

    void readHexByte()
    {
        int byte = 0;
        int digits = 0;
        while (digits < 2 && m_pos < m_rtf.size() && hexValue(m_rtf[m_pos]) >= 0) {
            byte = byte * 16 + hexValue(m_rtf[m_pos]);
            ++m_pos;
            ++digits;
        }
        if (digits == 0 || takenByFallback())
            return;
        putInBody(CodePages::toUnicode(currentCodePage(), uchar(byte)));
    }

    void textByte(uchar byte)
    {
        if (takenByFallback())
            return;
        putInBody(CodePages::toUnicode(currentCodePage(), byte));
    }

    int currentCodePage() const
    {
        const int font = m_state.font < 0 ? m_defaultFont : m_state.font;
        const int codePage = m_fontCodePages.value(font, 0);
        return codePage != 0 ? codePage : m_documentCodePage;
    }

    void putUnicode(int parameter)
    {
        // The parameter is a signed 16-bit number: characters above U+7FFF
        // are written negative.
        const qint64 value = parameter < 0 ? qint64(parameter) + 65536 : parameter;
        if (value < 0 || value > 0x10FFFF) {
            put(QChar::ReplacementCharacter);
        } else if (value > 0xFFFF) {
            put(QChar::highSurrogate(char32_t(value)));
            put(QChar::lowSurrogate(char32_t(value)));
        } else {
            put(char16_t(value));
        }
        m_fallbackLeft = m_state.unicodeSkip;
    }

    void endRow()
    {
        m_pendingCells = 0; // empty cells at the end of a row leave nothing
        putLineBreak();
    }

    void putLineBreak()
    {
        put(u'\r');
        put(u'\n');
    }

    void putInBody(char16_t unit)
    {
        if (inBody())
            put(unit);
    }

    // Appends one UTF-16 unit. A cell ended before it is separated by a tab;
    // surrogates are kept only as pairs.
    void put(char16_t unit)
    {
        if (m_pendingHigh != 0) {
            const char16_t high = std::exchange(m_pendingHigh, char16_t(0));
            if (QChar::isLowSurrogate(unit) && m_pendingCells == 0) {
                m_text += QChar(high);
                m_text += QChar(unit);
                return;
            }
            m_text += QChar(QChar::ReplacementCharacter);
        }
        if (m_pendingCells > 0) {
            m_text += QString(m_pendingCells, u'\t');
            m_pendingCells = 0;
        }
        if (QChar::isHighSurrogate(unit)) {
            m_pendingHigh = unit;
            return;
        }
        m_text += QChar(QChar::isLowSurrogate(unit) ? char16_t(QChar::ReplacementCharacter) : unit);
    }

    QByteArrayView m_rtf;
    qsizetype m_pos = 0;
    GroupState m_state;
    QList<GroupState> m_outer;
    bool m_ignorableNext = false;
    int m_fallbackLeft = 0;
    char16_t m_pendingHigh = 0;
    int m_pendingCells = 0;
    int m_documentCodePage = 1252;
    int m_defaultFont = -1;
    int m_fontBeingDefined = -1;
    QHash<int, int> m_fontCodePages;
    QString m_text;
};

} // namespace

bool hasRtfSignature(QByteArrayView head)
{
    return head.size() >= 5 && head.first(5).compare("{\\rtf", Qt::CaseInsensitive) == 0;
}

QString rtfToText(QByteArrayView rtf)
{
    return RtfReader(rtf).read();
}
