#include "platform/TextEncoding.h"

#include <QFile>
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

QStringConverter::Encoding converterFor(TextEncoding encoding)
{
    return isUtf8(encoding) ? QStringConverter::Utf8 : QStringConverter::System;
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
    const QByteArray bytes = file.readAll();
    file.seek(start);
    return detectTextEncoding(bytes);
}

TextEncoding detectTextEncoding(QByteArrayView bytes)
{
    if (bytes.startsWith(utf8Bom))
        return TextEncoding::Utf8WithBom;
    if (isAscii(bytes))
        return TextEncoding::Undetermined;
    return bytes.isValidUtf8() ? TextEncoding::Utf8 : TextEncoding::CodePage;
}

TextFileContent readTextFile(const QString &path)
{
    TextFileContent content;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        content.errorText = file.errorString();
        return content;
    }
    // A file that reports no size, as those of /proc do, is read for as long as bytes come.
    const QByteArray bytes = file.readAll();
    // A file cut short by a read error must not pass for the whole file: saving it back would
    // lose the rest.
    if (file.error() != QFileDevice::NoError) {
        content.errorText = file.errorString();
        return content;
    }
    content.read = true;
    content.encoding = detectTextEncoding(bytes);
    const QStringConverter::Encoding converter =
        QStringConverter::encodingForData(bytes).value_or(converterFor(content.encoding));
    content.text = QStringDecoder(converter)(bytes);
    content.text.remove(QLatin1Char('\r'));
    const QByteArray lineEnd = QStringEncoder(converter)(u"\n");
    content.lastLineUnended = !bytes.isEmpty() && !bytes.endsWith(lineEnd);
    return content;
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
    stream.setEncoding(converterFor(encoding));
    stream.setGenerateByteOrderMark(encoding == TextEncoding::Utf8WithBom);
}

} // namespace platform
