#pragma once

#include <windows.h>

// The program's message loops. Keys for a form registered here go through
// the dialog navigation first (Tab, Escape, access keys); other windows get
// their keys as they are.

void RegisterDialogWindow(HWND window);
void UnregisterDialogWindow(HWND window);

// While window holds the keyboard, every key message of the program goes to
// it, wherever the focus is, and none goes through the dialog navigation
// (where Escape would close the main window).
void HoldKeyboard(HWND window);
// Ends window's hold, if it holds the keyboard.
void ReleaseKeyboard(HWND window);

// Runs until WM_QUIT; returns its exit code.
int RunMessageLoop();

// Delivers the messages waiting now, paints included, then returns. A quit
// request met on the way is left for the outer loop.
void ProcessPendingMessages();

// Runs until done is true or the program is asked to quit (the request is
// left for the outer loop).
void RunModalLoop(const bool& done);
