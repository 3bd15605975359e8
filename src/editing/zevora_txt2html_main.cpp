// Zevora - zevora-txt2html, the Text to HTML conversion as a command-line filter.
// Reads a text file (or standard input) and writes its HTML to standard output.
#include "cTxt2HTML.h"

#include <QCoreApplication>
#include <QFile>
#include <QStringDecoder>

#include <cstdio>

namespace {

constexpr int ExitConverted = 0;
constexpr int ExitNotConverted = 1;
constexpr int ExitUsage = 2;

const char Usage[] = "Usage: zevora-txt2html [FILE]\n"
                     "Converts the plain text in FILE (or standard input when FILE is missing or \"-\")\n"
                     "to HTML and writes it to standard output, in UTF-8.\n";

// Windows-1252 characters of the bytes 0x80 to 0x9F. The five bytes the code
// page leaves undefined keep their own code, so that every byte has a character.
constexpr char16_t Cp1252High[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

// Text files are UTF-8 (a byte-order mark is kept as a character); a file that
// is not valid UTF-8 is an older single-byte file and is read as Windows-1252,
// as the editor itself does.
QString decodeText(const QByteArray &bytes)
{
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::ConvertInitialBom);
    QString text = utf8(bytes);
    if (!utf8.hasError())
        return text;
    text.clear();
    text.reserve(bytes.size());
    for (const char byte : bytes) {
        const auto code = static_cast<unsigned char>(byte);
        text += (code >= 0x80 && code <= 0x9F) ? QChar(Cp1252High[code - 0x80]) : QChar(code);
    }
    return text;
}

void printError(const QString &message)
{
    const QByteArray bytes = message.toLocal8Bit() + '\n';
    std::fwrite(bytes.constData(), 1, static_cast<size_t>(bytes.size()), stderr);
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    const QStringList arguments = QCoreApplication::arguments().mid(1);

    if (arguments.size() == 1 &&
        (arguments.first() == QLatin1String("-h") || arguments.first() == QLatin1String("--help"))) {
        std::fputs(Usage, stdout);
        return ExitConverted;
    }
    if (arguments.size() > 1) {
        std::fputs(Usage, stderr);
        return ExitUsage;
    }

    const bool fromStdin = arguments.isEmpty() || arguments.first() == QLatin1String("-");
    QFile input;
    bool opened = false;
    if (fromStdin) {
        opened = input.open(stdin, QIODevice::ReadOnly);
    } else {
        input.setFileName(arguments.first());
        opened = input.open(QIODevice::ReadOnly);
    }
    if (!opened) {
        printError(
            QStringLiteral("zevora-txt2html: cannot read %1: %2")
                .arg(fromStdin ? QStringLiteral("standard input") : arguments.first(), input.errorString()));
        return ExitUsage;
    }
    const QByteArray bytes = input.readAll();

    cTxt2HTML converter(decodeText(bytes));
    if (!converter.toHTML()) {
        const auto note = converter.note();
        printError(note ? note->text : QStringLiteral("There was an error trying to convert the text."));
        return ExitNotConverted;
    }

    QFile output;
    if (!output.open(stdout, QIODevice::WriteOnly) || output.write(converter.txt1().toUtf8()) < 0 ||
        !output.flush()) {
        printError(
            QStringLiteral("zevora-txt2html: cannot write standard output: %1").arg(output.errorString()));
        return ExitNotConverted;
    }
    return ExitConverted;
}
