#pragma once

// One run of the real main window, with the settings of earlier runs removed.
#include "ui/win32/ScreenAccess.h"
#include "ui/win32/TTWMainForm.h"
#include "ui/win32/Win32Driver.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <string>
#include <vector>

// Every monitor's area on the desktop, the primary first, as the system's
// rectangles.
inline std::vector<RECT> MonitorAreas()
{
    std::vector<RECT> areas;
    for (const RMonitor& monitor : DesktopMonitors())
        areas.push_back(RECT{monitor.Left, monitor.Top, monitor.Left + monitor.Width, monitor.Top + monitor.Height});
    return areas;
}

class MainFormTest : public testing::Test
{
protected:
    void SetUp() override
    {
        std::filesystem::remove(SettingsFile());
        Start();
    }
    void TearDown() override
    {
        Form.reset();
        Pump();
        std::filesystem::remove(SettingsFile());
    }

    void Start()
    {
        Form = std::make_unique<TTWMainForm>();
        Form->Show();
        PumpFor(100);
    }
    // Closes as the Close button does, and lets the close run.
    void CloseAndRestart()
    {
        Click(Find("CloseBtn"));
        EXPECT_FALSE(::IsWindow(Form->Handle()));
        Form.reset();
        Pump();
        Start();
    }

    // "Select Color with Mouse" as the user clicks it: the main window
    // becomes the active window (which windows made since may have taken),
    // then the button acts.
    void StartSampling()
    {
        ::SetForegroundWindow(Form->Handle());
        PumpFor(200);
        Click(Find("MouseSelectSBtn"));
    }
    HWND Find(const char* name) const
    {
        HWND control = Form->ControlNamed(name);
        EXPECT_NE(control, nullptr) << name;
        return control;
    }
    std::string Text(const char* name) const { return TextOf(Find(name)); }
    std::string Rgb() const { return Text("RedEdit") + "," + Text("GrnEdit") + "," + Text("BluEdit"); }
    std::string Hsl() const { return Text("HueEdit") + "," + Text("SatEdit") + "," + Text("LumEdit"); }
    int Selected(const char* list) const { return static_cast<int>(::SendMessageA(Find(list), CB_GETCURSEL, 0, 0)); }
    std::string SelectedText(const char* list) const
    {
        char text[64] = {};
        ::SendMessageA(Find(list), CB_GETLBTEXT, static_cast<WPARAM>(Selected(list)), reinterpret_cast<LPARAM>(text));
        return text;
    }
    void SetRgb(const char* red, const char* green, const char* blue)
    {
        TypeInto(Find("RedEdit"), red);
        TypeInto(Find("GrnEdit"), green);
        TypeInto(Find("BluEdit"), blue);
    }
    // A choice in a list, as the user makes it: the list has the focus and
    // the Down key moves to index.
    void Choose(const char* list, int index)
    {
        HWND combo = Find(list);
        ::SetFocus(combo);
        ::SendMessageA(combo, CB_SETCURSEL, static_cast<WPARAM>(index - 1), 0);
        PressKey(combo, VK_DOWN);
    }

    static std::filesystem::path SettingsFile();

    std::unique_ptr<TTWMainForm> Form;
};
