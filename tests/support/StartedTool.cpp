#include "StartedTool.h"

#include <QListWidget>
#include <QTest>

StartedTool::StartedTool(const QStringList &multiplay, const QStringList &campaign,
                         const QStringList &global, const QStringList &setFiles)
    : StartedTool([&](TestAppFolder &folder) {
        folder.createReadyTool(multiplay, campaign, global);
        for (const QString &name : setFiles)
            folder.createSetFile(name, QByteArray());
    })
{}

StartedTool::StartedTool(const Preparation &prepare)
{
    prepare(folder);
    window = std::make_unique<MainWindow>();
}

QString StartedTool::selectedMods()
{
    return form().SelectedMods->toPlainText();
}

QString StartedTool::commandLine()
{
    return form().CurrentCommandLine->text();
}

QString StartedTool::setFilePath(const QString &name) const
{
    return folder.setFilesDir() + QLatin1Char('/') + name;
}

void StartedTool::choose(const QString &setFileName)
{
    const QList<QListWidgetItem *> items =
        form().listChooseSetting->findItems(setFileName, Qt::MatchExactly);
    QVERIFY2(!items.isEmpty(), qPrintable(QStringLiteral("no set file ") + setFileName));
    form().listChooseSetting->setCurrentItem(items.first());
}

QTreeWidgetItem *StartedTool::item(QTreeWidget *list, const QString &name)
{
    const QList<QTreeWidgetItem *> found = list->findItems(name, Qt::MatchExactly);
    return found.isEmpty() ? nullptr : found.first();
}

void StartedTool::tick(QTreeWidget *list, const QString &name, bool ticked)
{
    item(list, name)->setCheckState(0, ticked ? Qt::Checked : Qt::Unchecked);
}
