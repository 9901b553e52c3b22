#include "app/form/MessageTexts.h"

#include <QCoreApplication>
#include <QString>

QString messageText(const char *text)
{
    return QCoreApplication::translate("MainWindow", text);
}

QString messageTitle(MessageTitle title)
{
    static const char *const titles[] = {
        QT_TRANSLATE_NOOP("MainWindow", "Varnhold locations"),
        QT_TRANSLATE_NOOP("MainWindow", "Halvane v5"),
    };
    return messageText(titles[int(title)]);
}

QString modFolderMissingText(const QString &folder)
{
    return messageText(QT_TRANSLATE_NOOP("MainWindow", "The mod folder %1 is missing."))
        .arg(folder);
}
