#pragma once

#include "shell/Help.h"
#include "ui/qt/RHelpViewerProcess.h"

// The help launcher's window side: the warning as a message box, the topics
// in the help viewer, a process of its own. Registered while it exists.
class QtHelpHost : public RHelpHost
{
public:
    // viewerProgram shows the topics; empty means this program itself.
    explicit QtHelpHost(const QString& viewerProgram = QString());
    ~QtHelpHost();
    QtHelpHost(const QtHelpHost&) = delete;
    QtHelpHost& operator=(const QtHelpHost&) = delete;

    void ShowWarning(const RString& caption, const RString& text) override;
    void DisplayTopic(void* owner, const RString& fileAndTopic, const RHtmlHelpLibrary& library) override;

    const RHelpViewerProcess& Viewer() const { return TheViewer; }

private:
    RHelpViewerProcess TheViewer;
};
