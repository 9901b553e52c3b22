#include "platform/ProcessExit.h"

#include <cstdlib>

namespace platform {
namespace {
ProcessExitHandler &handler()
{
    static ProcessExitHandler current;
    return current;
}
} // namespace

void exitProcess(int status)
{
    if (handler()) {
        handler()(status);
        return;
    }
    std::exit(status);
}

void setProcessExitHandler(ProcessExitHandler newHandler)
{
    handler() = std::move(newHandler);
}

} // namespace platform
