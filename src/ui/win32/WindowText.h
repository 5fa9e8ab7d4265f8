#pragma once

#include <windows.h>

#include <string>

// A window's text as the program keeps texts, UTF-8, through the system's
// wide calls, so that every character reaches the screen and comes back.
std::string WindowUtf8Text(HWND window);
void SetWindowUtf8Text(HWND window, const std::string& text);
