#include "TestAppFolder.h"

#include "ini/IniFile.h"
#include "platform/TextEncoding.h"

#include <QBuffer>
#include <QDir>
#include <QTemporaryDir>
#include <QtTest>

namespace {
const QString ERR = QStringLiteral("ERROR");

QString writeTemp(const QTemporaryDir &dir, const QByteArray &content)
{
    const QString path = dir.filePath(QStringLiteral("test.ini"));
    TestAppFolder::writeFile(path, content);
    return path;
}

// A store of two sections, each with one entry.
IniFile twoSectionStore()
{
    IniFile ini;
    ini.setValue(QStringLiteral("Paths"), QStringLiteral("ExecutablePath"), QStringLiteral("a"));
    ini.setValue(QStringLiteral("Other"), QStringLiteral("X"), QStringLiteral("1"));
    return ini;
}

QStringList texts(const IniFile &ini)
{
    QStringList result;
    for (const IniLine &line : ini.allLines())
        result << line.text;
    return result;
}

QByteArray saved(IniFile &ini, const QTemporaryDir &dir)
{
    const QString path = dir.filePath(QStringLiteral("saved.ini"));
    ini.save(path);
    return TestAppFolder::readFile(path);
}

// The line end a save puts on disk.
QByteArray nl()
{
#ifdef Q_OS_WIN
    return QByteArray("\r\n");
#else
    return QByteArray("\n");
#endif
}
} // namespace

class IniFileTest : public QObject {
    Q_OBJECT

private slots:
    void detectsTheEncodingAFileIsIn_data();
    void detectsTheEncodingAFileIsIn();
    void loadsAndClassifiesLines();
    void classifiesByFirstCharacter_data();
    void classifiesByFirstCharacter();
    void looksUpValues_data();
    void looksUpValues();
    void reportsMissingFileThenMissingSection();
    void emptyFileHasNoLines();
    void folderAtPathCannotBeOpened();
    void readErrorAfterOpeningLeavesStoreEmpty();
    void lastLineWithoutTerminatorAndCrLf();

    void setValueEditsInPlace_data();
    void setValueEditsInPlace();
    void setValueOnEmptyStoreAppendsSection();
    void setValueAfterHeaderAtEnd();
    void setValueKeepsUnsimplifiedTextUntilReload();
    void setValueOnlyTouchesFirstSectionAndEntry();

    void savesExactBytes();
    void savesEmptyStoreAsZeroBytes();
    void roundTripKeepsEveryLine();
    void failedSaveKeepsOldFile_data();
    void failedSaveKeepsOldFile();
    void saveToMissingFolderCreatesNothing();
};

void IniFileTest::loadsAndClassifiesLines()
{
    QTemporaryDir dir;
    IniFile ini(writeTemp(dir, "   [Paths]\nExecutablePath=C:/Games/run.exe\n \t  \n"));
    QCOMPARE(ini.status(), 0);
    QCOMPARE(texts(ini), QStringList({"[Paths]", "ExecutablePath=C:/Games/run.exe", ""}));
    const QVector<IniLine> &lines = ini.allLines();
    QCOMPARE(lines.at(0).kind, int(IniLine::LineSection));
    QCOMPARE(lines.at(1).kind, int(IniLine::LineEntry));
    QCOMPARE(lines.at(2).kind, int(IniLine::LineBlank));
}

void IniFileTest::classifiesByFirstCharacter_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<int>("kind");
    QTest::addColumn<QString>("text");
    QTest::newRow("semicolon comment") << QByteArray("  ; note\n") << 0 << "; note";
    QTest::newRow("hash comment") << QByteArray("#x=1\n") << 0 << "#x=1";
    QTest::newRow("header without bracket") << QByteArray("[Paths\n") << 1 << "[Paths";
    QTest::newRow("entry without equals") << QByteArray("just words\n") << 2 << "just words";
    QTest::newRow("inner whitespace runs") << QByteArray("a \t b  =  c\n") << 2 << "a b = c";
    QTest::newRow("tab before key") << QByteArray("\tKey=v\n") << 2 << "Key=v";
    QTest::newRow("whitespace only") << QByteArray("\t \t\n") << 3 << "";
    // Not at its end, so one line is read, although it holds no text.
    QTest::newRow("carriage return only") << QByteArray("\r") << 3 << "";
