#include "mods/ModMatchCount.h"

#include <QAccessibleWidget>
#include <QCoreApplication>
#include <QLineEdit>

namespace {
QAccessibleInterface *notificationInterface(const QString &className, QObject *object)
{
    if (className == QLatin1String("ModMatchCount") && object && object->isWidgetType())
        return new QAccessibleWidget(static_cast<QWidget *>(object), QAccessible::Notification);
    return nullptr;
}

void announceAsNotification()
{
    static bool installed = false;
    if (!installed)
        QAccessible::installFactory(notificationInterface);
    installed = true;
}
} // namespace

ModMatchCount::ModMatchCount(QLineEdit *field, int shown, int total)
    : QLabel(QCoreApplication::translate("MainWindow", "%1 of %2").arg(shown).arg(total), field)
    , shownMods(shown)
    , allMods(total)
{
    announceAsNotification();
    setObjectName(QStringLiteral("findModsCount"));
    setAccessibleName(spokenCount(shown));
    setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    setForegroundRole(QPalette::PlaceholderText);
    // At the right end of the field, whose text stops short of it.
    const int gap = 4;
    const int width = sizeHint().width();
    setGeometry(field->width() - width - gap, 0, width, field->height());
    field->setTextMargins(0, 0, width + gap, 0);
}

QString ModMatchCount::spokenCount(int shown)
{
    if (shown == 0)
        return QCoreApplication::translate("MainWindow", "No mod matches");
    if (shown == 1)
        return QCoreApplication::translate("MainWindow", "1 mod matches");
    return QCoreApplication::translate("MainWindow", "%1 mods match").arg(shown);
}
