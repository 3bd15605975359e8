// Zevora fuzz target - Text to HTML.
// Whatever the text, the HTML holds no markup of the text's own: every "<" and
// every double quote is one the converter wrote.
#include "FuzzCheck.h"
#include "cTxt2HTML.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QString text = QString::fromUtf8(reinterpret_cast<const char *>(data), qsizetype(size));
    cTxt2HTML converter(text);
    if (!converter.toHTML()) {
        FUZZ_CHECK(converter.txt1() == text);
        return 0;
    }
    const QString html = converter.txt1();
    bool inHref = false;
    for (qsizetype i = 0; i < html.size(); ++i) {
        const QStringView rest = QStringView(html).sliced(i);
        if (html.at(i) == u'<') {
            FUZZ_CHECK(rest.startsWith(u"<br>") || rest.startsWith(u"<a href=\"") ||
                       rest.startsWith(u"</a>"));
            if (rest.startsWith(u"<a href=\"")) {
                inHref = true;
                i += 8; // the opening quote
            }
        } else if (html.at(i) == u'"') {
            // The only quote left is the one that closes the address.
            FUZZ_CHECK(inHref && rest.startsWith(u"\">"));
            inHref = false;
        }
    }
    FUZZ_CHECK(!inHref);
    return 0;
}
