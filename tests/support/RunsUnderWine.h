#pragma once

// Whether the Windows programs run under Wine, which makes each new file of a folder in time
// that grows with the folder (it looks for the name without regard to case among all others)
// and lacks a few of the system's services.
bool runsUnderWine();
