#pragma once

#include "shell/HtmlHelpLibrary.h"
#include "text/RString.h"

// Shows topics of the program's help file. A compiled HTML help file (a name
// with ".chm" or ".CHM" in it) is shown through the HTML help engine, loaded
// on first use; where that engine is missing the user is told once per run.
// Other files go to the older help engine.

// The option that starts the program as its own help viewer, where help
// windows are a process of their own.
inline constexpr const char* HelpViewerOption = "--help-viewer";

// What the launcher needs of the running application.
class RHelpHost
{
public:
    // Shows the warning as a modal message box.
    virtual void ShowWarning(const RString& caption, const RString& text) = 0;
    // Opens fileAndTopic ("Tintwell.chm::/Overview.htm") in a help window
    // owned by owner, reading it through library.
    virtual void DisplayTopic(void* owner, const RString& fileAndTopic, const RHtmlHelpLibrary& library) = 0;
    // Shows the topics of file found under keyword with the older help engine.
    virtual void ShowKeyword(void* owner, const RString& file, const RString& keyword)
    {
        ShowHelpKeyword(owner, file, keyword);
    }

protected:
    ~RHelpHost() = default;
};

// The application registers itself once it exists and unregisters (nullptr)
// before it ends; without one no warning is shown.
void SetHelpHost(RHelpHost* host);
// Registers the help file, unchanged (no folder is put in front of it).
void SetHelpFile(const RString& name);
// Shows topic. False only when the file is compiled HTML help and the
// engine cannot be had.
bool ShowHelpTopic(void* owner, const RString& topic);
// True when the HTML help engine is at hand, loading it the first time.
bool LoadHtmlHelp();

// The engine's library file, DefaultHtmlHelpLibraryFile() unless changed (tests use others).
void SetHtmlHelpLibraryFile(const RString& fileName);
RString HtmlHelpLibraryFile();
// Forgets the loaded engine and the warning, as at start-up (for tests).
void ResetHelp();
