#include "PlatformProbe.h"
#include "SetFileTestSupport.h"
#include "SystemReasons.h"
#include "TestAppFolder.h"

#include "app/state/AppState.h"
#include "platform/TextEncoding.h"
#include "setfiles/SetFileFormat.h"
#include "setfiles/SetFileNameCheck.h"
#include "setfiles/SetFileNames.h"

#include <QDir>
#include <QStringDecoder>
#include <QStringEncoder>
#include <QTemporaryDir>
#include <QtTest>

#ifdef Q_OS_UNIX
#include <csignal>
#include <sys/resource.h>
#endif

using namespace setfiletest;

namespace {
QString writeTemp(const QTemporaryDir &dir, const QByteArray &content)
{
    const QString path = dir.filePath(QStringLiteral("test.set"));
    TestAppFolder::writeFile(path, content);
    return path;
}

bool systemRoundTrips(const QString &text)
{
    const QByteArray bytes = QStringEncoder(QStringConverter::System).encode(text);
    return QStringDecoder(QStringConverter::System).decode(bytes) == text;
}

void tick(const QStringList &multiplay, const QStringList &campaign, const QStringList &global)
{
    fillTable(appState().modsMP, multiplay, multiplay);
    fillTable(appState().modsSP, campaign, campaign);
    fillTable(appState().modsGlobal, global, global);
}

// Only where a leading dot hides a file would such a set never be listed; on Windows a file
// .old.set is an ordinary one.
#ifdef Q_OS_WIN
constexpr bool leadingDotHides = false;
#else
constexpr bool leadingDotHides = true;
#endif

void addLeadingDotRows()
{
    QTest::newRow("dot") << ".";
    QTest::newRow("dot dot") << "..";
    QTest::newRow("three dots") << "...";
    QTest::newRow("leading dot") << ".old";
}
} // namespace

class SetFileFormatTest : public QObject {
    Q_OBJECT

private slots:
    void writesTheTickedMods_data();
    void writesTheTickedMods();
    void writesSameSelectionIdentically();
    void keepsEveryValueOnItsOwnLine();
    void writeFailureLeavesTargetAlone_data();
    void writeFailureLeavesTargetAlone();
    void writeFailureKeepsPreviousContent();
    void writesBlankSetFileOfZeroBytes();

    void readsZeroByteFile();
    void readsTolerantly_data();
    void readsTolerantly();
    void everyReadAddsToTheBuffers();
    void readFailureKeepsBuffers_data();
    void readFailureKeepsBuffers();
    void roundTripsNames_data();
    void roundTripsNames();
    void roundTripsLargeSet();
    void readsEachFileInItsEncoding_data();
    void readsEachFileInItsEncoding();
    void writesTheCodePageOnlyWhereItHoldsEveryName_data();
    void writesTheCodePageOnlyWhereItHoldsEveryName();

    void refusesUnusableNames_data();
    void refusesUnusableNames();
    void acceptsOrdinaryNames_data();
    void acceptsOrdinaryNames();

    void listsSetFilesByNameIgnoringCase();
    void missingFolderListsNothing();
};

void SetFileFormatTest::writesTheTickedMods_data()
{
    // Each list's mods and which of them are ticked, in the order multiplayer, campaign,
    // global.
    QTest::addColumn<QList<QStringList>>("mods");
    QTest::addColumn<QList<QStringList>>("ticked");
    QTest::addColumn<QString>("otherCommands");
    // With "\n" for the platform's line end.
    QTest::addColumn<QByteArray>("written");
    QTest::newRow("eight lines for an empty selection")
        << QList<QStringList>{{"a.zip"}, {}, {}} << QList<QStringList>{{}, {}, {}} << QString()
        << QByteArray("[SettingMP]\nCount=0\n[SettingSP]\nCount=0\n[SettingGlobal]\nCount=0\n"
                      "[General]\nOtherCommands=\n");
    const QList<QStringList> example{{"alpha.zip", "beta.zip"}, {}, {"gamma.zip"}};
    QTest::newRow("the eleven-line example")
        << example << example << QString()
        << QByteArray("[SettingMP]\nMod0=alpha.zip\nMod1=beta.zip\nCount=2\n[SettingSP]\n"
                      "Count=0\n[SettingGlobal]\nMod0=gamma.zip\nCount=1\n[General]\n"
                      "OtherCommands=\n");
    QTest::newRow("only ticked mods, counting from zero")
        << QList<QStringList>{{"a.zip", "b.zip", "c.zip", "d.zip"}, {"s.zip"}, {"g.zip", "h.zip"}}
        << QList<QStringList>{{"b.zip", "d.zip"}, {}, {"h.zip"}}
        << QStringLiteral("-windowed  -x=1")
        << QByteArray("[SettingMP]\nMod0=b.zip\nMod1=d.zip\nCount=2\n[SettingSP]\nCount=0\n"
                      "[SettingGlobal]\nMod0=h.zip\nCount=1\n[General]\n"
                      "OtherCommands=-windowed  -x=1\n");
}

