#include "platform/DesktopShortcut.h"

#include "platform/DesktopEntry.h"
#include "platform/FileReplacement.h"
#include "platform/WindowsCommandLine.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

#ifdef Q_OS_WIN
#include <objbase.h>
#include <shlobj.h>
#include <windows.h>
#endif

namespace platform {
namespace {
QString toolProgram()
{
    return QCoreApplication::applicationFilePath();
}

QString shortcutSuffix()
{
#ifdef Q_OS_WIN
    return QStringLiteral(".lnk");
#else
    return QStringLiteral(".desktop");
#endif
}

#ifdef Q_OS_WIN
// COM on the calling thread for as long as the object lives.
class ComApartment {
public:
    ComApartment()
        : result(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED))
    {}
    ~ComApartment()
    {
        if (SUCCEEDED(result))
            CoUninitialize();
    }
    ComApartment(const ComApartment &) = delete;
    ComApartment &operator=(const ComApartment &) = delete;

private:
    HRESULT result;
};

template <typename Interface>
class ComPointer {
public:
    ComPointer() = default;
    ~ComPointer()
    {
        if (pointer)
            pointer->Release();
    }
    ComPointer(const ComPointer &) = delete;
    ComPointer &operator=(const ComPointer &) = delete;

    Interface *operator->() const { return pointer; }
    void **out() { return reinterpret_cast<void **>(&pointer); }

private:
    Interface *pointer = nullptr;
};

std::wstring wide(const QString &text)
{
    return QDir::toNativeSeparators(text).toStdWString();
}

bool failed(HRESULT result, QString *reason)
{
    if (SUCCEEDED(result))
        return false;
    *reason = qt_error_string(int(result));
    return true;
}

// Saved beside the target and then moved over it, so a failed save leaves no half a shortcut.
bool saveShellLink(const ToolShortcut &shortcut, const QString &path, QString *reason)
{
    const ComApartment apartment;
    ComPointer<IShellLinkW> link;
    if (failed(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkW,
                                link.out()),
               reason))
        return false;
    const QString program = toolProgram();
    if (failed(link->SetPath(wide(program).c_str()), reason) ||
        failed(link->SetArguments(windowsCommandLine(shortcut.arguments).toStdWString().c_str()),
               reason) ||
        failed(link->SetWorkingDirectory(wide(QFileInfo(program).absolutePath()).c_str()),
               reason) ||
        failed(link->SetIconLocation(wide(program).c_str(), 0), reason) ||
        failed(link->SetDescription(shortcut.title.toStdWString().c_str()), reason))
        return false;
    ComPointer<IPersistFile> file;
    if (failed(link->QueryInterface(IID_IPersistFile, file.out()), reason))
        return false;
    const QString temporary = path + QStringLiteral(".new");
    if (failed(file->Save(wide(temporary).c_str(), TRUE), reason))
        return false;
    if (!MoveFileExW(wide(temporary).c_str(), wide(path).c_str(), MOVEFILE_REPLACE_EXISTING)) {
        *reason = qt_error_string(int(GetLastError()));
        DeleteFileW(wide(temporary).c_str());
        return false;
    }
    return true;
}
#else
// A desktop finds the icon by name only where the tool was installed into the system's places.
QString toolIcon()
{
    const QString beside =
        QCoreApplication::applicationDirPath() +
        QStringLiteral("/share/icons/hicolor/256x256/apps/varnhold-mod-manager.png");
    return QFileInfo::exists(beside) ? beside : QStringLiteral("varnhold-mod-manager");
}

bool makeExecutable(const QString &path, QString *reason)
{
    QFile file(path);
    QFileDevice::Permissions permissions =
        file.permissions() | QFileDevice::ExeOwner | QFileDevice::ExeUser;
    if (permissions & QFileDevice::ReadGroup)
        permissions |= QFileDevice::ExeGroup;
    if (permissions & QFileDevice::ReadOther)
        permissions |= QFileDevice::ExeOther;
    if (file.setPermissions(permissions))
        return true;
    *reason = file.errorString();
    return false;
}

bool saveDesktopEntry(const ToolShortcut &shortcut, const QString &path, QString *reason)
{
    const QString program = toolProgram();
    const QString icon = toolIcon();
    for (const QString &value : QStringList{shortcut.title, program, icon} + shortcut.arguments) {
        if (!desktopEntryCanHold(value)) {
            *reason =
                QCoreApplication::translate(
                    "MainWindow", "A desktop shortcut cannot hold the control characters in %1")
                    .arg(value);
            return false;
        }
    }
    const QByteArray text = desktopEntryText(shortcut.title, program, shortcut.arguments, icon);
    return replaceTextFile(path, text, reason) && makeExecutable(path, reason);
}
#endif
} // namespace

QString desktopShortcutPath(const QString &title)
{
    return QStandardPaths::writableLocation(QStandardPaths::DesktopLocation) + QLatin1Char('/') +
           title + shortcutSuffix();
}

bool desktopShortcutExists(const QString &path)
{
#ifdef Q_OS_WIN
    // To the toolkit a shell link is a link, which it follows to tell whether it exists.
    return GetFileAttributesW(wide(path).c_str()) != INVALID_FILE_ATTRIBUTES;
#else
    const QFileInfo entry(path);
    return entry.exists() || entry.isSymLink();
#endif
}

bool writeToolShortcut(const ToolShortcut &shortcut, const QString &path, QString *reason)
{
    // A failure to make the folder shows as the system's reason why the file cannot be written.
    QDir().mkpath(QFileInfo(path).absolutePath());
#ifdef Q_OS_WIN
    return saveShellLink(shortcut, path, reason);
#else
    return saveDesktopEntry(shortcut, path, reason);
#endif
}

} // namespace platform
