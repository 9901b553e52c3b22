#pragma once

#include "platform/TestSeam.h"

namespace platform {

// Ends the process at once; a test may have it return instead, so every caller returns after it.
void exitProcess(int status);

inline TestSeam<void(int status)> processExitSeam;

} // namespace platform
