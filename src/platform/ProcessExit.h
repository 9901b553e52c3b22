#pragma once

#include "platform/TestSeam.h"

namespace platform {

// Ends the process at once with the given status. A test may record the status and return
// instead, so every caller returns right after calling this.
void exitProcess(int status);

inline TestSeam<void(int status)> processExitSeam;

} // namespace platform
