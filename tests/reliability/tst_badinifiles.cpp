// The INI store and options.ini given what a hand editor, another program or a broken disk
// may leave: the documented result every time, no crash, no hang, and no line lost.

#include "DialogDriver.h"
#include "PlatformProbe.h"
#include "ReliabilitySupport.h"
#include "TestAppFolder.h"

#include "app/MainWindow.h"
#include "app/state/AppState.h"
#include "ini/IniFile.h"

#include <QtTest>

using namespace reliability;

namespace {
const QString missing = QStringLiteral("ERROR");

QByteArray manyLines(int count)
{
    QByteArray bytes = "[Paths]\n";
    bytes.reserve(count * 24);
    for (int i = 1; i < count; ++i)
        bytes += "Key" + QByteArray::number(i) + "=value " + QByteArray::number(i) + "\n";
    return bytes;
}

QByteArray longLine(int length)
{
    return "[Paths]\nExecutablePath=" + QByteArray(length, 'x') + "\n";
}

QByteArray sectionsOfOneName(int count)
{
    QByteArray bytes;
    for (int i = 0; i < count; ++i)
        bytes += "[Paths]\nExecutablePath=" + QByteArray::number(i) + "\n";
    return bytes;
}

QByteArray garbage(int size)
{
    QByteArray bytes(size, '\0');
    quint32 state = 12345;
    for (char &byte : bytes) {
        state = state * 1103515245u + 12345u;
        byte = char(state >> 24);
    }
    return bytes;
}

QStringList lineTexts(const IniFile &ini)
{
    QStringList texts;
    for (const IniLine &line : ini.allLines())
        texts << line.text;
    return texts;
}

QByteArray optionsFor(const TestAppFolder &folder)
{
    return QStringLiteral("[Paths]\nExecutablePath=%1\nModFolderPath=%2\nConfigFilePath=%3\n")
        .arg(folder.exePath(), folder.modFolder(), folder.configPath())
        .toUtf8();
}
} // namespace

class BadIniFilesTest : public QObject {
    Q_OBJECT

private slots:
    void loadsAndSavesWithoutLoss_data();
    void loadsAndSavesWithoutLoss();
    void byteOrderMarkIsNotPartOfTheFirstLine();
    void nulBytesStayInTheValue();
    void invalidUtf8BecomesReplacementCharacters();
    void crOnlyLineEndsMakeOneLine();
    void headerWithoutBracketNamesNoSection();
    void onlyTheFirstOfThousandsOfSectionsCounts();
    void twoHundredThousandLinesLookUpAndEditQuickly();
    void tenMegabyteLineReadsWhole();
    void binaryGarbageLoadsAndSavesStably();

    void startUpReadsOptionsIniAmidBadLines_data();
    void startUpReadsOptionsIniAmidBadLines();
    void startUpAsksForLocationsWhenOptionsIniHoldsNone_data();
    void startUpAsksForLocationsWhenOptionsIniHoldsNone();
};

// Loading and saving writes back what was read: the same bytes for a file already in the
// tool's own form, and the documented normal form otherwise.
void BadIniFilesTest::loadsAndSavesWithoutLoss_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<QByteArray>("saved");
    QTest::newRow("empty") << QByteArray() << QByteArray();
    QTest::newRow("NUL bytes") << QByteArray("[Paths]\nA=a\0b\n\0\n", 16)
                               << QByteArray("[Paths]\nA=a\0b\n\0\n", 16);
    // Where the system's encoding is a code page, the mark is what tells UTF-8 apart.
    QTest::newRow("byte-order mark") << QByteArray("\xEF\xBB\xBF[Paths]\nA=1\n")
#ifdef Q_OS_WIN
                                     << QByteArray("\xEF\xBB\xBF[Paths]\nA=1\n");
#else
                                     << QByteArray("[Paths]\nA=1\n");
