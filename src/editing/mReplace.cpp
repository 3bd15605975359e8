// Zevora - Replace All's core.
#include "mReplace.h"

#include "PageText.h"

#include <QStringDecoder>

namespace mReplace {

namespace {
// How far the work goes between two glances at the clock (about a
// millisecond), so that events run in time even where nothing is found.
constexpr qsizetype kStretch = qsizetype(1) << 20;
} // namespace

Result replaceAll(const QString &vstrString, const QString &vstrOrigCharacters,
                  const QString &vstrReplaceCharacters, Listener *listener)
{
    Result result;
    const QStringView text(vstrString);
    const QStringView find(vstrOrigCharacters);
    const QStringView with(vstrReplaceCharacters);
    if (find.isEmpty()) {
        result.text = vstrString;
        return result;
    }

    // Room for the text and some growth, so that a longer replacement
    // rarely moves the whole text to a larger buffer.
    QString built;
    built.reserve(with.size() > find.size() ? text.size() + text.size() / 8 : text.size());
    qsizetype copied = 0; // text before this is in built already
    qsizetype from = 0;   // where the search goes on
    for (;;) {
        const qsizetype stretchEnd = std::min(text.size(), from + kStretch + find.size() - 1);
        const qsizetype found = text.sliced(from, stretchEnd - from).indexOf(find);
        if (found < 0) {
            if (stretchEnd == text.size())
                break;
            from = stretchEnd - (find.size() - 1);
            if (listener && !listener->runEventsWhenDue()) {
                result.finished = false;
                return result;
            }
            continue;
        }
        const qsizetype at = from + found;
        built.append(text.sliced(copied, at - copied)).append(with);
        copied = from = at + find.size();
        ++result.replacements;
        if (!listener)
            continue;
        if (result.replacements % 100 == 0)
            listener->replaced(result.replacements);
        const bool ran =
            result.replacements % 20 == 0 ? listener->runEventsNow() : listener->runEventsWhenDue();
        if (!ran) {
            result.finished = false;
            return result;
        }
    }
    built.append(text.sliced(copied));
    result.text = std::move(built);
    return result;
}

std::optional<QString> decodeUtf8(const PageText &page, Listener *listener)
{
    QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::ConvertInitialBom);
    const qsizetype size = page.utf8().size();
    // UTF-8 never takes fewer bytes than UTF-16 takes code units.
    QString text(size, Qt::Uninitialized);
    QChar *out = text.data();
    for (qsizetype at = 0; at < size; at += kStretch) {
        out = decoder.appendToBuffer(out, page.utf8().sliced(at, std::min(kStretch, size - at)));
        if (listener && !listener->runEventsWhenDue())
            return std::nullopt;
    }
    text.truncate(out - text.constData());
    // Text outside ASCII takes fewer code units than bytes; the text is kept
    // (in the undo history), so it should not keep the room it left.
    if (text.size() < text.capacity() / 4 * 3)
        text.squeeze();
    return text;
}

QString progressText(qsizetype replacements)
{
    return QStringLiteral("Replaced %1 occurrences.\nHang on...").arg(replacements);
}

} // namespace mReplace
