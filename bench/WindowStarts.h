#pragma once

#include <optional>

class BenchGame;

// Median times in milliseconds from starting a process until its window is mapped.
struct WindowStartTimes {
    double toolMs = 0;
    double emptyWindowMs = 0;
};

// Starts the tool over the game and, in turn with it, a program that shows only an empty
// window of the tool's size and title, on the X server named by DISPLAY. Each program is
// started once unmeasured, to fill the file cache, and then `rounds` times. Nothing when there
// is no X server to use.
std::optional<WindowStartTimes> measureWindowStarts(const BenchGame &game, int rounds);
