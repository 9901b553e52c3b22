#pragma once

#include <QByteArray>
#include <QString>

// What the saving helper writes, shared with the test that kills it, so that the test knows
// every complete content a file may hold. Each kind of file has two new contents (variants 0
// and 1), each large enough that a save takes a while.
namespace savevariants {

enum class Kind { OptionsIni, SetFile, Config };

bool kindFromName(const QString &name, Kind *kind);
QString nameOf(Kind kind);

// options.ini before any save: many lines of the user's own besides the locations.
QByteArray initialOptionsIni();
QByteArray initialSetFile();
QByteArray initialConfig();
QByteArray initialContent(Kind kind);

// Saves variant 0 or 1 of this kind through the tool's own saving code. For options.ini the
// path's folder stands in for the tool's folder. False when the save reported a failure.
bool save(Kind kind, const QString &path, int variant);

} // namespace savevariants
