// Zevora - Text to HTML: turns plain text into HTML source.
// Line breaks, runs of blanks, reserved and Latin-1 characters, and web addresses.
#pragma once

#include <QString>

#include <optional>

/// Converts the plain text in txt1() to HTML source.
///
/// The conversion walks the text once:
/// - "http:/" or "ftp://" in any letter case starts a link, which runs to the
///   first space, carriage return, line feed or tab. It becomes
///   <a href="u">u</a>, where the double quote, ampersand, less-than and
///   greater-than signs of u are written as entities in both places; a line
///   end or tab that closes it is replaced by "<br>" followed by the line end
///   itself or the tab's blanks, a space that closes it is converted as usual. A link that runs to the end of
///   the text may be at most linkLimit() characters long, otherwise the conversion fails.
/// - A run of n spaces gives one space and n - 1 "&nbsp;"; a tab gives
///   " &nbsp; &nbsp; &nbsp; ".
/// - A carriage return gives "<br>" and the carriage return; a line feed that
///   does not follow a carriage return (a line end of its own) gives "<br>" and
///   the line feed; the line feed of a CR LF pair stays as it is.
/// - The double quote, ampersand, less-than and greater-than signs and the
///   Latin-1 characters 161 to 255 (except the soft hyphen, 173) give their
///   HTML 4 named entities. Every other character, including those beyond
///   Latin-1, stays as it is.
///
/// The class shows nothing: a failure that the user must be told about is
/// handed back as note(), for the caller to show.
class cTxt2HTML
{
public:
    /// A message box the caller is asked to show after a failed conversion.
    struct Note
    {
        QString title;
        QString text;

        bool operator==(const Note &) const = default;
    };

    cTxt2HTML() = default;
    explicit cTxt2HTML(const QString &text) : m_txt1(text) {}

    /// The text to convert before toHTML(), the HTML after it succeeded.
    QString txt1() const { return m_txt1; }
    void setTxt1(const QString &text) { m_txt1 = text; }

    /// Converts txt1() in place. True on success; on failure txt1() is left as
    /// it was and note() may hold the box to show (a failure without a note is
    /// a run-time error such as running out of memory).
    bool toHTML();

    /// The box that the last toHTML() asks for, or none when it succeeded or
    /// failed without one.
    std::optional<Note> note() const { return m_note; }

    /// The longest link, in characters, that may run to the end of the text.
    static constexpr qsizetype linkLimit() { return 120; }
    /// The box shown for a link at the end of the text longer than linkLimit().
    static Note linkWithoutEndNote();
    /// The named entity the conversion writes for \a c ("&amp;", "&copy;",
    /// "&Eacute;", ...): for the double quote, ampersand, less-than and
    /// greater-than signs and the Latin-1 characters 161 to 255 except the
    /// soft hyphen; "" for any other character.
    static QString entityOf(QChar c);
    /// What a tab becomes: blanks and no-break spaces, 22 characters.
    static QString tabPiece() { return QStringLiteral(" &nbsp; &nbsp; &nbsp; "); }

private:
    QString m_txt1;
    std::optional<Note> m_note;
};
