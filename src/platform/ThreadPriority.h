#pragma once

namespace platform {

// Lets the calling thread run only when a processor would otherwise stand idle, so that work
// done ahead on it never slows the thread the player waits for.
void runOnlyInIdleTime();

} // namespace platform
