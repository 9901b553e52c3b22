#pragma once

#include <QString>
#include <QStringList>

// Every entry below the root, each with its kind and, for files, its content's digest, to
// show that nothing else was touched.
QStringList treeSnapshot(const QString &root);
