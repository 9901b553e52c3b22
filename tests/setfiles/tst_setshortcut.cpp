#include "PlatformProbe.h"
#include "SystemReasons.h"
#include "TestAppFolder.h"

#include "app/MainWindow.h"
#include "app/form/MainWindowForm.h"
#include "platform/DesktopEntry.h"
#include "platform/DesktopShortcut.h"
#include "platform/WindowsCommandLine.h"

#include <QAction>
#include <QDir>
#include <QFileInfo>
#include <QListWidget>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>
#include <optional>

#ifdef Q_OS_WIN
#include <objbase.h>
#include <shellapi.h>
#include <shlobj.h>
#include <windows.h>
#endif

namespace {
// The user's desktop for one test, in a folder of its own: on Linux through user-dirs.dirs,
// as a desktop session names it; on Windows through the shell's own setting for the folder.
class TestDesktop {
public:
    explicit TestDesktop(const QString &folder)
        : folder(folder)
    {
#ifdef Q_OS_WIN
        setShellDesktop(QDir::toNativeSeparators(folder));
#else
        savedConfigHome = qgetenv("XDG_CONFIG_HOME");
        TestAppFolder::writeFile(config.path() + QStringLiteral("/user-dirs.dirs"),
                                 "XDG_DESKTOP_DIR=\"" + folder.toUtf8() + "\"\n");
        qputenv("XDG_CONFIG_HOME", config.path().toUtf8());
#endif
    }
    ~TestDesktop()
    {
#ifdef Q_OS_WIN
        setShellDesktop(QString());
#else
        qputenv("XDG_CONFIG_HOME", savedConfigHome);
#endif
    }
    TestDesktop(const TestDesktop &) = delete;
    TestDesktop &operator=(const TestDesktop &) = delete;

    QString shortcutPath(const QString &title) const
    {
#ifdef Q_OS_WIN
        return folder + QLatin1Char('/') + title + QStringLiteral(".lnk");
#else
        return folder + QLatin1Char('/') + title + QStringLiteral(".desktop");
#endif
    }

private:
#ifdef Q_OS_WIN
    static constexpr const wchar_t *shellFolders =
        L"Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\User Shell Folders";

    // Remembers the setting the first time; an empty folder puts it back as it was.
    static void setShellDesktop(const QString &folder)
    {
        static bool known = false;
        static std::optional<std::wstring> saved;
        HKEY key = nullptr;
        if (RegCreateKeyExW(HKEY_CURRENT_USER, shellFolders, 0, nullptr, 0, KEY_READ | KEY_WRITE,
                            nullptr, &key, nullptr) != ERROR_SUCCESS)
            return;
        if (!known) {
            wchar_t old[MAX_PATH] = {};
            DWORD size = sizeof(old);
            if (RegQueryValueExW(key, L"Desktop", nullptr, nullptr, reinterpret_cast<BYTE *>(old),
                                 &size) == ERROR_SUCCESS)
                saved = std::wstring(old);
            known = true;
        }
        const std::optional<std::wstring> value =
            folder.isEmpty() ? saved : std::optional<std::wstring>(folder.toStdWString());
        if (value) {
            RegSetValueExW(key, L"Desktop", 0, REG_EXPAND_SZ,
                           reinterpret_cast<const BYTE *>(value->c_str()),
                           DWORD((value->size() + 1) * sizeof(wchar_t)));
        } else {
            RegDeleteValueW(key, L"Desktop");
        }
        RegCloseKey(key);
    }
#else
    QTemporaryDir config;
    QByteArray savedConfigHome;
#endif
    QString folder;
};

struct ShortcutTool {
    ShortcutTool()
    {
        folder.createReadyTool({QStringLiteral("a.zip")});
        folder.createSetFile(QStringLiteral("Two Words.set"), "[SettingMP]\nMod0=a.zip\n");
        window = std::make_unique<MainWindow>();
    }

