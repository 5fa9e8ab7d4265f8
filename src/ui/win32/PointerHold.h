#pragma once

#include <windows.h>

// While sampling, the pointer is held: another program's window above the
// frozen copy (a notification, an overlay that stays on top) gets no click.
// A press and release over it are taken from it, and the release is told to
// the holder as a click on the copy; a movement over it is told too, so that
// sampling follows the pointer there. Tintwell's own windows get their input
// as ever.

// Messages to the holder, the pointer's desktop position in lParam's low
// and high words (signed).
inline constexpr UINT HeldPointerMoved = WM_APP + 40;
inline constexpr UINT HeldPointerClicked = WM_APP + 41;

void HoldPointer(HWND holder);
// Ends the hold, if any.
void ReleasePointer();
