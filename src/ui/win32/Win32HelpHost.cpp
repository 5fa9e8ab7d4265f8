#include "ui/win32/Win32HelpHost.h"

#include <windows.h>

Win32HelpHost::Win32HelpHost()
{
    SetHelpHost(this);
}

Win32HelpHost::~Win32HelpHost()
{
    SetHelpHost(nullptr);
}

void Win32HelpHost::ShowWarning(const RString& caption, const RString& text)
{
    ::MessageBoxA(::GetActiveWindow(), text.Text(), caption.Text(), MB_OK | MB_ICONWARNING);
}

void Win32HelpHost::DisplayTopic(void* owner, const RString& fileAndTopic, const RHtmlHelpLibrary& library)
{
    DisplayHtmlHelpTopic(library, owner, fileAndTopic.Text());
}
