#pragma once

#include "shell/Help.h"

// The help launcher's window side: the warning as a message box, the topics
// in the help viewer. Registered while it exists.
class QtHelpHost : public RHelpHost
{
public:
    QtHelpHost();
    ~QtHelpHost();
    QtHelpHost(const QtHelpHost&) = delete;
    QtHelpHost& operator=(const QtHelpHost&) = delete;

    void ShowWarning(const RString& caption, const RString& text) override;
    void DisplayTopic(void* owner, const RString& fileAndTopic, const RHtmlHelpLibrary& library) override;
};
