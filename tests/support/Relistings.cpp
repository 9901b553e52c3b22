#include "Relistings.h"

#include "app/LiveLists.h"

#include <QDeadlineTimer>
#include <QTest>

Relistings::Relistings(QObject *window)
    : spy(window->findChild<LiveLists *>(), &LiveLists::relisted)
{}

int Relistings::of(const QString &folder) const
{
    int count = 0;
    for (const QList<QVariant> &arguments : spy)
        count += arguments.at(0).toString() == folder;
    return count;
}

bool Relistings::waitFor(const QString &folder, int count, int timeoutMs)
{
    const QDeadlineTimer deadline(timeoutMs);
    while (of(folder) < count && !deadline.hasExpired())
        QTest::qWait(20);
    return of(folder) >= count;
}
