// Start-up on Windows: the common controls, the main window, the message
// loop; an exception that escapes is shown in a message box.
#include "ui/FormLayout.h"
#include "ui/win32/MessageLoop.h"
#include "ui/win32/TTWMainForm.h"
#include "ui/win32/Win32HelpHost.h"

#include <windows.h>
#include <commctrl.h>

#include <exception>

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int)
{
    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_STANDARD_CLASSES | ICC_UPDOWN_CLASS | ICC_BAR_CLASSES};
    ::InitCommonControlsEx(&controls);
    try
    {
        Win32HelpHost help; // help can warn and show topics while the program runs
        TTWMainForm form;
        form.Show();
        RunMessageLoop();
    }
    catch (const std::exception& failure)
    {
        ::MessageBoxA(nullptr, failure.what(), MainFormLayout().Caption, MB_OK | MB_ICONERROR);
    }
    return 0;
}
