// Zevora - zevora-txt2html, the Text to HTML conversion as a command-line filter.
// Reads a text file (or standard input) and writes its HTML to standard output.
#include "StreamKind.h"
#include "cTxt2HTML.h"

#include <QCoreApplication>
#include <QFile>
#include <QStringDecoder>

#include <cstdio>
#include <optional>

namespace {

constexpr int ExitConverted = 0;
constexpr int ExitNotConverted = 1;
constexpr int ExitUsage = 2;

// The largest input read. The HTML can be many times the size of the text (a
// tab becomes 22 characters), and all of it is held in memory at once.
constexpr qint64 InputLimit = qint64(64) * 1024 * 1024;
constexpr qint64 ReadBlock = qint64(1) * 1024 * 1024;

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

// The whole input, or nothing when it holds more than InputLimit bytes. A pipe
// or terminal tells its size only by ending, so it is read up to one byte past
// the limit.
std::optional<QByteArray> readLimited(QFile &input)
{
    if (!input.isSequential() && input.size() > InputLimit)
        return std::nullopt;
    QByteArray bytes;
    for (;;) {
        const QByteArray block = input.read(ReadBlock);
        if (block.isEmpty())
            return bytes;
        if (bytes.size() + block.size() > InputLimit)
            return std::nullopt;
        bytes += block;
    }
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
    const QString inputName = fromStdin ? QStringLiteral("standard input") : arguments.first();
    if (!opened) {
        printError(QStringLiteral("zevora-txt2html: cannot read %1: %2").arg(inputName, input.errorString()));
        return ExitUsage;
    }
    // A device such as /dev/zero never ends: refused before anything is read.
    if (Platform::streamKind(input) == Platform::StreamKind::Other) {
        printError(
            QStringLiteral("zevora-txt2html: cannot read %1: not a regular file or a pipe").arg(inputName));
        return ExitUsage;
    }
    const std::optional<QByteArray> bytes = readLimited(input);
    if (!bytes) {
        printError(QStringLiteral("zevora-txt2html: cannot read %1: larger than %2 MiB")
                       .arg(inputName)
                       .arg(InputLimit / (1024 * 1024)));
        return ExitUsage;
    }
    if (input.error() != QFileDevice::NoError) {
        printError(QStringLiteral("zevora-txt2html: cannot read %1: %2").arg(inputName, input.errorString()));
        return ExitUsage;
    }

    cTxt2HTML converter(decodeText(*bytes));
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
