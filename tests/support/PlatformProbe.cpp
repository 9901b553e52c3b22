#include "PlatformProbe.h"

#include "app/AppState.h"
#include "platform/ProcessExit.h"

PlatformProbe::PlatformProbe() {
    resetAppState();
    platform::setMessageHandler([this](QWidget *parent, const platform::MessageRecord &message) {
        messages.append(message);
        if (onMessage)
            onMessage(parent, message);
    });
    platform::setProcessExitHandler([this](int status) { exits.append(status); });
    platform::setFileDialogHandler([this](QFileDialog *dialog) {
        if (onFileDialog)
            onFileDialog(dialog);
        if (fileDialogAnswers.isEmpty())
            return platform::FileDialogAnswer{};
        return fileDialogAnswers.takeFirst();
    });
    platform::setDetachedStartHandler([this](const platform::DetachedStartRequest &request) {
        starts.append(request);
        if (fakeStarts)
            return fakeStartOutcome;
        return platform::startDetachedDirectly(request);
    });
}

PlatformProbe::~PlatformProbe() {
    platform::setMessageHandler({});
    platform::setProcessExitHandler({});
    platform::setFileDialogHandler({});
    platform::setDetachedStartHandler({});
    resetAppState();
}
