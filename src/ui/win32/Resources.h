#pragma once

#include <windows.h>

// The pictures of the program's resource script, by name.
inline constexpr const char* MainIconName = "MAINICON";
inline constexpr const char* LogoBitmapName = "SIDEBARLOGO";
inline constexpr const char* ColorDialogGlyphName = "COLORDIALOGGLYPH";
inline constexpr const char* DropperGlyphName = "DROPPERGLYPH";
inline constexpr const char* DropperCursorName = "DropperCursor";

// The program's icon at size x size pixels (16 or 32); shared, never destroyed.
HICON TintwellIcon(int size);

// A bitmap of the program's resources; the caller deletes it.
HBITMAP LoadPicture(const char* name);

// The windows' font: the classic sans-serif dialog font, 11 layout pixels
// high, for which the pixel layouts were made, at dpi: as high as scaled, or
// less where it would set texts wider than scaled. Made once per density,
// kept for the run.
HFONT DialogFont(int dpi);
