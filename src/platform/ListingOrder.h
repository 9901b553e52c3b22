#pragma once

#include <QString>
#include <QStringList>

#include <string>
#include <vector>

namespace platform {

// Collects a folder's file names and gives them back in the order QDir sorts them by name
// ignoring case: by their lower case, compared code unit by code unit, with std::sort over the
// names in the order they were added. The same comparisons over the same input give the same
// order, so names whose lower case is alike come out as QDir gives them too.
//
// Each lower case is made once, not twice per comparison. They lie one after another in one
// buffer, each code unit as two bytes, high byte first: so memcmp orders them as QDir's
// comparison of code units does, and sorting tens of thousands of names stays quick.
class ListingOrder {
public:
    // A name as the file system gives it.
    void add(const char *nativeName);
    QStringList takeSorted();

private:
    void addAscii(const char *nativeName, std::size_t length);
    void addDecoded(const char *nativeName);
    bool keyLess(int a, int b) const;

    QStringList names;
    std::string keys;
    // Where each name's key starts in `keys`; one more entry marks the end of the last.
    std::vector<std::size_t> keyStarts{0};
};

} // namespace platform