void SetFileFormatTest::writesTheTickedMods()
{
    QFETCH(QList<QStringList>, mods);
    QFETCH(QList<QStringList>, ticked);
    QFETCH(QString, otherCommands);
    QFETCH(QByteArray, written);
    PlatformProbe probe;
    QTemporaryDir dir;
    fillTable(appState().modsMP, mods.at(0), ticked.at(0));
    fillTable(appState().modsSP, mods.at(1), ticked.at(1));
    fillTable(appState().modsGlobal, mods.at(2), ticked.at(2));
    appState().otherCommands = otherCommands;
    const QString path = dir.filePath(QStringLiteral("s.set"));
    QVERIFY(writeSetFile(path).ok());
    QCOMPARE(TestAppFolder::readFile(path), written.replace("\n", lineEnd()));
}

void SetFileFormatTest::writesSameSelectionIdentically()
{
    PlatformProbe probe;
    QTemporaryDir dir;
    tick({"x y.zip", "ü.zip"}, {"c.zip"}, {});
    appState().otherCommands = QStringLiteral("-a");
    const QString first = dir.filePath(QStringLiteral("1.set"));
    const QString second = dir.filePath(QStringLiteral("2.set"));
    QVERIFY(writeSetFile(first).ok());
    QVERIFY(writeSetFile(second).ok());
    QCOMPARE(TestAppFolder::readFile(second), TestAppFolder::readFile(first));
}

void SetFileFormatTest::keepsEveryValueOnItsOwnLine()
{
    PlatformProbe probe;
    QTemporaryDir dir;
    tick({QStringLiteral("a\nMod1=evil.zip")}, {}, {});
    appState().otherCommands = QStringLiteral("-x\r\n[SettingSP]\nMod0=injected.zip");
    const QString path = dir.filePath(QStringLiteral("s.set"));
    QVERIFY(writeSetFile(path).ok());
    QCOMPARE(TestAppFolder::readFile(path).count('\n'), 9);

    QVERIFY(readSetFile(path).ok());
    QCOMPARE(namesOf(appState().loadedMP), QStringList{"a Mod1=evil.zip"});
    QVERIFY(appState().loadedSP.isEmpty());
    QCOMPARE(appState().loadedOtherCommands, QStringLiteral("-x [SettingSP] Mod0=injected.zip"));
}

void SetFileFormatTest::writeFailureLeavesTargetAlone_data()
{
    QTest::addColumn<QString>("relativePath");
    QTest::addColumn<QString>("reason");
    QTest::newRow("folder at the path") << "folder.set"
                                        << "Filename refers to a directory";
    QTest::newRow("below a regular file") << "file.set/x.set" << reasons::belowRegularFile();
    QTest::newRow("missing folder") << "missing/x.set" << reasons::missingFolder();
}

void SetFileFormatTest::writeFailureLeavesTargetAlone()
{
    QFETCH(QString, relativePath);
    QFETCH(QString, reason);
    PlatformProbe probe;
    QTemporaryDir dir;
    QDir(dir.path()).mkdir(QStringLiteral("folder.set"));
    TestAppFolder::writeFile(dir.filePath(QStringLiteral("file.set")), "keep");
    tick({QStringLiteral("a.zip")}, {}, {});
    const QStringList before = treeSnapshot(dir.path());

    const SetFileResult result = writeSetFile(dir.filePath(relativePath));
    QCOMPARE(result.status, 2);
    QVERIFY2(result.errorText.contains(reason), qPrintable(result.errorText));
    QCOMPARE(treeSnapshot(dir.path()), before);
}

