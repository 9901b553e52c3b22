#include "RunsUnderWine.h"
#include "SetFileTestSupport.h"
#include "SystemReasons.h"

#include "app/state/AppState.h"
#include "app/state/ModGroup.h"
#include "mods/ModUntick.h"

#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTreeWidget>
#include <QtTest>

#ifdef Q_OS_UNIX
#include <cerrno>
#include <csignal>
#include <sys/resource.h>
#endif

using namespace setfiletest;

namespace {
const QStringList mpMods{"a.zip", "b.zip", "c.zip"};
const QStringList spMods{"s.zip"};
const QStringList globalMods{"g.zip", "h.zip"};

void setTick(QTreeWidget *tree, const QString &name, Qt::CheckState state)
{
    QTreeWidgetItem *item = itemNamed(tree, name);
    QVERIFY2(item, qPrintable(name));
    item->setCheckState(0, state);
}

QString lastMessage(const PlatformProbe &probe)
{
    return probe.messages.isEmpty() ? QString() : probe.messages.last().text;
}
} // namespace

class SetFileListTest : public QObject {
    Q_OBJECT

private slots:
    void listsSetFilesWithoutCurrentItem();
    void missingFolderGivesEmptyList();
    void currentItemBecomesTheChosenSetFile();

    void loadTicksNamedModsAndTakesOtherOptions();
    void loadKeepsEarlierTicks();
    void loadTicksEarlierSetsAgain_data();
    void loadTicksEarlierSetsAgain();
    void loadTicksEveryItemOfAName();
    void loadOfBlankSetFileOnlySetsOtherOptions();
    void loadAndSaveOfManyModsMatchTheSet();
    void loadFailureWarnsAndChangesNothing_data();
    void loadFailureWarnsAndChangesNothing();

    void saveReplacesChosenFile();
    void saveOfVanishedFileCreatesNothing();
    void saveFailureWarnsAndKeepsSet();
    void saveIntoFolderEntryWarns();

    void deleteRemovesFileAndRow_data();
    void deleteRemovesFileAndRow();
    void deleteKeepsOtherRowsWhoseFileVanished();
    void deleteOfVanishedFileTakesRow();
    void deletingLastItemClearsTheChoice();
    void deleteFailureWarnsAndKeepsRow();
};

void SetFileListTest::listsSetFilesWithoutCurrentItem()
{
    PlatformProbe probe;
    TestAppFolder folder;
    folder.createReadyTool();
    for (const char *name : {"b.set", "A.set", "notes.txt", "X.SET"})
        folder.createSetFile(QString::fromLatin1(name), QByteArray());
    QDir(folder.setFilesDir()).mkdir(QStringLiteral("d.set"));
    MainWindow window;

    QListWidget *list = window.form().listChooseSetting;
    QCOMPARE(itemTexts(list), (QStringList{"A.set", "b.set", "d.set", "X.SET"}));
    QCOMPARE(list->currentRow(), -1);
    QVERIFY(appState().selectedSetFile.isEmpty());
    QVERIFY(window.form().SelectedSetting->text().isEmpty());
}

void SetFileListTest::missingFolderGivesEmptyList()
{
    PlatformProbe probe;
    TestAppFolder folder;
    folder.createGame();
    folder.writeOptionsIni();
    MainWindow window;
    QCOMPARE(window.form().listChooseSetting->count(), 0);
    QVERIFY(probe.messages.isEmpty());
    QVERIFY(!QFileInfo::exists(folder.setFilesDir()));
}

void SetFileListTest::currentItemBecomesTheChosenSetFile()
{
    StartedTool tool({}, {}, {}, {"A.set", "b.set"});
    tool.choose(QStringLiteral("A.set"));
    QCOMPARE(tool.form().SelectedSetting->text(), QStringLiteral("A.set"));
    QCOMPARE(appState().selectedSetFile, QStringLiteral("A.set"));

    tool.form().listChooseSetting->setCurrentRow(1);
    QCOMPARE(tool.form().SelectedSetting->text(), QStringLiteral("b.set"));
    QCOMPARE(appState().selectedSetFile, QStringLiteral("b.set"));

    tool.form().listChooseSetting->clear();
    QVERIFY(tool.form().SelectedSetting->text().isEmpty());
    QVERIFY(appState().selectedSetFile.isEmpty());
}