#endif
    // The second mark is the first line's own character: without it the line would become a
    // header.
    QTest::newRow("two byte-order marks") << QByteArray("\xEF\xBB\xBF\xEF\xBB\xBF[Paths]\nA=1\n")
                                          << QByteArray("\xEF\xBB\xBF\xEF\xBB\xBF[Paths]\nA=1\n");
    QTest::newRow("CR LF") << QByteArray("[Paths]\r\nA=1\r\n") << QByteArray("[Paths]\nA=1\n");
    QTest::newRow("UTF-16 with its mark")
        << QByteArray("\xFF\xFE[\0P\0]\0\r\0\n\0A\0=\0\x31\0\r\0\n\0", 22)
        << QByteArray("[P]\nA=1\n");
    QTest::newRow("CR only") << QByteArray("[Paths]\rA=1\rB=2\r") << QByteArray("[Paths]A=1B=2\n");
    QTest::newRow("no final line end")
        << QByteArray("[Paths]\nA=1") << QByteArray("[Paths]\nA=1\n");
    QTest::newRow("header without bracket")
        << QByteArray("[Paths\nA=1\n[\n") << QByteArray("[Paths\nA=1\n[\n");
    QTest::newRow("thousands of sections of one name")
        << sectionsOfOneName(5000) << sectionsOfOneName(5000);
    QTest::newRow("200,000 lines") << manyLines(large(200000)) << manyLines(large(200000));
    QTest::newRow("10 MB line") << longLine(large(10 * 1024 * 1024))
                                << longLine(large(10 * 1024 * 1024));
}

void BadIniFilesTest::loadsAndSavesWithoutLoss()
{
    QFETCH(QByteArray, content);
    QFETCH(QByteArray, saved);
    saved = TestAppFolder::asSaved(saved);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("file.ini"));
    TestAppFolder::writeFile(path, content);

    IniFile ini(path);
    QCOMPARE(ini.status(), int(IniFile::StatusOk));
    ini.save(dir.filePath(QStringLiteral("saved.ini")));
    QCOMPARE(ini.status(), int(IniFile::StatusOk));
    const QByteArray written = TestAppFolder::readFile(dir.filePath(QStringLiteral("saved.ini")));
    QCOMPARE(written.size(), saved.size());
    QVERIFY(written == saved);
    QCOMPARE(TestAppFolder::readFile(path), content); // loading never changes the file
}

void BadIniFilesTest::byteOrderMarkIsNotPartOfTheFirstLine()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("bom.ini"));
    TestAppFolder::writeFile(path, "\xEF\xBB\xBF[Paths]\nExecutablePath=C:/game.exe\n");
    IniFile ini(path);
    QCOMPARE(ini.value(QStringLiteral("Paths"), QStringLiteral("ExecutablePath"), missing),
             QStringLiteral("C:/game.exe"));
    QCOMPARE(ini.status(), int(IniFile::StatusOk));
}

void BadIniFilesTest::nulBytesStayInTheValue()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("with-nuls.ini"));
    TestAppFolder::writeFile(path, QByteArray("[Paths]\nExecutablePath=a\0b\n", 27));
    IniFile ini(path);
    QCOMPARE(ini.value(QStringLiteral("Paths"), QStringLiteral("ExecutablePath"), missing),
             QString::fromUtf8("a\0b", 3));
}

void BadIniFilesTest::invalidUtf8BecomesReplacementCharacters()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("latin1.ini"));
    TestAppFolder::writeFile(path, "[Paths]\nExecutablePath=C:/V\xE4lheim/game.exe\nNext=ok\n");
    IniFile ini(path);
    // In the system's encoding: a code page where there is one, else UTF-8, where the byte is
    // no letter.
    QCOMPARE(ini.value(QStringLiteral("Paths"), QStringLiteral("ExecutablePath"), missing),
             QString::fromLocal8Bit("C:/V\xE4lheim/game.exe"));
    QCOMPARE(ini.value(QStringLiteral("Paths"), QStringLiteral("Next"), missing),
             QStringLiteral("ok"));
}

