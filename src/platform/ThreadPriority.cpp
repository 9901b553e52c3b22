#include "platform/ThreadPriority.h"

#include <QtGlobal>

#if defined(Q_OS_WIN)
#include <windows.h>
#elif defined(Q_OS_LINUX)
#include <pthread.h>
#include <sched.h>
#endif

namespace platform {

void runOnlyInIdleTime()
{
#if defined(Q_OS_WIN)
    SetThreadPriority(GetCurrentThread(), THREAD_PRIORITY_IDLE);
#elif defined(Q_OS_LINUX)
    const sched_param parameters{};
    pthread_setschedparam(pthread_self(), SCHED_IDLE, &parameters);
#endif
}

} // namespace platform
