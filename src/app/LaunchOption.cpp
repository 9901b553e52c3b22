#include "app/LaunchOption.h"

#include <QCommandLineParser>
#include <QCoreApplication>

#include <cstdlib>

namespace {
const QString launchName = QStringLiteral("launch");
const QString helpAllName = QStringLiteral("help-all");

// Single-dash words are long options, as the toolkit's own are: read as bundles of letters,
// a word such as -path would hold -h and ask for the usage.
void describeOptions(QCommandLineParser &parser)
{
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    parser.setApplicationDescription(QCoreApplication::translate(
        "MainWindow", "Lists the mods of Varnhold's mod folder and starts the game with them."));
    parser.addHelpOption();
    parser.addVersionOption();
    parser.addOption(QCommandLineOption(
        launchName,
        QCoreApplication::translate(
            "MainWindow",
            "Starts Varnhold with the set NAME, as the \".set Files\" list shows it or without "
            "\".set\", exactly as loading the set and running the game would, without showing "
            "the window."),
        QCoreApplication::translate("MainWindow", "NAME")));
}
} // namespace

LaunchOption readLaunchOption(const QStringList &arguments)
{
    QCommandLineParser parser;
    describeOptions(parser);
    // Unknown options are no mistake: they were never the tool's, with or without --launch.
    parser.parse(arguments);

    LaunchOption option;
    const QStringList given = parser.optionNames();
    option.helpWanted = given.contains(QStringLiteral("help")) ||
                        given.contains(QStringLiteral("h")) ||
                        given.contains(QStringLiteral("?")) || given.contains(helpAllName);
    option.versionWanted =
        given.contains(QStringLiteral("version")) || given.contains(QStringLiteral("v"));
    const qsizetype launches = given.count(launchName);
    if (launches == 0)
        return option;
    option.requested = true;
    const QStringList names = parser.values(launchName);
    if (launches > 1) {
        option.mistake = QCoreApplication::translate(
                             "MainWindow", "--launch starts one set, but it was given %1 times.")
                             .arg(launches);
    } else if (names.size() != 1 || names.first().isEmpty()) {
        option.mistake = QCoreApplication::translate(
            "MainWindow", "--launch needs the name of a set: --launch NAME.");
    } else {
        option.setName = names.first();
    }
    return option;
}

void showUsage(const QStringList &arguments)
{
    QCommandLineParser parser;
    describeOptions(parser);
    parser.parse(arguments);
    // The parser's own handling of its help options shows the usage and ends the process.
    const QString wanted = parser.optionNames().contains(helpAllName) ? QStringLiteral("--help-all")
                                                                      : QStringLiteral("--help");
    parser.process(QStringList{arguments.value(0), wanted});
    std::exit(0);
}

void showVersion(const QStringList &arguments)
{
    QCommandLineParser parser;
    describeOptions(parser);
    parser.process(QStringList{arguments.value(0), QStringLiteral("--version")});
    std::exit(0);
}

void answerUsageOrVersion(int &argc, char **argv)
{
    // Neither needs the window system, so a terminal without a display shows them too.
    const QCoreApplication withoutWindows(argc, argv);
    const QStringList arguments = QCoreApplication::arguments();
    const LaunchOption option = readLaunchOption(arguments);
    if (option.helpWanted)
        showUsage(arguments);
    if (option.versionWanted)
        showVersion(arguments);
}
