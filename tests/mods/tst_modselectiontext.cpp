#include "app/state/AppState.h"
#include "app/state/ModGroup.h"
#include "mods/LaunchRequest.h"
#include "mods/ModSelectionText.h"

#include <QProcess>
#include <QtTest>

class ModSelectionTextTest : public QObject {
    Q_OBJECT

private slots:
    void init() { resetAppState(); }
    void cleanup() { resetAppState(); }

    void composesTheDocumentedCommandLine();
    void nothingTickedLeavesASingleSpace();
    void modArgumentListKeepsEveryNameWhole();
    void otherCommandsFollowTheQuotingRules_data();
    void otherCommandsFollowTheQuotingRules();
    void launchRequestTakesProgramArgumentsAndFolder();
    void gameWorkingFolder_data();
    void gameWorkingFolder();
};

namespace {
void tick(ModGroup group, const QStringList &names)
{
    for (const QString &name : names)
        modGroup(group).mods().setTicked(modGroup(group).mods().indexOf(name), true);
}
} // namespace

void ModSelectionTextTest::composesTheDocumentedCommandLine()
{
    appState().modsMP.append(QStringLiteral("a.zip"));
    appState().modsMP.append(QStringLiteral("b.zip"));
    appState().modsMP.append(QStringLiteral("c.zip"));
    appState().modsGlobal.append(QStringLiteral("g.zip"));
    tick(ModGroup::Global, {QStringLiteral("g.zip")});
    tick(ModGroup::Multiplay, {QStringLiteral("b.zip"), QStringLiteral("a.zip")});
    appState().otherCommands = QStringLiteral("-x");

    QCOMPARE(composeCommandLine(),
             QStringLiteral("%BinaryPath% --mod_mp=a.zip --mod_mp=b.zip --mod=g.zip -x"));
    QCOMPARE(composeSelectedMods(), QStringLiteral("a.zip\nb.zip\ng.zip\n"));
}

void ModSelectionTextTest::nothingTickedLeavesASingleSpace()
{
    appState().modsSP.append(QStringLiteral("c.zip"));
    QCOMPARE(composeCommandLine(), QStringLiteral("%BinaryPath% "));
    QCOMPARE(composeSelectedMods(), QString());
    QCOMPARE(composeModArgumentList(), QStringList());
}

void ModSelectionTextTest::modArgumentListKeepsEveryNameWhole()
{
    const QStringList names{QStringLiteral("My Mod.zip"), QStringLiteral("say \"hi\" .pak"),
                            QStringLiteral("  spaced  "), QStringLiteral("Šárka ünï.zip")};
    for (const QString &name : names) {
        for (const ModGroupFacts &group : modGroups)
            group.mods().append(name);
    }
    tick(ModGroup::Global, {names.at(0)});
    tick(ModGroup::Campaign, {names.at(3), names.at(2)});
    tick(ModGroup::Multiplay, {names.at(1), names.at(0)});
    QCOMPARE(composeModArgumentList(),
             QStringList(
                 {QStringLiteral("--mod_mp=My Mod.zip"), QStringLiteral("--mod_mp=say \"hi\" .pak"),
                  QStringLiteral("--mod_ca=  spaced  "), QStringLiteral("--mod_ca=Šárka ünï.zip"),
                  QStringLiteral("--mod=My Mod.zip")}));
}

void ModSelectionTextTest::otherCommandsFollowTheQuotingRules_data()
{
    QTest::addColumn<QString>("otherCommands");
    QTest::addColumn<QStringList>("arguments");
    QTest::newRow("empty") << QString() << QStringList();
    QTest::newRow("only spaces") << QStringLiteral("   \t ") << QStringList();
    QTest::newRow("runs of spaces drop out")
        << QStringLiteral("  -a   -b  ") << QStringList{QStringLiteral("-a"), QStringLiteral("-b")};
    QTest::newRow("quotes keep a space inside")
        << QStringLiteral("-a \"two words\"")
        << QStringList{QStringLiteral("-a"), QStringLiteral("two words")};
    QTest::newRow("a lone quote toggles mid-word")
        << QStringLiteral("--name=\"Big Map\" -x")
        << QStringList{QStringLiteral("--name=Big Map"), QStringLiteral("-x")};
    QTest::newRow("two quotes change nothing")
        << QStringLiteral("ab\"\"cd ef")
        << QStringList{QStringLiteral("abcd"), QStringLiteral("ef")};
    QTest::newRow("two quotes inside quotes change nothing")
        << QStringLiteral("\"a\"\"b c\"") << QStringList{QStringLiteral("ab c")};
    QTest::newRow("three quotes are one literal quote")
        << QStringLiteral("say \"\"\"hi\"\"\"")
        << QStringList{QStringLiteral("say"), QStringLiteral("\"hi\"")};
    QTest::newRow("three quotes do not toggle quoting")
        << QStringLiteral("a\"\"\" b") << QStringList{QStringLiteral("a\""), QStringLiteral("b")};
    QTest::newRow("an empty quoted word gives no argument")
        << QStringLiteral("-a \"\" -b") << QStringList{QStringLiteral("-a"), QStringLiteral("-b")};
    QTest::newRow("an open quote runs to the end")
        << QStringLiteral("-a \"open words")
        << QStringList{QStringLiteral("-a"), QStringLiteral("open words")};
    QTest::newRow("placeholder passed on") << QStringLiteral("--log=%BinaryPath%.log")
                                           << QStringList{QStringLiteral("--log=%BinaryPath%.log")};
    QTest::newRow("paths with slashes")
        << QStringLiteral("--save=C:/Saves/one \"D:/My Saves\"")
        << QStringList{QStringLiteral("--save=C:/Saves/one"), QStringLiteral("D:/My Saves")};
}

