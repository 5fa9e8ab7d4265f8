// Picking from the command line with the built program under wine: with no
// Tintwell running, handed to the running one, and once without the window,
// printed or cancelled by Escape.
#include "ui/win32/ColourWindow.h"
#include "ui/win32/MainFormFixture.h"

#include "settings/RAppReg.h"

#include <shlobj.h>

#include <string>

namespace
{

// The built program; a path of the build machine is one of wine's Z: drive.
std::string ProgramPath()
{
    std::string path = TINTWELL_PROGRAM;
    if (!path.empty() && path.front() == '/')
    {
        for (char& c : path)
            if (c == '/')
                c = '\\';
        path = "Z:" + path;
    }
    return path;
}

// One run of the program, its standard output read through a pipe.
class Program
{
public:
    explicit Program(const std::string& arguments)
    {
        SECURITY_ATTRIBUTES inherit{sizeof inherit, nullptr, TRUE};
        HANDLE write = nullptr;
        ::CreatePipe(&Output, &write, &inherit, 0);
        ::SetHandleInformation(Output, HANDLE_FLAG_INHERIT, 0);
        STARTUPINFOA startup{};
        startup.cb = sizeof startup;
        startup.dwFlags = STARTF_USESTDHANDLES;
        startup.hStdOutput = write;
        std::string command = "\"" + ProgramPath() + "\" " + arguments;
        Started = ::CreateProcessA(nullptr, command.data(), nullptr, nullptr, TRUE, 0, nullptr, nullptr, &startup,
                                   &Info) != FALSE;
        ::CloseHandle(write);
    }
    ~Program()
    {
        if (Started && !Ended(0))
            ::TerminateProcess(Info.hProcess, 9);
        for (HANDLE handle : {Info.hProcess, Info.hThread, Output})
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
    std::string Printed() const
    {
        std::string text;
        char buffer[256];
        DWORD read = 0;
        while (::ReadFile(Output, buffer, sizeof buffer, &read, nullptr) && read > 0)
            text.append(buffer, read);
        return text;
    }
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
    PROCESS_INFORMATION Info{};
    HANDLE Output = nullptr;
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