// A write that fails half-way, here because the file would grow beyond the process's file
// size limit, must leave the previous content of the set whole.
void SetFileFormatTest::writeFailureKeepsPreviousContent()
{
#ifdef Q_OS_UNIX
    PlatformProbe probe;
    QTemporaryDir dir;
    const QString path = writeTemp(dir, "[SettingMP]\nMod0=old.zip\nCount=1\n");
    const QByteArray before = TestAppFolder::readFile(path);
    tick({QStringLiteral("a-mod-with-a-rather-long-name.zip")}, {}, {});

    rlimit previous{};
    getrlimit(RLIMIT_FSIZE, &previous);
    const auto previousHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit limited = previous;
    limited.rlim_cur = 16;
    setrlimit(RLIMIT_FSIZE, &limited);
    const SetFileResult result = writeSetFile(path);
    setrlimit(RLIMIT_FSIZE, &previous);
    std::signal(SIGXFSZ, previousHandler);

    QCOMPARE(result.status, 2);
    QVERIFY(!result.errorText.isEmpty());
    QCOMPARE(TestAppFolder::readFile(path), before);
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{"test.set"});
#else
    QSKIP("needs a file size limit");
#endif
}

void SetFileFormatTest::writesBlankSetFileOfZeroBytes()
{
    PlatformProbe probe;
    QTemporaryDir dir;
    tick({QStringLiteral("a.zip")}, {}, {});
    const QString path = writeTemp(dir, "old content\n");
    QVERIFY(writeBlankSetFile(path).ok());
    QVERIFY(QFileInfo::exists(path));
    QCOMPARE(QFileInfo(path).size(), 0);
}

void SetFileFormatTest::readsZeroByteFile()
{
    PlatformProbe probe;
    QTemporaryDir dir;
    const SetFileResult result = readSetFile(writeTemp(dir, QByteArray()));
    QCOMPARE(result.status, 0);
    QVERIFY(appState().loadedMP.isEmpty());
    QVERIFY(appState().loadedSP.isEmpty());
    QVERIFY(appState().loadedGlobal.isEmpty());
    QCOMPARE(appState().loadedOtherCommands, QStringLiteral("ERROR"));
}

void SetFileFormatTest::readsTolerantly_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<QStringList>("multiplay");
    QTest::addColumn<QStringList>("campaign");
    QTest::addColumn<QStringList>("global");
    QTest::addColumn<QString>("otherCommands");

    QTest::newRow("gap in the indices")
        << QByteArray("[SettingMP]\nMod0=a.zip\nMod2=c.zip\nCount=3\n[General]\nOtherCommands=-x\n")
        << QStringList{"a.zip"} << QStringList{} << QStringList{} << "-x";
    QTest::newRow("count first and wrong")
        << QByteArray("[SettingSP]\nCount=5\nMod0=a.zip\nMod1=b.zip\n") << QStringList{}
        << QStringList{"a.zip", "b.zip"} << QStringList{} << "ERROR";
    QTest::newRow("list section last")
        << QByteArray("[General]\nOtherCommands=-y\n[SettingGlobal]\nMod0=g.zip\nMod1=h.zip\n")
        << QStringList{} << QStringList{} << QStringList{"g.zip", "h.zip"} << "-y";
    QTest::newRow("list section last, no general")
        << QByteArray("[SettingMP]\nMod0=a.zip\nMod1=b.zip") << QStringList{"a.zip", "b.zip"}
        << QStringList{} << QStringList{} << "ERROR";
    QTest::newRow("blanks around the equals sign")
        << QByteArray("[SettingMP]\nMod0 = a.zip\nMod1=b.zip\n[General]\nOtherCommands=\n")
        << QStringList{} << QStringList{} << QStringList{} << "";
    QTest::newRow("runs of spaces")
        << QByteArray("[SettingMP]\nMod0=big    mod.zip\t\n[General]\nOtherCommands= -a   -b   \n")
        << QStringList{"big mod.zip"} << QStringList{} << QStringList{} << " -a -b";
    QTest::newRow("keys out of order among comments and strangers")
        << QByteArray("; made by hand\n\n[Other]\nMod0=no.zip\n[SettingSP] ; campaign\n"
                      "Foo=bar\n# Mod0=commented.zip\nMod1=s1.zip\nMod0=s0.zip\n")
        << QStringList{} << QStringList{"s0.zip", "s1.zip"} << QStringList{} << "ERROR";
    QTest::newRow("only the first section of a name")
        << QByteArray("[SettingMP]\nMod0=a.zip\n[SettingMP]\nMod1=b.zip\n") << QStringList{"a.zip"}
        << QStringList{} << QStringList{} << "ERROR";
    QTest::newRow("CR LF line ends")
        << QByteArray("[SettingMP]\r\nMod0=a.zip\r\nCount=1\r\n[General]\r\nOtherCommands=-z\r\n")
        << QStringList{"a.zip"} << QStringList{} << QStringList{} << "-z";
    QTest::newRow("general without other options")
        << QByteArray("[General]\nSomething=1\n") << QStringList{} << QStringList{} << QStringList{}
        << "ERROR";
    // The list ends at the first missing key, not at a mod that happens to be called ERROR.
    QTest::newRow("a mod named like the default")
        << QByteArray("[SettingMP]\nMod0=ERROR\nMod1=b.zip\n") << QStringList{"ERROR", "b.zip"}
        << QStringList{} << QStringList{} << "ERROR";
    QTest::newRow("section names are case-sensitive")
        << QByteArray("[settingmp]\nMod0=a.zip\n[SettingMP]\nmod0=b.zip\n") << QStringList{}
        << QStringList{} << QStringList{} << "ERROR";
}