#ifdef Q_OS_WIN
    // A code page of one byte per character has no partial characters; a UTF-8 file does.
    QTest::newRow("start of a character only") << QByteArray("\xef\xbb\xbf\xc3") << 3 << "";
#else
    QTest::newRow("start of a character only") << QByteArray("\xc3") << 3 << "";
#endif
}

void IniFileTest::classifiesByFirstCharacter()
{
    QFETCH(QByteArray, content);
    QFETCH(int, kind);
    QFETCH(QString, text);
    QTemporaryDir dir;
    IniFile ini(writeTemp(dir, content));
    QCOMPARE(ini.allLines().size(), 1);
    QCOMPARE(ini.allLines().at(0).kind, kind);
    QCOMPARE(ini.allLines().at(0).text, text);
}

void IniFileTest::looksUpValues_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<QString>("section");
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("expected");
    QTest::addColumn<int>("status");

    const QByteArray paths = "   [Paths]\nExecutablePath=C:/Games/run.exe\n \t \n";
    QTest::newRow("found") << paths << "Paths"
                           << "ExecutablePath"
                           << "C:/Games/run.exe" << 0;
    QTest::newRow("key in other case") << paths << "Paths"
                                       << "executablepath" << ERR << 5;
    QTest::newRow("section in other case") << paths << "paths"
                                           << "ExecutablePath" << ERR << 4;
    QTest::newRow("blanks around equals") << QByteArray("[S]\nKey = v\n") << "S"
                                          << "Key" << ERR << 5;
    QTest::newRow("two blanks become one") << QByteArray("[S]\nK=two  words\n") << "S"
                                           << "K"
                                           << "two words" << 0;
    QTest::newRow("blank after equals kept") << QByteArray("[S]\nK= v\n") << "S"
                                             << "K"
                                             << " v" << 0;
    QTest::newRow("empty value") << QByteArray("[S]\nK=\n") << "S"
                                 << "K"
                                 << "" << 0;
    QTest::newRow("further equals") << QByteArray("[S]\nK=a=b=c\n") << "S"
                                    << "K"
                                    << "a=b=c" << 0;
    QTest::newRow("header with trailing comment") << QByteArray("[S] ; main\nK=v\n") << "S"
                                                  << "K"
                                                  << "v" << 0;
    QTest::newRow("blanks inside brackets") << QByteArray("[ S ]\nK=v\n") << "S"
                                            << "K" << ERR << 4;
    QTest::newRow("key only in second same-named section")
        << QByteArray("[S]\nA=1\n[S]\nK=v\n") << "S"
        << "K" << ERR << 5;
    QTest::newRow("first of two entries wins") << QByteArray("[S]\nK=first\nK=second\n") << "S"
                                               << "K"
                                               << "first" << 0;
    QTest::newRow("commented entry") << QByteArray("[S]\n;K=v\n#K=w\n") << "S"
                                     << "K" << ERR << 5;
    QTest::newRow("entry above first header") << QByteArray("K=v\n[S]\nA=1\n") << "S"
                                              << "K" << ERR << 5;
    QTest::newRow("section ends at next header") << QByteArray("[S]\nA=1\n[T]\nK=v\n") << "S"
                                                 << "K" << ERR << 5;
    QTest::newRow("section runs to end without key") << QByteArray("[S]\nA=1\n") << "S"
                                                     << "K" << ERR << 5;
    QTest::newRow("key is prefix of longer key") << QByteArray("[S]\nKey2=v\n") << "S"
                                                 << "Key" << ERR << 5;
    QTest::newRow("section name is prefix") << QByteArray("[Sx]\nK=v\n") << "S"
                                            << "K" << ERR << 4;
    QTest::newRow("comments and blanks skipped") << QByteArray("[S]\n; c\n\nOther=1\nK=v\n") << "S"
                                                 << "K"
                                                 << "v" << 0;
}

