#pragma once

#include <string>

// Whether the toolkit will find a display to show windows on. The toolkit
// ends the process with a core dump where it finds none; asked first, the
// program can say so in one line instead.
//   platform: the -platform option's value, empty when not given (then
//   QT_QPA_PLATFORM, then the toolkit's default: X11, Wayland first in a
//   Wayland session).
//   display: the -display option's value, empty when not given (DISPLAY).
// True for platforms that need no display server (offscreen, minimal, …).
// False with reason set when no platform in the list would start.
bool DisplayAvailable(const std::string& platform, const std::string& display, std::string& reason);
