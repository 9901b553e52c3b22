#include "EndToEndTest.h"

#include <QDirIterator>
#include <QFileInfo>
#include <QProcess>
#include <QtEndian>
#include <QtTest>

// `cmake --install` must give a folder that can be copied anywhere and run from there: the
// executable at its top (the tool keeps options.ini and "Set Files" beside itself), the
// desktop entry and icons for Linux desktops, the stand-in game only when asked for.
class InstallEndToEnd : public EndToEndTest {
    Q_OBJECT

private slots:
    void installedFolderHoldsExactlyTheToolAndItsDesktopFiles();
    void desktopEntryIsValidAndStartsTheToolWithItsIcon();
    void iconsHaveTheSizeOfTheirFolder_data();
    void iconsHaveTheSizeOfTheirFolder();
    void installedToolStartsAndRunsTheGame();

private:
    void initTestCaseWithDisplay() override;
    QString installed(const QString &relativePath) const
    {
        return folder.appDir() + QLatin1Char('/') + relativePath;
    }

    TestAppFolder folder{gameFolderName()};
    QStringList installedFiles;
};

namespace {
const int iconSizes[] = {32, 64, 128, 256};

QString iconPath(int size)
{
    return QStringLiteral("share/icons/hicolor/%1x%1/apps/varnhold-mod-manager.png").arg(size);
}

QStringList filesBelow(const QString &folder)
{
    QStringList files;
    QDirIterator it(folder, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
    while (it.hasNext())
        files.append(QDir(folder).relativeFilePath(it.next()));
    files.sort();
    return files;
}

// Width and height from the PNG header: the signature, then the IHDR chunk's length and type,
// then two big-endian 32-bit numbers.
QSize pngSize(const QByteArray &png)
{
    if (png.size() < 24 || !png.startsWith("\x89PNG\r\n\x1a\n") || png.mid(12, 4) != "IHDR")
        return QSize();
    return QSize(int(qFromBigEndian<quint32>(png.constData() + 16)),
                 int(qFromBigEndian<quint32>(png.constData() + 20)));
}
} // namespace

void InstallEndToEnd::initTestCaseWithDisplay()
{
    QProcess install;
    install.setProcessChannelMode(QProcess::MergedChannels);
    install.start(QStringLiteral(VMM_CMAKE_COMMAND),
                  {QStringLiteral("--install"), QStringLiteral(VMM_BUILD_DIR),
                   QStringLiteral("--prefix"), folder.appDir()});
    QVERIFY2(install.waitForFinished(120000), "cmake --install did not finish");
    const QByteArray output = install.readAll();
    QVERIFY2(install.exitStatus() == QProcess::NormalExit && install.exitCode() == 0,
             output.constData());
    installedFiles = filesBelow(folder.appDir());
}

void InstallEndToEnd::installedFolderHoldsExactlyTheToolAndItsDesktopFiles()
{
    const QString tool = QFileInfo(QStringLiteral(VMM_TOOL_EXECUTABLE)).fileName();
    QStringList expected{tool, QStringLiteral("share/applications/varnhold-mod-manager.desktop")};
    for (const int size : iconSizes)
        expected.append(iconPath(size));
    if (VMM_INSTALLS_STANDIN_GAME)
        expected.append(QStringLiteral("game/") +
                        QFileInfo(QStringLiteral(VMM_STANDIN_GAME)).fileName());
    expected.sort();
    QCOMPARE(installedFiles, expected);
    QVERIFY(QFileInfo(installed(tool)).isExecutable());
}

void InstallEndToEnd::desktopEntryIsValidAndStartsTheToolWithItsIcon()
{
    const QString entry = installed("share/applications/varnhold-mod-manager.desktop");
    // The validator prints its warnings but still exits with 0; both must stay silent.
    QProcess validate;
    validate.setProcessChannelMode(QProcess::MergedChannels);
    validate.start(QStringLiteral(VMM_DESKTOP_FILE_VALIDATE), {entry});
    QVERIFY2(validate.waitForStarted(),
             "desktop-file-validate is needed (apt-get install desktop-file-utils)");
    QVERIFY(validate.waitForFinished(60000));
    const QByteArray report = validate.readAll();
    QVERIFY2(validate.exitStatus() == QProcess::NormalExit && validate.exitCode() == 0,
             report.constData());
    QVERIFY2(report.isEmpty(), report.constData());

    const QStringList lines =
        QString::fromUtf8(TestAppFolder::readFile(entry)).split(QLatin1Char('\n'));
    QCOMPARE(lines.value(0), QStringLiteral("[Desktop Entry]"));
    for (const char *line : {"Type=Application", "Name=Varnhold Mod Manager",
                             "Exec=varnhold-mod-manager", "Icon=varnhold-mod-manager"})
        QVERIFY2(lines.contains(QLatin1String(line)), line);
}

void InstallEndToEnd::iconsHaveTheSizeOfTheirFolder_data()
{
    QTest::addColumn<int>("size");
    for (const int size : iconSizes)
        QTest::addRow("%d", size) << size;
}

void InstallEndToEnd::iconsHaveTheSizeOfTheirFolder()
{
    QFETCH(int, size);
    QCOMPARE(pngSize(TestAppFolder::readFile(installed(iconPath(size)))), QSize(size, size));
}

void InstallEndToEnd::installedToolStartsAndRunsTheGame()
{
    folder.createReadyTool({QStringLiteral("alpha.zip")});
    ToolProcess tool(toolPath(folder), folder.root() + QStringLiteral("/installed-run.log"));
    QVERIFY(!startTool(tool, spots::otherOptionsField).isEmpty());
    display.screenshot(QStringLiteral("installed-tool-started"));
    display.pressKeys({QStringLiteral("Tab"), QStringLiteral("space")});
    QVERIFY2(tool.waitForExit(deadlines::step()), qPrintable(tool.describe()));
    QVERIFY2(tool.exitStatus() == 0, qPrintable(tool.describe()));
    QVERIFY2(folder.waitForLaunches(1, deadlines::step()), qPrintable(folder.launchLog()));
    QCOMPARE(folder.recordedLaunches(),
             QList<QStringList>{{QFileInfo(folder.gameDir()).canonicalFilePath()}});
}

QTEST_GUILESS_MAIN(InstallEndToEnd)
#include "tst_e2e_install.moc"