void SetFileFormatTest::readsTolerantly()
{
    QFETCH(QByteArray, content);
    QFETCH(QStringList, multiplay);
    QFETCH(QStringList, campaign);
    QFETCH(QStringList, global);
    QFETCH(QString, otherCommands);
    PlatformProbe probe;
    QTemporaryDir dir;
    const QString path = writeTemp(dir, content);

    QVERIFY(readSetFile(path).ok());
    QCOMPARE(namesOf(appState().loadedMP), multiplay);
    QCOMPARE(namesOf(appState().loadedSP), campaign);
    QCOMPARE(namesOf(appState().loadedGlobal), global);
    QCOMPARE(appState().loadedOtherCommands, otherCommands);
    QCOMPARE(TestAppFolder::readFile(path), content);
}

void SetFileFormatTest::everyReadAddsToTheBuffers()
{
    PlatformProbe probe;
    QTemporaryDir dir;
    const QString a = dir.filePath(QStringLiteral("a.set"));
    const QString b = dir.filePath(QStringLiteral("b.set"));
    TestAppFolder::writeFile(a, "[SettingMP]\nMod0=alpha.zip\n[SettingSP]\nMod0=s.zip\n"
                                "[General]\nOtherCommands=-a\n");
    TestAppFolder::writeFile(b, "[SettingMP]\nMod0=beta.zip\n");

    QVERIFY(readSetFile(a).ok());
    QVERIFY(readSetFile(b).ok());
    QCOMPARE(namesOf(appState().loadedMP), (QStringList{"alpha.zip", "beta.zip"}));
    QCOMPARE(namesOf(appState().loadedSP), QStringList{"s.zip"});
    QCOMPARE(appState().loadedOtherCommands, QStringLiteral("ERROR"));
}

void SetFileFormatTest::readFailureKeepsBuffers_data()
{
    QTest::addColumn<QString>("relativePath");
    QTest::addColumn<int>("status");
    QTest::newRow("nothing at the path") << "missing.set" << 3;
    QTest::newRow("below a regular file") << "test.set/x.set" << 3;
    QTest::newRow("a folder") << "folder.set" << 1;
}

// The reason is the system's own, whatever words it uses.
void SetFileFormatTest::readFailureKeepsBuffers()
{
    QFETCH(QString, relativePath);
    QFETCH(int, status);
    PlatformProbe probe;
    QTemporaryDir dir;
    QDir(dir.path()).mkdir(QStringLiteral("folder.set"));
    QVERIFY(readSetFile(writeTemp(dir, "[SettingMP]\nMod0=kept.zip\n[General]\nOtherCommands=-k\n"))
                .ok());
    QFile unreadable(dir.filePath(relativePath));
    QVERIFY(!unreadable.open(QIODevice::ReadOnly));

    const SetFileResult result = readSetFile(dir.filePath(relativePath));
    QCOMPARE(result.status, status);
    QCOMPARE(result.errorText, unreadable.errorString());
    QCOMPARE(namesOf(appState().loadedMP), QStringList{"kept.zip"});
    QCOMPARE(appState().loadedOtherCommands, QStringLiteral("-k"));
    QVERIFY(probe.exits.isEmpty());
}

