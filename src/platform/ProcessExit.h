#pragma once

#include <functional>

namespace platform {

// Ends the process at once with the given status. A test handler may record the status
// and return instead, so every caller returns right after calling this.
void exitProcess(int status);

using ProcessExitHandler = std::function<void(int status)>;

// An empty handler restores the real exit.
void setProcessExitHandler(ProcessExitHandler handler);

} // namespace platform