    QListWidget *list() { return window->form().listChooseSetting; }
    QAction *action()
    {
        return list()->findChild<QAction *>(QStringLiteral("actionCreateDesktopShortcut"));
    }
    void createFor(const QString &setFileName)
    {
        list()->setCurrentItem(list()->findItems(setFileName, Qt::MatchExactly).value(0));
        action()->trigger();
    }

    PlatformProbe probe;
    TestAppFolder folder;
    std::unique_ptr<MainWindow> window;
};

const QString twoWordsTitle = QStringLiteral("Two Words - Varnhold");

#ifdef Q_OS_WIN
struct LinkContent {
    QString path;
    QStringList arguments;
    QString workingFolder;
    QString iconPath;
    int iconIndex = -1;
};

// The shortcut as the shell reads it back, the arguments split as a started program splits
// its command line.
LinkContent readLink(const QString &file)
{
    LinkContent content;
    CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    IShellLinkW *link = nullptr;
    IPersistFile *persist = nullptr;
    if (SUCCEEDED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkW,
                                   reinterpret_cast<void **>(&link))) &&
        SUCCEEDED(link->QueryInterface(IID_IPersistFile, reinterpret_cast<void **>(&persist))) &&
        SUCCEEDED(
            persist->Load(QDir::toNativeSeparators(file).toStdWString().c_str(), STGM_READ))) {
        wchar_t text[INFOTIPSIZE] = {};
        link->GetPath(text, MAX_PATH, nullptr, SLGP_RAWPATH);
        content.path = QString::fromWCharArray(text);
        link->GetArguments(text, INFOTIPSIZE);
        int count = 0;
        const std::wstring line = L"program " + std::wstring(text);
        if (LPWSTR *words = CommandLineToArgvW(line.c_str(), &count)) {
            for (int i = 1; i < count; ++i)
                content.arguments << QString::fromWCharArray(words[i]);
            LocalFree(words);
        }
        link->GetWorkingDirectory(text, MAX_PATH);
        content.workingFolder = QString::fromWCharArray(text);
        link->GetIconLocation(text, MAX_PATH, &content.iconIndex);
        content.iconPath = QString::fromWCharArray(text);
    }
    if (persist)
        persist->Release();
    if (link)
        link->Release();
    CoUninitialize();
    return content;
}
#endif
} // namespace

class SetShortcutTest : public QObject {
    Q_OBJECT

private slots:
    void execQuotesEachArgumentByTheRules_data();
    void execQuotesEachArgumentByTheRules();
    void windowsCommandLineSplitsBack_data();
    void windowsCommandLineSplitsBack();
    void actionFollowsTheCurrentSet();
    void shortcutStartsTheToolWithTheSet();
    void existingShortcutIsReplacedOnlyWhenWanted();
    void failureSaysWhy();
    void shellLinkReadsBack();
};

void SetShortcutTest::execQuotesEachArgumentByTheRules_data()
{
    QTest::addColumn<QString>("argument");
    QTest::addColumn<QString>("written");
    QTest::newRow("plain") << "plain.set"
                           << "plain.set";
    QTest::newRow("blank") << "Two Words.set"
                           << "\"Two Words.set\"";
    // Quoted, then every backslash doubled again for the string value.
    QTest::newRow("quotes, dollar, percent, backslash")
        << "It's \"5$\" 100% a\\b"
        << "\"It's \\\\\"5\\\\$\\\\\" 100%% a\\\\\\\\b\"";
    QTest::newRow("backslash in quotes") << "a\\b"
                                         << "\"a\\\\\\\\b\"";
    QTest::newRow("percent alone") << "100%"
                                   << "100%%";
    QTest::newRow("backtick") << "`x`"
                              << "\"\\\\`x\\\\`\"";
    QTest::newRow("line break and tab") << "a\nb\tc"
                                        << "\"a\\nb\\tc\"";
    QTest::newRow("shell characters") << "a|b&c;d>e<f*g?h#i(j)"
                                      << "\"a|b&c;d>e<f*g?h#i(j)\"";
    QTest::newRow("empty") << ""
                           << "\"\"";
}