void IniFileTest::looksUpValues()
{
    QFETCH(QByteArray, content);
    QFETCH(QString, section);
    QFETCH(QString, key);
    QFETCH(QString, expected);
    QFETCH(int, status);
    QTemporaryDir dir;
    IniFile ini(writeTemp(dir, content));
    QCOMPARE(ini.value(section, key, ERR), expected);
    QCOMPARE(ini.status(), status);
}

void IniFileTest::reportsMissingFileThenMissingSection()
{
    QTemporaryDir dir;
    IniFile ini(dir.filePath(QStringLiteral("absent.ini")));
    QCOMPARE(ini.status(), 3);
    QVERIFY(ini.allLines().isEmpty());
    QVERIFY(!ini.errorText().isEmpty());
    QCOMPARE(ini.value(QStringLiteral("Paths"), QStringLiteral("K"), ERR), ERR);
    QCOMPARE(ini.status(), 4);
}

void IniFileTest::emptyFileHasNoLines()
{
    QTemporaryDir dir;
    IniFile ini(writeTemp(dir, QByteArray()));
    QCOMPARE(ini.status(), 0);
    QVERIFY(ini.allLines().isEmpty());
    QCOMPARE(ini.value(QStringLiteral("S"), QStringLiteral("K"), ERR), ERR);
    QCOMPARE(ini.status(), 4);
}

void IniFileTest::folderAtPathCannotBeOpened()
{
    QTemporaryDir dir;
    IniFile ini(dir.path());
    QCOMPARE(ini.status(), 1);
    QVERIFY(ini.allLines().isEmpty());
}

void IniFileTest::readErrorAfterOpeningLeavesStoreEmpty()
{
    // Opens fine, then fails on the first read.
    IniFile ini(QStringLiteral("/proc/self/mem"));
    QCOMPARE(ini.status(), 1);
    QVERIFY(ini.allLines().isEmpty());
    QVERIFY(!ini.errorText().isEmpty());
}

void IniFileTest::lastLineWithoutTerminatorAndCrLf()
{
    QTemporaryDir dir;
    IniFile ini(writeTemp(dir, "[S]\r\nA=1\r\n\r\nB=2"));
    QCOMPARE(texts(ini), QStringList({"[S]", "A=1", "", "B=2"}));
    QCOMPARE(ini.value(QStringLiteral("S"), QStringLiteral("A"), ERR), QStringLiteral("1"));
    QCOMPARE(ini.value(QStringLiteral("S"), QStringLiteral("B"), ERR), QStringLiteral("2"));
}

void IniFileTest::setValueEditsInPlace_data()
{
    QTest::addColumn<QString>("section");
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("value");
    QTest::addColumn<QStringList>("expected");
    QTest::addColumn<int>("status");
    QTest::newRow("new key goes before next header")
        << "Paths"
        << "ModFolderPath"
        << "b" << QStringList{"[Paths]",         "ExecutablePath=a", "",   "; note",
                              "ModFolderPath=b", "[Other]",          "X=1"}
        << 0;
    QTest::newRow("existing key replaced")
        << "Paths"
        << "ExecutablePath"
        << "c" << QStringList{"[Paths]", "ExecutablePath=c", "", "; note", "[Other]", "X=1"} << 0;
    QTest::newRow("new section appended")
        << "New"
        << "K"
        << "v"
        << QStringList{"[Paths]", "ExecutablePath=a", "", "; note", "[Other]", "X=1", "[New]",
                       "K=v"}
        << 4;
}

void IniFileTest::setValueEditsInPlace()
{
    QFETCH(QString, section);
    QFETCH(QString, key);
    QFETCH(QString, value);
    QFETCH(QStringList, expected);
    QFETCH(int, status);
    QTemporaryDir dir;
    IniFile ini(writeTemp(dir, "[Paths]\nExecutablePath=a\n\n; note\n[Other]\nX=1\n"));
    ini.setValue(section, key, value);
    QCOMPARE(ini.status(), status);
    QCOMPARE(texts(ini), expected);
    QCOMPARE(ini.value(section, key, ERR), value);
}