void SetFileListTest::loadTicksNamedModsAndTakesOtherOptions()
{
    StartedTool tool(mpMods, spMods, globalMods, {"A.set"});
    // B.ZIP is not b.zip: names match with their case.
    tool.folder.createSetFile(
        QStringLiteral("A.set"),
        "[SettingMP]\nMod0=c.zip\nMod1=nowhere.zip\nMod2=a.zip\nMod3=B.ZIP\n"
        "Count=4\n[SettingSP]\nMod0=s.zip\nCount=1\n[SettingGlobal]\nMod0=a.zip\n"
        "Mod1=h.zip\nCount=2\n[General]\nOtherCommands=-windowed -x\n");
    tool.choose(QStringLiteral("A.set"));

    tool.form().buttonLoadSetting->click();

    QCOMPARE(checkedItems(tool.form().listMP), (QStringList{"a.zip", "c.zip"}));
    QCOMPARE(checkedItems(tool.form().listSP), QStringList{"s.zip"});
    QCOMPARE(checkedItems(tool.form().listGlobal), QStringList{"h.zip"});
    QCOMPARE(tickedNames(appState().modsMP), (QStringList{"a.zip", "c.zip"}));
    QCOMPARE(tickedNames(appState().modsSP), QStringList{"s.zip"});
    QCOMPARE(tickedNames(appState().modsGlobal), QStringList{"h.zip"});
    QCOMPARE(tool.form().inputOtherCommands->text(), QStringLiteral("-windowed -x"));
    QCOMPARE(appState().otherCommands, QStringLiteral("-windowed -x"));
    QCOMPARE(tool.form().SelectedMods->toPlainText(),
             QStringLiteral("a.zip\nc.zip\ns.zip\nh.zip\n"));
    QCOMPARE(tool.form().CurrentCommandLine->text(),
             QStringLiteral("%BinaryPath% --mod_mp=a.zip --mod_mp=c.zip --mod_ca=s.zip --mod=h.zip "
                            "-windowed -x"));
    QCOMPARE(tool.probe.messages.size(), 1);
    QCOMPARE(tool.probe.messages.first().kind, platform::MessageKind::Information);
    QCOMPARE(tool.probe.messages.first().title, QStringLiteral("Halvane v5"));
    QCOMPARE(tool.probe.messages.first().text,
             QStringLiteral("The set A.set names mods that the mod folder does not hold, so they "
                            "were not ticked:\n\nMultiplayer & Skimish Mods:\n    nowhere.zip\n"
                            "    B.ZIP\nGlobal Mods:\n    a.zip\n\nSaving the settings to this set "
                            "would leave them out."));
}

void SetFileListTest::loadKeepsEarlierTicks()
{
    StartedTool tool(mpMods, spMods, globalMods, {"A.set", "B.set"});
    tool.folder.createSetFile(QStringLiteral("A.set"), "[SettingMP]\nMod0=a.zip\n");
    tool.folder.createSetFile(QStringLiteral("B.set"), "[SettingGlobal]\nMod0=g.zip\n");
    setTick(tool.form().listMP, QStringLiteral("b.zip"), Qt::Checked);

    tool.choose(QStringLiteral("A.set"));
    tool.form().buttonLoadSetting->click();
    tool.choose(QStringLiteral("B.set"));
    tool.form().buttonLoadSetting->click();

    QCOMPARE(checkedItems(tool.form().listMP), (QStringList{"a.zip", "b.zip"}));
    QCOMPARE(checkedItems(tool.form().listGlobal), QStringList{"g.zip"});
    QCOMPARE(tool.form().SelectedMods->toPlainText(), QStringLiteral("a.zip\nb.zip\ng.zip\n"));
    QVERIFY(tool.probe.messages.isEmpty()); // every mod of both sets is there
}

void SetFileListTest::loadTicksEarlierSetsAgain_data()
{
    QTest::addColumn<QString>("untickAll");
    QTest::addColumn<QStringList>("ticked");
    QTest::newRow("nothing more") << "" << QStringList{"a.zip", "b.zip"};
    QTest::newRow("Untick All Mods") << "all" << QStringList{"b.zip"};
    QTest::newRow("Untick All in This List") << "listMP" << QStringList{"b.zip"};
    QTest::newRow("Untick All in another list") << "listSP" << QStringList{"a.zip", "b.zip"};
}

