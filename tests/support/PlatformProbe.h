#pragma once

#include "platform/DetachedStart.h"
#include "platform/FileDialogs.h"
#include "platform/MessageBoxes.h"

#include <QByteArray>
#include <QList>
#include <QStringList>
#include <QTemporaryDir>
#include <QTimer>
#include <QVector>

#include <functional>

class QFileDialog;
class QWidget;

// Takes the place of everything a test must not really do: message boxes are recorded
// instead of shown, a process exit is recorded instead of ending the test runner, file
// dialogs are answered from a queue, folders to open are only recorded, and starts are
// recorded (and, unless a fake outcome is set, really carried out). Files moved to the trash land
// in a trash of its own (on Linux; Windows has one trash for all). It also empties the tool's
// shared state.
class PlatformProbe {
public:
    PlatformProbe();
    ~PlatformProbe();
    PlatformProbe(const PlatformProbe &) = delete;
    PlatformProbe &operator=(const PlatformProbe &) = delete;

    QVector<platform::MessageRecord> messages;
    // The texts of the messages, in order.
    QStringList messageTexts() const;
    QVector<int> exits;
    QVector<platform::DetachedStartRequest> starts;

    // Answers for the next questions, in order, true for Yes; a question with no queued answer
    // is answered No.
    QList<bool> questionAnswers;
    // Runs when a message box would be shown, after it was recorded.
    std::function<void(QWidget *parent, const platform::MessageRecord &)> onMessage;

    // Answers for the next file dialogs, in order; a dialog with no queued answer is cancelled.
    QList<platform::FileDialogAnswer> fileDialogAnswers;
    // Runs with each prepared file dialog before it is answered, to inspect it.
    std::function<void(QFileDialog *)> onFileDialog;

    // Folders the desktop was asked to open, and whether it can.
    QStringList openedFolders;
    bool foldersOpen = true;

    // When set, starts are only recorded and give this outcome.
    bool fakeStarts = false;
    platform::DetachedStartOutcome fakeStartOutcome{true, QString()};

private:
    void closeForgottenDialog();

    QTemporaryDir dataHome;
    bool dataHomeWasSet;
    QByteArray previousDataHome;

    // A modal dialog that no test answers would block the runner until its time-out; this
    // closes it after a while and fails the test instead.
    QTimer dialogWatch;
    QWidget *watchedDialog = nullptr;
    int watchedTicks = 0;
};
