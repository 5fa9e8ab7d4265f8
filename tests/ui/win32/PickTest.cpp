// Picking from the command line with the built program under wine: with no
// Tintwell running, handed to the running one, and once without the window,
// printed or cancelled by Escape.
#include "ui/win32/ColourWindow.h"
#include "ui/win32/MainFormFixture.h"

#include "settings/RAppReg.h"

#include <shlobj.h>

#include <filesystem>
#include <fstream>
#include <string>

namespace
{

// The built program.
std::string ProgramPath()
{
    return BuildMachinePath(TINTWELL_PROGRAM);
}

// One run of the program, its standard output and error read through
// pipes, and input (when there is some) written to its standard input.
class Program
{
public:
    explicit Program(const std::string& arguments, const std::string& input = "")
    {
        SECURITY_ATTRIBUTES inherit{sizeof inherit, nullptr, TRUE};
        HANDLE write = nullptr, errors = nullptr, read = nullptr, feed = nullptr;
        ::CreatePipe(&Output, &write, &inherit, 0);
        ::SetHandleInformation(Output, HANDLE_FLAG_INHERIT, 0);
        ::CreatePipe(&Errors, &errors, &inherit, 0);
        ::SetHandleInformation(Errors, HANDLE_FLAG_INHERIT, 0);
        ::CreatePipe(&read, &feed, &inherit, 64 * 1024);
        ::SetHandleInformation(feed, HANDLE_FLAG_INHERIT, 0);
        STARTUPINFOA startup{};
        startup.cb = sizeof startup;
        startup.dwFlags = STARTF_USESTDHANDLES;
        startup.hStdOutput = write;
        startup.hStdError = errors;
        startup.hStdInput = read;
        std::string command = "\"" + ProgramPath() + "\" " + arguments;
        Started = ::CreateProcessA(nullptr, command.data(), nullptr, nullptr, TRUE, 0, nullptr, nullptr, &startup,
                                   &Info) != FALSE;
        DWORD written = 0;
        if (!input.empty())
            ::WriteFile(feed, input.data(), static_cast<DWORD>(input.size()), &written, nullptr);
        for (HANDLE handle : {write, errors, read, feed})
            ::CloseHandle(handle);
    }
    ~Program()
    {
        if (Started && !Ended(0))
            ::TerminateProcess(Info.hProcess, 9);
        for (HANDLE handle : {Info.hProcess, Info.hThread, Output, Errors})
            if (handle != nullptr)
                ::CloseHandle(handle);
    }
    bool Ended(int waitMs)
    {
        for (int waited = 0; waited <= waitMs; waited += 50)
        {
            if (::WaitForSingleObject(Info.hProcess, 0) == WAIT_OBJECT_0)
                return true;
            PumpFor(50);
        }
        return false;
    }
    DWORD ExitCode() const
    {
        DWORD code = 0;
        ::GetExitCodeProcess(Info.hProcess, &code);
        return code;
    }
    std::string Printed() const { return AllOf(Output); }
    std::string Told() const { return AllOf(Errors); }
    // The process's visible top-level window of class, or none.
    HWND Window(const char* windowClass) const
    {
        for (HWND window = ::FindWindowExA(nullptr, nullptr, windowClass, nullptr); window != nullptr;
             window = ::FindWindowExA(nullptr, window, windowClass, nullptr))
        {
            DWORD process = 0;
            ::GetWindowThreadProcessId(window, &process);
            if (process == Info.dwProcessId && ::IsWindowVisible(window))
                return window;
        }
        return nullptr;
    }
    bool WaitForWindow(const char* windowClass)
    {
        for (int waited = 0; waited < 15000; waited += 50)
        {
            if (Window(windowClass) != nullptr)
                return true;
            PumpFor(50);
        }
        return false;
    }

    // Whether a window of the process has the keyboard (the foreground).
    bool WaitForKeyboard()
    {
        for (int waited = 0; waited < 15000; waited += 50)
        {
            DWORD process = 0;
            ::GetWindowThreadProcessId(::GetForegroundWindow(), &process);
            if (process == Info.dwProcessId)
                return true;
            PumpFor(50);
        }
        return false;
    }

    bool Started = false;

private:
    static std::string AllOf(HANDLE pipe)
    {
        std::string text;
        char buffer[256];
        DWORD read = 0;
        while (::ReadFile(pipe, buffer, sizeof buffer, &read, nullptr) && read > 0)
            text.append(buffer, read);
        return text;
    }

    PROCESS_INFORMATION Info{};
    HANDLE Output = nullptr;
    HANDLE Errors = nullptr;
};

class PickTest : public testing::Test
{
protected:
    // The program's own settings file, Tintwell.apr.
    static std::filesystem::path ProgramSettings()
    {
        char folder[MAX_PATH] = {};
        ::SHGetFolderPathA(nullptr, CSIDL_APPDATA, nullptr, 0, folder);
        return std::filesystem::path(folder) / "Quenlar" / "Tintwell" / "Tintwell.apr";
    }
    void SetUp() override { std::filesystem::remove(ProgramSettings()); }
    void TearDown() override { std::filesystem::remove(ProgramSettings()); }

    static std::int32_t Saved(const char* name, std::int32_t missing)
    {
        RAppReg store(MainFormTexts::SettingsSubfolder, false, "Tintwell");
        store.SetSection("Options");
        return store.ReadInt(name, missing);
    }
    // Closes the program's window as the Close button does; it saves.
    static void Close(Program& program)
    {
        ::PostMessageA(program.Window(TTWMainForm::WindowClass()), WM_CLOSE, 0, 0);
        EXPECT_TRUE(program.Ended(10000));
    }

