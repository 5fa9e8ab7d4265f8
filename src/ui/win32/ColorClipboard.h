#pragma once

#include "colour/RColor.h"

#include <windows.h>

#include <vector>

class RColorEditor;

// The colour out to the system's clipboard and in from it:
//   in the hex box, a double-click selects the whole literal (the edit
//   control breaks words only at white space) and Ctrl+C with nothing
//   selected copies all of it;
//   anywhere in the window, Ctrl+Shift+C copies the literal in the current
//   notation and Ctrl+Shift+V takes a colour from the clipboard's text.
// A pasted text that is no colour changes nothing, and beeps. A pasted
// colour and a recent one chosen are taken, so they lead the recent colours.
class RColorClipboard
{
public:
    RColorClipboard(HWND form, HWND hexEdit, RColorEditor& editor);

    // The RGB and HSL boxes: Ctrl+V there of a text that is a colour takes
    // the colour, as Ctrl+Shift+V does; other text goes into the box.
    void SetColorBoxes(std::vector<HWND> boxes) { ColorBoxes = std::move(boxes); }

    void CopyLiteral() const;
    // True when the clipboard held a colour, which is then applied.
    bool Paste() const;
    // The form's keys before anything else sees them; true when one was
    // taken here.
    bool TakeKey(const MSG& message) const;

private:
    HWND Form;
    HWND HexEdit;
    std::vector<HWND> ColorBoxes;
    RColorEditor& Editor;
};
