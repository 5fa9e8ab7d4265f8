// A user whose folders are named in characters outside the ANSI code page
// ("Łukasz 日本" on a Western system): the built program, started from such
// a folder with its application data in another, reads and saves its
// settings there and opens its help.
#include "ui/win32/MainFormFixture.h"

#include <shlobj.h>

#include <filesystem>
#include <fstream>
#include <string>

namespace
{

const wchar_t* const Folders = L"Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\User Shell Folders";
const wchar_t* const ShellFolders = L"Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell Folders";

// The user's application-data folder moved to folder until the end of the
// test: the value wine and Windows read it from, in both places.
class MovedApplicationData
{
public:
    explicit MovedApplicationData(const std::wstring& folder)
    {
        for (const wchar_t* key : {Folders, ShellFolders})
        {
            Saved.push_back(Read(key));
            Write(key, folder);
        }
    }
    ~MovedApplicationData()
    {
        Write(Folders, Saved[0]);
        Write(ShellFolders, Saved[1]);
    }

private:
    static std::wstring Read(const wchar_t* key)
    {
        wchar_t value[MAX_PATH] = {};
        DWORD size = sizeof value;
        ::RegGetValueW(HKEY_CURRENT_USER, key, L"AppData", RRF_RT_REG_SZ | RRF_RT_REG_EXPAND_SZ | RRF_NOEXPAND,
                       nullptr, value, &size);
        return value;
    }
    static void Write(const wchar_t* key, const std::wstring& value)
    {
        HKEY opened = nullptr;
        if (::RegCreateKeyExW(HKEY_CURRENT_USER, key, 0, nullptr, 0, KEY_SET_VALUE, nullptr, &opened, nullptr) != 0)
            return;
        ::RegSetValueExW(opened, L"AppData", 0, REG_EXPAND_SZ, reinterpret_cast<const BYTE*>(value.c_str()),
                         static_cast<DWORD>((value.size() + 1) * sizeof(wchar_t)));
        ::RegCloseKey(opened);
    }
    std::vector<std::wstring> Saved;
};

std::filesystem::path BuiltProgram()
{
    std::string path = TINTWELL_PROGRAM;
    if (!path.empty() && path.front() == '/')
        path = "Z:" + path;
    return std::filesystem::path(path).make_preferred();
}

// The process's visible window of class, waiting for it up to 15 seconds.
HWND WaitForWindow(DWORD process, const wchar_t* windowClass)
{
    for (int waited = 0; waited < 15000; waited += 50)
    {
        for (HWND window = ::FindWindowExW(nullptr, nullptr, windowClass, nullptr); window != nullptr;
             window = ::FindWindowExW(nullptr, window, windowClass, nullptr))
        {
            DWORD owner = 0;
            ::GetWindowThreadProcessId(window, &owner);
            if (owner == process && ::IsWindowVisible(window))
                return window;
        }
        PumpFor(50);
    }
    return nullptr;
}

// The control of window (at any depth) whose text is text.
HWND ControlWithText(HWND window, const wchar_t* text)
{
    struct RSearch
    {
        const wchar_t* Text;
        HWND Found;
    } search{text, nullptr};
    struct RVisit
    {
        static BOOL CALLBACK Child(HWND child, LPARAM data)
        {
            auto* wanted = reinterpret_cast<RSearch*>(data);
            wchar_t shown[64] = {};
            ::GetWindowTextW(child, shown, 64);
            if (std::wstring(shown) != wanted->Text)
                return TRUE;
            wanted->Found = child;
            return FALSE;
        }
    };
    ::EnumChildWindows(window, &RVisit::Child, reinterpret_cast<LPARAM>(&search));
    return search.Found;
}

} // namespace

TEST(UnicodeFolder, SettingsAreReadAndSavedAndHelpOpensInAFolderOutsideTheCodePage)
{
    wchar_t temporary[MAX_PATH] = {};
    ::GetTempPathW(MAX_PATH, temporary);
    const std::filesystem::path home = std::filesystem::path(temporary) / L"\u0141ukasz \u65E5\u672C";
    const std::filesystem::path programs = home / L"Programs", data = home / L"AppData";
    std::filesystem::remove_all(home);
    std::filesystem::create_directories(programs);
    std::filesystem::create_directories(data);
    const std::filesystem::path built = BuiltProgram();
    std::filesystem::copy_file(built, programs / L"Tintwell.exe");
    std::filesystem::copy_file(built.parent_path() / L"Tintwell.chm", programs / L"Tintwell.chm");
    {
        const MovedApplicationData moved(data.wstring());
        // What an earlier run saved: VB and a colour, which a start that could
        // not read them would replace by the first run's.
        {
            RAppReg store(MainFormTexts::SettingsSubfolder, false, "Tintwell");
            store.SetSection("Options");
            store.WriteInt("HexFormat", 3);
            store.WriteInt("LastColor", 0x123456);
        }
        const std::filesystem::path settings = data / L"Quenlar" / L"Tintwell" / L"Tintwell.apr";
        ASSERT_TRUE(std::filesystem::exists(settings)) << "the store did not reach the folder";

        STARTUPINFOW startup{};
        startup.cb = sizeof startup;
        PROCESS_INFORMATION started{};
        std::wstring command = L"\"" + (programs / L"Tintwell.exe").wstring() + L"\"";
        ASSERT_TRUE(::CreateProcessW(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr,
                                     programs.wstring().c_str(), &startup, &started));
        HWND window = WaitForWindow(started.dwProcessId, L"TTWMainForm");
        ASSERT_NE(window, nullptr);
        // Help, as the button asks for it: the help file beside the program.
        HWND help = ControlWithText(window, L"Help...");
        ASSERT_NE(help, nullptr);
        ::PostMessageW(help, BM_CLICK, 0, 0);
        EXPECT_NE(WaitForWindow(started.dwProcessId, L"HH Parent"), nullptr) << "the help did not open";
        ::PostMessageW(window, WM_CLOSE, 0, 0);
        EXPECT_EQ(::WaitForSingleObject(started.hProcess, 10000), WAIT_OBJECT_0);
        ::CloseHandle(started.hProcess);
        ::CloseHandle(started.hThread);

        RAppReg store(MainFormTexts::SettingsSubfolder, false, "Tintwell");
        store.SetSection("Options");
        EXPECT_EQ(store.ReadInt("HexFormat", -1), 3);
        EXPECT_EQ(store.ReadInt("LastColor", -1), 0x123456);
        store.SetSection("Window");
        EXPECT_NE(store.ReadInt("Left", -99999), -99999) << "the close saved no placement";
    }
    PumpFor(500); // the help viewer goes with the program
    std::error_code ignored;
    std::filesystem::remove_all(home, ignored);
}
