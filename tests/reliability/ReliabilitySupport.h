#pragma once

#include "FolderSnapshot.h"
#include "RunsUnderWine.h"

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

#include <functional>

namespace reliability {

// Under the sanitizers every allocation is bookkept, and the largest inputs would take
// minutes there; a tenth of their size walks the same code.
#ifdef VMM_SANITIZED_BUILD
constexpr int largeInputDivisor = 10;
#else
constexpr int largeInputDivisor = 1;
#endif
constexpr int large(int size)
{
    return size / largeInputDivisor;
}

using ::runsUnderWine;

// A file system of its own, a few hundred kilobytes large, mounted for one test so that it can
// be filled up: the only honest way to see what a save does when the disk is full. Needs the
// right to mount (root); otherwise isMounted() is false and whyNot() says why.
class SmallFileSystem {
public:
    explicit SmallFileSystem(int kilobytes = 512);
    ~SmallFileSystem();
    SmallFileSystem(const SmallFileSystem &) = delete;
    SmallFileSystem &operator=(const SmallFileSystem &) = delete;

    bool isMounted() const { return mounted; }
    QString whyNot() const { return reason; }
    QString path() const { return mountPoint.path(); }

    // Takes every byte that is left, so that the next write fails for want of room.
    void fill();

private:
    QTemporaryDir mountPoint;
    bool mounted = false;
    QString reason;
};

// For its lifetime, file access of this thread is checked as for an ordinary user. A test that
// runs as root otherwise reads and writes whatever the permission bits say. Does nothing when
// the test does not run as root, where the bits already apply. isActive() tells whether the
// permission bits now apply; whyNot() says why they do not.
class AsOrdinaryUser {
public:
    AsOrdinaryUser();
    ~AsOrdinaryUser();
    AsOrdinaryUser(const AsOrdinaryUser &) = delete;
    AsOrdinaryUser &operator=(const AsOrdinaryUser &) = delete;

    bool isActive() const { return active; }
    QString whyNot() const;

private:
    bool switched = false;
    bool active = false;
};

// What a task run as an ordinary user gave back, or why it could not run as one.
struct OrdinaryUserRun {
    bool ran = false;
    QString result;
    QString whyNot;
};

// Runs `task` in a child process that has become an ordinary user, as a player is, and hands
// back the text it returned. Unlike AsOrdinaryUser this also holds for the checks of access
// rights that ask for the real user, as the toolkit's do. A test that does not run as root
// runs `task` directly. The child shares nothing with the test afterwards: whatever `task`
// changes in memory stays in the child.
OrdinaryUserRun runAsOrdinaryUser(const std::function<QString()> &task);

// Lets an ordinary user into the folder and every folder above it up to `root` (inclusive),
// and lets it create files in the folder itself.
void openFolderToEveryone(const QString &folder, const QString &root);
void setMode(const QString &path, int mode);

// The names of the set files the tool lists in its set-file folder.
QStringList listedSetFiles();

} // namespace reliability
