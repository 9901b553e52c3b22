#pragma once

#include <QString>

class QSaveFile;

namespace platform {

// Opens `file` for writing its target anew. Where the folder allows it, the text goes to a
// temporary file beside the target that takes its place on commit, so a crash or a full disk
// never leaves half a file behind. Where the folder is closed but the target itself may be
// written, as a configuration file inside an installed game can be, the target is written in
// place. On failure `reason` holds the system's reason.
bool openForReplacing(QSaveFile &file, QString *reason);

} // namespace platform
