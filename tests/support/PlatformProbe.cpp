#include "PlatformProbe.h"

#include "app/state/AppState.h"
#include "platform/FolderOpener.h"
#include "platform/ProcessExit.h"

#include <QApplication>
#include <QDialog>
#include <QFile>
#include <QTest>

PlatformProbe::PlatformProbe()
    : dataHomeWasSet(qEnvironmentVariableIsSet("XDG_DATA_HOME"))
    , previousDataHome(qgetenv("XDG_DATA_HOME"))
{
    resetAppState();
    qputenv("XDG_DATA_HOME", QFile::encodeName(dataHome.path()));
    platform::messageBoxSeam.replace(
        [this](QWidget *parent, const platform::MessageRecord &message) {
            messages.append(message);
            if (onMessage)
                onMessage(parent, message);
            if (message.kind != platform::MessageKind::Question || questionAnswers.isEmpty())
                return false;
            return questionAnswers.takeFirst();
        });
    platform::processExitSeam.replace([this](int status) { exits.append(status); });
    platform::fileDialogSeam.replace([this](QFileDialog *dialog) {
        if (onFileDialog)
            onFileDialog(dialog);
        if (fileDialogAnswers.isEmpty())
            return platform::FileDialogAnswer{};
        return fileDialogAnswers.takeFirst();
    });
    platform::folderOpenSeam.replace([this](const QString &path) {
        openedFolders.append(path);
        return foldersOpen;
    });
    platform::detachedStartSeam.replace([this](const platform::DetachedStartRequest &request) {
        starts.append(request);
        if (fakeStarts)
            return fakeStartOutcome;
        return platform::startDetachedDirectly(request);
    });
    QObject::connect(&dialogWatch, &QTimer::timeout, [this] { closeForgottenDialog(); });
    dialogWatch.start(100);
}

void PlatformProbe::closeForgottenDialog()
{
    QWidget *modal = QApplication::activeModalWidget();
    if (modal != watchedDialog) {
        watchedDialog = modal;
        watchedTicks = 0;
        return;
    }
    if (!modal || ++watchedTicks < 100)
        return;
    QTest::qFail(
        qPrintable(QStringLiteral("a modal dialog was left open: %1").arg(modal->objectName())),
        __FILE__, __LINE__);
    if (auto *dialog = qobject_cast<QDialog *>(modal))
        dialog->reject();
    else
        modal->close();
}

QStringList PlatformProbe::messageTexts() const
{
    QStringList texts;
    for (const platform::MessageRecord &message : messages)
        texts << message.text;
    return texts;
}

PlatformProbe::~PlatformProbe()
{
    platform::messageBoxSeam.replace({});
    platform::processExitSeam.replace({});
    platform::fileDialogSeam.replace({});
    platform::detachedStartSeam.replace({});
    platform::folderOpenSeam.replace({});
    if (dataHomeWasSet)
        qputenv("XDG_DATA_HOME", previousDataHome);
    else
        qunsetenv("XDG_DATA_HOME");
    resetAppState();
}