// Every set loaded before is applied again at each load, unless unticking all started afresh.
// Only the set just loaded is checked for missing mods.
void SetFileListTest::loadTicksEarlierSetsAgain()
{
    QFETCH(QString, untickAll);
    QFETCH(QStringList, ticked);
    StartedTool tool(mpMods, spMods, globalMods, {"A.set", "B.set"});
    tool.folder.createSetFile(QStringLiteral("A.set"), "[SettingMP]\nMod0=a.zip\nMod1=gone.zip\n");
    tool.folder.createSetFile(QStringLiteral("B.set"), "[SettingMP]\nMod0=b.zip\n");

    tool.choose(QStringLiteral("A.set"));
    tool.form().buttonLoadSetting->click();
    setTick(tool.form().listMP, QStringLiteral("a.zip"), Qt::Unchecked);
    if (untickAll == QLatin1String("all"))
        untickAllMods(tool.form());
    else if (!untickAll.isEmpty())
        untickAllInList(tool.form(), untickAll == QLatin1String("listMP")
                                         ? modGroup(ModGroup::Multiplay)
                                         : modGroup(ModGroup::Campaign));
    tool.choose(QStringLiteral("B.set"));
    tool.form().buttonLoadSetting->click();

    QCOMPARE(checkedItems(tool.form().listMP), ticked);
    QCOMPARE(tickedNames(appState().modsMP), ticked);
    QCOMPARE(tool.probe.messages.size(), 1); // gone.zip, named once, for A.set
}

void SetFileListTest::loadTicksEveryItemOfAName()
{
    StartedTool tool(mpMods, spMods, globalMods, {"A.set"});
    tool.folder.createSetFile(QStringLiteral("A.set"), "[SettingMP]\nMod0=a.zip\n");
    auto *twin = new QTreeWidgetItem(tool.form().listMP, QStringList{QStringLiteral("a.zip")});
    twin->setFlags(twin->flags() | Qt::ItemIsUserCheckable);
    twin->setCheckState(0, Qt::Unchecked);

    tool.choose(QStringLiteral("A.set"));
    tool.form().buttonLoadSetting->click();

    QCOMPARE(checkedItems(tool.form().listMP), (QStringList{"a.zip", "a.zip"}));
    QCOMPARE(tickedNames(appState().modsMP), QStringList{"a.zip"});
}

void SetFileListTest::loadOfBlankSetFileOnlySetsOtherOptions()
{
    StartedTool tool(mpMods, spMods, globalMods, {"blank.set"});
    setTick(tool.form().listSP, QStringLiteral("s.zip"), Qt::Checked);
    tool.choose(QStringLiteral("blank.set"));

    tool.form().buttonLoadSetting->click();

    QVERIFY(checkedItems(tool.form().listMP).isEmpty());
    QCOMPARE(checkedItems(tool.form().listSP), QStringList{"s.zip"});
    QCOMPARE(tool.form().inputOtherCommands->text(), QStringLiteral("ERROR"));
    QCOMPARE(tool.form().CurrentCommandLine->text(),
             QStringLiteral("%BinaryPath% --mod_ca=s.zip ERROR"));
    QCOMPARE(QFileInfo(tool.folder.setFilesDir() + QStringLiteral("/blank.set")).size(), 0);
}

