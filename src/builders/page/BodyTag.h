// Zevora - a page's BODY tag: its colours read and written back, and its
// background image.
#pragma once

#include "ColourDialogService.h"
#include "MessageService.h"
#include "cColorPage.h"

#include <QList>
#include <QString>

#include <array>
#include <optional>

/// Reads the first BODY tag of a page for the page colours dialog and writes
/// it back with the colours picked; also sets the tag's background image.
///
/// The tag is the page's first "<body" in any letter case. It ends at the
/// first ">" that is not inside a quoted attribute value, and never goes past
/// the first line break (CR LF, LF or CR) after it: when a quoted value is
/// still open at the line break, quotes do not count and the first ">" on the
/// line ends the tag; when the line holds no such ">", the tag ends before the
/// line break. Nothing past the tag is looked at, except to tell a tag whose
/// ">" is on a later line from one that has no ">" after it at all.
///
/// Attributes are read as HTML writes them: whole names in any letter case,
/// blanks or tabs around "=", values in double quotes, single quotes or none.
/// Positions are Text indexes (UTF-16 code units, from 0).
class BodyTag
{
public:
    /// How the tag ends.
    enum class End
    {
        NoTag,   ///< the page has no "<body"
        Closed,  ///< by a ">" on its line
        Open,    ///< no ">" on its line, one after it: the tag ends before the line break
        Missing, ///< no ">" anywhere after "<body": the tag runs to the line break
    };
    struct Extent
    {
        qsizetype start = -1;
        qsizetype length = 0;
        End end = End::NoTag;
    };
    /// A replacement in the page: \a length characters from \a start become
    /// \a text; the caret goes to \a caret afterwards.
    struct Edit
    {
        qsizetype start = 0;
        qsizetype length = 0;
        QString text;
        qsizetype caret = 0;
    };

    /// Where the first BODY tag of \a page lies.
    static Extent find(QStringView page);

    /// Reads the first BODY tag of \a page.
    static BodyTag read(QStringView page);

    Extent extent() const { return m_extent; }
    /// The tag as read (for a tag without ">" after it, its "<body").
    QString oldTag() const { return m_oldTag; }
    const cColorPage &record() const { return m_record; }

    /// Boxes to show after reading, in order: the note about a tag without
    /// ">", or one note for each colour whose code is not six hexadecimal
    /// digits.
    QList<Platform::MessageBox> notes() const { return m_notes; }
    /// The question to ask after reading (OK and Cancel), when the tag could
    /// not be read: OK goes on with an empty record and Select replaces the
    /// whole tag; Cancel leaves the page alone.
    std::optional<Platform::MessageBox> question() const { return m_question; }

    /// The colour a preview shows for \a attribute: the one read or picked,
    /// or the default when there is none (or its code is not valid).
    Platform::ColourValue previewColour(int attribute) const;

    /// Sets \a attribute to the picked \a code ("#RRGGBB" in double quotes).
    void pick(int attribute, const QString &code);
    bool picked() const { return !m_record.bodyMsg().isEmpty(); }

    /// The tag Select writes. Without a pick it keeps what was read and gives
    /// the absent colours their defaults.
    QString newTag() const;
    /// Where Select writes the new tag into \a page as it is now: over the old
    /// tag, found again at its place or as the page's first BODY tag; just
    /// before "<body" when that had no ">"; over the selection when the page
    /// had no tag. Nothing when the old tag is no longer there unchanged.
    std::optional<Edit> selectEdit(QStringView page, qsizetype selStart, qsizetype selLength) const;

    /// Sets the background image of \a page's BODY tag to \a name: removes
    /// every attribute named "background" from the tag (from the blank or tab
    /// before it through its value; a value whose quote never closes runs to
    /// the tag's end) and writes ` background="name"` right after "<body".
    /// A page without a tag gets the attribute over the selection.
    static Edit backgroundEdit(QStringView page, qsizetype selStart, qsizetype selLength,
                               const QString &name);

    /// The box shown when Select finds the old tag changed.
    static Platform::MessageBox changedNote();
    /// The prefix a picked colour is written with (" bgColor=", " text=", ...).
    static QString outputPrefix(int attribute);
    /// A colour attribute as the default tag writes it (` bgColor="#FFFFFF"`, ...).
    static QString defaultAttribute(int attribute);

private:
    void readAttributes(QStringView inner);

    Extent m_extent;
    QString m_oldTag;
    cColorPage m_record;
    std::array<std::optional<Platform::ColourValue>, cColorPage::AttributeCount> m_colours;
    QList<Platform::MessageBox> m_notes;
    std::optional<Platform::MessageBox> m_question;
};
