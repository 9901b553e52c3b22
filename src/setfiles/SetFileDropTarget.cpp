#include "setfiles/SetFileDropTarget.h"

#include "app/form/MainWindowForm.h"
#include "app/form/MessageTexts.h"
#include "mods/ModCatalogue.h"
#include "setfiles/SetFileFolder.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QListWidget>

namespace {
// Empty when the dropped thing may become a set; otherwise why not.
QString refusal(const QUrl &url)
{
    const QString notAFile = FileDropTarget::refusalOfNonFile(url);
    if (!notAFile.isEmpty())
        return notAFile;
    const QString path = url.toLocalFile();
    const QString name = QFileInfo(path).fileName();
    const QString shown = QDir::toNativeSeparators(path);
    if (!name.endsWith(QStringLiteral(".set"), Qt::CaseInsensitive))
        return messageText("%1 is not a .set file.").arg(shown);
    // The set list leaves out the names the mod lists leave out.
    if (!isListableModName(name))
        return messageText("%1 has a name the set list leaves out.").arg(shown);
    return QString();
}
} // namespace

SetFileDropTarget::SetFileDropTarget(MainWindowForm &form, QWidget *window)
    : FileDropTarget(form.listChooseSetting, window)
{}

void SetFileDropTarget::takeDropped(const QList<QUrl> &urls)
{
    QStringList refusals;
    for (const QUrl &url : urls) {
        const QString why = refusal(url);
        if (!why.isEmpty()) {
            refusals.append(why);
            continue;
        }
        makeSetFileFolder();
        const QString fileName = QFileInfo(url.toLocalFile()).fileName();
        copyAsking(url.toLocalFile(), setFilePath(fileName), setReplacementQuestion(fileName));
    }
    reportRefusals(messageText("Only .set files can be added as sets. These were left out:\n\n%1"),
                   refusals);
}

QString setReplacementQuestion(const QString &setFileName)
{
    return messageText("There is a set %1 in %2 already.\nReplace it?")
        .arg(setFileName, setFileFolderPath());
}
