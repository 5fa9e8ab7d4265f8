// The command line's conversions through a console of strings: each line
// converted, the unreadable ones empty and told with their line number,
// the exit codes, and the user's forms by name.
#include "app/ColorConversion.h"
#include "settings/UserFormats.h"

#include "support/RecordingOpener.h"
#include "support/TestFolder.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <chrono>
#include <fstream>
#include <sstream>
#include <thread>

namespace
{

class RStringConsole : public RConsole
{
public:
    explicit RStringConsole(std::string input, std::size_t chunk = 7) : Input(std::move(input)), Chunk(chunk) {}
    std::size_t ReadInput(char* buffer, std::size_t size) override
    {
        const std::string part = Input.substr(Taken, std::min(size, Chunk));
        part.copy(buffer, part.size());
        Taken += part.size();
        return part.size();
    }
    bool WriteOutput(std::string_view text) override
    {
        Output += text;
        return true;
    }
    void WriteError(std::string_view text) override { Error += text; }

    std::string Input;
    std::size_t Chunk; // small, so lines cross the reads
    std::size_t Taken = 0;
    std::string Output, Error;
};

RCommandLine Convert(const char* text, const char* format)
{
    RCommandLine line;
    line.Action = RCommandLine::RAction::Convert;
    line.ConvertText = text;
    line.Format = format;
    return line;
}

} // namespace

TEST(ColorConversion, OneTextAndItsExitCode)
{
    RStringConsole console("");
    EXPECT_EQ(RunConvert(Convert("tomato", "oklch"), console, "tintwell"), 0);
    EXPECT_EQ(console.Output, "oklch(0.6962 0.19552 32.32)\n");
    RStringConsole refused("");
    EXPECT_EQ(RunConvert(Convert("transparent", "hex"), refused, "tintwell"), 1);
    EXPECT_EQ(refused.Output, "");
    EXPECT_EQ(refused.Error, "tintwell: 'transparent' has no colour: Tintwell keeps opaque colours\n");
    RStringConsole unknown("");
    EXPECT_EQ(RunConvert(Convert("red", "nope"), unknown, "tintwell"), 2);
    EXPECT_EQ(unknown.Error.rfind("tintwell: unknown format 'nope'; the formats are:\nhtml\ncpp\n", 0), 0u);
    EXPECT_NE(unknown.Error.find("\noklch\n"), std::string::npos);
}

TEST(ColorConversion, ALineAtATime)
{
    RStringConsole console("#FF0000\r\nnot a colour\n\nrgb(0 0 255)\n" + std::string(70000, 'x') + "\nlime");
    EXPECT_EQ(RunConvert(Convert("-", "rgb-comma"), console, "tintwell"), 1);
    EXPECT_EQ(console.Output, "rgb(255, 0, 0)\n\n\nrgb(0, 0, 255)\n\nrgb(0, 255, 0)\n");
    EXPECT_EQ(console.Error, "tintwell: line 2: 'not a colour' is no colour name, hex value or colour function "
                             "Tintwell knows\n"
                             "tintwell: line 3: no colour: the text is empty\n"
                             "tintwell: line 5: longer than 64 KB\n");
    RStringConsole good("red\nblue\n", 4096);
    EXPECT_EQ(RunConvert(Convert("-", "hex"), good, "t"), 0);
    EXPECT_EQ(good.Output, "#ff0000\n#0000ff\n");
    RStringConsole empty("");
    EXPECT_EQ(RunConvert(Convert("-", "hex"), empty, "t"), 0);
    EXPECT_EQ(empty.Output, "");
}

// The user's forms come from the settings folder, which the tests point at
// a folder of their own.
TEST(ColorConversion, TheUsersFormsByName)
{
    TestFolder folder;
    std::string path;
    ASSERT_TRUE(UserFormatsPath(path));
    std::ofstream(path) << "Qt = QColor({r}, {g}, {b})\nBroken = {x}\n";
    RStringConsole console("");
    EXPECT_EQ(RunConvert(Convert("#102030", "qt"), console, "t"), 0);
    EXPECT_EQ(console.Output, "QColor(16, 32, 48)\n");
    RStringConsole broken("");
    EXPECT_EQ(RunConvert(Convert("#102030", "Broken"), broken, "t"), 2);
    EXPECT_EQ(broken.Error, "t: the format 'Broken' cannot be read: line 2, column 11: unknown placeholder 'x': "
                            "see the help's list (r, g, b, rf, hex, hsl.h, oklch.l, ...)\n");
    RStringConsole list("");
    EXPECT_EQ(RunListFormats(list, "t"), 0);
    EXPECT_EQ(list.Output.substr(list.Output.size() - 14), "hex-digits\nQt\n");
    EXPECT_EQ(list.Error.rfind("t: the format 'Broken' cannot be read: line 2", 0), 0u);
}

// Edit Formats makes the file with its commented examples when it is
// missing, never over the user's own, and hands it to the desktop's opener.
TEST(ColorConversion, EditFormatsMakesTheFileOnceAndOpensIt)
{
    TestFolder folder;
    const auto record = RecordingOpener(folder);
    std::string path;
    ASSERT_TRUE(UserFormatsPath(path));
    const auto opened = [&record](std::size_t times)
    {
        for (int waited = 0; waited < 5000 && Lines(record).size() < times; waited += 20)
            std::this_thread::sleep_for(std::chrono::milliseconds(20));
        return Lines(record);
    };
    ASSERT_TRUE(EditUserFormats());
    EXPECT_EQ(opened(1), std::vector<std::string>{path});
    std::stringstream made;
    made << std::ifstream(path).rdbuf();
    EXPECT_EQ(made.str(), UserFormatsExamples);
    std::ofstream(path) << "Mine = {hex}\n";
    ASSERT_TRUE(EditUserFormats());
    EXPECT_EQ(opened(2).size(), 2u);
    std::stringstream kept;
    kept << std::ifstream(path).rdbuf();
    EXPECT_EQ(kept.str(), "Mine = {hex}\n");
}
