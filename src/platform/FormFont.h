#pragma once

#include <QFont>

namespace platform {

// The font the forms' fixed rectangles are made for: Microsoft's classic 8-point dialog font
// where Windows has it. Elsewhere the platform's own font is too wide for the captions, so a
// narrow sans takes its place at the usual 9 points, or, without that family, the platform's
// family narrowed.
QFont formFont();

// Makes formFont() the application's default font. Call it once the application object
// exists and before the first window is built; the start-up and the tests both do.
void useFormFont();

} // namespace platform
