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

    void ShowWarning(const RString& caption, const RString& text) override
    {
        Warnings.push_back(std::string(caption.Text()) + ": " + text.Text());
    }
    void DisplayTopic(void*, const RString& fileAndTopic, const RHtmlHelpLibrary& library) override
    {
        EXPECT_NE(library.Retrieve, nullptr);
        Displayed.push_back(fileAndTopic.Text());
    }
};

constexpr const char* Chmlib = "libchm.so.1";
constexpr const char* Missing = "libtintwell-no-such-engine.so";
constexpr const char* WithoutEntryPoints = "libm.so.6";

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
        SetHtmlHelpLibraryFile(Chmlib);
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
    SetHtmlHelpLibraryFile(Chmlib);
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
}

} // namespace
