#pragma once

#include <QDir>
#include <QString>
#include <QTemporaryDir>

#include <cstdio>
#include <cstdlib>

namespace fuzzsupport {

// A failed check ends the run as a crash, so the fuzzer keeps the input that broke it.
inline void check(bool condition, const char *what)
{
    if (!condition) {
        std::fprintf(stderr, "broken promise: %s\n", what);
        std::abort();
    }
}

// Saving syncs to disk; a memory-backed folder keeps that from dominating each run.
inline const QTemporaryDir &workFolder()
{
    static QTemporaryDir folder(QDir(QStringLiteral("/dev/shm")).exists()
                                    ? QStringLiteral("/dev/shm/vmm-fuzz-XXXXXX")
                                    : QDir::tempPath() + QStringLiteral("/vmm-fuzz-XXXXXX"));
    return folder;
}

} // namespace fuzzsupport
