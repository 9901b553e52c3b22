// Set files given what a hand editor, another program or a broken disk may leave, read
// directly and loaded through the main window: the documented result or a clear message,
// no crash, no hang, and the file itself never changed by reading it.

#include "ModNames.h"
#include "ReliabilitySupport.h"
#include "StartedTool.h"
#include "SystemReasons.h"
#include "TestAppFolder.h"
#include "TreeItems.h"

#include "app/state/AppState.h"
#include "setfiles/SetFileFormat.h"

#include <QDir>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTreeWidget>
#include <QTreeWidgetItemIterator>
#include <QtTest>

using namespace reliability;

namespace {
const QString missing = QStringLiteral("ERROR");

QByteArray manyMods(int count)
{
    QByteArray bytes = "[SettingMP]\n";
    bytes.reserve(count * 20);
    for (int i = 0; i < count; ++i)
        bytes += "Mod" + QByteArray::number(i) + "=mod" + QByteArray::number(i) + ".zip\n";
    return bytes + "Count=" + QByteArray::number(count) + "\n[General]\nOtherCommands=-big\n";
}

QByteArray sectionsOfOneName(int count)
{
    QByteArray bytes;
    for (int i = 0; i < count; ++i)
        bytes += "[SettingMP]\nMod0=m" + QByteArray::number(i) + ".zip\n";
    return bytes;
}

QByteArray garbage(int size, quint32 seed)
{
    QByteArray bytes(size, '\0');
    for (char &byte : bytes) {
        seed = seed * 1103515245u + 12345u;
        byte = char(seed >> 24);
    }
    return bytes;
}

// A started tool whose set-file list holds the given files.
struct Tool : StartedTool {
    Tool(const QStringList &multiplay, const QList<QPair<QString, QByteArray>> &setFiles,
         const QStringList &setFolders = {})
        : StartedTool([&](TestAppFolder &folder) {
            folder.createReadyTool(multiplay);
            for (const auto &file : setFiles)
                folder.createSetFile(file.first, file.second);
            for (const QString &name : setFolders)
                TestAppFolder::writeFile(folder.setFilesDir() + QLatin1Char('/') + name +
                                             QStringLiteral("/inside.txt"),
                                         "keep");
        })
    {}
};
} // namespace

class BadSetFilesTest : public QObject {
    Q_OBJECT

private slots:
    void readsTheDocumentedResult_data();
    void readsTheDocumentedResult();
    void readsTwoHundredThousandLines();
    void readsTenMegabyteLines();
    void readsBinaryGarbageWithoutHarm();

    void loadingGarbageTicksNothingAndChangesNothing();
    void loadingTwoHundredThousandNamesTicksTheKnownOnes();
    void loadingTenMegabyteOptionsKeepsWhatTheFieldHolds();
    void setFileThatIsAFolderIsReportedForEveryAction();
    void setFileVanishedBeforeLoadingIsReported();
    void setFileVanishedBeforeSavingOrDeletingIsNotRecreated();
};

void BadSetFilesTest::readsTheDocumentedResult_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<QStringList>("multiplay");
    QTest::addColumn<QString>("otherCommands");
    QTest::newRow("empty") << QByteArray() << QStringList() << missing;
    QTest::newRow("NUL bytes") << QByteArray("[SettingMP]\nMod0=a\0b.zip\n", 25)
                               << QStringList{QString::fromUtf8("a\0b.zip", 7)} << missing;
    QTest::newRow("invalid UTF-8")
        << QByteArray("[SettingMP]\nMod0=caf\xE9.zip\n[General]\nOtherCommands=-x\n")
        << QStringList{QString::fromLocal8Bit("caf\xE9.zip")} << QStringLiteral("-x");
    QTest::newRow("byte-order mark")
        << QByteArray("\xEF\xBB\xBF[SettingMP]\nMod0=a.zip\n[General]\nOtherCommands=-x\n")
        << QStringList{QStringLiteral("a.zip")} << QStringLiteral("-x");
    QTest::newRow("CR LF") << QByteArray(
                                  "[SettingMP]\r\nMod0=a.zip\r\n[General]\r\nOtherCommands=-x\r\n")
                           << QStringList{QStringLiteral("a.zip")} << QStringLiteral("-x");
    // Lines end at LF only: the whole file is one header line of SettingMP.
    QTest::newRow("CR only") << QByteArray("[SettingMP]\rMod0=a.zip\r[General]\rOtherCommands=-x\r")
                             << QStringList() << missing;
    QTest::newRow("header without bracket")
        << QByteArray("[SettingMP\nMod0=a.zip\n[General]\nOtherCommands=-x\n") << QStringList()
        << QStringLiteral("-x");
    QTest::newRow("thousands of sections of one name")
        << sectionsOfOneName(5000) << QStringList{QStringLiteral("m0.zip")} << missing;
    QTest::newRow("non-ASCII and emoji")
        << QStringLiteral("[SettingMP]\nMod0=Välheim 冒険 🎮.zip\n[General]\nOtherCommands=-ö\n")
               .toUtf8()
        << QStringList{QStringLiteral("Välheim 冒険 🎮.zip")} << QStringLiteral("-ö");
}

