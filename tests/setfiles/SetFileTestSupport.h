#pragma once

#include "DialogDriver.h"
#include "FolderSnapshot.h"
#include "ModNames.h"
#include "StartedTool.h"
#include "TreeItems.h"

#include "app/state/ModEntry.h"

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <QVector>

class ModTable;
class QListWidget;

namespace setfiletest {

// The line end the tool writes on this platform.
QByteArray lineEnd();

// A set file exactly as the tool writes it for these ticked names and other options.
QByteArray setFileBytes(const QStringList &multiplay, const QStringList &campaign,
                        const QStringList &global, const QString &otherCommands);

// Appends the names to the table and ticks those also named in `ticked`.
void fillTable(ModTable &table, const QStringList &names, const QStringList &ticked = {});

} // namespace setfiletest
