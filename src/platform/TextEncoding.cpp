#include "platform/TextEncoding.h"

#include <QIODevice>
#include <QStringDecoder>
#include <QStringEncoder>
#include <QTextStream>

namespace platform {
namespace {
const QByteArray utf8Bom = QByteArrayLiteral("\xEF\xBB\xBF");

bool isAscii(QByteArrayView bytes)
{
    for (const char byte : bytes) {
        if (static_cast<unsigned char>(byte) >= 0x80)
            return false;
    }
    return true;
}

bool isAscii(QStringView text)
{
    for (const QChar character : text) {
        if (character.unicode() >= 0x80)
            return false;
    }
    return true;
}

// Whether the bytes end in the middle of a UTF-8 sequence, which the decoder does not report
// until more bytes come.
bool endsInsideSequence(QByteArrayView bytes)
{
    for (qsizetype back = 1; back <= 4 && back <= bytes.size(); ++back) {
        const auto byte = static_cast<unsigned char>(bytes.at(bytes.size() - back));
        if ((byte & 0xC0) == 0x80)
            continue; // a continuation byte: look further back for the lead
        const int length = byte >= 0xF0 ? 4 : byte >= 0xE0 ? 3 : byte >= 0xC0 ? 2 : 1;
        return length > back;
    }
    return false;
}

bool detectedSystemUtf8()
{
    // Letters from three scripts and one beyond the basic plane: no code page holds them all.
    const QString probe = QStringLiteral("\u00E9\u0416\u4E2D") + QString::fromUcs4(U"\U0001F600");
    QStringEncoder encoder(QStringConverter::System);
    const QByteArray bytes = encoder(probe);
    return !encoder.hasError() && bytes == probe.toUtf8();
}
} // namespace

bool systemEncodingIsUtf8()
{
    static const bool utf8 = detectedSystemUtf8();
    return utf8;
}

bool codePageHolds(QStringView text)
{
    if (systemEncodingIsUtf8() || isAscii(text))
        return true;
    QStringEncoder encoder(QStringConverter::System);
    const QByteArray bytes = encoder(text);
    if (encoder.hasError())
        return false;
    // A code page that lacks a character writes a stand-in, often without reporting it.
    QStringDecoder decoder(QStringConverter::System);
    const QString back = decoder(bytes);
    return !decoder.hasError() && back == text;
}

TextEncoding detectTextEncoding(QIODevice &file)
{
    const qint64 start = file.pos();
    constexpr qint64 chunkSize = 1 << 16;
    QStringDecoder decoder(QStringConverter::Utf8);
    QByteArray chunk;
    bool first = true;
    bool ascii = true;
    bool validUtf8 = true;
    while (validUtf8) {
        const QByteArray next = file.read(chunkSize);
        if (next.isEmpty())
            break;
        chunk = next;
        if (first && chunk.startsWith(utf8Bom)) {
            file.seek(start);
            return TextEncoding::Utf8WithBom;
        }
        first = false;
        if (ascii && isAscii(chunk))
            continue;
        ascii = false;
        decoder(chunk);
        validUtf8 = !decoder.hasError();
    }
    validUtf8 = validUtf8 && !endsInsideSequence(chunk);
    file.seek(start);
    if (ascii)
        return TextEncoding::Undetermined;
    return validUtf8 ? TextEncoding::Utf8 : TextEncoding::CodePage;
}

void setReadingEncoding(QTextStream &stream, TextEncoding encoding)
{
    const bool utf8 = encoding == TextEncoding::Utf8 || encoding == TextEncoding::Utf8WithBom;
    stream.setEncoding(utf8 ? QStringConverter::Utf8 : QStringConverter::System);
    stream.setAutoDetectUnicode(true);
}

TextEncoding encodingToWrite(TextEncoding readAs, const std::function<bool()> &codePageHoldsText,
                             bool keepCodePage)
{
    // Where the system's encoding is UTF-8 everything is written in it, without a mark.
    if (systemEncodingIsUtf8())
        return TextEncoding::CodePage;
    switch (readAs) {
    case TextEncoding::Utf8:
    case TextEncoding::Utf8WithBom:
        return readAs;
    case TextEncoding::CodePage:
        if (keepCodePage)
            return readAs;
        break;
    case TextEncoding::Undetermined:
        break;
    }
    return codePageHoldsText() ? TextEncoding::CodePage : TextEncoding::Utf8WithBom;
}

void setWritingEncoding(QTextStream &stream, TextEncoding encoding)
{
    const bool utf8 = encoding == TextEncoding::Utf8 || encoding == TextEncoding::Utf8WithBom;
    stream.setEncoding(utf8 ? QStringConverter::Utf8 : QStringConverter::System);
    stream.setGenerateByteOrderMark(encoding == TextEncoding::Utf8WithBom);
}

} // namespace platform