void IniFileTest::setValueOnEmptyStoreAppendsSection()
{
    IniFile ini;
    ini.setValue(QStringLiteral("S"), QStringLiteral("A"), QStringLiteral("1"));
    QCOMPARE(ini.status(), 4);
    QCOMPARE(texts(ini), QStringList({"[S]", "A=1"}));
    QCOMPARE(ini.allLines().at(0).kind, int(IniLine::LineSection));
    QCOMPARE(ini.allLines().at(1).kind, int(IniLine::LineEntry));

    IniFile two = twoSectionStore();
    two.setValue(QStringLiteral("New"), QStringLiteral("K"), QStringLiteral("v"));
    QCOMPARE(two.status(), 4);
    two.setValue(QStringLiteral("New"), QStringLiteral("L"), QStringLiteral("w"));
    QCOMPARE(two.status(), 0);
    QCOMPARE(texts(two),
             QStringList({"[Paths]", "ExecutablePath=a", "[Other]", "X=1", "[New]", "K=v", "L=w"}));
}

void IniFileTest::setValueAfterHeaderAtEnd()
{
    QTemporaryDir dir;
    IniFile ini(writeTemp(dir, "[A]\nX=1\n[B]\n"));
    ini.setValue(QStringLiteral("B"), QStringLiteral("K"), QStringLiteral("v"));
    QCOMPARE(ini.status(), 0);
    QCOMPARE(texts(ini), QStringList({"[A]", "X=1", "[B]", "K=v"}));
}

void IniFileTest::setValueKeepsUnsimplifiedTextUntilReload()
{
    QTemporaryDir dir;
    IniFile ini;
    ini.setValue(QStringLiteral("S"), QStringLiteral("K"), QStringLiteral("two  words "));
    QCOMPARE(ini.value(QStringLiteral("S"), QStringLiteral("K"), ERR),
             QStringLiteral("two  words "));
    const QString path = dir.filePath(QStringLiteral("s.ini"));
    ini.save(path);
    IniFile reloaded(path);
    QCOMPARE(reloaded.value(QStringLiteral("S"), QStringLiteral("K"), ERR),
             QStringLiteral("two words"));
}

void IniFileTest::setValueOnlyTouchesFirstSectionAndEntry()
{
    QTemporaryDir dir;
    IniFile ini(writeTemp(dir, "[S]\nKey = old\nK=1 ; c\nK=2\n[T]\n[S]\nK=3\n"));
    ini.setValue(QStringLiteral("S"), QStringLiteral("Key"), QStringLiteral("new"));
    ini.setValue(QStringLiteral("S"), QStringLiteral("K"), QStringLiteral("9"));
    QCOMPARE(texts(ini),
             QStringList({"[S]", "Key = old", "K=9", "K=2", "Key=new", "[T]", "[S]", "K=3"}));
    QCOMPARE(ini.value(QStringLiteral("S"), QStringLiteral("Key"), ERR), QStringLiteral("new"));
}

void IniFileTest::savesExactBytes()
{
    QTemporaryDir dir;
    IniFile ini;
    ini.setValue(QStringLiteral("S"), QStringLiteral("A"), QStringLiteral("1"));
    const QByteArray bytes = saved(ini, dir);
    QCOMPARE(ini.status(), 0);
#ifdef Q_OS_WIN
    QCOMPARE(bytes, QByteArray("[S]\r\nA=1\r\n"));
#else
    QCOMPARE(bytes, QByteArray("[S]\nA=1\n"));
#endif
}

void IniFileTest::savesEmptyStoreAsZeroBytes()
{
    QTemporaryDir dir;
    const QString path = writeTemp(dir, "old content\n");
    IniFile ini;
    ini.save(path);
    QCOMPARE(ini.status(), 0);
    QVERIFY(QFile::exists(path));
    QCOMPARE(TestAppFolder::readFile(path), QByteArray());
}

void IniFileTest::roundTripKeepsEveryLine()
{
    QTemporaryDir dir;
    const QByteArray original = "top=level\n; comment\n\n[S]  trailing\n  A  =  1\nno equals "
                                "here\n[S]\nB=2\n# hash\n[T\r\nC=3";
    IniFile ini(writeTemp(dir, original));
    ini.setValue(QStringLiteral("S"), QStringLiteral("New"), QStringLiteral("x"));
    QCOMPARE(saved(ini, dir), QByteArray("top=level\n; comment\n\n[S] trailing\nA = 1\nno equals "
                                         "here\nNew=x\n[S]\nB=2\n# hash\n[T\nC=3\n")
                                  .replace("\n", nl()));
}

