#pragma once

// Drives real Win32 windows from a test, on the test's own thread, through
// the messages a user's actions produce.
#include <windows.h>
#include <commctrl.h>

#include <initializer_list>
#include <string>

// Delivers everything waiting, as the program's loop does (dialog
// navigation included), and forgets a quit request: a closed window must
// not stop the next test's loop. True when a quit request was met.
bool Pump();

// Pumps for about milliseconds, so that timers and the window manager act.
void PumpFor(int milliseconds);

std::string TextOf(HWND window);

// Replaces the box's text as typing does: select all, then one character
// message per character.
void TypeInto(HWND edit, const std::string& text);

// A key pressed and released over window, through the program's loop.
void PressKey(HWND window, UINT virtualKey);

// A left click in the middle of window (a button press then its release).
void Click(HWND window);
// A left click at a point of window's client area.
void ClickAt(HWND window, int x, int y);

// One arrow of an up-down control: up (+1) or down (-1).
void ClickArrow(HWND upDown, int direction);

// Real input, through the system's input queue as the user's hands make it,
// each followed by a while of the program's loop:
// the pointer moved to a desktop point;
void MovePointer(POINT to);
// a click there, the button pressed and released with no time between (as a
// touchpad's tap);
void RealClick(POINT at, bool right = false);
// keys pressed together, then released in the reverse order.
void PressRealKeys(std::initializer_list<WORD> keys);
// The window's client area as the screen shows it: colour value at (x, y).
COLORREF ScreenPixelOf(HWND window, int x, int y);

// The desktop's message font with letters pixels high at 96 dots per inch
// (21 for 16 points, 27 for 20), as the system's settings change it (every
// window is told), for as long as this lives.
class MessageFontAt
{
public:
    explicit MessageFontAt(int pixels);
    ~MessageFontAt();
    MessageFontAt(const MessageFontAt&) = delete;
    MessageFontAt& operator=(const MessageFontAt&) = delete;

private:
    static void Change(NONCLIENTMETRICSW& metrics);
    NONCLIENTMETRICSW Saved{};
};

// What a screen reader reads of window (or of its child, from 1), through
// the system's accessibility interface.
std::string AccessibleNameOf(HWND window, long child = 0);
std::string AccessibleDescriptionOf(HWND window);

// A path of the build machine as the program sees it: under wine, one of
// its Z: drive.
std::string BuildMachinePath(std::string path);
