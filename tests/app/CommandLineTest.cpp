// The command line: the program's two informational options, the toolkit's
// own options let through, and everything else refused.
#include "app/CommandLine.h"

#include <gtest/gtest.h>

#include <vector>

namespace
{

using RAction = RCommandLine::RAction;

struct Case
{
    std::vector<const char*> Arguments; // after the program's name
    RAction Action;
    const char* Platform = "";
    const char* Display = "";
    bool Pick = false;
    bool Print = false;
};

RCommandLine Parse(std::vector<const char*> arguments)
{
    arguments.insert(arguments.begin(), "tintwell");
    return ParseCommandLine(static_cast<int>(arguments.size()), arguments.data());
}

} // namespace

TEST(CommandLine, EveryCase)
{
    const Case cases[] = {
        {{}, RAction::Run},
        {{"--help"}, RAction::PrintHelp},
        {{"-h"}, RAction::PrintHelp},
        {{"--version"}, RAction::PrintVersion},
        {{"-V"}, RAction::PrintVersion},
        {{"--version", "--help"}, RAction::PrintVersion},
        {{"--frob", "--help"}, RAction::PrintHelp},
        {{"--help-viewer", "libchm.so.1"}, RAction::HelpViewer},
        {{"-platform", "offscreen"}, RAction::Run, "offscreen"},
        {{"--platform=wayland"}, RAction::Run, "wayland"},
        {{"-display", ":1", "-style", "Fusion", "-reverse"}, RAction::Run, "", ":1"},
        {{"-stylesheet=a.qss", "--qwindowtitle", "T"}, RAction::Run},
        {{"-platform"}, RAction::Fail},
        {{"--frob"}, RAction::Fail},
        {{"-"}, RAction::Fail},
        {{"colour.txt"}, RAction::Fail},
        {{"-reverse=1"}, RAction::Fail},
        {{"-style", "Fusion", "extra"}, RAction::Fail},
        {{"libchm.so.1", "--help-viewer"}, RAction::Fail},
        {{"--pick"}, RAction::Run, "", "", true},
        {{"--print", "--pick", "-display", ":2"}, RAction::Run, "", ":2", true, true},
        {{"--print"}, RAction::Fail},
        {{"--pick", "--help"}, RAction::PrintHelp},
    };
    for (const Case& test : cases)
    {
        const RCommandLine line = Parse(test.Arguments);
        std::string described;
        for (const char* argument : test.Arguments)
            described += std::string(argument) + " ";
        EXPECT_EQ(line.Action, test.Action) << described;
        EXPECT_EQ(line.Platform, test.Platform) << described;
        EXPECT_EQ(line.Display, test.Display) << described;
        EXPECT_EQ(line.Pick, test.Pick) << described;
        EXPECT_EQ(line.Print, test.Print) << described;
        EXPECT_EQ(line.Error.empty(), test.Action != RAction::Fail) << described;
    }
}

// The conversions: the text after --convert (or with "="), the form after
// --format, and the combinations that make no sense refused.
TEST(CommandLine, Conversions)
{
    const struct
    {
        std::vector<const char*> Arguments;
        RAction Action;
        const char* Text;
        const char* Format;
    } cases[] = {
        {{"--convert", "#ff0000"}, RAction::Convert, "#ff0000", ""},
        {{"--convert=red", "--format", "oklch"}, RAction::Convert, "red", "oklch"},
        {{"--format=hex", "--convert", "-"}, RAction::Convert, "-", "hex"},
        {{"--convert", "--format"}, RAction::Convert, "--format", ""}, // the text is whatever follows
        {{"--formats"}, RAction::ListFormats, "", ""},
        {{"--pick", "--print", "--format", "Swift"}, RAction::Run, "", "Swift"},
        {{"--convert"}, RAction::Fail, "", ""},
        {{"--convert", "red", "--format"}, RAction::Fail, "", ""},
        {{"--convert", "red", "--format="}, RAction::Fail, "", ""},
        {{"--format", "hex"}, RAction::Fail, "", ""},
        {{"--pick", "--format", "hex"}, RAction::Fail, "", ""},
        {{"--convert", "red", "--pick"}, RAction::Fail, "", ""},
        {{"--convert", "red", "--formats"}, RAction::Fail, "", ""},
        {{"--converts", "red"}, RAction::Fail, "", ""},
        {{"--convert", "red", "--version"}, RAction::PrintVersion, "", ""},
    };
    for (const auto& test : cases)
    {
        const RCommandLine line = Parse(test.Arguments);
        EXPECT_EQ(line.Action, test.Action) << test.Arguments[0];
        if (test.Action == RAction::Convert)
        {
            EXPECT_EQ(line.ConvertText, test.Text);
        }
        if (test.Action != RAction::Fail)
        {
            EXPECT_EQ(line.Format, test.Format);
        }
    }
    EXPECT_EQ(Parse({"--format", "hex"}).Error, "option '--format' needs '--convert' or '--pick --print'");
}

TEST(CommandLine, TheErrorNamesTheArgument)
{
    EXPECT_EQ(Parse({"--frob"}).Error, "unknown option '--frob'");
    EXPECT_EQ(Parse({"-display"}).Error, "option '-display' needs a value");
    EXPECT_EQ(Parse({"a", "--b"}).Error, "unexpected argument 'a'"); // the first fault
    EXPECT_EQ(Parse({"--print"}).Error, "option '--print' needs '--pick'");
}

// Without the toolkit (on Windows) its options are unknown like any other.
TEST(CommandLine, ToolkitOptionsOnlyWhereThereIsTheToolkit)
{
    const char* arguments[] = {"tintwell", "-style", "Fusion", "--pick"};
    EXPECT_EQ(ParseCommandLine(4, arguments, false).Error, "unknown option '-style'");
    EXPECT_EQ(ParseCommandLine(4, arguments, true).Action, RCommandLine::RAction::Run);
}

TEST(CommandLine, TheUsageNamesTheOptionsAndTheSettingsFile)
{
    const std::string usage = UsageText("tintwell");
    for (const char* part : {"Usage: tintwell", "--help", "--version", "Quenlar/Tintwell/tintwell.apr"})
        EXPECT_NE(usage.find(part), std::string::npos) << part;
}