void BadIniFilesTest::crOnlyLineEndsMakeOneLine()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("cr.ini"));
    TestAppFolder::writeFile(path, "[Paths]\rExecutablePath=x\r");
    IniFile ini(path);
    QCOMPARE(lineTexts(ini), QStringList{QStringLiteral("[Paths]ExecutablePath=x")});
    QCOMPARE(ini.value(QStringLiteral("Paths"), QStringLiteral("ExecutablePath"), missing),
             missing);
    QCOMPARE(ini.status(), int(IniFile::StatusNoKey));
}

void BadIniFilesTest::headerWithoutBracketNamesNoSection()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("open.ini"));
    TestAppFolder::writeFile(path, "[Paths\nExecutablePath=x\n");
    IniFile ini(path);
    QCOMPARE(ini.value(QStringLiteral("Paths"), QStringLiteral("ExecutablePath"), missing),
             missing);
    QCOMPARE(ini.status(), int(IniFile::StatusNoSection));
    ini.setValue(QStringLiteral("Paths"), QStringLiteral("ExecutablePath"), QStringLiteral("y"));
    QCOMPARE(lineTexts(ini),
             (QStringList{QStringLiteral("[Paths"), QStringLiteral("ExecutablePath=x"),
                          QStringLiteral("[Paths]"), QStringLiteral("ExecutablePath=y")}));
}

void BadIniFilesTest::onlyTheFirstOfThousandsOfSectionsCounts()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("sections.ini"));
    TestAppFolder::writeFile(path, sectionsOfOneName(5000) + "[Paths]\nLast=here\n");
    IniFile ini(path);
    QCOMPARE(ini.value(QStringLiteral("Paths"), QStringLiteral("ExecutablePath"), missing),
             QStringLiteral("0"));
    QCOMPARE(ini.value(QStringLiteral("Paths"), QStringLiteral("Last"), missing), missing);
    QCOMPARE(ini.status(), int(IniFile::StatusNoKey));

    ini.setValue(QStringLiteral("Paths"), QStringLiteral("ExecutablePath"), QStringLiteral("new"));
    ini.setValue(QStringLiteral("Paths"), QStringLiteral("Added"), QStringLiteral("1"));
    ini.save(path);
    QByteArray expected = "[Paths]\nExecutablePath=new\nAdded=1\n";
    expected += sectionsOfOneName(5000).mid(QByteArray("[Paths]\nExecutablePath=0\n").size());
    expected += "[Paths]\nLast=here\n";
    QVERIFY(TestAppFolder::readFile(path) == TestAppFolder::asSaved(expected));
}

void BadIniFilesTest::twoHundredThousandLinesLookUpAndEditQuickly()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("big.ini"));
    TestAppFolder::writeFile(path, manyLines(large(200000)));
    IniFile ini(path);
    QCOMPARE(ini.allLines().size(), large(200000));
    // Every key once: a store that scanned from the top for each would take minutes.
    for (int i = 1; i < large(200000); i += 1) {
        if (ini.value(QStringLiteral("Paths"), QStringLiteral("Key%1").arg(i), missing) !=
            QStringLiteral("value %1").arg(i))
            QFAIL(qPrintable(QStringLiteral("Key%1 not found").arg(i)));
    }
    ini.setValue(QStringLiteral("Paths"), QStringLiteral("Key%1").arg(large(200000) - 1),
                 QStringLiteral("changed"));
    ini.setValue(QStringLiteral("Paths"), QStringLiteral("New"), QStringLiteral("added"));
    ini.save(path);
    IniFile reloaded(path);
    QCOMPARE(reloaded.allLines().size(), large(200000) + 1);
    QCOMPARE(reloaded.value(QStringLiteral("Paths"), QStringLiteral("Key%1").arg(large(200000) - 1),
                            missing),
             QStringLiteral("changed"));
    QCOMPARE(reloaded.value(QStringLiteral("Paths"), QStringLiteral("Key1"), missing),
             QStringLiteral("value 1"));
    QCOMPARE(reloaded.allLines().last().text, QStringLiteral("New=added"));
}

