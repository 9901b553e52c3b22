#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringView>

#include <functional>

class QIODevice;
class QTextStream;

namespace platform {

// How a text file of ours is encoded on disk: a Windows code page cannot hold every name a
// folder may list, so files may also be in UTF-8.
enum class TextEncoding {
    Undetermined, // nothing decides: empty, plain ASCII, or not read at all
    CodePage,     // the system's encoding
    Utf8,
    Utf8WithBom
};

bool isUtf8(TextEncoding encoding);

// Whether the system's encoding is UTF-8, as on Linux: then every text has one form on disk.
bool systemEncodingIsUtf8();

bool codePageHolds(QStringView text);

// Looks at the whole content of a file just opened for reading, then rewinds it.
TextEncoding detectTextEncoding(QIODevice &file);
TextEncoding detectTextEncoding(QByteArrayView bytes);

struct TextFileContent {
    bool read = false;
    QString errorText; // the system's reason when the file could not be read to its end
    TextEncoding encoding = TextEncoding::Undetermined;
    QString text; // with "\n" its one line end: every carriage return is dropped
    // Whether bytes follow the last line end, even bytes that give no text.
    bool lastLineUnended = false;
};

// Reads a text file whole and decodes it at once: a stream decoding piece by piece copies its
// growing line for every piece, which under Windows takes minutes for a line of 10 MB.
TextFileContent readTextFile(const QString &path);

// What a file read as `readAs` is written as: in the form it was read in where that holds the
// text, else UTF-8 with a byte-order mark. `codePageHoldsText` is only asked when it matters.
TextEncoding encodingToWrite(TextEncoding readAs, const std::function<bool()> &codePageHoldsText);

void setWritingEncoding(QTextStream &stream, TextEncoding encoding);

} // namespace platform
