#include "shell/Help.h"

#include <cstring>

namespace
{

// One set per process, as the help engine is.
struct HelpState
{
    RString HelpFileName;
    bool HtmlHelpMode = false;
    RHtmlHelpLibrary HtmlHelpLibrary;
    bool HtmlHelpWarned = false;
    RString LibraryFile{DefaultHtmlHelpLibraryFile()};
    RHelpHost* Host = nullptr;
};

HelpState& State()
{
    static HelpState state;
    return state;
}

constexpr const char* MissingText =
    "HTML Help support could not be found in your installation of Windows. Please install this "
    "support and try to display help information again.";
constexpr const char* MissingCaption = "HTML Help Support";

} // namespace

void SetHelpHost(RHelpHost* host)
{
    State().Host = host;
}

void SetHelpFile(const RString& name)
{
    HelpState& state = State();
    state.HelpFileName = name;
    // Only these two spellings mark compiled HTML help, anywhere in the name.
    state.HtmlHelpMode = std::strstr(name.Text(), ".chm") != nullptr || std::strstr(name.Text(), ".CHM") != nullptr;
}

bool LoadHtmlHelp()
{
    HelpState& state = State();
    // 1-3. Loaded once; a library without its entry points is not kept.
    const bool loaded = state.HtmlHelpLibrary.Module != nullptr ||
                        LoadHtmlHelpLibrary(state.LibraryFile.Text(), state.HtmlHelpLibrary);
    // 4. Told once per run, and only while there is an application to tell.
    if (!loaded && !state.HtmlHelpWarned && state.Host != nullptr)
    {
        state.HtmlHelpWarned = true;
        state.Host->ShowWarning(MissingCaption, MissingText);
    }
    return loaded;
}

bool ShowHelpTopic(void* owner, const RString& topic)
{
    HelpState& state = State();
    if (state.HtmlHelpMode)
    {
        if (!LoadHtmlHelp())
            return false;
        // The file as registered, "::/" and the topic unchanged.
        const RString fileAndTopic = state.HelpFileName + "::/" + topic;
        if (state.Host != nullptr)
            state.Host->DisplayTopic(owner, fileAndTopic, state.HtmlHelpLibrary);
    }
    else if (state.Host != nullptr)
        state.Host->ShowKeyword(owner, state.HelpFileName, topic);
    else
        ShowHelpKeyword(owner, state.HelpFileName, topic);
    return true;
}

void SetHtmlHelpLibraryFile(const RString& fileName)
{
    State().LibraryFile = fileName;
}

RString HtmlHelpLibraryFile()
{
    return State().LibraryFile;
}

void ResetHelp()
{
    HelpState& state = State();
    ReleaseHtmlHelpLibrary(state.HtmlHelpLibrary);
    state.HtmlHelpWarned = false;
}
