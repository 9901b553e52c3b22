#include "SetFileTestSupport.h"
#include "TreeItems.h"

#include "app/state/ModTable.h"

#include <QListWidget>

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

} // namespace setfiletest