// Thousands of mods, some ticked beforehand, a set naming every third one plus names that
// match nothing: the lists, tables, views and a save afterwards hold exactly what ticking
// item by item would give.
void SetFileListTest::loadAndSaveOfManyModsMatchTheSet()
{
    QStringList mods;
    for (int i = 0; i < 2000; ++i)
        mods << QStringLiteral("mod%1.zip").arg(i, 4, 10, QLatin1Char('0'));
    StartedTool tool({QStringLiteral("mod0000.zip")}, {}, mods, {"many.set"});
    QByteArray content("[SettingGlobal]\n");
    QStringList expected;
    for (int i = 0, k = 0; i < mods.size(); ++i) {
        if (i % 3 == 0) {
            content += "Mod" + QByteArray::number(k++) + "=" + mods.at(i).toUtf8() + "\n";
            content += "Mod" + QByteArray::number(k++) + "=missing" + QByteArray::number(i) + "\n";
        }
        if (i % 3 == 0 || i % 5 == 0)
            expected << mods.at(i);
    }
    tool.folder.createSetFile(QStringLiteral("many.set"), content);
    for (int i = 5; i < mods.size(); i += 5)
        setTick(tool.form().listGlobal, mods.at(i), Qt::Checked);
    tool.choose(QStringLiteral("many.set"));

    tool.form().buttonLoadSetting->click();

    QVERIFY(checkedItems(tool.form().listMP).isEmpty());
    QCOMPARE(checkedItems(tool.form().listGlobal), expected);
    QCOMPARE(tickedNames(appState().modsGlobal), expected);
    QCOMPARE(tool.form().SelectedMods->toPlainText(), expected.join(QLatin1Char('\n')) + "\n");
    QCOMPARE(tool.form().CurrentCommandLine->text(), QStringLiteral("%BinaryPath% --mod=") +
                                                         expected.join(QStringLiteral(" --mod=")) +
                                                         QStringLiteral(" ERROR"));

    tool.form().buttonSaveSetting->click();
    QCOMPARE(TestAppFolder::readFile(tool.folder.setFilesDir() + QStringLiteral("/many.set")),
             setFileBytes({}, {}, expected, "ERROR"));
}

void SetFileListTest::loadFailureWarnsAndChangesNothing_data()
{
    QTest::addColumn<QString>("setFile");
    QTest::addColumn<QString>("reason");
    QTest::newRow("file vanished") << "gone.set" << reasons::missingFile();
    QTest::newRow("folder listed as a set") << "folder.set" << reasons::folderOpenedAsFile();
}

// An unreadable set file must not end the tool: ticks, other options and unsaved edits of
// the game's configuration stay as they were.
void SetFileListTest::loadFailureWarnsAndChangesNothing()
{
    QFETCH(QString, setFile);
    QFETCH(QString, reason);
    StartedTool tool(mpMods, spMods, globalMods, {"gone.set", "ok.set"});
    tool.folder.createSetFile(QStringLiteral("ok.set"), "[SettingMP]\nMod0=a.zip\n");
    QDir(tool.folder.setFilesDir()).mkdir(QStringLiteral("folder.set"));
    tool.form().listChooseSetting->addItem(QStringLiteral("folder.set"));
    tool.choose(QStringLiteral("ok.set"));
    tool.form().buttonLoadSetting->click();
    QFile::remove(tool.folder.setFilesDir() + QStringLiteral("/gone.set"));
    setTick(tool.form().listGlobal, QStringLiteral("g.zip"), Qt::Checked);
    tool.form().inputOtherCommands->setText(QStringLiteral("-mine"));
    tool.form().editVHConfig->setPlainText(QStringLiteral("unsaved=edit"));
    const QString selectedMods = tool.form().SelectedMods->toPlainText();
    const QString commandLine = tool.form().CurrentCommandLine->text();
    const QStringList files = treeSnapshot(tool.folder.root());

    tool.choose(setFile);
    tool.form().buttonLoadSetting->click();

    const QString path = tool.folder.setFilesDir() + QLatin1Char('/') + setFile;
    QCOMPARE(tool.probe.messages.size(), 1);
    QCOMPARE(tool.probe.messages.first().kind, platform::MessageKind::Warning);
    QCOMPARE(tool.probe.messages.first().title, QStringLiteral("Halvane v5"));
    QCOMPARE(tool.probe.messages.first().text,
             QStringLiteral("Cannot read file ") + path + QStringLiteral(":\n") +
                 reasons::inMessage(reason) + QStringLiteral("."));
    QVERIFY(tool.probe.exits.isEmpty());
    QCOMPARE(checkedItems(tool.form().listMP), QStringList{"a.zip"});
    QCOMPARE(checkedItems(tool.form().listGlobal), QStringList{"g.zip"});
    QCOMPARE(tool.form().inputOtherCommands->text(), QStringLiteral("-mine"));
    QCOMPARE(appState().otherCommands, QStringLiteral("-mine"));
    QCOMPARE(tool.form().SelectedMods->toPlainText(), selectedMods);
    QCOMPARE(tool.form().CurrentCommandLine->text(), commandLine);
    QCOMPARE(tool.form().editVHConfig->toPlainText(), QStringLiteral("unsaved=edit"));
    QCOMPARE(treeSnapshot(tool.folder.root()), files);
}

