#include "setfiles/SetFileNames.h"

#include "app/state/AppState.h"
#include "setfiles/SetFileFolder.h"

#include <QDir>

void refreshSetFileNames()
{
    QDir folder(setFileFolderPath());
    folder.setNameFilters({QStringLiteral("*.set")});
    appState().setFileNames = folder.entryList(QDir::NoFilter, QDir::NoSort);
}
