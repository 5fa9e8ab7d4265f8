#include "shell/Help.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace
{

class RecordingHost : public RHelpHost
{
public:
    std::vector<std::string> Warnings;
    std::vector<std::string> Displayed;
    std::vector<std::string> Keywords;

    void ShowWarning(const RString& caption, const RString& text) override
    {
        Warnings.push_back(std::string(caption.Text()) + ": " + text.Text());
    }
    void DisplayTopic(void*, const RString& fileAndTopic, const RHtmlHelpLibrary& library) override
    {
#ifdef _WIN32
        EXPECT_NE(library.DisplayEntry, nullptr);
#else
        EXPECT_NE(library.Retrieve, nullptr);
#endif
        Displayed.push_back(fileAndTopic.Text());
    }
    // Never the real older engine: it would start a viewer.
    void ShowKeyword(void*, const RString& file, const RString& keyword) override
    {
        Keywords.push_back(std::string(file.Text()) + ": " + keyword.Text());
    }
};

#ifdef _WIN32
constexpr const char* Engine = "hhctrl.ocx";
constexpr const char* Missing = "tintwell-no-such-engine.dll";
constexpr const char* WithoutEntryPoints = "version.dll";
#else
constexpr const char* Engine = "libchm.so.1";
constexpr const char* Missing = "libtintwell-no-such-engine.so";
constexpr const char* WithoutEntryPoints = "libm.so.6";
#endif

class HelpLauncher : public testing::Test
{
protected:
    RecordingHost Host;

    void SetUp() override
    {
        ResetHelp();
        SetHelpHost(&Host);
        SetHtmlHelpLibraryFile(Missing);
    }
    void TearDown() override
    {
        SetHelpHost(nullptr);
        ResetHelp();
        SetHtmlHelpLibraryFile(Engine);
    }
};

TEST_F(HelpLauncher, TheNameChoosesTheEngine)
{
    // Without the HTML help engine, only names that choose it fail.
    const struct
    {
        const char* Name;
        bool Html;
    } rows[] = {{"Tintwell.chm", true}, {"TINTWELL.CHM", true}, {"Tintwell.Chm", false},
                {"x.chm.old", true},    {"Tintwell.hlp", false}};
    for (const auto& row : rows)
    {
        SetHelpFile(row.Name);
        EXPECT_EQ(ShowHelpTopic(nullptr, "Overview.htm"), !row.Html) << row.Name;
    }
    EXPECT_EQ(Host.Keywords, (std::vector<std::string>{"Tintwell.Chm: Overview.htm", "Tintwell.hlp: Overview.htm"}));
}

TEST_F(HelpLauncher, AMissingEngineIsReportedOncePerRun)
{
    SetHelpFile("Tintwell.chm");
    for (const char* library : {Missing, WithoutEntryPoints, Missing})
    {
        SetHtmlHelpLibraryFile(library);
        EXPECT_FALSE(ShowHelpTopic(nullptr, "Overview.htm")) << library;
    }
    ASSERT_EQ(Host.Warnings.size(), 1u);
    EXPECT_EQ(Host.Warnings[0],
              "HTML Help Support: HTML Help support could not be found in your installation of Windows. "
              "Please install this support and try to display help information again.");
    EXPECT_TRUE(Host.Displayed.empty());
}

TEST_F(HelpLauncher, WithoutAnApplicationNothingIsShownAndTheWarningWaits)
{
    SetHelpHost(nullptr);
    SetHelpFile("Tintwell.chm");
    EXPECT_FALSE(ShowHelpTopic(nullptr, "Overview.htm"));
    SetHelpHost(&Host);
    EXPECT_FALSE(ShowHelpTopic(nullptr, "Overview.htm"));
    EXPECT_EQ(Host.Warnings.size(), 1u);
}

TEST_F(HelpLauncher, TheEngineIsLoadedOnceAndTheTopicAppendedUnchanged)
{
    SetHelpFile("Tintwell.chm");
    SetHtmlHelpLibraryFile(Engine);
    EXPECT_TRUE(ShowHelpTopic(nullptr, "Overview.htm"));
    SetHtmlHelpLibraryFile(Missing); // a reload would fail now
    EXPECT_TRUE(ShowHelpTopic(nullptr, ""));
    EXPECT_EQ(Host.Displayed, (std::vector<std::string>{"Tintwell.chm::/Overview.htm", "Tintwell.chm::/"}));
    EXPECT_TRUE(Host.Warnings.empty());
}

TEST_F(HelpLauncher, BeforeAnyHelpFileTheOlderEngineIsAsked)
{
    SetHelpFile("");
    EXPECT_TRUE(ShowHelpTopic(nullptr, "Overview.htm"));
    EXPECT_TRUE(Host.Displayed.empty());
    EXPECT_EQ(Host.Keywords, (std::vector<std::string>{": Overview.htm"}));
}

} // namespace
