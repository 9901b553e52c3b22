#pragma once

#include <memory>

namespace platform {

// Reads the system's font configuration on a thread of its own, so that the reading overlaps
// the making of the application object instead of following it; the first font the forms
// need then finds the configuration read. Where the toolkit keeps no such configuration of its
// own to read, nothing happens. Destroying the reader waits for it.
class FontConfigurationReader {
public:
    FontConfigurationReader();
    ~FontConfigurationReader();
    FontConfigurationReader(const FontConfigurationReader &) = delete;
    FontConfigurationReader &operator=(const FontConfigurationReader &) = delete;

    // Waits until the configuration is read. Call it before the first font is used.
    void wait();

private:
    struct Reading;
    std::unique_ptr<Reading> reading;
};

} // namespace platform
