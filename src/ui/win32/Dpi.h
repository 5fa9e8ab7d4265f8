#pragma once

#include <windows.h>

#include <vector>

// Sent to a window that moved onto a monitor of another density; wParam's
// high word is the new density, lParam the suggested outer rectangle.
#ifndef WM_DPICHANGED
#define WM_DPICHANGED 0x02E0
#endif

// Windows lays out and draws this program at each monitor's own density:
// the program says so in its manifest, so the system neither stretches its
// windows as pictures nor scales the coordinates it is given. The calls that
// ask for a density came with Windows 10; before it every monitor has the
// system's.

// The density window is drawn at: its monitor's.
int WindowDpi(HWND window);
// The system's density, which a window has until it lands on a monitor.
int SystemDpi();

// The pixels at 96 dots per inch of the desktop's ordinary text: its message
// font, or the default enlarged by the text scale factor of the system's
// accessibility settings, whichever is larger. Read once, and again after
// ForgetDesktopText (when the desktop's settings change).
double DesktopTextPixels();
void ForgetDesktopText();
// The density a window's layout is drawn at on a monitor of displayDpi:
// enlarged with the desktop's text.
int LayoutDpiAt(int displayDpi);
int LayoutDpiOf(HWND window);
// Moves window's top-left corner to (left, top) and sizes it so that its
// client area is width x height device pixels, its frame (of style and
// extendedStyle) drawn at dpi.
void FitClientArea(HWND window, int width, int height, DWORD style, DWORD extendedStyle, int dpi, int left, int top);
