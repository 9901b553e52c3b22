#pragma once

#include <QList>
#include <QObject>
#include <QPair>
#include <QString>
#include <QStringList>
#include <QTimer>

#include <functional>

class QDialog;

// Answers the modal dialogs the code under test opens, in order, from inside their own event
// loops, so a test never blocks on exec(): each step waits for a visible modal dialog of its
// object name and acts on it. A dialog the action leaves open is closed, and one that no step
// expects is rejected after a while and recorded, so the test goes on to fail instead of
// hanging. The polling stops with the driver, so a dialog that never came cannot be touched
// by a later test.
class DialogDriver : public QObject {
public:
    using Action = std::function<void(QDialog *dialog)>;

    DialogDriver();
    void expect(const QString &dialogName, Action action);
    // The same for a dialog whose object name is its class name, as the forms name theirs.
    template <typename Dialog>
    void whenShown(std::function<void(Dialog *)> action)
    {
        expect(QString::fromLatin1(Dialog::staticMetaObject.className()),
               [action](QDialog *dialog) { action(qobject_cast<Dialog *>(dialog)); });
    }

    int pendingSteps() const { return steps.size(); }
    int shownCount = 0;
    bool leftOpen = false;
    QStringList unexpectedDialogs;

    // Answers the locations dialog with these three paths and OK.
    void answerLocations(const QString &exePath, const QString &modFolder,
                         const QString &configPath);
    // Answers the two dialogs of "Create New Setting File": the button of that object name in
    // the first ("CreateBlank" or "CreateWithSelected"), then the name and OK in the second.
    void answerSetFileCreation(const QString &choiceButton, const QString &name);

    // Types the three paths into the locations dialog's fields.
    static Action enterLocations(const QString &exePath, const QString &modFolder,
                                 const QString &configPath);
    static Action clickButton(const QString &objectName);
    static Action clickStandardButton(int standardButton);
    static Action typeNameAndAccept(const QString &name);
    static Action closeFromTitleBar();
    static Action pressEscape();

private:
    void poll();

    QTimer timer;
    QList<QPair<QString, Action>> steps;
    int strayPolls = 0;
};
