#pragma once

#include <QByteArray>
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

struct TextFileContent {
    bool read = false;
    QString errorText; // the system's reason when the file could not be read to its end
    TextEncoding encoding = TextEncoding::Undetermined;
    QString text; // with "\n" its one line end: every carriage return is dropped
    // Whether bytes follow the last line end, even bytes that give no text, such as a lone
    // carriage return or the start of a character.
    bool lastLineUnended = false;
};

// Reads a text file whole and decodes it at once, in the encoding detectTextEncoding() finds
// in it; a byte-order mark of any Unicode encoding still takes precedence. A stream decoding
// piece by piece copies its growing line for every piece, which under Windows takes minutes
// for a line of 10 MB.
TextFileContent readTextFile(const QString &path);

// What a file read as `readAs` is written as: in the form it was read in, so that a program
// reading it later finds what it found before. A file in no particular form, or in a code page
// that no longer holds its text, goes into the system's encoding when that holds the text, and
// into UTF-8 with a byte-order mark otherwise. `codePageHoldsText` is only asked when the
// answer matters.
TextEncoding encodingToWrite(TextEncoding readAs, const std::function<bool()> &codePageHoldsText);

void setWritingEncoding(QTextStream &stream, TextEncoding encoding);

} // namespace platform
