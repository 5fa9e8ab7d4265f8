#pragma once

#include <windows.h>

#include <string>

// Names and descriptions a screen reader reads for controls the system
// cannot name well itself (a box's own label says only "R:", a picture
// nothing). A control so named answers the screen reader's request for its
// accessible object with the system's own object, its name and description
// replaced; the accessibility libraries are loaded only when a screen reader
// first asks, so a start without one loads nothing more.

// The name of control, or of its child (the arrows of an up-down control are
// its children 1 and 2, up first).
void SetAccessibleName(HWND control, const std::string& name, long child = 0);
// The description of control; a screen reader watching it is told.
void SetAccessibleDescription(HWND control, const std::string& text);
