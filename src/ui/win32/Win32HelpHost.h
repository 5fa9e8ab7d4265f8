#pragma once

#include "shell/Help.h"

// The help launcher's window side: the warning as a message box, the topics
// in the HTML Help control's own window. Registered while it exists.
class Win32HelpHost : public RHelpHost
{
public:
    Win32HelpHost();
    ~Win32HelpHost();
    Win32HelpHost(const Win32HelpHost&) = delete;
    Win32HelpHost& operator=(const Win32HelpHost&) = delete;

    void ShowWarning(const RString& caption, const RString& text) override;
    void DisplayTopic(void* owner, const RString& fileAndTopic, const RHtmlHelpLibrary& library) override;
};
