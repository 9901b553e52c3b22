#pragma once

class QString;

// The texts of the tool's messages are translated in the main window's context, whichever
// part of the tool shows them.
QString messageText(const char *text);

// "Varnhold locations" for the locations and the mod folder, "Halvane v5" for the rest.
enum class MessageTitle { VarnholdLocations, HalvaneV5 };
QString messageTitle(MessageTitle title);

// The warning's text for a missing mod folder or subfolder.
QString modFolderMissingText(const QString &folder);
