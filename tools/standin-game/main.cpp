// Stands in for the game: appends its working folder and arguments to launches.log beside
// itself, then lists them in a small window, or exits at once when there is no display or no
// window is wanted.

#include <QApplication>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QListWidget>
#include <QStringList>
#include <QTextStream>

#include <memory>

#ifdef Q_OS_WIN
#include <qt_windows.h>
#include <shellapi.h>
#endif

namespace {
bool displayAvailable()
{
    const QByteArray platform = qgetenv("QT_QPA_PLATFORM");
    if (platform == "offscreen" || platform == "minimal")
        return false;
#if defined(Q_OS_UNIX) && !defined(Q_OS_MACOS)
    return qEnvironmentVariableIsSet("DISPLAY") || qEnvironmentVariableIsSet("WAYLAND_DISPLAY");
#else
    return true;
#endif
}

// The arguments exactly as the tool passed them. They must be taken before an application
// object exists: the toolkit takes options such as -style or -reverse out of argv for itself,
// as it would in the real game.
QStringList argumentsAsGiven(int argc, char *argv[])
{
    QStringList arguments;
#ifdef Q_OS_WIN
    // argv holds only what the ANSI code page can show; the wide command line holds it all.
    Q_UNUSED(argc);
    Q_UNUSED(argv);
    int count = 0;
    LPWSTR *wide = CommandLineToArgvW(GetCommandLineW(), &count);
    for (int i = 1; wide && i < count; ++i)
        arguments << QString::fromWCharArray(wide[i]);
    LocalFree(wide);
#else
    for (int i = 1; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
#endif
    return arguments;
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
    const QStringList record = launchRecord(argumentsAsGiven(argc, argv));
    // With a display the toolkit starts as it would in the game, window or not.
    const bool gui = displayAvailable();
    const bool showWindow = gui && !qEnvironmentVariableIsSet("VARNHOLD_STANDIN_NO_WINDOW");
    std::unique_ptr<QCoreApplication> application;
    if (gui)
        application = std::make_unique<QApplication>(argc, argv);
    else
        application = std::make_unique<QCoreApplication>(argc, argv);

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
