#include "platform/ProcessExit.h"

#include <cstdlib>

namespace platform {
void exitProcess(int status)
{
    processExitSeam.call([](int code) { std::exit(code); }, status);
}

} // namespace platform