void SetFileFormatTest::roundTripsNames_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("otherCommands");
    QTest::newRow("single spaces") << "my big mod.zip"
                                   << "-a -b";
    QTest::newRow("equals signs") << "a=b==c.zip"
                                  << "-x=1 -y==2";
    QTest::newRow("semicolon and hash first") << ";semi#colon.zip"
                                              << "; not a comment #";
    QTest::newRow("brackets") << "[General]"
                              << "[SettingMP]";
    QTest::newRow("non-ASCII letters") << "Ærøskøbing ünïcode 日本.zip"
                                       << "-ñame=ß";
    QTest::newRow("leading space after the equals sign") << " leading.zip"
                                                         << " -lead";
}

void SetFileFormatTest::roundTripsNames()
{
    QFETCH(QString, name);
    QFETCH(QString, otherCommands);
    PlatformProbe probe;
    QTemporaryDir dir;
    const QString other = name + QStringLiteral(" 2");
    fillTable(appState().modsMP, {name, QStringLiteral("unticked.zip")}, {name});
    fillTable(appState().modsSP, {other}, {other});
    fillTable(appState().modsGlobal, {name, other}, {name, other});
    appState().otherCommands = otherCommands;
    const QString path = dir.filePath(QStringLiteral("s.set"));
    QVERIFY(writeSetFile(path).ok());

    QVERIFY(readSetFile(path).ok());
    QCOMPARE(namesOf(appState().loadedMP), QStringList{name});
    QCOMPARE(namesOf(appState().loadedSP), QStringList{other});
    QCOMPARE(namesOf(appState().loadedGlobal), (QStringList{name, other}));
    QCOMPARE(appState().loadedOtherCommands, otherCommands);
}

// Set files written before UTF-8 came in are in the system's code page and must load as
// they did; files in UTF-8, marked or not, load too.
void SetFileFormatTest::readsEachFileInItsEncoding_data()
{
    QTest::addColumn<QByteArray>("prefix");
    QTest::addColumn<QByteArray>("encodedName");
    QTest::addColumn<QString>("name");
    const QString accented = QStringLiteral("Välheim Ærø.zip");
    const QString beyond = QStringLiteral("日本 Välheim.zip");
    QTest::newRow("system code page")
        << QByteArray() << QByteArray(QStringEncoder(QStringConverter::System).encode(accented))
        << accented;
    QTest::newRow("UTF-8") << QByteArray() << accented.toUtf8() << accented;
    QTest::newRow("UTF-8 with byte-order mark")
        << QByteArray("\xEF\xBB\xBF") << beyond.toUtf8() << beyond;
}

void SetFileFormatTest::readsEachFileInItsEncoding()
{
    QFETCH(QByteArray, prefix);
    QFETCH(QByteArray, encodedName);
    QFETCH(QString, name);
    PlatformProbe probe;
    QTemporaryDir dir;
    const QString path = writeTemp(dir, prefix + "[SettingMP]\r\nMod0=" + encodedName +
                                            "\r\n[General]\r\nOtherCommands=-x\r\n");
    QVERIFY(readSetFile(path).ok());
    QCOMPARE(namesOf(appState().loadedMP), QStringList{name});
    QCOMPARE(appState().loadedOtherCommands, QStringLiteral("-x"));
}

// Readers of the code page keep finding what they found before, unless a name would be lost
// there: then the whole file is UTF-8 with a byte-order mark.
void SetFileFormatTest::writesTheCodePageOnlyWhereItHoldsEveryName_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("codePageHoldsIt");
    QTest::newRow("ASCII") << QStringLiteral("plain.zip") << true;
    const QString accented = QStringLiteral("Välheim.zip");
    QTest::newRow("letters of the code page") << accented << systemRoundTrips(accented);
    // No code page but UTF-8 holds both Japanese and Danish letters.
    QTest::newRow("beyond any code page")
        << QStringLiteral("日本 Ærø.zip") << platform::systemEncodingIsUtf8();
}