void SetShortcutTest::execQuotesEachArgumentByTheRules()
{
    QFETCH(QString, argument);
    QFETCH(QString, written);
    QCOMPARE(platform::desktopEntryExec(QStringLiteral("/opt/tool"), {"--launch", argument}),
             QStringLiteral("/opt/tool --launch ") + written);
}

void SetShortcutTest::windowsCommandLineSplitsBack_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("line");
    QTest::newRow("plain") << QStringList{"--launch", "a.set"} << "--launch a.set";
    QTest::newRow("blank") << QStringList{"--launch", "Two Words.set"}
                           << "--launch \"Two Words.set\"";
    QTest::newRow("backslash without quote") << QStringList{"C:\\a\\b"} << "C:\\a\\b";
    QTest::newRow("quotes") << QStringList{"It's \"5$\" 100% a\\b"}
                            << "\"It's \\\"5$\\\" 100% a\\b\"";
    QTest::newRow("backslash before quote") << QStringList{"a\\\"b"} << "\"a\\\\\\\"b\"";
    QTest::newRow("trailing backslash") << QStringList{"C:\\My Saves\\"} << "\"C:\\My Saves\\\\\"";
    QTest::newRow("empty") << QStringList{"", "x"} << "\"\" x";
}

void SetShortcutTest::windowsCommandLineSplitsBack()
{
    QFETCH(QStringList, arguments);
    QTEST(platform::windowsCommandLine(arguments), "line");
#ifdef Q_OS_WIN
    const std::wstring line = L"program " + platform::windowsCommandLine(arguments).toStdWString();
    int count = 0;
    LPWSTR *words = CommandLineToArgvW(line.c_str(), &count);
    QVERIFY(words);
    QStringList split;
    for (int i = 1; i < count; ++i)
        split << QString::fromWCharArray(words[i]);
    LocalFree(words);
    QCOMPARE(split, arguments);
#endif
}

void SetShortcutTest::actionFollowsTheCurrentSet()
{
    ShortcutTool tool;
    QAction *action = tool.action();
    QVERIFY(action);
    QCOMPARE(action->text(), QStringLiteral("Create Desktop Shortcut"));
    QVERIFY(tool.list()->actions().contains(action));
    QCOMPARE(tool.list()->contextMenuPolicy(), Qt::ActionsContextMenu);
    QVERIFY(!action->isEnabled());
    tool.list()->setCurrentRow(0);
    QVERIFY(action->isEnabled());
    tool.list()->clear();
    QVERIFY(!action->isEnabled());
}

void SetShortcutTest::shortcutStartsTheToolWithTheSet()
{
    QTemporaryDir place;
    // A desktop folder that does not exist yet is made.
    const TestDesktop desktop(place.path() + QStringLiteral("/My Desktop"));
    ShortcutTool tool;
    tool.createFor(QStringLiteral("Two Words.set"));
    QVERIFY(tool.probe.messages.isEmpty());
    const QString path = desktop.shortcutPath(twoWordsTitle);
    QVERIFY2(QFileInfo::exists(path), qPrintable(path));
    const QString program = QCoreApplication::applicationFilePath();
#ifdef Q_OS_WIN
    const LinkContent link = readLink(path);
    QCOMPARE(link.path, QDir::toNativeSeparators(program));
    QCOMPARE(link.arguments, (QStringList{"--launch", "Two Words.set"}));
    QCOMPARE(link.workingFolder, QDir::toNativeSeparators(QFileInfo(program).absolutePath()));
    QCOMPARE(link.iconPath, QDir::toNativeSeparators(program));
    QCOMPARE(link.iconIndex, 0);
#else
    QVERIFY(QFileInfo(path).isExecutable());
    const QStringList lines =
        QString::fromUtf8(TestAppFolder::readFile(path)).split(QLatin1Char('\n'));
    QCOMPARE(lines.value(0), QStringLiteral("[Desktop Entry]"));
    const QString exec =
        platform::desktopEntryExecArgument(program) + QStringLiteral(" --launch \"Two Words.set\"");
    for (const QString &line :
         {QStringLiteral("Type=Application"), QStringLiteral("Name=Two Words - Varnhold"),
          QStringLiteral("Exec=") + exec, QStringLiteral("Icon=varnhold-mod-manager")})
        QVERIFY2(lines.contains(line), qPrintable(line));
#endif
}

