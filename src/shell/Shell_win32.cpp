#include "shell/Shell.h"

#include <windows.h>

#include <shellapi.h>
#include <shlobj.h>

namespace ShellService
{

namespace
{

// ShellExecute reports success as a value above 32.
bool Accepted(HINSTANCE result)
{
    return reinterpret_cast<INT_PTR>(result) > 32;
}

const char* OrNull(const RString& text)
{
    return text.IsEmpty() ? nullptr : text.Text();
}

} // namespace

bool OpenDocument(const RString& target)
{
    return Accepted(::ShellExecuteA(nullptr, "open", target.Text(), nullptr, nullptr, SW_RESTORE));
}

bool OpenDocumentIn(WindowHandle owner, const RString& file, const RString& parameters, const RString& folder)
{
    // The shell itself replaces %NAME% references and keeps its errors to
    // itself: the caller shows nothing either.
    SHELLEXECUTEINFOA info{};
    info.cbSize = sizeof info;
    info.fMask = SEE_MASK_DOENVSUBST | SEE_MASK_FLAG_NO_UI;
    info.hwnd = static_cast<HWND>(owner);
    info.lpVerb = "open";
    info.lpFile = file.Text();
    info.lpParameters = OrNull(parameters);
    info.lpDirectory = OrNull(folder);
    info.nShow = SW_RESTORE;
    return ::ShellExecuteExA(&info) != 0;
}

bool GetApplicationDataFolder(bool allUsers, RString& folder)
{
    char path[MAX_PATH];
    const int which = (allUsers ? CSIDL_COMMON_APPDATA : CSIDL_APPDATA) | CSIDL_FLAG_CREATE;
    if (FAILED(::SHGetFolderPathA(nullptr, which, nullptr, SHGFP_TYPE_CURRENT, path)))
        return false;
    folder = RString(path);
    return true;
}

} // namespace ShellService
