#include "setfiles/SetFileCreation.h"

#include "app/form/FileFailureMessages.h"
#include "app/form/MainWindowForm.h"
#include "app/form/MessageTexts.h"
#include "app/state/AppState.h"
#include "platform/MessageBoxes.h"
#include "setfiles/SetFileCreate.h"
#include "setfiles/SetFileFolder.h"
#include "setfiles/SetFileFormat.h"
#include "setfiles/SetFileList.h"
#include "setfiles/SetFileNameCheck.h"
#include "setfiles/SetFileNames.h"
#include "setfiles/SetName.h"

#include <QListWidget>

namespace {
bool writeNewSetFile(int choice, QWidget *window)
{
    makeSetFileFolder();
    const QString path = setFilePath(appState().newSetName + QStringLiteral(".set"));
    const SetFileResult result =
        choice == SetFileCreate::Blank ? writeBlankSetFile(path) : writeSetFile(path);
    if (result.ok())
        return true;
    warnFileFailure(window, MessageTitle::HalvaneV5, FileFailure::Write, path, result.errorText);
    return false;
}
} // namespace

bool askForNewSetName(QWidget *window)
{
    if (runSetNameDialog(window) != QDialog::Accepted)
        return false;
    const QString &name = appState().newSetName;
    if (isUsableSetFileName(name))
        return true;
    platform::showWarning(window, messageText("Create Set File"),
                          messageText("\"%1\" cannot be used as a set file name.").arg(name));
    return false;
}

void createSetFile(MainWindowForm &form, QWidget *window)
{
    const int choice = runSetFileCreateDialog(window);
    if (choice != SetFileCreate::Blank && choice != SetFileCreate::WithSelectedMods)
        return;
    if (!askForNewSetName(window) || !writeNewSetFile(choice, window))
        return;
    refreshSetFileNames();
    form.listChooseSetting->clear();
    populateSetFileList(form);
}
