#include "mods/ModDropTarget.h"

#include "app/form/MessageTexts.h"
#include "app/state/AppState.h"
#include "app/state/ModGroup.h"
#include "mods/ModCatalogue.h"
#include "mods/ModLists.h"
#include "platform/FileCopy.h"
#include "platform/MessageBoxes.h"
#include "platform/SystemReason.h"

#include <QDir>
#include <QDropEvent>
#include <QFileInfo>
#include <QMimeData>
#include <QTreeWidget>

#include <algorithm>

namespace {
constexpr int refusalsShown = 20;

bool holdsLocalFile(const QMimeData *data)
{
    if (!data || !data->hasUrls())
        return false;
    const QList<QUrl> urls = data->urls();
    return std::any_of(urls.cbegin(), urls.cend(),
                       [](const QUrl &url) { return url.isLocalFile(); });
}

// Empty when the dropped thing may become a mod; otherwise why not.
QString refusal(const QUrl &url)
{
    if (!url.isLocalFile())
        return messageText("%1 is not a file on this computer.").arg(url.toDisplayString());
    const QString path = url.toLocalFile();
    const QFileInfo info(path);
    const QString shown = QDir::toNativeSeparators(path);
    if (info.isDir())
        return messageText("%1 is a folder.").arg(shown);
    if (!info.isFile())
        return messageText("%1 is not a plain file.").arg(shown);
    if (!isListableModName(info.fileName()))
        return messageText("%1 has a name the mod lists leave out.").arg(shown);
    return QString();
}

void reportRefusals(QWidget *window, QStringList refusals)
{
    if (refusals.isEmpty())
        return;
    const qsizetype more = refusals.size() - refusalsShown;
    if (more > 0) {
        refusals = refusals.mid(0, refusalsShown);
        refusals.append(messageText("and %1 more").arg(more));
    }
    platform::showWarning(
        window, messageTitle(MessageTitle::HalvaneV5),
        messageText("Only plain files can be added as mods. These were left out:\n\n%1")
            .arg(refusals.join(QLatin1Char('\n'))));
}
} // namespace

ModDropTarget::ModDropTarget(QTreeWidget *list, const ModGroupFacts &group, QWidget *window)
    : QObject(list)
    , group(group)
    , window(window)
{
    list->viewport()->setAcceptDrops(true);
    list->viewport()->installEventFilter(this);
}

void ModDropTarget::addToModLists(MainWindowForm &form, QWidget *window)
{
    for (const ModGroupFacts &group : modGroups)
        new ModDropTarget(modList(form, group), group, window);
}

bool ModDropTarget::takesDrag(const QDropEvent *event) const
{
    return !copying && (event->possibleActions() & Qt::CopyAction) &&
           holdsLocalFile(event->mimeData());
}

bool ModDropTarget::eventFilter(QObject *watched, QEvent *event)
{
    const QEvent::Type type = event->type();
    if (type != QEvent::DragEnter && type != QEvent::DragMove && type != QEvent::Drop)
        return QObject::eventFilter(watched, event);
    auto *drop = static_cast<QDropEvent *>(event);
    if (!takesDrag(drop))
        return QObject::eventFilter(watched, event);
    // Copying is all this target does, so the source never removes its file as after a move.
    drop->setDropAction(Qt::CopyAction);
    drop->accept();
    if (type == QEvent::Drop) {
        // The file manager waits until the drop is taken; questions and copies come after.
        const QList<QUrl> urls = drop->mimeData()->urls();
        copying = true;
        QMetaObject::invokeMethod(
            this, [this, urls] { copyIn(urls); }, Qt::QueuedConnection);
    }
    return true;
}

void ModDropTarget::copyIn(const QList<QUrl> &urls)
{
    const QString folder = appState().modFolderPath + QLatin1String(group.subfolder);
    if (!QDir(folder).exists()) {
        platform::showWarning(window, messageTitle(MessageTitle::HalvaneV5),
                              modFolderMissingText(folder));
        copying = false;
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
    reportRefusals(window, refusals);
    copying = false;
}

void ModDropTarget::copyOne(const QString &source, const QString &folder)
{
    const QFileInfo sourceInfo(source);
    const QString target = folder + QLatin1Char('/') + sourceInfo.fileName();
    const QFileInfo targetInfo(target);
    if (targetInfo.exists()) {
        if (targetInfo.canonicalFilePath() == sourceInfo.canonicalFilePath())
            return; // dropped from its own subfolder
        if (!platform::askQuestion(window, messageTitle(MessageTitle::HalvaneV5),
                                   messageText("There is a mod %1 in %2 already.\nReplace it?")
                                       .arg(sourceInfo.fileName(), folder)))
            return;
    }
    QString reason;
    if (!platform::copyFileReplacing(source, target, &reason))
        platform::showWarning(
            window, messageTitle(MessageTitle::HalvaneV5),
            messageText("Cannot copy %1 to %2:\n%3.")
                .arg(QDir::toNativeSeparators(source), target, platform::reasonInMessage(reason)));
}