void SetFileFormatTest::writesTheCodePageOnlyWhereItHoldsEveryName()
{
    QFETCH(QString, name);
    QFETCH(bool, codePageHoldsIt);
    PlatformProbe probe;
    QTemporaryDir dir;
    tick({}, {}, {name});
    const QString path = dir.filePath(QStringLiteral("s.set"));
    QVERIFY(writeSetFile(path).ok());

    const QByteArray bytes = TestAppFolder::readFile(path);
    const QByteArray mark("\xEF\xBB\xBF");
    const QByteArray line =
        "Mod0=" +
        (codePageHoldsIt ? QStringEncoder(QStringConverter::System).encode(name) : name.toUtf8()) +
        lineEnd();
    QCOMPARE(bytes.startsWith(mark), !codePageHoldsIt);
    QVERIFY2(bytes.contains(line), bytes.constData());
    QVERIFY(readSetFile(path).ok());
    QCOMPARE(namesOf(appState().loadedGlobal), QStringList{name});
}

void SetFileFormatTest::roundTripsLargeSet()
{
    PlatformProbe probe;
    QTemporaryDir dir;
    QStringList names;
    for (int i = 0; i < 10000; ++i)
        names << QStringLiteral("mod %1.zip").arg(i);
    fillTable(appState().modsMP, names, names);
    const QString path = dir.filePath(QStringLiteral("large.set"));
    QVERIFY(writeSetFile(path).ok());
    QVERIFY(readSetFile(path).ok());
    QCOMPARE(namesOf(appState().loadedMP), names);
}

void SetFileFormatTest::refusesUnusableNames_data()
{
    QTest::addColumn<QString>("name");
    QTest::newRow("empty") << "";
    if (leadingDotHides)
        addLeadingDotRows();
    QTest::newRow("parent folder") << "../x";
    QTest::newRow("subfolder") << "a/b";
    QTest::newRow("absolute") << "/tmp/x";
    QTest::newRow("backslash") << "..\\x";
    QTest::newRow("colon") << "C:x";
    QTest::newRow("star") << "a*";
    QTest::newRow("question mark") << "a?";
    QTest::newRow("quote") << "a\"b";
    QTest::newRow("less than") << "a<b";
    QTest::newRow("greater than") << "a>b";
    QTest::newRow("bar") << "a|b";
    QTest::newRow("tab") << "a\tb";
    QTest::newRow("line feed") << "a\nb";
    QTest::newRow("carriage return") << "a\r";
    QTest::newRow("delete") << QStringLiteral("a") + QChar(0x7f);
    QTest::newRow("C1 control") << QStringLiteral("a") + QChar(0x85);
    QTest::newRow("NUL") << QStringLiteral("a") + QChar(0);
}

void SetFileFormatTest::refusesUnusableNames()
{
    QFETCH(QString, name);
    QVERIFY(!isUsableSetFileName(name));
}

void SetFileFormatTest::acceptsOrdinaryNames_data()
{
    QTest::addColumn<QString>("name");
    QTest::newRow("plain") << "alpha";
    QTest::newRow("spaces and dots") << "my set v1.2";
    QTest::newRow("non-ASCII") << "Ærø 日本";
    QTest::newRow("percent signs") << "50%1 %2";
    if (!leadingDotHides)
        addLeadingDotRows();
}

void SetFileFormatTest::acceptsOrdinaryNames()
{
    QFETCH(QString, name);
    QVERIFY(isUsableSetFileName(name));
}

void SetFileFormatTest::listsSetFilesByNameIgnoringCase()
{
    PlatformProbe probe;
    TestAppFolder folder;
    for (const char *name : {"b.set", "A.set", "notes.txt", "X.SET", "c.set.bak", ".hidden.set"})
        folder.createSetFile(QString::fromLatin1(name), "x");
    QDir(folder.setFilesDir()).mkdir(QStringLiteral("folder.set"));

    refreshSetFileNames();
    QCOMPARE(appState().setFileNames, (QStringList{"A.set", "b.set", "folder.set", "X.SET"}));
}

void SetFileFormatTest::missingFolderListsNothing()
{
    PlatformProbe probe;
    TestAppFolder folder;
    appState().setFileNames = QStringList{QStringLiteral("stale.set")};
    refreshSetFileNames();
    QVERIFY(appState().setFileNames.isEmpty());
}

QTEST_GUILESS_MAIN(SetFileFormatTest)
#include "tst_setfileformat.moc"