void SetFileListTest::saveReplacesChosenFile()
{
    StartedTool tool(mpMods, spMods, globalMods, {"A.set", "B.set"});
    tool.folder.createSetFile(QStringLiteral("A.set"), "[SettingMP]\nMod0=old.zip\n; note\n");
    setTick(tool.form().listMP, QStringLiteral("c.zip"), Qt::Checked);
    setTick(tool.form().listMP, QStringLiteral("a.zip"), Qt::Checked);
    setTick(tool.form().listGlobal, QStringLiteral("h.zip"), Qt::Checked);
    tool.form().inputOtherCommands->setText(QStringLiteral("-x  -y"));
    tool.choose(QStringLiteral("A.set"));

    tool.form().buttonSaveSetting->click();

    QCOMPARE(TestAppFolder::readFile(tool.folder.setFilesDir() + QStringLiteral("/A.set")),
             setFileBytes({"a.zip", "c.zip"}, {}, {"h.zip"}, "-x  -y"));
    QCOMPARE(TestAppFolder::readFile(tool.folder.setFilesDir() + QStringLiteral("/B.set")),
             QByteArray());
    QCOMPARE(QDir(tool.folder.setFilesDir())
                 .entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden),
             (QStringList{"A.set", "B.set"}));
    QVERIFY(tool.probe.messages.isEmpty());
}

void SetFileListTest::saveOfVanishedFileCreatesNothing()
{
    StartedTool tool(mpMods, spMods, globalMods, {"A.set"});
    setTick(tool.form().listMP, QStringLiteral("a.zip"), Qt::Checked);
    tool.choose(QStringLiteral("A.set"));
    QFile::remove(tool.folder.setFilesDir() + QStringLiteral("/A.set"));
    const QStringList files = treeSnapshot(tool.folder.root());

    tool.form().buttonSaveSetting->click();

    QCOMPARE(treeSnapshot(tool.folder.root()), files);
    QVERIFY(tool.probe.messages.isEmpty());
    QCOMPARE(itemTexts(tool.form().listChooseSetting), QStringList{"A.set"});
}

// The set must survive a write that fails half-way, here because the file would grow
// beyond the process's file size limit.
void SetFileListTest::saveFailureWarnsAndKeepsSet()
{
#ifdef Q_OS_UNIX
    StartedTool tool(mpMods, spMods, globalMods, {"A.set"});
    const QString path = tool.folder.setFilesDir() + QStringLiteral("/A.set");
    const QByteArray previous("[SettingMP]\nMod0=b.zip\nCount=1\n");
    TestAppFolder::writeFile(path, previous);
    setTick(tool.form().listMP, QStringLiteral("a.zip"), Qt::Checked);
    tool.choose(QStringLiteral("A.set"));

    rlimit unlimited{};
    getrlimit(RLIMIT_FSIZE, &unlimited);
    const auto previousHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit limited = unlimited;
    limited.rlim_cur = 16;
    setrlimit(RLIMIT_FSIZE, &limited);
    tool.form().buttonSaveSetting->click();
    setrlimit(RLIMIT_FSIZE, &unlimited);
    std::signal(SIGXFSZ, previousHandler);

    QCOMPARE(TestAppFolder::readFile(path), previous);
    QCOMPARE(QDir(tool.folder.setFilesDir()).entryList(QDir::Files | QDir::Hidden),
             QStringList{"A.set"});
    QCOMPARE(tool.probe.messages.size(), 1);
    QCOMPARE(tool.probe.messages.first().title, QStringLiteral("Halvane v5"));
    const QString prefix = QStringLiteral("Cannot write file ") + path + QStringLiteral(":\n");
    QVERIFY2(lastMessage(tool.probe).startsWith(prefix), qPrintable(lastMessage(tool.probe)));
    QVERIFY(lastMessage(tool.probe).endsWith(QLatin1Char('.')));
    QVERIFY(lastMessage(tool.probe).size() > prefix.size() + 1);
#else
    QSKIP("needs a file size limit");
#endif
}

