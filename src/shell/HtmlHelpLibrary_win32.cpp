#include "shell/HtmlHelpLibrary.h"

#include <windows.h>

namespace
{

// The control's entry point, HtmlHelpA.
using HtmlHelpFunction = HWND(WINAPI*)(HWND owner, LPCSTR file, UINT command, DWORD_PTR data);
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
    FARPROC entry = ::GetProcAddress(module, "HtmlHelpA");
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
    return show(static_cast<HWND>(owner), fileAndTopic, HhDisplayTopic, 0) != nullptr;
}

void ShowHelpKeyword(void* owner, const RString& file, const RString& keyword)
{
    ::WinHelpA(static_cast<HWND>(owner), file.Text(), HelpKey, reinterpret_cast<ULONG_PTR>(keyword.Text()));
}
