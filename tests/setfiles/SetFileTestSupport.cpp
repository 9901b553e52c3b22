#include "SetFileTestSupport.h"
#include "TreeItems.h"

#include "app/ModTable.h"

#include <QApplication>
#include <QDialog>
#include <QDialogButtonBox>
#include <QDir>
#include <QFileInfo>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>
#include <QTreeWidget>
#include <QTreeWidgetItemIterator>

namespace setfiletest {

QByteArray lineEnd()
{
#ifdef Q_OS_WIN
    return QByteArray("\r\n");
#else
    return QByteArray("\n");
#endif
}

namespace {
QByteArray listSection(const char *section, const QStringList &names)
{
    QByteArray bytes = QByteArray("[") + section + "]" + lineEnd();
    for (int i = 0; i < names.size(); ++i)
        bytes += "Mod" + QByteArray::number(i) + "=" + names.at(i).toUtf8() + lineEnd();
    return bytes + "Count=" + QByteArray::number(names.size()) + lineEnd();
}
} // namespace

QByteArray setFileBytes(const QStringList &multiplay, const QStringList &campaign,
                        const QStringList &global, const QString &otherCommands)
{
    return listSection("SettingMP", multiplay) + listSection("SettingSP", campaign) +
           listSection("SettingGlobal", global) + "[General]" + lineEnd() +
           "OtherCommands=" + otherCommands.toUtf8() + lineEnd();
}

void fillTable(ModTable &table, const QStringList &names, const QStringList &ticked)
{
    for (const QString &name : names) {
        table.append(name);
        if (ticked.contains(name))
            table.setTicked(table.size() - 1, true);
    }
}

QStringList namesOf(const QVector<ModEntry> &entries)
{
    QStringList names;
    for (const ModEntry &entry : entries)
        names << entry.name;
    return names;
}

QStringList itemTexts(const QListWidget *list)
{
    QStringList texts;
    for (int row = 0; row < list->count(); ++row)
        texts << list->item(row)->text();
    return texts;
}

QStringList tickedNames(const ModTable &table)
{
    QStringList names;
    for (const ModEntry &entry : table) {
        if (entry.ticked)
            names << entry.name;
    }
    return names;
}

StartedTool::StartedTool(const QStringList &multiplay, const QStringList &campaign,
                         const QStringList &global, const QStringList &setFiles)
{
    folder.createReadyTool(multiplay, campaign, global);
    for (const QString &name : setFiles)
        folder.createSetFile(name, QByteArray());
    window = std::make_unique<MainWindow>();
}

void StartedTool::choose(const QString &setFileName)
{
    const QList<QListWidgetItem *> items =
        form().listChooseSetting->findItems(setFileName, Qt::MatchExactly);
    if (items.isEmpty())
        qFatal("no set file %s in the list", qPrintable(setFileName));
    form().listChooseSetting->setCurrentItem(items.first());
}

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
        action(dialog);
        return;
    }
    if (++strayPolls < 200)
        return;
    strayPolls = 0;
    unexpectedDialogs << dialog->objectName();
    dialog->reject();
}

DialogDriver::Action DialogDriver::clickButton(const QString &objectName)
{
    return [objectName](QDialog *dialog) {
        auto *button = dialog->findChild<QPushButton *>(objectName);
        if (!button)
            qFatal("no button %s", qPrintable(objectName));
        button->click();
    };
}

DialogDriver::Action DialogDriver::clickStandardButton(int standardButton)
{
    return [standardButton](QDialog *dialog) {
        auto *box = dialog->findChild<QDialogButtonBox *>();
        box->button(QDialogButtonBox::StandardButton(standardButton))->click();
    };
}

DialogDriver::Action DialogDriver::typeNameAndAccept(const QString &name)
{
    return [name](QDialog *dialog) {
        auto *edit = dialog->findChild<QLineEdit *>(QStringLiteral("Name"));
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

} // namespace setfiletest
