#pragma once

#include "platform/DetachedStart.h"

#include <QString>

// The game's start for the current selection: the absolute executable, one argument per ticked
// mod, the other options split by the usual quoting rules, and the executable's folder.
platform::DetachedStartRequest buildLaunchRequest();

// The executable's folder: empty for a bare name; a root keeps its separator ("/", "C:/").
QString gameWorkingFolder(const QString &exePath);