void SetShortcutTest::existingShortcutIsReplacedOnlyWhenWanted()
{
    QTemporaryDir place;
    const TestDesktop desktop(place.path());
    const QString path = desktop.shortcutPath(twoWordsTitle);
    TestAppFolder::writeFile(path, "mine");
    ShortcutTool tool;
    tool.probe.questionAnswers = {false, true};

    tool.createFor(QStringLiteral("Two Words.set"));
    QCOMPARE(tool.probe.messages.size(), 1);
    QCOMPARE(tool.probe.messages.at(0).kind, platform::MessageKind::Question);
    QCOMPARE(tool.probe.messages.at(0).title, QStringLiteral("Halvane v5"));
    QCOMPARE(tool.probe.messages.at(0).text,
             QStringLiteral("The desktop shortcut %1 is there already.\nReplace it?").arg(path));
    QCOMPARE(TestAppFolder::readFile(path), QByteArray("mine"));

    tool.action()->trigger();
    QCOMPARE(tool.probe.messages.size(), 2);
    QVERIFY(TestAppFolder::readFile(path) != "mine");
    QVERIFY(QDir(place.path()).entryList(QDir::Files | QDir::Hidden).size() == 1);
}

void SetShortcutTest::failureSaysWhy()
{
    QTemporaryDir place;
    TestAppFolder::writeFile(place.path() + QStringLiteral("/file"), "in the way");
    const TestDesktop desktop(place.path() + QStringLiteral("/file/Desktop"));
    ShortcutTool tool;
    tool.createFor(QStringLiteral("Two Words.set"));
    const QString path = desktop.shortcutPath(twoWordsTitle);
    QCOMPARE(tool.probe.messages.size(), 1);
    QCOMPARE(tool.probe.messages.at(0).kind, platform::MessageKind::Warning);
    QCOMPARE(tool.probe.messages.at(0).title, QStringLiteral("Halvane v5"));
    const QString text = tool.probe.messages.at(0).text;
    QVERIFY2(text.startsWith(QStringLiteral("Cannot write file %1:\n").arg(path)),
             qPrintable(text));
#ifndef Q_OS_WIN
    // Windows' shell gives reasons of its own.
    QCOMPARE(text, QStringLiteral("Cannot write file %1:\n%2.")
                       .arg(path, reasons::inMessage(reasons::belowRegularFile())));
#endif
    QVERIFY(tool.probe.exits.isEmpty());
}

// Arguments that Windows' command-line rules must escape survive the shell link.
void SetShortcutTest::shellLinkReadsBack()
{
#ifdef Q_OS_WIN
    QTemporaryDir place;
    const QString path = place.path() + QStringLiteral("/Välheim 100%.lnk");
    const QStringList arguments{"--launch", "Välheim & \"5$\" 100% a\\b\\", "C:\\My Saves\\"};
    QString reason;
    QVERIFY2(platform::writeToolShortcut({QStringLiteral("Välheim"), arguments}, path, &reason),
             qPrintable(reason));
    QCOMPARE(readLink(path).arguments, arguments);
    QCOMPARE(QDir(place.path()).entryList(QDir::Files), QStringList{"Välheim 100%.lnk"});
#else
    QSKIP("shell links are Windows' own");
#endif
}

QTEST_MAIN(SetShortcutTest)
#include "tst_setshortcut.moc"