void SetFileListTest::saveIntoFolderEntryWarns()
{
    StartedTool tool(mpMods, spMods, globalMods);
    QDir(tool.folder.setFilesDir()).mkdir(QStringLiteral("d%2.set"));
    tool.form().listChooseSetting->addItem(QStringLiteral("d%2.set"));
    tool.choose(QStringLiteral("d%2.set"));
    const QStringList files = treeSnapshot(tool.folder.root());

    tool.form().buttonSaveSetting->click();

    const QString path = tool.folder.setFilesDir() + QStringLiteral("/d%2.set");
    QCOMPARE(tool.probe.messages.size(), 1);
    QCOMPARE(tool.probe.messages.first().title, QStringLiteral("Halvane v5"));
    QCOMPARE(lastMessage(tool.probe), QStringLiteral("Cannot write file ") + path +
                                          QStringLiteral(":\nFilename refers to a directory."));
    QCOMPARE(treeSnapshot(tool.folder.root()), files);
}

void SetFileListTest::deleteRemovesFileAndRow_data()
{
    QTest::addColumn<QString>("dataFolder");
    QTest::addColumn<QString>("inTheWay"); // a file where the trash needs a folder
    QTest::addColumn<QString>("outcome");
#ifdef Q_OS_UNIX
    QTest::newRow("into the trash") << "data"
                                    << ""
                                    << "trashed";
    // Without the data folder, Qt would put the set into the working folder.
    QTest::newRow("into the trash of a data folder still to be made") << "new/data"
                                                                      << ""
                                                                      << "trashed";
    QTest::newRow("no trash to be had") << "file/data"
                                        << ""
                                        << "deleted";
    QTest::newRow("trash that cannot take it") << "data"
                                               << "data/Trash/files"
                                               << "kept";
#else
    QTest::newRow("into the recycle bin") << ""
                                          << ""
                                          << "trashed";
#endif
}

void SetFileListTest::deleteRemovesFileAndRow()
{
    QFETCH(QString, dataFolder);
    QFETCH(QString, inTheWay);
    QFETCH(QString, outcome);
    StartedTool tool({}, {}, {}, {"A.set", "b.set", "c.set"});
    const QString path = tool.folder.setFilesDir() + QStringLiteral("/b.set");
    TestAppFolder::writeFile(path, "[SettingMP]\n");
    tool.choose(QStringLiteral("b.set"));
    QTemporaryDir home;
    TestAppFolder::writeFile(home.filePath(QStringLiteral("file")), "x");
    if (!inTheWay.isEmpty())
        TestAppFolder::writeFile(home.filePath(inTheWay), "x");
    const QString dataHome = home.filePath(dataFolder);
    const QByteArray probeDataHome = qgetenv("XDG_DATA_HOME");
    if (!dataFolder.isEmpty())
        qputenv("XDG_DATA_HOME", QFile::encodeName(dataHome));
    const QString workingFolder = QDir::currentPath();
    QDir::setCurrent(home.path());

    tool.form().buttonDeleteSetting->click();

    QDir::setCurrent(workingFolder);
    qputenv("XDG_DATA_HOME", probeDataHome);
    // Wine's shell may refuse the recycling for a reason of its own: the set stays, and says why.
    const bool kept = outcome == QLatin1String("kept") || (runsUnderWine() && QFile::exists(path));
    QVERIFY2(tool.probe.messages.size() == (kept ? 1 : 0), qPrintable(lastMessage(tool.probe)));
#ifdef Q_OS_UNIX
    QCOMPARE(TestAppFolder::readFile(dataHome + QStringLiteral("/Trash/files/b.set")),
             QByteArray(outcome == QLatin1String("trashed") ? "[SettingMP]\n" : ""));
    QVERIFY(!QFileInfo::exists(home.filePath(QStringLiteral("files/b.set"))));
#endif
    QCOMPARE(TestAppFolder::readFile(path), QByteArray(kept ? "[SettingMP]\n" : ""));
    const QStringList rows =
        kept ? QStringList{"A.set", "b.set", "c.set"} : QStringList{"A.set", "c.set"};
    QCOMPARE(itemTexts(tool.form().listChooseSetting), rows);
    QCOMPARE(appState().setFileNames, rows);
    const QString now = tool.form().listChooseSetting->currentItem()->text();
    QCOMPARE(appState().selectedSetFile, now);
    QCOMPARE(tool.form().SelectedSetting->text(), now);
    if (kept && !runsUnderWine())
        QCOMPARE(lastMessage(tool.probe), "Cannot delete file " + path + ":\n" +
                                              reasons::inMessage(qt_error_string(ENOTDIR)) + ".");
    if (runsUnderWine())
        QSKIP(qPrintable("Wine has no recycling: it answers that moving a file to the recycle bin "
                         "is not implemented, and the set is deleted outright, or it refuses. " +
                         lastMessage(tool.probe)));
}