void BadIniFilesTest::tenMegabyteLineReadsWhole()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("long.ini"));
    TestAppFolder::writeFile(path, longLine(large(10 * 1024 * 1024)));
    IniFile ini(path);
    const QString value =
        ini.value(QStringLiteral("Paths"), QStringLiteral("ExecutablePath"), missing);
    QCOMPARE(value.size(), large(10 * 1024 * 1024));
    QVERIFY(value == QString(large(10 * 1024 * 1024), QLatin1Char('x')));
}

// Whatever the bytes, a saved store reloads to the same lines and saves to the same bytes.
void BadIniFilesTest::binaryGarbageLoadsAndSavesStably()
{
    QTemporaryDir dir;
    for (int round = 0; round < 20; ++round) {
        const QString path = dir.filePath(QStringLiteral("garbage.ini"));
        QByteArray bytes = garbage(4096 + round * 997);
        bytes.replace(0, 4, QByteArray::number(round).rightJustified(4, '['));
        TestAppFolder::writeFile(path, bytes);
        IniFile ini(path);
        QCOMPARE(ini.status(), int(IniFile::StatusOk));
        ini.value(QStringLiteral("Paths"), QStringLiteral("ExecutablePath"), missing);
        ini.save(dir.filePath(QStringLiteral("once.ini")));
        IniFile reloaded(dir.filePath(QStringLiteral("once.ini")));
        QCOMPARE(lineTexts(reloaded), lineTexts(ini));
        reloaded.save(dir.filePath(QStringLiteral("twice.ini")));
        QVERIFY(TestAppFolder::readFile(dir.filePath(QStringLiteral("once.ini"))) ==
                TestAppFolder::readFile(dir.filePath(QStringLiteral("twice.ini"))));
    }
}

// options.ini with valid locations among bad lines: the tool starts without a word, finds
// the locations and writes every other line back.
void BadIniFilesTest::startUpReadsOptionsIniAmidBadLines_data()
{
    QTest::addColumn<QByteArray>("before");
    QTest::addColumn<QByteArray>("after");
    QTest::addColumn<QByteArray>("savedBefore");
    QTest::addColumn<QByteArray>("savedAfter");
    QTest::newRow("NUL bytes") << QByteArray("\0\0\n", 3) << QByteArray("x=\0\n", 4)
                               << QByteArray("\0\0\n", 3) << QByteArray("x=\0\n", 4);
#ifdef Q_OS_WIN
    // Where the system's encoding is a code page, a file that is no UTF-8 is in that code page
    // and stays in it, and a UTF-8 file keeps the mark that tells it apart.
    QTest::newRow("byte-order mark")
        << QByteArray("\xEF\xBB\xBF") << QByteArray() << QByteArray("\xEF\xBB\xBF") << QByteArray();
    QTest::newRow("invalid UTF-8")
        << QByteArray("; caf\xE9\n") << QByteArray() << QByteArray("; caf\xE9\n") << QByteArray();
#else
    QTest::newRow("byte-order mark")
        << QByteArray("\xEF\xBB\xBF") << QByteArray() << QByteArray() << QByteArray();
    QTest::newRow("invalid UTF-8") << QByteArray("; caf\xE9\n") << QByteArray()
                                   << QByteArray("; caf\xEF\xBF\xBD\n") << QByteArray();
#endif
    QTest::newRow("header without bracket")
        << QByteArray("[Paths\nExecutablePath=elsewhere\n") << QByteArray("[Other\n")
        << QByteArray("[Paths\nExecutablePath=elsewhere\n") << QByteArray("[Other\n");
    QTest::newRow("thousands of sections of one name")
        << QByteArray() << sectionsOfOneName(3000) << QByteArray() << sectionsOfOneName(3000);
    QTest::newRow("200,000 lines") << QByteArray() << manyLines(large(200000)).mid(8)
                                   << QByteArray() << manyLines(large(200000)).mid(8);
    QTest::newRow("10 MB line")
        << QByteArray("; " + QByteArray(large(10 * 1024 * 1024), 'c') + "\n") << QByteArray()
        << QByteArray("; " + QByteArray(large(10 * 1024 * 1024), 'c') + "\n") << QByteArray();
}