void ModSelectionTextTest::otherCommandsFollowTheQuotingRules()
{
    QFETCH(QString, otherCommands);
    QFETCH(QStringList, arguments);
    appState().exePath = QStringLiteral("/games/Varnhold/varnhold");
    appState().otherCommands = otherCommands;
    QCOMPARE(buildLaunchRequest().arguments, arguments);
}

void ModSelectionTextTest::launchRequestTakesProgramArgumentsAndFolder()
{
    AppState &state = appState();
#ifdef Q_OS_WIN
    const QString folder = QStringLiteral("C:/My Games/Varnhold");
    state.exePath = folder + QStringLiteral("/varnhold.exe");
#else
    const QString folder = QStringLiteral("/opt/My Games/Varnhold");
    state.exePath = folder + QStringLiteral("/varnhold");
#endif
    state.otherCommands = QStringLiteral("-windowed \"--title=A B\"");
    state.modsMP.append(QStringLiteral("My Mod.zip"));
    state.modsGlobal.append(QStringLiteral("g.zip"));
    tick(ModGroup::Multiplay, {QStringLiteral("My Mod.zip")});
    tick(ModGroup::Global, {QStringLiteral("g.zip")});

    const platform::DetachedStartRequest request = buildLaunchRequest();
    QCOMPARE(request.program, state.exePath);
    QCOMPARE(request.arguments,
             QStringList({QStringLiteral("--mod_mp=My Mod.zip"), QStringLiteral("--mod=g.zip"),
                          QStringLiteral("-windowed"), QStringLiteral("--title=A B")}));
    QCOMPARE(request.workingDirectory, folder);
}

void ModSelectionTextTest::gameWorkingFolder_data()
{
    QTest::addColumn<QString>("exePath");
    QTest::addColumn<QString>("folder");
    QTest::newRow("ordinary") << QStringLiteral("C:/Program Files/Varnhold/varnhold.exe")
                              << QStringLiteral("C:/Program Files/Varnhold");
    QTest::newRow("bare name") << QStringLiteral("varnhold.exe") << QString();
    QTest::newRow("relative") << QStringLiteral("game/varnhold") << QStringLiteral("game");
    QTest::newRow("top of the file system") << QStringLiteral("/varnhold") << QStringLiteral("/");
    QTest::newRow("trailing slash") << QStringLiteral("/games/") << QStringLiteral("/games");
#ifdef Q_OS_WIN
    QTest::newRow("backslashes") << QStringLiteral("C:\\Games\\Varnhold\\varnhold.exe")
                                 << QStringLiteral("C:\\Games\\Varnhold");
    QTest::newRow("mixed") << QStringLiteral("C:/Games\\varnhold.exe")
                           << QStringLiteral("C:/Games");
    QTest::newRow("drive top") << QStringLiteral("C:/varnhold.exe") << QStringLiteral("C:/");
#else
    QTest::newRow("backslash is a name")
        << QStringLiteral("/games/var\\nhold") << QStringLiteral("/games");
#endif
}

void ModSelectionTextTest::gameWorkingFolder()
{
    QFETCH(QString, exePath);
    QFETCH(QString, folder);
    QCOMPARE(::gameWorkingFolder(exePath), folder);
}

QTEST_GUILESS_MAIN(ModSelectionTextTest)
#include "tst_modselectiontext.moc"