void SetFileListTest::deleteKeepsOtherRowsWhoseFileVanished()
{
    StartedTool tool({}, {}, {}, {"A.set", "b.set"});
    QFile::remove(tool.folder.setFilesDir() + QStringLiteral("/b.set"));
    tool.choose(QStringLiteral("A.set"));

    tool.form().buttonDeleteSetting->click();

    QCOMPARE(itemTexts(tool.form().listChooseSetting), QStringList{"b.set"});
    QVERIFY(appState().setFileNames.isEmpty());
}

void SetFileListTest::deleteOfVanishedFileTakesRow()
{
    StartedTool tool({}, {}, {}, {"A.set", "b.set"});
    tool.choose(QStringLiteral("A.set"));
    QFile::remove(tool.folder.setFilesDir() + QStringLiteral("/A.set"));

    tool.form().buttonDeleteSetting->click();

    QCOMPARE(itemTexts(tool.form().listChooseSetting), QStringList{"b.set"});
    QVERIFY(tool.probe.messages.isEmpty());
}

void SetFileListTest::deletingLastItemClearsTheChoice()
{
    StartedTool tool({}, {}, {}, {"only.set"});
    tool.choose(QStringLiteral("only.set"));

    tool.form().buttonDeleteSetting->click();
    tool.form().inputOtherCommands->setText(QStringLiteral("-mine"));
    QCOMPARE(tool.form().listChooseSetting->count(), 0);
    QVERIFY(appState().selectedSetFile.isEmpty());
    QVERIFY(tool.form().SelectedSetting->text().isEmpty());

    const QStringList files = treeSnapshot(tool.folder.root());
    tool.form().buttonDeleteSetting->click();
    tool.form().buttonSaveSetting->click();
    tool.form().buttonLoadSetting->click();
    QCOMPARE(treeSnapshot(tool.folder.root()), files);
    QCOMPARE(tool.form().inputOtherCommands->text(), QStringLiteral("-mine"));
    QVERIFY(tool.probe.messages.isEmpty());
    QVERIFY(tool.probe.exits.isEmpty());
}

void SetFileListTest::deleteFailureWarnsAndKeepsRow()
{
    StartedTool tool({}, {}, {}, {"A.set"});
    TestAppFolder::writeFile(tool.folder.setFilesDir() + QStringLiteral("/d.set/inner"), "x");
    tool.form().listChooseSetting->addItem(QStringLiteral("d.set"));
    tool.choose(QStringLiteral("d.set"));

    tool.form().buttonDeleteSetting->click();

    const QString path = tool.folder.setFilesDir() + QStringLiteral("/d.set");
    QCOMPARE(tool.probe.messages.size(), 1);
    QCOMPARE(tool.probe.messages.first().title, QStringLiteral("Halvane v5"));
    QCOMPARE(lastMessage(tool.probe),
             QStringLiteral("Cannot delete file ") + path + QStringLiteral(":\n") +
                 reasons::inMessage(reasons::folderDeleted()) + QStringLiteral("."));
    QVERIFY(QFileInfo::exists(path + QStringLiteral("/inner")));
    QCOMPARE(itemTexts(tool.form().listChooseSetting), (QStringList{"A.set", "d.set"}));
    QCOMPARE(appState().selectedSetFile, QStringLiteral("d.set"));
}

QTEST_MAIN(SetFileListTest)
#include "tst_setfilelist.moc"
