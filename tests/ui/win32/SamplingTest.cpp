// Sampling a known screen under wine and a window manager: the pixel under
// the pointer becomes the colour while the main window stays above the copy.
#include "ui/win32/MainFormFixture.h"

namespace
{

constexpr COLORREF Known = RGB(12, 34, 56);

// A plain window of one colour somewhere on the screen.
class ColourWindow
{
public:
    ColourWindow(int left, int top)
    {
        WNDCLASSA windowClass{};
        windowClass.lpfnWndProc = ::DefWindowProcA;
        windowClass.hInstance = ::GetModuleHandleA(nullptr);
        windowClass.hbrBackground = ::CreateSolidBrush(Known);
        windowClass.lpszClassName = "TintwellTestColour";
        ::RegisterClassA(&windowClass);
        Handle = ::CreateWindowExA(0, "TintwellTestColour", "", WS_POPUP | WS_VISIBLE, left, top, 200, 200, nullptr,
                                   nullptr, ::GetModuleHandleA(nullptr), nullptr);
        PumpFor(300);
    }
    ~ColourWindow() { ::DestroyWindow(Handle); }
    HWND Handle;
};

std::string Colour(COLORREF colour)
{
    return std::to_string(GetRValue(colour)) + "," + std::to_string(GetGValue(colour)) + "," +
           std::to_string(GetBValue(colour));
}

void PressRealKey(WORD virtualKey)
{
    INPUT keys[2] = {};
    keys[0].type = keys[1].type = INPUT_KEYBOARD;
    keys[0].ki.wVk = keys[1].ki.wVk = virtualKey;
    keys[1].ki.dwFlags = KEYEVENTF_KEYUP;
    ::SendInput(2, keys, sizeof(INPUT));
    PumpFor(300);
}

} // namespace

TEST_F(MainFormTest, ThePixelUnderThePointerIsTakenWhileTheMainWindowStaysAbove)
{
    ColourWindow colour(600, 400);
    ASSERT_EQ(ScreenPixelOf(colour.Handle, 100, 100), Known) << "the known colour is not on the screen";

    Click(Find("MouseSelectSBtn"));
    ASSERT_TRUE(Form->IsMouseSelecting());
    EXPECT_FALSE(::IsWindowEnabled(Find("MouseSelectSBtn")));
    EXPECT_FALSE(::IsWindowEnabled(Find("ColorDlgSelectSBtn")));
    HWND copy = ::FindWindowA("TBigScreenDlg", nullptr);
    ASSERT_NE(copy, nullptr);
    EXPECT_TRUE(::IsWindowVisible(copy));
    PumpFor(300);

    // A real movement of the pointer over the copy.
    ::SetCursorPos(700, 500);
    PumpFor(500);
    EXPECT_EQ(Rgb(), Colour(Known));
    // The live swatch shows the new colour; under the copy it would show the old.
    EXPECT_EQ(ScreenPixelOf(Find("TheShape"), 30, 10), Known) << "the copy covers the main window";

    ::SetCursorPos(10, 700); // somewhere else on the copy: black
    PumpFor(300);
    EXPECT_EQ(Rgb(), "0,0,0");
    ::SetCursorPos(650, 450);
    PumpFor(300);

    // A key that types a character takes the pixel and ends sampling.
    PressRealKey(VK_RETURN);
    EXPECT_FALSE(::IsWindowVisible(copy)) << "the key did not reach the copy";
    EXPECT_FALSE(Form->IsMouseSelecting());
    EXPECT_TRUE(::IsWindowEnabled(Find("MouseSelectSBtn")));
    EXPECT_TRUE(::IsWindowEnabled(Find("ColorDlgSelectSBtn")));
    EXPECT_EQ(Rgb(), Colour(Known));
    EXPECT_TRUE(::IsWindow(Form->Handle())) << "the key reached the main window";
}

TEST_F(MainFormTest, ClosingWhileSamplingTakesTheCopyAway)
{
    Click(Find("MouseSelectSBtn"));
    ASSERT_TRUE(Form->IsMouseSelecting());
    ::SendMessageA(Form->Handle(), WM_CLOSE, 0, 0);
    Pump();
    EXPECT_EQ(::FindWindowA("TBigScreenDlg", nullptr), nullptr);
}