void BadSetFilesTest::readsTheDocumentedResult()
{
    QFETCH(QByteArray, content);
    QFETCH(QStringList, multiplay);
    QFETCH(QString, otherCommands);
    PlatformProbe probe;
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("bad.set"));
    TestAppFolder::writeFile(path, content);

    QVERIFY(readSetFile(path).ok());
    QCOMPARE(namesOf(appState().loadedMP), multiplay);
    QVERIFY(appState().loadedSP.isEmpty());
    QVERIFY(appState().loadedGlobal.isEmpty());
    QCOMPARE(appState().loadedOtherCommands, otherCommands);
    QVERIFY(TestAppFolder::readFile(path) == content);
}

void BadSetFilesTest::readsTwoHundredThousandLines()
{
    PlatformProbe probe;
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("big.set"));
    TestAppFolder::writeFile(path, manyMods(large(199996)));
    QVERIFY(readSetFile(path).ok());
    QCOMPARE(appState().loadedMP.size(), large(199996));
    QCOMPARE(appState().loadedMP.last().name, QStringLiteral("mod%1.zip").arg(large(199996) - 1));
    QCOMPARE(appState().loadedOtherCommands, QStringLiteral("-big"));
}

void BadSetFilesTest::readsTenMegabyteLines()
{
    PlatformProbe probe;
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("long.set"));
    const QByteArray name(large(10 * 1024 * 1024), 'n');
    const QByteArray options(large(10 * 1024 * 1024), 'o');
    TestAppFolder::writeFile(path, "[SettingGlobal]\nMod0=" + name +
                                       "\n[General]\nOtherCommands=" + options);
    QVERIFY(readSetFile(path).ok());
    QCOMPARE(appState().loadedGlobal.size(), 1);
    QVERIFY(appState().loadedGlobal.first().name == QString::fromLatin1(name));
    QVERIFY(appState().loadedOtherCommands == QString::fromLatin1(options));
}

void BadSetFilesTest::readsBinaryGarbageWithoutHarm()
{
    PlatformProbe probe;
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("garbage.set"));
    for (quint32 seed = 1; seed <= 30; ++seed) {
        QByteArray bytes = garbage(8192, seed);
        // Some rounds carry the sections, so that the garbage lands inside them.
        if (seed % 2 == 0)
            bytes = "[SettingMP]\nMod0=" + bytes.left(4000) +
                    "\n[General]\nOtherCommands=" + bytes.mid(4000);
        TestAppFolder::writeFile(path, bytes);
        QVERIFY(readSetFile(path).ok());
        QVERIFY(TestAppFolder::readFile(path) == bytes);
    }
}

void BadSetFilesTest::loadingGarbageTicksNothingAndChangesNothing()
{
    const QByteArray bytes = garbage(20000, 7).replace('[', '_');
    Tool tool({QStringLiteral("a.zip"), QStringLiteral("b.zip")},
              {{QStringLiteral("garbage.set"), bytes}});
    const QStringList before = treeSnapshot(tool.folder.root());
    tool.choose(QStringLiteral("garbage.set"));
    tool.form().buttonLoadSetting->click();
    QVERIFY(tool.probe.exits.isEmpty());
    QVERIFY(tool.probe.messages.isEmpty());
    QVERIFY(checkedItems(tool.form().listMP).isEmpty());
    QCOMPARE(tool.form().inputOtherCommands->text(), missing);
    QCOMPARE(treeSnapshot(tool.folder.root()), before);
}

void BadSetFilesTest::loadingTwoHundredThousandNamesTicksTheKnownOnes()
{
    QStringList mods;
    for (int i = 0; i < 2000; i += 3)
        mods << QStringLiteral("mod%1.zip").arg(i);
    mods << QStringLiteral("unnamed.zip");
    Tool tool(mods, {{QStringLiteral("big.set"), manyMods(large(199996))}});
    const QStringList before = treeSnapshot(tool.folder.root());
    tool.choose(QStringLiteral("big.set"));
    tool.form().buttonLoadSetting->click();
    // Only the names the list lacks are told, twenty of them and how many more.
    QCOMPARE(tool.probe.messages.size(), 1);
    QCOMPARE(tool.probe.messages.first().kind, platform::MessageKind::Information);
    QCOMPARE(tool.probe.messages.first().text.count(QLatin1Char('\n')), 25);
    QStringList expected = mods;
    expected.removeLast();
    QStringList checked = checkedItems(tool.form().listMP);
    checked.sort();
    expected.sort();
    QCOMPARE(checked, expected);
    QCOMPARE(tool.form().inputOtherCommands->text(), QStringLiteral("-big"));
    QCOMPARE(treeSnapshot(tool.folder.root()), before);
}

