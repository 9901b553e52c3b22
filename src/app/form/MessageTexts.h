#pragma once

class QString;

// The tool's message texts, translated in the main window's context wherever they are shown.
QString messageText(const char *text);

// "Varnhold locations" for the locations and the mod folder, "Halvane v5" for the rest.
enum class MessageTitle { VarnholdLocations, HalvaneV5 };
QString messageTitle(MessageTitle title);

// The warning's text for a missing mod folder or subfolder.
QString modFolderMissingText(const QString &folder);
