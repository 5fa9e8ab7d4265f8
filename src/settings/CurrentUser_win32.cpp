#include "settings/CurrentUser.h"

#include <windows.h>

// The profile's name in the settings file, as every earlier version wrote
// it: in the ANSI code page. A name the code page cannot hold comes out
// with "?" in it, the same at every start, so its settings are found again;
// a UTF-8 name would lose every accented user's saved settings once.
bool QueryLoggedOnUserName(RString& name)
{
    char buffer[256];
    DWORD size = sizeof buffer; // with its terminator
    if (!::GetUserNameA(buffer, &size) || buffer[0] == '\0')
        return false;
    name = RString(buffer);
    return true;
}
