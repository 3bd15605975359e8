// Zevora tests - what must hold for the BODY tag reader and writers, whatever
// the page. Shared by the BODY tag test and its fuzz target.
#pragma once

#include "BodyTag.h"

#include <QList>
#include <QString>

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
/// write (with \a name) would change, with \a selStart and \a selLength as the
/// page's selection. Returns what failed, or null when everything held. A
/// \a name holding a quote, a ">" or a line break is only checked to stay
/// inside the tag.
inline const char *check(const QString &page, qsizetype selStart, qsizetype selLength,
                         const QList<Pick> &picks, const QString &name)
{
    using End = BodyTag::End;
    const BodyTag::Extent extent = BodyTag::find(page);
    const qsizetype first = page.indexOf(QStringLiteral("<body"), 0, Qt::CaseInsensitive);
    if (extent.start != first)
        return "the tag is not the page's first \"<body\"";
    const qsizetype tagEnd = extent.start + extent.length;
    if (extent.end != End::NoTag) {
        if (extent.length < 5 || tagEnd > page.size())
            return "the tag does not lie inside the page";
        const QStringView tag = QStringView(page).sliced(extent.start, extent.length);
        if (tag.contains(u'\r') || tag.contains(u'\n'))
            return "the tag crosses a line break";
        if ((extent.end == End::Closed) != tag.endsWith(u'>'))
            return "the tag's end and its \">\" disagree";
        if (extent.end != End::Closed && tagEnd < page.size() && page.at(tagEnd) != u'\r' &&
            page.at(tagEnd) != u'\n')
            return "a tag without \">\" does not end at a line break";
    }

    BodyTag read = BodyTag::read(page);
    if (read.extent().start != extent.start || read.extent().length != extent.length)
        return "reading and finding disagree on the tag";
    for (const Pick &pick : picks)
        read.pick(pick.attribute, pick.code);
    const std::optional<BodyTag::Edit> select = read.selectEdit(page, selStart, selLength);
    if (!select)
        return "Select finds the unchanged tag changed";
    if (extent.end == End::NoTag ? select->start != selStart || select->length != selLength
                                 : select->start < extent.start || select->start + select->length > tagEnd)
        return "Select writes outside the tag";
    const QString written = apply(page, *select);
    const BodyTag again = BodyTag::read(written);
    if (again.extent().start != select->start || again.question() || again.extent().end != End::Closed)
        return "the written tag does not read back as the page's first BODY tag";
    for (int i = 0; i < cColorPage::AttributeCount; ++i) {
        // Every pick and every colour read comes back; without a pick the
        // absent colours get their defaults.
        QString expected = read.record().colour(i);
        if (!read.picked() && expected.isEmpty())
            expected = BodyTag::defaultAttribute(i);
        if (again.record().colour(i) != expected)
            return "a colour does not read back as written";
    }
    if (again.record().cOther() != read.record().cOther())
        return "the other attributes do not read back as written";

    const BodyTag::Edit background = BodyTag::backgroundEdit(page, selStart, selLength, name);
    const QString attribute = QStringLiteral(" background=\"") + name + u'"';
    if (extent.end == End::NoTag) {
        if (background.start != selStart || background.length != selLength || background.text != attribute)
            return "the background attribute does not replace the selection";
    } else {
        const qsizetype inner = tagEnd - (extent.end == End::Closed ? 1 : 0);
        if (background.start != extent.start + 5 || background.start + background.length > inner ||
            !background.text.startsWith(attribute))
            return "the background write reaches outside the tag";
    }
    if (background.caret != background.start + attribute.size())
        return "the caret is not after the background attribute";
    const bool plainName =
        !name.contains(u'"') && !name.contains(u'>') && !name.contains(u'\r') && !name.contains(u'\n');
    if (plainName && extent.end != End::NoTag) {
        const QString once = apply(page, background);
        if (apply(once, BodyTag::backgroundEdit(once, 0, 0, name)) != once)
            return "a second background write of the same name changes the page";
    }
    return nullptr;
}

} // namespace BodyTagCheck
