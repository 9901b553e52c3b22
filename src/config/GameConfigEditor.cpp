#include "config/GameConfigEditor.h"

#include "app/form/FileFailureMessages.h"
#include "app/form/MainWindowForm.h"
#include "app/form/MessageTexts.h"
#include "app/state/AppState.h"
#include "config/ConfigBackups.h"
#include "config/GameConfigFile.h"
#include "platform/FileReplacement.h"
#include "platform/MessageBoxes.h"
#include "platform/SystemReason.h"

#include <QCoreApplication>
#include <QPlainTextEdit>
#include <QTextDocument>

namespace {
// False when the version the save would replace could not be kept and the player would rather
// not save without it.
bool keptOrSaveAnyway(QWidget *window, const QString &path, const ConfigBackupResult &backup)
{
    if (backup.step != ConfigBackupStep::Failed)
        return true;
    return platform::askQuestion(
        window, messageTitle(MessageTitle::HalvaneV5),
        messageText("The earlier version of %1 could not be kept:\n%2.\nSave anyway?")
            .arg(path, platform::reasonInMessage(backup.errorText)));
}
} // namespace

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
    const EncodedGameConfig encoded =
        encodeGameConfig(path, form.editVHConfig->document()->toPlainText());
    if (!encoded.encoded) {
        warnFileFailure(window, MessageTitle::HalvaneV5, FileFailure::Write, path,
                        encoded.errorText);
        return;
    }
    const ConfigBackupResult backup = keepConfigBackup(
        path, platform::withPlatformLineEnds(encoded.lines), QDateTime::currentDateTime());
    if (!keptOrSaveAnyway(window, path, backup))
        return;
    const GameConfigWriteResult result = writeEncodedGameConfig(path, encoded.lines);
    if (!result.written) {
        // The file is as it was, and so is the newest version kept before.
        if (backup.step == ConfigBackupStep::Kept)
            discardConfigBackup(backup.path);
        warnFileFailure(window, MessageTitle::HalvaneV5, FileFailure::Write, path,
                        result.errorText);
        return;
    }
    if (backup.step == ConfigBackupStep::Kept)
        removeOldConfigBackups(path);
}
