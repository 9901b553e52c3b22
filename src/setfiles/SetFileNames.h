#pragma once

// Lists the set files of the set-file folder into the shared state, sorted ignoring case.
void refreshSetFileNames();
