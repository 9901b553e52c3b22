#pragma once

#include <QApplication>
#include <QDialog>
#include <QObject>
#include <QTimer>

#include <functional>

// Acts on a modal dialog from inside its own event loop, so a test never blocks on exec().
// The polling stops with the driver, so a dialog that never came cannot be touched by a
// later test. A dialog the action leaves open is closed, so the test goes on to fail
// instead of hanging.
class ModalDialogDriver : public QObject {
public:
    template <typename Dialog>
    void whenShown(std::function<void(Dialog *)> action, int attemptsLeft = 500)
    {
        QTimer::singleShot(10, this, [this, action, attemptsLeft]() {
            auto *dialog = qobject_cast<Dialog *>(QApplication::activeModalWidget());
            if (!dialog) {
                if (attemptsLeft > 0)
                    whenShown<Dialog>(action, attemptsLeft - 1);
                return;
            }
            ++shownCount;
            action(dialog);
            if (dialog->isVisible()) {
                leftOpen = true;
                dialog->done(-1);
            }
        });
    }

    int shownCount = 0;
    bool leftOpen = false;
};
