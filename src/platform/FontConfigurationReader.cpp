#include "platform/FontConfigurationReader.h"

#ifdef VMM_HAVE_FONTCONFIG
#include <fontconfig/fontconfig.h>

#include <system_error>
#include <thread>
#endif

namespace platform {

#ifdef VMM_HAVE_FONTCONFIG
// Fontconfig parses its configuration files and maps its caches once per process, which takes
// longer than anything else in the first use of a font. It may be done from any thread.
struct FontConfigurationReader::Reading {
    std::thread thread;
};
#else
struct FontConfigurationReader::Reading {};
#endif

FontConfigurationReader::FontConfigurationReader()
    : reading(std::make_unique<Reading>())
{
#ifdef VMM_HAVE_FONTCONFIG
    try {
        reading->thread = std::thread([] { FcInit(); });
    } catch (const std::system_error &) {
        // Without a thread the toolkit reads the configuration itself, at its first font.
    }
#endif
}

FontConfigurationReader::~FontConfigurationReader()
{
    wait();
}

void FontConfigurationReader::wait()
{
#ifdef VMM_HAVE_FONTCONFIG
    if (reading->thread.joinable())
        reading->thread.join();
#endif
}

} // namespace platform
