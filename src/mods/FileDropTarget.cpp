#include "mods/FileDropTarget.h"

#include "app/form/MessageTexts.h"
#include "platform/FileCopy.h"
#include "platform/MessageBoxes.h"
#include "platform/SystemReason.h"

#include <QAbstractItemView>
#include <QCoreApplication>
#include <QDir>
#include <QDropEvent>
#include <QFileInfo>
#include <QMimeData>

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
} // namespace

FileDropTarget::FileDropTarget(QAbstractItemView *list, QWidget *window)
    : QObject(list)
    , window(window)
{
    list->viewport()->setAcceptDrops(true);
    list->viewport()->installEventFilter(this);
}

bool FileDropTarget::takesDrag(const QDropEvent *event) const
{
    return !taking && (event->possibleActions() & Qt::CopyAction) &&
           holdsLocalFile(event->mimeData());
}

bool FileDropTarget::eventFilter(QObject *watched, QEvent *event)
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
        taking = true;
        QMetaObject::invokeMethod(
            this,
            [this, urls] {
                takeDropped(urls);
                taking = false;
            },
            Qt::QueuedConnection);
    }
    return true;
}

QString FileDropTarget::refusalOfNonFile(const QUrl &url)
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
    return QString();
}

void FileDropTarget::copyAsking(const QString &source, const QString &target,
                                const QString &question)
{
    const QFileInfo sourceInfo(source);
    const QFileInfo targetInfo(target);
    if (targetInfo.exists()) {
        if (targetInfo.canonicalFilePath() == sourceInfo.canonicalFilePath())
            return; // dropped from its own folder
        if (!platform::askQuestion(window, messageTitle(MessageTitle::HalvaneV5), question))
            return;
    }
    QString reason;
    if (!platform::copyFileReplacing(source, target, &reason))
        platform::showWarning(
            window, messageTitle(MessageTitle::HalvaneV5),
            messageText("Cannot copy %1 to %2:\n%3.")
                .arg(QDir::toNativeSeparators(source), target, platform::reasonInMessage(reason)));
}

void FileDropTarget::reportRefusals(const QString &intro, QStringList refusals)
{
    if (refusals.isEmpty())
        return;
    const qsizetype more = refusals.size() - refusalsShown;
    if (more > 0) {
        refusals = refusals.mid(0, refusalsShown);
        refusals.append(messageText("and %1 more").arg(more));
    }
    platform::showWarning(window, messageTitle(MessageTitle::HalvaneV5),
                          intro.arg(refusals.join(QLatin1Char('\n'))));
}
