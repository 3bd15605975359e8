// Zevora benchmarks - what every benchmark program shares.
#pragma once

#include <QByteArray>
#include <QtGlobal>

#include <algorithm>
#include <vector>

namespace Bench {

/// Runs without a display unless the caller chose a platform.
inline void offscreenUnlessSet()
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
}

/// The middle value of \a times (0 when there is none).
inline double median(std::vector<double> times)
{
    if (times.empty())
        return 0;
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}

/// An ordinary page of \a bytes bytes: paragraph lines of \a textWidth
/// characters plus "</p>" and CR LF, every fifth with non-ASCII text.
inline QByteArray ordinaryPage(qsizetype bytes, int textWidth)
{
    QByteArray page;
    page.reserve(bytes + 128);
    for (int line = 0; page.size() < bytes; ++line) {
        QByteArray text = "<p class=\"item\">Line " + QByteArray::number(line) + " of the page";
        if (line % 5 == 0)
            text += " caf\xC3\xA9 \xE2\x82\xAC";
        while (text.size() < textWidth)
            text += " lorem";
        page += text.left(textWidth) + "</p>\r\n";
    }
    page.truncate(bytes);
    return page;
}

} // namespace Bench
