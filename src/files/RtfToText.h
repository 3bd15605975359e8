// Zevora - the plain text of an RTF document.
// Opening an RTF file offers its text for editing as a plain page.
#pragma once

#include <QByteArrayView>
#include <QString>

/// True when \a head begins with "{\rtf" in any letter case: the mark by which
/// a file is taken for RTF whatever its name.
bool hasRtfSignature(QByteArrayView head);

/// The text a reader sees in the RTF document \a rtf, as plain text.
///
/// - Paragraph ends (\par, \sect, a backslash before a line feed), line breaks
///   (\line) and page and column breaks become CR LF, the line ending of a new
///   page. Line breaks in the RTF source itself carry no meaning and are dropped.
/// - Table cells are separated by a tab; each row ends with CR LF. Empty cells
///   at the end of a row leave nothing behind.
/// - \tab is a tab; \~ U+00A0, \_ U+2011; the optional hyphen \- is dropped;
///   \emdash, \endash, \bullet, \lquote, \rquote, \ldblquote, \rdblquote and
///   the spacing and joiner words give their characters.
/// - \'hh is read in the code page of the current font (its \fcharset or \cpg)
///   or else of the document (\ansicpg, 1252 by default); code pages 1250, 1251
///   and 1252 are known, any other reads as 1252.
/// - \uN gives the character N (negative N counts from 65536; two in a row may
///   form a surrogate pair, a lone half becomes U+FFFD) and skips the \ucN
///   (default 1) characters after it that stand in for it.
/// - Text that is not part of the body is left out: font, colour and list
///   tables, style sheet, document information, pictures and objects' data,
///   headers, footers, footnotes, annotations, field instructions (the field's
///   result stays), index and contents entries, and every \* destination.
/// - Unknown control words are ignored; text after the document's closing
///   brace is ignored; a document cut short gives the text read so far.
QString rtfToText(QByteArrayView rtf);
