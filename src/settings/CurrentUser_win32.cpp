#include "settings/CurrentUser.h"

#include <windows.h>

bool QueryLoggedOnUserName(RString& name)
{
    char buffer[256];
    DWORD size = sizeof buffer; // with its terminator
    if (!::GetUserNameA(buffer, &size) || buffer[0] == '\0')
        return false;
    name = RString(buffer);
    return true;
}
