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

// Checks bytes for well-formed UTF-8 as they come, chunk by chunk: no stray continuation
// bytes, no overlong forms, no surrogates, nothing beyond U+10FFFF, nothing cut off.
class Utf8Validator {
public:
    void feed(QByteArrayView bytes)
    {
        for (const char signedByte : bytes) {
            if (!valid)
                return;
            const auto byte = static_cast<unsigned char>(signedByte);
            if (pending > 0) {
                valid = byte >= low && byte <= high;
                low = 0x80;
                high = 0xBF;
                --pending;
            } else {
                startSequence(byte);
            }
        }
    }

    bool isValid() const { return valid && pending == 0; }
    // False once a byte broke the rules; a sequence merely cut off at a chunk's end may still
    // be completed by the next chunk.
    bool mayStillBeValid() const { return valid; }

private:
    void startSequence(unsigned char byte)
    {
        if (byte < 0x80)
            return;
        if (byte >= 0xC2 && byte <= 0xDF) {
            pending = 1;
        } else if (byte >= 0xE0 && byte <= 0xEF) {
            pending = 2;
            low = byte == 0xE0 ? 0xA0 : 0x80;  // no overlong form
            high = byte == 0xED ? 0x9F : 0xBF; // no surrogate
        } else if (byte >= 0xF0 && byte <= 0xF4) {
            pending = 3;
            low = byte == 0xF0 ? 0x90 : 0x80;  // no overlong form
            high = byte == 0xF4 ? 0x8F : 0xBF; // nothing beyond U+10FFFF
        } else {
            valid = false;
        }
    }

    bool valid = true;
    int pending = 0;
    unsigned char low = 0x80;
    unsigned char high = 0xBF;
};

bool detectedSystemUtf8()
{
    // Letters from three scripts and one beyond the basic plane: no code page holds them all.
    const QString probe = QStringLiteral("\u00E9\u0416\u4E2D") + QString::fromUcs4(U"\U0001F600");
    QStringEncoder encoder(QStringConverter::System);
    const QByteArray bytes = encoder(probe);
    return !encoder.hasError() && bytes == probe.toUtf8();
}
} // namespace

bool isUtf8(TextEncoding encoding)
{
    return encoding == TextEncoding::Utf8 || encoding == TextEncoding::Utf8WithBom;
}

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
    Utf8Validator validator;
    bool first = true;
    bool ascii = true;
    while (validator.mayStillBeValid()) {
        const QByteArray chunk = file.read(chunkSize);
        if (chunk.isEmpty())
            break;
        if (first && chunk.startsWith(utf8Bom)) {
            file.seek(start);
            return TextEncoding::Utf8WithBom;
        }
        first = false;
        ascii = ascii && isAscii(chunk);
        validator.feed(chunk);
    }
    file.seek(start);
    if (ascii)
        return TextEncoding::Undetermined;
    return validator.isValid() ? TextEncoding::Utf8 : TextEncoding::CodePage;
}

TextEncoding encodingToRead(QIODevice &file)
{
    return systemEncodingIsUtf8() ? TextEncoding::Undetermined : detectTextEncoding(file);
}

void setReadingEncoding(QTextStream &stream, TextEncoding encoding)
{
    stream.setEncoding(isUtf8(encoding) ? QStringConverter::Utf8 : QStringConverter::System);
    stream.setAutoDetectUnicode(true);
}

TextEncoding encodingToWrite(TextEncoding readAs, const std::function<bool()> &codePageHoldsText)
{
    // Where the system's encoding is UTF-8 everything is written in it, without a mark.
    if (systemEncodingIsUtf8())
        return TextEncoding::CodePage;
    if (isUtf8(readAs))
        return readAs;
    return codePageHoldsText() ? TextEncoding::CodePage : TextEncoding::Utf8WithBom;
}

void setWritingEncoding(QTextStream &stream, TextEncoding encoding)
{
    stream.setEncoding(isUtf8(encoding) ? QStringConverter::Utf8 : QStringConverter::System);
    stream.setGenerateByteOrderMark(encoding == TextEncoding::Utf8WithBom);
}

} // namespace platform
