#include "ReliabilitySupport.h"

#include "app/state/AppState.h"
#include "setfiles/SetFileNames.h"

#include <QDir>
#include <QFile>

#include <cerrno>
#include <cstring>
#include <functional>
#ifdef Q_OS_LINUX
#include <grp.h>
#include <sys/fsuid.h>
#include <sys/mount.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>
#endif

namespace reliability {
#ifdef Q_OS_LINUX
namespace {
constexpr int ordinaryUser = 65534; // "nobody" on Debian

QString systemError()
{
    return QString::fromLocal8Bit(std::strerror(errno));
}
} // namespace

SmallFileSystem::SmallFileSystem(int kilobytes)
{
    if (!mountPoint.isValid()) {
        reason = QStringLiteral("no temporary folder");
        return;
    }
    const QByteArray options = "size=" + QByteArray::number(kilobytes) + "k,mode=0777";
    if (::mount("vmm-test", QFile::encodeName(path()).constData(), "tmpfs", MS_NOSUID | MS_NODEV,
                options.constData()) != 0) {
        reason = QStringLiteral("cannot mount a small file system: %1").arg(systemError());
        return;
    }
    mounted = true;
}

SmallFileSystem::~SmallFileSystem()
{
    if (mounted)
        ::umount2(QFile::encodeName(path()).constData(), MNT_DETACH);
}

void SmallFileSystem::fill()
{
    QFile filler(path() + QStringLiteral("/filler"));
    if (!filler.open(QIODevice::WriteOnly | QIODevice::Append | QIODevice::Unbuffered))
        return;
    const QByteArray chunk(4096, 'f');
    while (filler.write(chunk) == chunk.size()) {
    }
    // A last page may still take a few bytes.
    while (filler.write("f", 1) == 1) {
    }
}

AsOrdinaryUser::AsOrdinaryUser()
{
    if (::geteuid() != 0) {
        active = true;
        return;
    }
    ::setfsgid(ordinaryUser);
    ::setfsuid(ordinaryUser);
    switched = true;
    // setfsuid reports the previous value; asking again shows whether the change took.
    active = ::setfsuid(ordinaryUser) == ordinaryUser;
}

QString AsOrdinaryUser::whyNot() const
{
    return QStringLiteral("cannot take an ordinary user's file access here");
}

AsOrdinaryUser::~AsOrdinaryUser()
{
    if (!switched)
        return;
    ::setfsuid(0);
    ::setfsgid(0);
}

namespace {
bool writeAll(int descriptor, const QByteArray &bytes)
{
    qsizetype written = 0;
    while (written < bytes.size()) {
        const ssize_t step =
            ::write(descriptor, bytes.constData() + written, size_t(bytes.size() - written));
        if (step <= 0)
            return false;
        written += step;
    }
    return true;
}

QByteArray readAll(int descriptor)
{
    QByteArray bytes;
    char chunk[4096];
    ssize_t step;
    while ((step = ::read(descriptor, chunk, sizeof chunk)) > 0)
        bytes.append(chunk, step);
    return bytes;
}

// In the child: becomes the ordinary user for good, runs the task, sends its answer and ends
// without running anything of the test runner's on the way out.
[[noreturn]] void runInChild(int channel, const std::function<QString()> &task)
{
    const bool becameOrdinary =
        ::setgroups(0, nullptr) == 0 && ::setgid(ordinaryUser) == 0 && ::setuid(ordinaryUser) == 0;
    const bool answered = becameOrdinary && writeAll(channel, task().toUtf8());
    ::_exit(answered ? 0 : 1);
}
} // namespace

OrdinaryUserRun runAsOrdinaryUser(const std::function<QString()> &task)
{
    if (::geteuid() != 0)
        return OrdinaryUserRun{true, task(), QString()};
    int channel[2];
    if (::pipe(channel) != 0)
        return OrdinaryUserRun{false, QString(), systemError()};
    const pid_t child = ::fork();
    if (child < 0)
        return OrdinaryUserRun{false, QString(), systemError()};
    if (child == 0) {
        ::close(channel[0]);
        runInChild(channel[1], task);
    }
    ::close(channel[1]);
    const QByteArray answer = readAll(channel[0]);
    ::close(channel[0]);
    int status = 0;
    ::waitpid(child, &status, 0);
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0)
        return OrdinaryUserRun{false, QString(),
                               QStringLiteral("no child became an ordinary user")};
    return OrdinaryUserRun{true, QString::fromUtf8(answer), QString()};
}

void setMode(const QString &path, int mode)
{
    ::chmod(QFile::encodeName(path).constData(), mode_t(mode));
}
#else
// Windows mounts no file system for one process and keeps no permission bits that would shut
// the owner of a file out of it, so the cases that need them cannot be set up there.
SmallFileSystem::SmallFileSystem(int)
{
    reason = QStringLiteral("Windows cannot mount a small file system for one test");
}

SmallFileSystem::~SmallFileSystem() = default;

void SmallFileSystem::fill() {}

AsOrdinaryUser::AsOrdinaryUser() = default;
AsOrdinaryUser::~AsOrdinaryUser() = default;

QString AsOrdinaryUser::whyNot() const
{
    return QStringLiteral("Windows has no permission bits that shut a file's owner out of it");
}

OrdinaryUserRun runAsOrdinaryUser(const std::function<QString()> &)
{
    return OrdinaryUserRun{false, QString(),
                           QStringLiteral("Windows has no ordinary user a test could become")};
}

void setMode(const QString &, int) {}
#endif

void openFolderToEveryone(const QString &folder, const QString &root)
{
    setMode(folder, 0777);
    const QString top = QDir(root).absolutePath();
    QDir dir(QDir(folder).absolutePath());
    while (dir.absolutePath() != top && dir.absolutePath().startsWith(top) && dir.cdUp())
        setMode(dir.absolutePath(), 0755);
}

QStringList listedSetFiles()
{
    refreshSetFileNames();
    return appState().setFileNames;
}

} // namespace reliability
