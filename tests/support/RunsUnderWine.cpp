#include "RunsUnderWine.h"

#include <QtGlobal>

#ifdef Q_OS_WIN
#include <windows.h>
#endif

bool runsUnderWine()
{
#ifdef Q_OS_WIN
    const HMODULE systemLibrary = GetModuleHandleW(L"ntdll.dll");
    return systemLibrary && GetProcAddress(systemLibrary, "wine_get_version");
#else
    return false;
#endif
}
