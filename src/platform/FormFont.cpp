#include "platform/FormFont.h"

#include <QApplication>
#include <QFontDatabase>
#include <QStringList>

#ifdef Q_OS_WIN
#include <windows.h>
#endif

namespace platform {
namespace {

// Wine names its own font "Tahoma" too, but draws it wider than Microsoft's, too wide for
// the forms; Wine is told apart by the extra entry point of its system library.
bool hasMicrosoftDialogFont()
{
#ifdef Q_OS_WIN
    const HMODULE systemLibrary = GetModuleHandleW(L"ntdll.dll");
    return !(systemLibrary && GetProcAddress(systemLibrary, "wine_get_version"));
#else
    return false;
#endif
}

} // namespace

QFont formFont()
{
    const QString narrowFamily = QStringLiteral("Liberation Sans Narrow");
    QFont font = QApplication::font();
    if (hasMicrosoftDialogFont()) {
        // Windows maps the logical dialog family to Tahoma; naming Tahoma as well keeps it
        // where the font database does not list the logical name.
        font.setFamilies({QStringLiteral("MS Shell Dlg 2"), QStringLiteral("Tahoma")});
        font.setPointSize(8);
    } else if (QFontDatabase::hasFamily(narrowFamily)) {
        font.setFamilies({narrowFamily});
        font.setPointSize(9);
    } else {
        font.setPointSize(9);
        font.setStretch(QFont::Condensed);
    }
    return font;
}

void useFormFont()
{
    QApplication::setFont(formFont());
}

} // namespace platform