// The other-options field holds at most what a line edit holds; the set file keeps the rest.
void BadSetFilesTest::loadingTenMegabyteOptionsKeepsWhatTheFieldHolds()
{
    const QByteArray options = QByteArray(large(10 * 1024 * 1024), 'o');
    const QByteArray content =
        "[SettingMP]\nMod0=a.zip\n[General]\nOtherCommands=" + options + "\n";
    Tool tool({QStringLiteral("a.zip")}, {{QStringLiteral("long.set"), content}});
    tool.choose(QStringLiteral("long.set"));
    tool.form().buttonLoadSetting->click();
    QVERIFY(tool.probe.messages.isEmpty());
    QCOMPARE(checkedItems(tool.form().listMP), QStringList{QStringLiteral("a.zip")});
    const int fieldLimit = tool.form().inputOtherCommands->maxLength();
    QCOMPARE(tool.form().inputOtherCommands->text(), QString::fromLatin1(options.left(fieldLimit)));
    QCOMPARE(appState().otherCommands, tool.form().inputOtherCommands->text());
    QVERIFY(TestAppFolder::readFile(tool.setFilePath(QStringLiteral("long.set"))) == content);
}

void BadSetFilesTest::setFileThatIsAFolderIsReportedForEveryAction()
{
    Tool tool({QStringLiteral("a.zip")}, {}, {QStringLiteral("folder.set")});
    tool.form().listMP->topLevelItem(0)->setCheckState(0, Qt::Checked);
    const QStringList before = treeSnapshot(tool.folder.root());
    tool.choose(QStringLiteral("folder.set"));

    const QString path = tool.setFilePath(QStringLiteral("folder.set"));
    tool.form().buttonLoadSetting->click();
    tool.form().buttonSaveSetting->click();
    tool.form().buttonDeleteSetting->click();
    QVERIFY(tool.probe.exits.isEmpty());
    QCOMPARE(tool.probe.messages.size(), 3);
    QVERIFY(tool.probe.messages.at(0).text.startsWith(
        QStringLiteral("Cannot read file %1:\n").arg(path)));
    QVERIFY(tool.probe.messages.at(1).text.startsWith(
        QStringLiteral("Cannot write file %1:\n").arg(path)));
    QVERIFY(tool.probe.messages.at(2).text.startsWith(
        QStringLiteral("Cannot delete file %1:\n").arg(path)));
    for (const auto &message : std::as_const(tool.probe.messages)) {
        QCOMPARE(message.kind, platform::MessageKind::Warning);
        QVERIFY(message.text.endsWith(QLatin1Char('.')));
        QVERIFY(message.text.size() > message.text.indexOf(QLatin1Char('\n')) + 2);
    }
    QCOMPARE(treeSnapshot(tool.folder.root()), before);
    QCOMPARE(tool.form().listChooseSetting->count(), 1);
}

void BadSetFilesTest::setFileVanishedBeforeLoadingIsReported()
{
    const QByteArray content = "[SettingMP]\nMod0=a.zip\n";
    Tool tool({QStringLiteral("a.zip")}, {{QStringLiteral("gone.set"), content}});
    tool.choose(QStringLiteral("gone.set"));
    QVERIFY(QFile::remove(tool.setFilePath(QStringLiteral("gone.set"))));

    tool.form().buttonLoadSetting->click();
    QVERIFY(tool.probe.exits.isEmpty());
    QCOMPARE(tool.probe.messages.size(), 1);
    QCOMPARE(tool.probe.messages.first().text,
             QStringLiteral("Cannot read file %1:\n%2.")
                 .arg(tool.setFilePath(QStringLiteral("gone.set")),
                      reasons::inMessage(reasons::missingFile())));
    QVERIFY(checkedItems(tool.form().listMP).isEmpty());
    QVERIFY(tool.form().inputOtherCommands->text().isEmpty());
}

void BadSetFilesTest::setFileVanishedBeforeSavingOrDeletingIsNotRecreated()
{
    Tool tool({QStringLiteral("a.zip")}, {{QStringLiteral("gone.set"), "[SettingMP]\n"},
                                          {QStringLiteral("other.set"), "[General]\n"}});
    tool.choose(QStringLiteral("gone.set"));
    QVERIFY(QFile::remove(tool.setFilePath(QStringLiteral("gone.set"))));
    const QStringList before = treeSnapshot(tool.folder.root());

    tool.form().buttonSaveSetting->click();
    QCOMPARE(treeSnapshot(tool.folder.root()), before);
    tool.form().buttonDeleteSetting->click();
    QCOMPARE(treeSnapshot(tool.folder.root()), before);
    QVERIFY(tool.probe.messages.isEmpty());
    QVERIFY(tool.probe.exits.isEmpty());
    QCOMPARE(tool.form().listChooseSetting->count(), 1);
    QCOMPARE(tool.form().listChooseSetting->item(0)->text(), QStringLiteral("other.set"));
}

QTEST_MAIN(BadSetFilesTest)
#include "tst_badsetfiles.moc"
