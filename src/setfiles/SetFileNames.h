#pragma once

// Lists the set files of the set-file folder into the shared state, sorted by name without
// regard to case; a missing folder gives an empty list.
void refreshSetFileNames();
