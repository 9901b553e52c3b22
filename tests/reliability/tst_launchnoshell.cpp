// The game is started without a shell: mod names and other options full of shell syntax reach
// the stand-in game exactly as they stand, and nothing they would do in a shell happens.

#include "PlatformProbe.h"
#include "TestAppFolder.h"

#include "app/state/AppState.h"
#include "app/MainWindow.h"
#include "app/form/MainWindowForm.h"

#include <QDir>
#include <QLineEdit>
#include <QPushButton>
#include <QTreeWidget>
#include <QtTest>

namespace {
// Each would create a file named canary… in the game's folder if a shell ran it. Windows
// allows none of | > * \ " in a file name; there the names take cmd's syntax instead.
const QStringList shellyMods{QStringLiteral("$(touch canary1).zip"),
                             QStringLiteral("`touch canary2`.zip"),
                             QStringLiteral("a;touch canary3;.zip"),
#ifdef Q_OS_WIN
                             QStringLiteral("b && copy nul canary4.zip"),
                             QStringLiteral("c&touch canary5&.zip"),
                             QStringLiteral("d ^& copy nul canary6.zip"),
                             QStringLiteral("%~dp0 !x!.zip"),
                             QStringLiteral("it's.zip"),
                             QStringLiteral("back^slash.zip"),
                             QStringLiteral("q'uote (x).zip"),
#else
                             QStringLiteral("b|touch canary4.zip"),
                             QStringLiteral("c&touch canary5&.zip"),
                             QStringLiteral("d>canary6.zip"),
                             QStringLiteral("*.zip"),
                             QStringLiteral("it's.zip"),
                             QStringLiteral("back\\slash.zip"),
                             QStringLiteral("q\"uote.zip"),
#endif
                             QStringLiteral("$HOME ~ %PATH%.zip")};

const QString shellyOptions = QStringLiteral(
    "\"$(touch canary7)\" `touch canary8` ; touch canary9 | touch canary10 & > canary11 * ? ~ "
    "'single quoted' back\\slash %PATH% $HOME \"a;b|c&d>e\" \"\"\"quoted\"\"\"");

const QStringList shellyWords{QStringLiteral("$(touch canary7)"),
                              QStringLiteral("`touch"),
                              QStringLiteral("canary8`"),
                              QStringLiteral(";"),
                              QStringLiteral("touch"),
                              QStringLiteral("canary9"),
                              QStringLiteral("|"),
                              QStringLiteral("touch"),
                              QStringLiteral("canary10"),
                              QStringLiteral("&"),
                              QStringLiteral(">"),
                              QStringLiteral("canary11"),
                              QStringLiteral("*"),
                              QStringLiteral("?"),
                              QStringLiteral("~"),
                              QStringLiteral("'single"),
                              QStringLiteral("quoted'"),
                              QStringLiteral("back\\slash"),
                              QStringLiteral("%PATH%"),
                              QStringLiteral("$HOME"),
                              QStringLiteral("a;b|c&d>e"),
                              QStringLiteral("\"quoted\"")};
} // namespace

class LaunchNoShellTest : public QObject {
    Q_OBJECT

private slots:
    void shellSyntaxReachesTheGameUnchanged();
};

void LaunchNoShellTest::shellSyntaxReachesTheGameUnchanged()
{
    PlatformProbe probe;
    TestAppFolder folder;
    folder.createReadyTool(shellyMods, {QStringLiteral("plain.zip")}, shellyMods);
    MainWindow window;
    QVERIFY(window.startupCompleted());
    QCOMPARE(window.form().listMP->topLevelItemCount(), shellyMods.size());

    QStringList expected{folder.gameDir()};
    for (QTreeWidget *list : {window.form().listMP, window.form().listGlobal}) {
        const QString option =
            list == window.form().listMP ? QStringLiteral("--mod_mp=") : QStringLiteral("--mod=");
        for (int i = 0; i < list->topLevelItemCount(); ++i) {
            list->topLevelItem(i)->setCheckState(0, Qt::Checked);
            expected << option + list->topLevelItem(i)->text(0);
        }
    }
    window.form().inputOtherCommands->setText(shellyOptions);
    expected << shellyWords;

    window.form().buttonRun->click();
    // A start that failed says why in its message.
    QVERIFY2(probe.messages.isEmpty(), qPrintable(probe.messages.value(0).text));
    QCOMPARE(probe.exits, QVector<int>{0});
    QVERIFY(folder.waitForLaunches(1));
    QCOMPARE(folder.recordedLaunches(), QList<QStringList>{expected});
    QCOMPARE(QDir(folder.gameDir()).entryList({QStringLiteral("canary*")}), QStringList());
    QCOMPARE(QDir::current().entryList({QStringLiteral("canary*")}), QStringList());
}

QTEST_MAIN(LaunchNoShellTest)
#include "tst_launchnoshell.moc"
