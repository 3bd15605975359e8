// Zevora - a page editor's text as the search and replace commands see it.
#pragma once

#include "PageText.h"
#include "richy.h"

/// The text of \a editor, read in place.
class RichyText : public PageText
{
public:
    explicit RichyText(const richy *editor) : m_editor(editor) {}

    QByteArrayView utf8() const override { return m_editor->textBytes(); }
    qsizetype length() const override { return m_editor->textLength(); }
    qsizetype indexFromUtf8(qsizetype offset) const override { return m_editor->indexFromUtf8(offset); }
    qsizetype utf8FromIndex(qsizetype index) const override { return m_editor->utf8FromIndex(index); }

private:
    const richy *m_editor;
};
