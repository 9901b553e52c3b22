// Stands in for the game: appends its working folder and arguments to launches.log beside
// itself, then lists them in a small window, or exits at once when there is no display.

#include <QApplication>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QListWidget>
#include <QStringList>
#include <QTextStream>

#include <memory>

namespace {
bool displayAvailable()
{
    const QByteArray platform = qgetenv("QT_QPA_PLATFORM");
    if (platform == "offscreen" || platform == "minimal")
        return false;
    if (qEnvironmentVariableIsSet("VARNHOLD_STANDIN_NO_WINDOW"))
        return false;
#if defined(Q_OS_UNIX) && !defined(Q_OS_MACOS)
    return qEnvironmentVariableIsSet("DISPLAY") || qEnvironmentVariableIsSet("WAYLAND_DISPLAY");
#else
    return true;
#endif
}

QStringList launchRecord(const QStringList &arguments)
{
    QStringList record;
    record << QStringLiteral("launch %1").arg(arguments.size()) << QDir::currentPath() << arguments;
    return record;
}

void appendToLog(const QString &logPath, const QStringList &record)
{
    QFile log(logPath);
    if (!log.open(QIODevice::WriteOnly | QIODevice::Append))
        return;
    log.write((record.join(QLatin1Char('\n')) + QLatin1Char('\n')).toUtf8());
}
} // namespace

int main(int argc, char *argv[])
{
    const bool showWindow = displayAvailable();
    std::unique_ptr<QCoreApplication> application;
    if (showWindow)
        application = std::make_unique<QApplication>(argc, argv);
    else
        application = std::make_unique<QCoreApplication>(argc, argv);

    const QStringList record = launchRecord(QCoreApplication::arguments().mid(1));
    appendToLog(QCoreApplication::applicationDirPath() + QStringLiteral("/launches.log"), record);
    if (!showWindow)
        return 0;

    QListWidget window;
    window.setWindowTitle(QStringLiteral("Varnhold (stand-in)"));
    window.addItem(QStringLiteral("Working folder: ") + record.at(1));
    for (const QString &argument : record.mid(2))
        window.addItem(QStringLiteral("Argument: ") + argument);
    window.resize(480, 240);
    window.show();
    return application->exec();
}
