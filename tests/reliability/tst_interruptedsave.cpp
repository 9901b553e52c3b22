// A save cut off by the process being killed: a helper saves options.ini, a set file or the
// game configuration over and over through the tool's own code, and is killed with SIGKILL at
// random moments. Whatever the moment, the file holds one complete content, old or new.

#include "ReliabilitySupport.h"
#include "SaveVariants.h"
#include "TestAppFolder.h"

#include "app/state/AppState.h"
#include "ini/IniFile.h"
#include "platform/ApplicationFolder.h"
#include "setfiles/SetFileFormat.h"

#include <QDir>
#include <QProcess>
#include <QRandomGenerator>
#include <QSet>
#include <QtTest>

using namespace reliability;
using savevariants::Kind;

namespace {
constexpr int rounds = 40;

QString fileNameFor(Kind kind)
{
    switch (kind) {
    case Kind::OptionsIni:
        return QStringLiteral("options.ini");
    case Kind::SetFile:
        return QStringLiteral("Set Files/mine.set");
    case Kind::Config:
        break;
    }
    return QStringLiteral("config");
}

// The bytes a complete save of the variant leaves, found by saving in a folder of its own.
QByteArray savedContent(Kind kind, int variant)
{
    QTemporaryDir scratch;
    const QString path = scratch.filePath(fileNameFor(kind));
    TestAppFolder::writeFile(path, savevariants::initialContent(kind));
    if (!savevariants::save(kind, path, variant))
        qFatal("cannot save a reference file");
    platform::setApplicationDirPathOverride(QString());
    return TestAppFolder::readFile(path);
}

QString describe(const QByteArray &content, const QList<QByteArray> &complete)
{
    const int index = int(complete.indexOf(content));
    if (index >= 0)
        return index == 0 ? QStringLiteral("old") : QStringLiteral("new %1").arg(index);
    return QStringLiteral("broken (%1 bytes)").arg(content.size());
}
} // namespace

class InterruptedSaveTest : public QObject {
    Q_OBJECT

private slots:
    void killedSaveLeavesACompleteFile_data();
    void killedSaveLeavesACompleteFile();
};

void InterruptedSaveTest::killedSaveLeavesACompleteFile_data()
{
    QTest::addColumn<int>("kind");
    QTest::newRow("options.ini") << int(Kind::OptionsIni);
    QTest::newRow("set file") << int(Kind::SetFile);
    QTest::newRow("game configuration") << int(Kind::Config);
}

void InterruptedSaveTest::killedSaveLeavesACompleteFile()
{
    QFETCH(int, kind);
    const Kind fileKind = Kind(kind);
    const QList<QByteArray> complete{savevariants::initialContent(fileKind),
                                     savedContent(fileKind, 0), savedContent(fileKind, 1)};
    QVERIFY(complete.at(1) != complete.at(2));
    QTemporaryDir dir;
    const QString path = dir.filePath(fileNameFor(fileKind));
    TestAppFolder::writeFile(path, complete.first());

    QMap<QString, int> seen;
    QRandomGenerator random(20260107u + quint32(kind));
    for (int round = 0; round < rounds; ++round) {
        QProcess saver;
        saver.setProgram(QStringLiteral(VMM_RELIABILITY_SAVER));
        saver.setArguments({savevariants::nameOf(fileKind), path});
        saver.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        saver.start();
        QVERIFY(saver.waitForStarted());
        // Spread the kills over start-up and many saves.
        QTest::qSleep(int(random.bounded(250)));
        saver.kill();
        QVERIFY(saver.waitForFinished());
        QVERIFY2(saver.exitStatus() == QProcess::CrashExit, "the helper ended by itself");

        const QByteArray content = TestAppFolder::readFile(path);
        const QString state = describe(content, complete);
        QVERIFY2(!state.startsWith(QLatin1String("broken")),
                 qPrintable(QStringLiteral("round %1: %2").arg(round).arg(state)));
        ++seen[state];
    }
    qInfo() << "after" << rounds << "kills the file held:" << seen;

    // Left-over temporary files of killed saves are never taken for the file itself.
    if (fileKind == Kind::SetFile) {
        platform::setApplicationDirPathOverride(dir.path());
        QCOMPARE(listedSetFiles(), QStringList{QStringLiteral("mine.set")});
        QVERIFY(readSetFile(path).ok());
        platform::setApplicationDirPathOverride(QString());
    }
    if (fileKind == Kind::OptionsIni) {
        IniFile ini(path);
        QCOMPARE(ini.value(QStringLiteral("After"), QStringLiteral("Key"), QStringLiteral("ERROR")),
                 QStringLiteral("value"));
    }
}

QTEST_MAIN(InterruptedSaveTest)
#include "tst_interruptedsave.moc"
