#include "setfiles/SetFileNames.h"

void refreshSetFileNames() {}
