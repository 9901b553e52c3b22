#pragma once

#include <QFont>

namespace platform {

// The font the forms' fixed rectangles are made for: Windows' classic 8-point dialog font, or
// elsewhere a narrow sans, since the platform's own font is too wide for the captions.
QFont formFont();

// Makes formFont() the application's default font; call it before the first window is built.
void useFormFont();

} // namespace platform
