#pragma once

#include <QStringList>

class MainWindowForm;

// Shows a new listing of the set-file folder (`setFileNames`) in the set-file list: new sets
// appear in their sorted place and vanished ones disappear. The chosen set stays chosen while it
// is listed; when it vanished, no set is chosen any more.
void patchSetFileList(MainWindowForm &form, const QStringList &listed);
