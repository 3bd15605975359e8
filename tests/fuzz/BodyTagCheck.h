// Zevora tests - what must hold for the BODY tag reader and writers, whatever
// the page. Shared by the BODY tag test and its fuzz target.
#pragma once

#include "BodyTag.h"

namespace BodyTagCheck {

struct Pick
{
    int attribute;
    QString code;
};

inline QString apply(const QString &page, const BodyTag::Edit &edit)
{
    return page.left(edit.start) + edit.text + page.mid(edit.start + edit.length);
}

/// Reads \a page, makes \a picks, and checks what Select and the background
/// write of \a name would change, with \a selStart and \a selLength as the
/// selection. What failed, or null when everything held.
inline const char *check(const QString &page, qsizetype selStart, qsizetype selLength,
                         const QList<Pick> &picks, const QString &name)
{
    using End = BodyTag::End;
    BodyTag read = BodyTag::read(page);
    const BodyTag::Extent extent = read.extent();
    const qsizetype tagEnd = extent.start + extent.length;
    if (extent.start != page.indexOf(QStringLiteral("<body"), 0, Qt::CaseInsensitive))
        return "the tag is not the page's first \"<body\"";
    if (extent.end != End::NoTag) {
        const QStringView tag = QStringView(page).sliced(extent.start, extent.length);
        if (tag.contains(u'\r') || tag.contains(u'\n') || (extent.end == End::Closed) != tag.endsWith(u'>'))
            return "the tag crosses a line break, or its end and its \">\" disagree";
        if (extent.end != End::Closed && tagEnd < page.size() && page.at(tagEnd) != u'\r' &&
            page.at(tagEnd) != u'\n')
            return "a tag without \">\" does not end at a line break";
    }

    for (const Pick &pick : picks)
        read.pick(pick.attribute, pick.code);
    const std::optional<BodyTag::Edit> select = read.selectEdit(page, selStart, selLength);
    if (!select ||
        (extent.end == End::NoTag ? select->start != selStart || select->length != selLength
                                  : select->start < extent.start || select->start + select->length > tagEnd))
        return "Select writes outside the tag, or finds the unchanged tag changed";
    const BodyTag again = BodyTag::read(apply(page, *select));
    if (again.extent().start != select->start || again.question() || again.extent().end != End::Closed)
        return "the written tag does not read back as the page's first BODY tag";
    // Every pick and every colour read comes back; without a pick the absent
    // colours get their defaults.
    for (int i = 0; i < cColorPage::AttributeCount; ++i) {
        const QString colour = read.record().colour(i);
        if (again.record().colour(i) !=
            (read.picked() || !colour.isEmpty() ? colour : BodyTag::defaultAttribute(i)))
            return "a colour does not read back as written";
    }
    if (again.record().cOther() != read.record().cOther())
        return "the other attributes do not read back as written";

    const BodyTag::Edit background = BodyTag::backgroundEdit(page, selStart, selLength, name);
    const QString attribute = QStringLiteral(" background=\"") + name + u'"';
    const qsizetype inner = tagEnd - (extent.end == End::Closed ? 1 : 0);
    if (extent.end == End::NoTag
            ? background.start != selStart || background.length != selLength
            : background.start != extent.start + 5 || background.start + background.length > inner)
        return "the background write reaches outside the tag or the selection";
    if (!background.text.startsWith(attribute) || background.caret != background.start + attribute.size())
        return "the background attribute or the caret after it is not in place";
    // A second write of a plain name changes nothing.
    const bool plain =
        !name.contains(u'"') && !name.contains(u'>') && !name.contains(u'\r') && !name.contains(u'\n');
    const QString once = apply(page, background);
    if (plain && extent.end != End::NoTag && apply(once, BodyTag::backgroundEdit(once, 0, 0, name)) != once)
        return "a second background write of the same name changes the page";
    return nullptr;
}

} // namespace BodyTagCheck