    // Clear of where the main window opens, at every density.
    ColourWindow Target{1300, 900, RGB(12, 200, 99)};
};

} // namespace

TEST_F(PickTest, PickStartsTheWindowSampling)
{
    Program tintwell("--pick");
    ASSERT_TRUE(tintwell.Started);
    ASSERT_TRUE(tintwell.WaitForWindow("TBigScreenDlg"));
    RealClick(Target.Centre());
    Close(tintwell);
    EXPECT_EQ(Saved("LastColor", -1), static_cast<std::int32_t>(Target.Colour));
}

TEST_F(PickTest, PickGoesToTheRunningTintwell)
{
    Program running("");
    ASSERT_TRUE(running.WaitForWindow(TTWMainForm::WindowClass()));
    Program second("--pick");
    ASSERT_TRUE(second.Ended(10000));
    EXPECT_EQ(second.ExitCode(), 0u);
    EXPECT_EQ(second.Window(TTWMainForm::WindowClass()), nullptr);
    ASSERT_TRUE(running.WaitForWindow("TBigScreenDlg"));
    RealClick(Target.Centre());
    Close(running);
    EXPECT_EQ(Saved("LastColor", -1), static_cast<std::int32_t>(Target.Colour));
}

TEST_F(PickTest, PrintPrintsTheClickedPixelOrNothingOnEscape)
{
    {
        RAppReg store(MainFormTexts::SettingsSubfolder, false, "Tintwell");
        store.SetSection("Options");
        store.WriteInt("HexFormat", 2); // Delphi
    }
    Program pick("--pick --print");
    ASSERT_TRUE(pick.WaitForWindow("TBigScreenDlg"));
    EXPECT_EQ(pick.Window(TTWMainForm::WindowClass()), nullptr);
    RealClick(Target.Centre());
    ASSERT_TRUE(pick.Ended(10000));
    EXPECT_EQ(pick.ExitCode(), 0u);
    EXPECT_EQ(pick.Printed(), "$0063C80C\n");
    EXPECT_EQ(Saved("LastColor", -1), -1); // nothing saved

    Program cancelled("--pick --print");
    ASSERT_TRUE(cancelled.WaitForWindow("TBigScreenDlg"));
    // Without its window, the pick takes the keyboard itself once shown.
    ASSERT_TRUE(cancelled.WaitForKeyboard());
    PressRealKeys({VK_ESCAPE});
    ASSERT_TRUE(cancelled.Ended(10000));
    EXPECT_EQ(cancelled.ExitCode(), 1u);
    EXPECT_EQ(cancelled.Printed(), "");
}

// The conversions from a script: no window at all, the text in the form
// named or the saved notation, one line in and one out through pipes, the
// user's own forms, and the exit codes.
TEST_F(PickTest, ConvertsWithoutAnyWindow)
{
    {
        RAppReg store(MainFormTexts::SettingsSubfolder, false, "Tintwell");
        store.SetSection("Options");
        store.WriteInt("HexFormat", 3); // VB
    }
    const std::filesystem::path formats = ProgramSettings().parent_path() / "formats.txt";
    std::ofstream(formats) << "Qt = QColor({r}, {g}, {b})\n";
    const struct
    {
        const char* Arguments;
        const char* Input;
        DWORD Exit;
        const char* Printed;
        const char* Told; // a part of it
    } runs[] = {
        {"--convert #FF0000 --format oklch", "", 0, "oklch(0.628 0.25768 29.23)\n", ""},
        {"--convert tomato", "", 0, "&H004763FF&\n", ""},
        {"--convert \"color(display-p3 1 0 0)\" --format qt", "", 0, "QColor(255, 11, 12)\n", ""},
        {"--convert transparent", "", 1, "", "'transparent' has no colour"},
        {"--convert red --format nope", "", 2, "", "unknown format 'nope'"},
        {"--convert - --format hex", "red\r\nnope\nrgb(0 0 255)", 1, "#ff0000\n\n#0000ff\n", "line 2: 'nope'"},
        {"--formats", "", 0, "html\ncpp\n", ""},
    };
    for (const auto& run : runs)
    {
        Program program(run.Arguments, run.Input);
        ASSERT_TRUE(program.Ended(20000)) << run.Arguments;
        EXPECT_EQ(program.ExitCode(), run.Exit) << run.Arguments;
        const std::string printed = program.Printed();
        EXPECT_EQ(printed.substr(0, std::string(run.Printed).size()), run.Printed) << run.Arguments;
        EXPECT_NE(program.Told().find(run.Told), std::string::npos) << run.Arguments;
        if (std::string(run.Arguments) == "--formats")
        {
            EXPECT_EQ(printed.substr(printed.size() - 14), "hex-digits\nQt\n");
        }
    }
    std::filesystem::remove(formats);
}

TEST_F(PickTest, PrintInTheFormNamed)
{
    Program pick("--pick --print --format rgb");
    ASSERT_TRUE(pick.WaitForWindow("TBigScreenDlg"));
    RealClick(Target.Centre());
    ASSERT_TRUE(pick.Ended(10000));
    EXPECT_EQ(pick.ExitCode(), 0u);
    EXPECT_EQ(pick.Printed(), "rgb(12 200 99)\n");
}
