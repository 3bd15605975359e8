// Zevora - a recovery journal: one page's unsaved text.
#include "JournalFile.h"

#include <QList>
#include <QtNumeric>

#include <limits>

namespace {

const QByteArray kMagic = "Zevora recovery journal 1";

QByteArray escaped(const QString &value)
{
    QByteArray out;
    for (const char c : value.toUtf8()) {
        if (c == '%')
            out += "%25";
        else if (c == '\n')
            out += "%0A";
        else if (c == '\r')
            out += "%0D";
        else
            out += c;
    }
    return out;
}

std::optional<QString> unescaped(QByteArrayView value)
{
    QByteArray out;
    for (qsizetype i = 0; i < value.size(); ++i) {
        if (value[i] != '%') {
            out += value[i];
            continue;
        }
        const QByteArrayView code = value.sliced(i).first(std::min<qsizetype>(3, value.size() - i));
        if (code == "%25")
            out += '%';
        else if (code == "%0A")
            out += '\n';
        else if (code == "%0D")
            out += '\r';
        else
            return std::nullopt;
        i += 2;
    }
    return QString::fromUtf8(out);
}

const char *encodingName(PageEncoding encoding)
{
    return encoding == PageEncoding::Windows1252 ? "windows-1252" : "utf-8";
}

const char *lineEndingName(LineEnding ending)
{
    switch (ending) {
    case LineEnding::Lf:
        return "lf";
    case LineEnding::Cr:
        return "cr";
    case LineEnding::CrLf:
        break;
    }
    return "crlf";
}

// A whole number written plainly (an optional minus, then digits).
std::optional<qint64> number(QByteArrayView text, qint64 least)
{
    const bool negative = text.startsWith('-');
    const QByteArrayView digits = negative ? text.sliced(1) : text;
    if (digits.isEmpty() || digits.size() > 19)
        return std::nullopt;
    qint64 value = 0;
    for (const char c : digits) {
        if (c < '0' || c > '9' || qMulOverflow(value, qint64(10), &value) ||
            qAddOverflow(value, qint64(c - '0'), &value))
            return std::nullopt;
    }
    if (negative)
        value = -value;
    if (value < least)
        return std::nullopt;
    return value;
}

std::optional<Journal> fail(QString *error, const QString &reason)
{
    if (error)
        *error = reason;
    return std::nullopt;
}

} // namespace

namespace JournalFile {

QByteArray compose(const JournalHeader &header, QByteArrayView body)
{
    QByteArray out = composeHeader(header, body.size());
    out.append(body);
    return out;
}

QByteArray composeHeader(const JournalHeader &header, qsizetype bodyLength)
{
    QByteArray out = kMagic + '\n';
    const auto line = [&out](const char *name, const QByteArray &value) {
        out += name;
        out += ": ";
        out += value;
        out += '\n';
    };
    line("pid", QByteArray::number(header.pid));
    line("tag", escaped(header.tag));
    line("caption", escaped(header.caption));
    line("untitled", header.untitled ? "yes" : "no");
    line("encoding", encodingName(header.encoding));
    line("line-ending", lineEndingName(header.lineEnding));
    line("caret", QByteArray::number(header.caret));
    line("written", header.written.toUTC().toString(Qt::ISODateWithMs).toLatin1());
    line("file-size", QByteArray::number(header.fileSize));
    line("file-modified-ns", QByteArray::number(header.fileModifiedNs));
    line("length", QByteArray::number(bodyLength));
    out += '\n';
    return out;
}

std::optional<Journal> parse(QByteArrayView bytes, QString *error)
{
    const qsizetype end = bytes.indexOf("\n\n");
    if (!bytes.startsWith(kMagic + '\n') || end < 0)
        return fail(error, QStringLiteral("it is not a recovery journal of this version"));

    Journal journal;
    JournalHeader &header = journal.header;
    std::optional<qint64> length;
    QList<QByteArray> seen;
    const QList<QByteArrayView> lines = [&] {
        QList<QByteArrayView> list;
        const QByteArrayView head = bytes.sliced(kMagic.size() + 1, end - kMagic.size() - 1);
        qsizetype from = 0;
        while (from <= head.size()) {
            const qsizetype at = head.indexOf('\n', from);
            const qsizetype to = at < 0 ? head.size() : at;
            list.append(head.sliced(from, to - from));
            from = to + 1;
        }
        return list;
    }();
    for (const QByteArrayView line : lines) {
        const qsizetype colon = line.indexOf(": ");
        if (colon <= 0)
            return fail(error, QStringLiteral("its header is damaged"));
        const QByteArray name = line.first(colon).toByteArray();
        const QByteArrayView value = line.sliced(colon + 2);
        if (seen.contains(name))
            return fail(error, QStringLiteral("its header names %1 twice").arg(QString::fromLatin1(name)));
        seen.append(name);
        std::optional<qint64> n;
        std::optional<QString> text;
        if (name == "pid" && (n = number(value, 0))) {
            header.pid = *n;
        } else if (name == "tag" && (text = unescaped(value))) {
            header.tag = *text;
        } else if (name == "caption" && (text = unescaped(value))) {
            header.caption = *text;
        } else if (name == "untitled" && (value == "yes" || value == "no")) {
            header.untitled = value == "yes";
        } else if (name == "encoding" && (value == "utf-8" || value == "windows-1252")) {
            header.encoding = value == "utf-8" ? PageEncoding::Utf8 : PageEncoding::Windows1252;
        } else if (name == "line-ending" && (value == "crlf" || value == "lf" || value == "cr")) {
            header.lineEnding = value == "lf"   ? LineEnding::Lf
                                : value == "cr" ? LineEnding::Cr
                                                : LineEnding::CrLf;
        } else if (name == "caret" && (n = number(value, 0))) {
            header.caret = *n;
        } else if (name == "written") {
            header.written = QDateTime::fromString(QString::fromLatin1(value), Qt::ISODateWithMs);
            if (!header.written.isValid())
                return fail(error, QStringLiteral("its time is damaged"));
        } else if (name == "file-size" && (n = number(value, -1))) {
            header.fileSize = *n;
        } else if (name == "file-modified-ns" && (n = number(value, std::numeric_limits<qint64>::min()))) {
            header.fileModifiedNs = *n;
        } else if (name == "length" && (n = number(value, 0))) {
            length = n;
        } else {
            return fail(error, QStringLiteral("its header is damaged"));
        }
    }
    for (const char *required : {"pid", "tag", "caption", "untitled", "encoding", "line-ending", "caret",
                                 "written", "file-size", "file-modified-ns", "length"}) {
        if (!seen.contains(required))
            return fail(error, QStringLiteral("its header is incomplete"));
    }
    const QByteArrayView body = bytes.sliced(end + 2);
    if (body.size() != *length)
        return fail(error, body.size() < *length ? QStringLiteral("it was cut short")
                                                 : QStringLiteral("it is longer than its header says"));
    journal.body = body.toByteArray();
    return journal;
}

} // namespace JournalFile
