#include "config/GameConfigEditor.h"

#include "app/form/FileFailureMessages.h"
#include "app/form/MainWindowForm.h"
#include "app/state/AppState.h"
#include "config/GameConfigFile.h"

#include <QPlainTextEdit>
#include <QTextDocument>

void loadGameConfig(MainWindowForm &form, QWidget *window)
{
    const QString path = appState().configFilePath;
    const GameConfigText config = readGameConfigFile(path);
    if (!config.read) {
        warnFileFailure(window, MessageTitle::HalvaneV5, FileFailure::Read, path, config.errorText);
        return;
    }
    form.editVHConfig->setPlainText(config.text);
}

void saveGameConfig(MainWindowForm &form, QWidget *window)
{
    const QString path = appState().configFilePath;
    const GameConfigWriteResult result =
        writeGameConfigFile(path, form.editVHConfig->document()->toPlainText());
    if (!result.written)
        warnFileFailure(window, MessageTitle::HalvaneV5, FileFailure::Write, path,
                        result.errorText);
}
