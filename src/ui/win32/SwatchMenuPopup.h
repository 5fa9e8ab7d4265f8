#pragma once

#include <windows.h>

class RColorClipboard;
class RColorEditor;

// The swatch's context menu: a copy of the colour in the main forms, Paste,
// every form (the user's too) under Copy As, and the recent colours again,
// each beside a square of its colour. Its entries
// are the core's (SwatchMenu.h); this only shows them and does the choice.
class RSwatchMenu
{
public:
    RSwatchMenu(HWND form, RColorEditor& editor, const RColorClipboard& clipboard);

    // The menu at the screen point at, run until it closes.
    void Show(POINT at) const;
    // The recent colours' squares, which the menu asks the form to size and
    // draw; false for any other item.
    bool MeasureSquare(MEASUREITEMSTRUCT& item) const;
    bool DrawSquare(const DRAWITEMSTRUCT& item) const;

    // Runs as the menu is about to show (for tests, which read its entries
    // and queue the keys that choose one).
    static void (*BeforeShows)(HMENU menu);

private:
    HWND Form;
    RColorEditor& Editor;
    const RColorClipboard& Clipboard;
};
