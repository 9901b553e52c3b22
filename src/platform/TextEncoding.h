#pragma once

#include <QByteArrayView>
#include <QString>
#include <QStringView>

#include <functional>

class QIODevice;
class QTextStream;

namespace platform {

// How a text file of ours is encoded on disk. Where the system's encoding is a Windows code
// page, it cannot hold every name a folder may list, so files may also be in UTF-8; a
// byte-order mark tells other programs which one it is.
enum class TextEncoding {
    Undetermined, // nothing decides: empty, plain ASCII, or not read at all
    CodePage,     // the system's encoding
    Utf8,
    Utf8WithBom
};

// Whether the encoding is UTF-8, with or without a byte-order mark.
bool isUtf8(TextEncoding encoding);

// Whether the system's encoding is UTF-8, as on Linux: then every text has one form on disk.
bool systemEncodingIsUtf8();

// Whether the system's encoding holds every character of the text.
bool codePageHolds(QStringView text);

// Looks at the whole content of a file just opened for reading, then rewinds it. A UTF-8
// byte-order mark, or non-ASCII bytes that are valid UTF-8, mean UTF-8; anything else the
// system's encoding.
TextEncoding detectTextEncoding(QIODevice &file);
TextEncoding detectTextEncoding(QByteArrayView bytes);

// Sets the stream up to read a file in the encoding detectTextEncoding() found. A byte-order
// mark of any Unicode encoding still takes precedence.
void setReadingEncoding(QTextStream &stream, TextEncoding encoding);

// A whole file's bytes as a stream set up by setReadingEncoding() reads them, in one go.
QString decodeText(QByteArrayView bytes, TextEncoding encoding);

// What a file read as `readAs` is written as: in the form it was read in, so that a program
// reading it later finds what it found before. A file in no particular form, or in a code page
// that no longer holds its text, goes into the system's encoding when that holds the text, and
// into UTF-8 with a byte-order mark otherwise. `codePageHoldsText` is only asked when the
// answer matters.
TextEncoding encodingToWrite(TextEncoding readAs, const std::function<bool()> &codePageHoldsText);

void setWritingEncoding(QTextStream &stream, TextEncoding encoding);

} // namespace platform
