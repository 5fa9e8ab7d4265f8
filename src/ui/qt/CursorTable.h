#pragma once

#include <QCursor>

// Cursors by number, as windows ask for them. Number 5 is the eyedropper.
inline constexpr int crDropper = 5;

void InstallCursor(int number, const QCursor& cursor);
// The cursor installed under number, or the arrow when there is none.
QCursor CursorFor(int number);
// The eyedropper from the program's resources, its tip (1, 30) the hot spot.
QCursor LoadDropperCursor();
// The eyedropper, installed under crDropper the first time a sampling window
// asks (not at every start of the program).
QCursor DropperCursor();
