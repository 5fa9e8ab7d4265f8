#include "shell/HtmlHelpLibrary.h"

#include "text/WideText.h"

#include <windows.h>

namespace
{

// The control's entry point, HtmlHelpW: the help file's path may hold
// characters outside the ANSI code page.
using HtmlHelpFunction = HWND(WINAPI*)(HWND owner, LPCWSTR file, UINT command, DWORD_PTR data);
constexpr UINT HhDisplayTopic = 0x0000;
// WinHelpA's command that shows the topic found under a keyword.
constexpr UINT HelpKey = 0x0101;

} // namespace

const char* DefaultHtmlHelpLibraryFile()
{
    return "hhctrl.ocx";
}

bool LoadHtmlHelpLibrary(const char* fileName, RHtmlHelpLibrary& library)
{
    library = {};
    HMODULE module = ::LoadLibraryA(fileName);
    if (module == nullptr)
        return false;
    FARPROC entry = ::GetProcAddress(module, "HtmlHelpW");
    if (entry == nullptr)
    {
        ::FreeLibrary(module);
        return false;
    }
    library.Module = module;
    library.DisplayEntry = reinterpret_cast<void*>(entry);
    return true;
}

void ReleaseHtmlHelpLibrary(RHtmlHelpLibrary& library)
{
    if (library.Module != nullptr)
        ::FreeLibrary(static_cast<HMODULE>(library.Module));
    library = {};
}

bool DisplayHtmlHelpTopic(const RHtmlHelpLibrary& library, void* owner, const char* fileAndTopic)
{
    if (library.DisplayEntry == nullptr)
        return false;
    const auto show = reinterpret_cast<HtmlHelpFunction>(library.DisplayEntry);
    return show(static_cast<HWND>(owner), WideText(fileAndTopic).c_str(), HhDisplayTopic, 0) != nullptr;
}

void ShowHelpKeyword(void* owner, const RString& file, const RString& keyword)
{
    ::WinHelpW(static_cast<HWND>(owner), WideText(file.Text()).c_str(), HelpKey,
               reinterpret_cast<ULONG_PTR>(WideText(keyword.Text()).c_str()));
}
