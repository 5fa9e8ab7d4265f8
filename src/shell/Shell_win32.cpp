#include "shell/Shell.h"

#include "text/WideText.h"

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

// The text as the wide call takes it; none for an empty one.
const wchar_t* OrNull(const std::wstring& text)
{
    return text.empty() ? nullptr : text.c_str();
}

} // namespace

bool OpenDocument(const RString& target)
{
    return Accepted(::ShellExecuteW(nullptr, L"open", WideText(target.Text()).c_str(), nullptr, nullptr, SW_RESTORE));
}

bool OpenDocumentIn(WindowHandle owner, const RString& file, const RString& parameters, const RString& folder)
{
    // The shell itself replaces %NAME% references and keeps its errors to
    // itself: the caller shows nothing either.
    const std::wstring wideFile = WideText(file.Text()), wideParameters = WideText(parameters.Text()),
                       wideFolder = WideText(folder.Text());
    SHELLEXECUTEINFOW info{};
    info.cbSize = sizeof info;
    info.fMask = SEE_MASK_DOENVSUBST | SEE_MASK_FLAG_NO_UI;
    info.hwnd = static_cast<HWND>(owner);
    info.lpVerb = L"open";
    info.lpFile = wideFile.c_str();
    info.lpParameters = OrNull(wideParameters);
    info.lpDirectory = OrNull(wideFolder);
    info.nShow = SW_RESTORE;
    return ::ShellExecuteExW(&info) != 0;
}

bool GetApplicationDataFolder(bool allUsers, RString& folder)
{
    wchar_t path[MAX_PATH];
    const int which = (allUsers ? CSIDL_COMMON_APPDATA : CSIDL_APPDATA) | CSIDL_FLAG_CREATE;
    if (FAILED(::SHGetFolderPathW(nullptr, which, nullptr, SHGFP_TYPE_CURRENT, path)))
        return false;
    folder = RString(Utf8Text(path).c_str());
    return true;
}

} // namespace ShellService
