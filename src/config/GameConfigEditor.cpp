#include "config/GameConfigEditor.h"

#include "app/AppState.h"
#include "app/MainWindowForm.h"
#include "config/GameConfigFile.h"
#include "platform/MessageBoxes.h"
#include "platform/SystemReason.h"

#include <QCoreApplication>
#include <QPlainTextEdit>
#include <QTextDocument>

namespace {
void warn(QWidget *window, const char *text, const QString &path, const QString &reason)
{
    platform::showWarning(window, QCoreApplication::translate("MainWindow", "Halvane v5"),
                          QCoreApplication::translate("MainWindow", text)
                              .arg(path, platform::reasonInMessage(reason)));
}
} // namespace

void loadGameConfig(MainWindowForm &form, QWidget *window)
{
    const QString path = appState().configFilePath;
    const GameConfigText config = readGameConfigFile(path);
    if (!config.read) {
        warn(window, QT_TRANSLATE_NOOP("MainWindow", "Cannot read file %1:\n%2."), path,
             config.errorText);
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
        warn(window, QT_TRANSLATE_NOOP("MainWindow", "Cannot write file %1:\n%2."), path,
             result.errorText);
}