void BadIniFilesTest::startUpReadsOptionsIniAmidBadLines()
{
    QFETCH(QByteArray, before);
    QFETCH(QByteArray, after);
    QFETCH(QByteArray, savedBefore);
    QFETCH(QByteArray, savedAfter);
    PlatformProbe probe;
    TestAppFolder folder;
    folder.createReadyTool({QStringLiteral("a.zip")});
    TestAppFolder::writeFile(folder.optionsIniPath(), before + optionsFor(folder) + after);

    MainWindow window;
    QVERIFY(window.startupCompleted());
    QCOMPARE(probe.messages.size(), 0);
    QCOMPARE(appState().exePath, folder.exePath());
    QCOMPARE(appState().configFilePath, folder.configPath());
    const QByteArray expected =
        TestAppFolder::asSaved(savedBefore + optionsFor(folder) + savedAfter);
    const QByteArray written = TestAppFolder::readFile(folder.optionsIniPath());
    QCOMPARE(written.size(), expected.size());
    QVERIFY(written == expected);
}

// Without usable locations in options.ini the tool asks for them and writes them so that the
// next start finds them; the lines it could not use stay.
void BadIniFilesTest::startUpAsksForLocationsWhenOptionsIniHoldsNone_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<QByteArray>("kept");
    QTest::newRow("empty") << QByteArray() << QByteArray();
    QTest::newRow("binary garbage") << garbage(3000).replace('[', '_') << QByteArray();
    QTest::newRow("CR only") << QByteArray("[Paths]\rExecutablePath=x\r")
                             << QByteArray("[Paths]ExecutablePath=x\n");
}

void BadIniFilesTest::startUpAsksForLocationsWhenOptionsIniHoldsNone()
{
    QFETCH(QByteArray, content);
    QFETCH(QByteArray, kept);
    PlatformProbe probe;
    TestAppFolder folder;
    folder.createReadyTool({QStringLiteral("a.zip")});
    TestAppFolder::writeFile(folder.optionsIniPath(), content);

    DialogDriver dialogs;
    dialogs.answerLocations(folder.exePath(), folder.modFolder(), folder.configPath());
    MainWindow window;
    QVERIFY(window.startupCompleted());
    QCOMPARE(probe.messages.size(), 1);
    QCOMPARE(probe.messages.first().text, QStringLiteral("Varnhold could not be located."));

    IniFile written(folder.optionsIniPath());
    QCOMPARE(written.value(QStringLiteral("Paths"), QStringLiteral("ExecutablePath"), missing),
             folder.exePath());
    QCOMPARE(written.value(QStringLiteral("Paths"), QStringLiteral("ModFolderPath"), missing),
             folder.modFolder());
    QCOMPARE(written.value(QStringLiteral("Paths"), QStringLiteral("ConfigFilePath"), missing),
             folder.configPath());
    if (!kept.isEmpty())
        QVERIFY(TestAppFolder::readFile(folder.optionsIniPath())
                    .startsWith(TestAppFolder::asSaved(kept)));
    const int garbageLines = content.count('\n');
    QVERIFY(written.allLines().size() >= garbageLines);
}

QTEST_MAIN(BadIniFilesTest)
#include "tst_badinifiles.moc"
