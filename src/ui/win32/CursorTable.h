#pragma once

#include <windows.h>

// Cursors by number, as windows ask for them. Number 5 is the eyedropper.
inline constexpr int crDropper = 5;

void InstallCursor(int number, HCURSOR cursor);
// The cursor installed under number, or the arrow when there is none.
HCURSOR CursorFor(int number);
// The eyedropper from the program's resources, its tip (1, 30) the hot spot.
HCURSOR LoadDropperCursor();
