#pragma once

#include <windows.h>

// The program's message loops. Keys for a form registered here go through
// the dialog navigation first (Tab, Escape, access keys); other windows get
// their keys as they are.

#include <functional>

// keys, when given, sees the form's key messages before the navigation, and
// takes those it answers true for.
void RegisterDialogWindow(HWND window, std::function<bool(const MSG&)> keys = {});
void UnregisterDialogWindow(HWND window);

// While window holds the keyboard, every key message of the program goes to
// it, wherever the focus is, and none goes through the dialog navigation
// (where Escape would close the main window).
void HoldKeyboard(HWND window);
// Ends window's hold, if it holds the keyboard.
void ReleaseKeyboard(HWND window);

// Runs until WM_QUIT; returns its exit code.
int RunMessageLoop();

// Delivers the messages waiting now, paints included, then returns. The
// user's input stays queued for the loop that runs: called from inside a
// control's own handling of a press (an up-down arrow steps on the press),
// it would hand the control the release before the control is ready for it,
// and the arrow would repeat until the next click. A quit request met on the
// way is left for the outer loop.
void ProcessPendingMessages();

// Delivers every message waiting now, the user's input included, as the
// outer loop would, then returns; a quit request is left in the queue.
void DeliverWaitingMessages();

// Runs until done is true or the program is asked to quit (the request is
// left for the outer loop).
void RunModalLoop(const bool& done);
