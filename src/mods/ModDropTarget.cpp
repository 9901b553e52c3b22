#include "mods/ModDropTarget.h"

#include "app/form/MessageTexts.h"
#include "app/state/AppState.h"
#include "app/state/ModGroup.h"
#include "mods/ModCatalogue.h"
#include "mods/ModLists.h"
#include "platform/MessageBoxes.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QTreeWidget>

namespace {
// Empty when the dropped thing may become a mod; otherwise why not.
QString refusal(const QUrl &url)
{
    const QString notAFile = FileDropTarget::refusalOfNonFile(url);
    if (!notAFile.isEmpty())
        return notAFile;
    const QString path = url.toLocalFile();
    if (!isListableModName(QFileInfo(path).fileName()))
        return messageText("%1 has a name the mod lists leave out.")
            .arg(QDir::toNativeSeparators(path));
    return QString();
}
} // namespace

ModDropTarget::ModDropTarget(QTreeWidget *list, const ModGroupFacts &group, QWidget *window)
    : FileDropTarget(list, window)
    , group(group)
{}

void ModDropTarget::addToModLists(MainWindowForm &form, QWidget *window)
{
    for (const ModGroupFacts &group : modGroups)
        new ModDropTarget(modList(form, group), group, window);
}

void ModDropTarget::takeDropped(const QList<QUrl> &urls)
{
    const QString folder = appState().modFolderPath + QLatin1String(group.subfolder);
    if (!QDir(folder).exists()) {
        platform::showWarning(window, messageTitle(MessageTitle::HalvaneV5),
                              modFolderMissingText(folder));
        return;
    }
    QStringList refusals;
    for (const QUrl &url : urls) {
        const QString why = refusal(url);
        if (why.isEmpty())
            copyOne(url.toLocalFile(), folder);
        else
            refusals.append(why);
    }
    reportRefusals(messageText("Only plain files can be added as mods. These were left out:\n\n%1"),
                   refusals);
}

void ModDropTarget::copyOne(const QString &source, const QString &folder)
{
    const QString fileName = QFileInfo(source).fileName();
    copyAsking(source, folder + QLatin1Char('/') + fileName,
               messageText("There is a mod %1 in %2 already.\nReplace it?").arg(fileName, folder));
}
