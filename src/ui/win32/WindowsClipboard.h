#pragma once

#include <windows.h>

#include <string>

// Text on the system's clipboard, owned by owner while it is ours. The
// program's texts are ASCII; they go as Unicode text and as ANSI text, so
// that every program finds a form it takes.

// False when the clipboard could not be opened or filled.
bool PutClipboardText(HWND owner, const std::string& text);
// The clipboard's text, as UTF-8; false when it holds none.
bool ClipboardText(HWND owner, std::string& text);