void IniFileTest::failedSaveKeepsOldFile_data()
{
    QTest::addColumn<QString>("kind");
    QTest::newRow("folder at target path") << "folder";
    QTest::newRow("path below a regular file") << "below-file";
}

void IniFileTest::failedSaveKeepsOldFile()
{
    QFETCH(QString, kind);
    QTemporaryDir dir;
    const QString regular = writeTemp(dir, "[Keep]\nA=1\n");
    QString target;
    if (kind == QLatin1String("folder")) {
        target = dir.filePath(QStringLiteral("folder.ini"));
        QDir().mkpath(target + QStringLiteral("/inner"));
    } else {
        target = regular + QStringLiteral("/child.ini");
    }
    IniFile ini;
    ini.setValue(QStringLiteral("S"), QStringLiteral("K"), QStringLiteral("v"));
    ini.save(target);
    QCOMPARE(ini.status(), 2);
    QVERIFY(!ini.errorText().isEmpty());
    QCOMPARE(TestAppFolder::readFile(regular), QByteArray("[Keep]\nA=1\n"));
    if (kind == QLatin1String("folder"))
        QVERIFY(QFileInfo(target + QStringLiteral("/inner")).isDir());
    QCOMPARE(
        QDir(dir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden).size(),
        kind == QLatin1String("folder") ? 2 : 1);
}

void IniFileTest::saveToMissingFolderCreatesNothing()
{
    QTemporaryDir dir;
    IniFile ini;
    ini.setValue(QStringLiteral("S"), QStringLiteral("K"), QStringLiteral("v"));
    ini.save(dir.filePath(QStringLiteral("missing/options.ini")));
    QCOMPARE(ini.status(), 2);
    QVERIFY(!QFileInfo::exists(dir.filePath(QStringLiteral("missing"))));
}

// Only well-formed UTF-8 counts as UTF-8; anything else was written in a code page and
// must be read in it.
void IniFileTest::detectsTheEncodingAFileIsIn_data()
{
    using platform::TextEncoding;
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<TextEncoding>("encoding");
    QTest::newRow("empty") << QByteArray() << TextEncoding::Undetermined;
    QTest::newRow("ASCII") << QByteArray("[Paths]\nA=1\n") << TextEncoding::Undetermined;
    QTest::newRow("byte-order mark") << QByteArray("\xEF\xBB\xBF[P]") << TextEncoding::Utf8WithBom;
    QTest::newRow("two-, three- and four-byte letters")
        << QByteArray("\xC3\xA9 \xE6\x97\xA5 \xF0\x9F\x8E\xAE") << TextEncoding::Utf8;
    QTest::newRow("Latin-1 letter") << QByteArray("caf\xE9\n") << TextEncoding::CodePage;
    QTest::newRow("stray continuation byte") << QByteArray("a\x80") << TextEncoding::CodePage;
    QTest::newRow("overlong slash") << QByteArray("\xC0\xAF") << TextEncoding::CodePage;
    QTest::newRow("overlong three bytes") << QByteArray("\xE0\x80\xAF") << TextEncoding::CodePage;
    QTest::newRow("surrogate") << QByteArray("\xED\xA0\x80") << TextEncoding::CodePage;
    QTest::newRow("beyond U+10FFFF") << QByteArray("\xF4\x90\x80\x80") << TextEncoding::CodePage;
    QTest::newRow("cut off at the end") << QByteArray("ok \xE6\x97") << TextEncoding::CodePage;
}

void IniFileTest::detectsTheEncodingAFileIsIn()
{
    QFETCH(QByteArray, bytes);
    QFETCH(platform::TextEncoding, encoding);
    QBuffer buffer(&bytes);
    QVERIFY(buffer.open(QIODevice::ReadOnly));
    QCOMPARE(platform::detectTextEncoding(buffer), encoding);
    QCOMPARE(buffer.pos(), 0); // rewound for the reader
}

QTEST_GUILESS_MAIN(IniFileTest)
#include "tst_inifile.moc"
