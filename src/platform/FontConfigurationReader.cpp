#include "platform/FontConfigurationReader.h"

#ifdef VMM_HAVE_FONTCONFIG
#include <fontconfig/fontconfig.h>

#include <thread>
#endif

namespace platform {

#ifdef VMM_HAVE_FONTCONFIG
// Fontconfig parses its configuration files and maps its caches once per process, which takes
// longer than anything else in the first use of a font. It may be done from any thread.
struct FontConfigurationReader::Reading {
    std::thread thread{[] { FcInit(); }};
};
#else
struct FontConfigurationReader::Reading {};
#endif

FontConfigurationReader::FontConfigurationReader()
    : reading(std::make_unique<Reading>())
{}

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
