#include "DialogDriver.h"

#include <QApplication>
#include <QDialog>
#include <QDialogButtonBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

DialogDriver::DialogDriver()
{
    timer.setInterval(5);
    connect(&timer, &QTimer::timeout, this, &DialogDriver::poll);
    timer.start();
}

void DialogDriver::expect(const QString &dialogName, Action action)
{
    steps.append({dialogName, std::move(action)});
}

void DialogDriver::poll()
{
    auto *dialog = qobject_cast<QDialog *>(QApplication::activeModalWidget());
    if (!dialog || !dialog->isVisible())
        return;
    if (!steps.isEmpty() && dialog->objectName() == steps.first().first) {
        strayPolls = 0;
        const Action action = steps.takeFirst().second;
        ++shownCount;
        action(dialog);
        if (dialog->isVisible()) {
            leftOpen = true;
            dialog->done(-1);
        }
        return;
    }
    if (++strayPolls < 200)
        return;
    strayPolls = 0;
    unexpectedDialogs << dialog->objectName();
    dialog->reject();
}

void DialogDriver::answerLocations(const QString &exePath, const QString &modFolder,
                                   const QString &configPath)
{
    expect(QStringLiteral("OptionsDialog"), [=](QDialog *dialog) {
        enterLocations(exePath, modFolder, configPath)(dialog);
        clickStandardButton(QDialogButtonBox::Ok)(dialog);
    });
}

void DialogDriver::answerSetFileCreation(const QString &choiceButton, const QString &name)
{
    expect(QStringLiteral("SetFileCreate"), clickButton(choiceButton));
    expect(QStringLiteral("SetName"), typeNameAndAccept(name));
}

DialogDriver::Action DialogDriver::enterLocations(const QString &exePath, const QString &modFolder,
                                                  const QString &configPath)
{
    return [=](QDialog *dialog) {
        dialog->findChild<QLineEdit *>(QStringLiteral("executablePath"))->setText(exePath);
        dialog->findChild<QLineEdit *>(QStringLiteral("modFolder"))->setText(modFolder);
        dialog->findChild<QLineEdit *>(QStringLiteral("ConfigFile"))->setText(configPath);
    };
}

DialogDriver::Action DialogDriver::clickButton(const QString &objectName)
{
    return [objectName](QDialog *dialog) {
        auto *button = dialog->findChild<QPushButton *>(objectName);
        QVERIFY2(button, qPrintable(QStringLiteral("no button ") + objectName));
        button->click();
    };
}

DialogDriver::Action DialogDriver::clickStandardButton(int standardButton)
{
    return [standardButton](QDialog *dialog) {
        auto *box = dialog->findChild<QDialogButtonBox *>();
        QVERIFY2(box, "no button box");
        box->button(QDialogButtonBox::StandardButton(standardButton))->click();
    };
}

DialogDriver::Action DialogDriver::typeNameAndAccept(const QString &name)
{
    return [name](QDialog *dialog) {
        auto *edit = dialog->findChild<QLineEdit *>(QStringLiteral("Name"));
        QVERIFY2(edit, "no name field");
        edit->setText(name);
        clickStandardButton(QDialogButtonBox::Ok)(dialog);
    };
}

DialogDriver::Action DialogDriver::closeFromTitleBar()
{
    return [](QDialog *dialog) { dialog->close(); };
}

DialogDriver::Action DialogDriver::pressEscape()
{
    return [](QDialog *dialog) { QTest::keyClick(dialog, Qt::Key_Escape); };
}
