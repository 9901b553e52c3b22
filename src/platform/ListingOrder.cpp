#include "platform/ListingOrder.h"

#include <QFile>

#include <algorithm>
#include <cstring>
#include <numeric>

namespace platform {
namespace {
bool isAscii(const char *text, std::size_t length)
{
    unsigned char seen = 0;
    for (std::size_t i = 0; i < length; ++i)
        seen |= static_cast<unsigned char>(text[i]);
    return seen < 0x80;
}

// In ASCII only A to Z have another lower case, in Unicode as in Qt.
char asciiLowerCase(char ch)
{
    return ch >= 'A' && ch <= 'Z' ? char(ch + ('a' - 'A')) : ch;
}
} // namespace

void ListingOrder::add(const char *nativeName)
{
    const std::size_t length = std::strlen(nativeName);
    if (isAscii(nativeName, length))
        addAscii(nativeName, length);
    else
        addDecoded(nativeName);
    keyStarts.push_back(keys.size());
}

// Most mod names are plain ASCII, which decodes and lower-cases far quicker by hand than
// through Qt's general Unicode path.
void ListingOrder::addAscii(const char *nativeName, std::size_t length)
{
    names.append(QString::fromLatin1(nativeName, qsizetype(length)));
    const std::size_t start = keys.size();
    keys.resize(start + 2 * length);
    char *key = keys.data() + start;
    for (std::size_t i = 0; i < length; ++i) {
        key[2 * i] = 0;
        key[2 * i + 1] = asciiLowerCase(nativeName[i]);
    }
}

void ListingOrder::addDecoded(const char *nativeName)
{
    names.append(QFile::decodeName(nativeName));
    const QString lower = names.constLast().toLower();
    for (const QChar unit : lower) {
        keys.push_back(char(unit.unicode() >> 8));
        keys.push_back(char(unit.unicode() & 0xff));
    }
}

bool ListingOrder::keyLess(int a, int b) const
{
    const std::size_t aStart = keyStarts[std::size_t(a)];
    const std::size_t aLength = keyStarts[std::size_t(a) + 1] - aStart;
    const std::size_t bStart = keyStarts[std::size_t(b)];
    const std::size_t bLength = keyStarts[std::size_t(b) + 1] - bStart;
    const int order =
        std::memcmp(keys.data() + aStart, keys.data() + bStart, std::min(aLength, bLength));
    return order < 0 || (order == 0 && aLength < bLength);
}

QStringList ListingOrder::takeSorted()
{
    std::vector<int> order(std::size_t(names.size()));
    std::iota(order.begin(), order.end(), 0);
    std::sort(order.begin(), order.end(), [this](int a, int b) { return keyLess(a, b); });
    QStringList sorted;
    sorted.reserve(names.size());
    for (const int index : order)
        sorted.append(std::move(names[index]));
    names.clear();
    keys.clear();
    keyStarts.assign(1, 0);
    return sorted;
}

} // namespace platform
