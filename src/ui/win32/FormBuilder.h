#pragma once

#include "ui/FormLayout.h"
#include "ui/win32/RSwatchImage.h"

#include <windows.h>

#include <map>
#include <memory>
#include <set>
#include <string>
#include <vector>

class RShape;
class RSpeedButton;
class RWindow;

// Makes a window's controls from its layout: each is found by its system
// name, placed in its parent at its position and size, and given its text,
// properties and the dialog font. Parents must be made before children.
// Everything is laid out in device pixels at the window's density, and laid
// out again when the window moves to a monitor of another density.
class RFormBuilder
{
public:
    RFormBuilder(HWND form, const RFormLayout& layout, int dpi);
    ~RFormBuilder();
    RFormBuilder(const RFormBuilder&) = delete;
    RFormBuilder& operator=(const RFormBuilder&) = delete;

    // Panels and group boxes.
    HWND Panel(const char* name);
    HWND Label(const char* name);
    // An image showing an icon or a bitmap (owned by the caller, and shown
    // as a copy scaled in blocks); the image's text is the hint shown on hover.
    HWND Icon(const char* name, HICON icon);
    HWND Bitmap(const char* name, HBITMAP bitmap);
    // Shows icon (owned by the caller) in the image named name, scaled.
    void SetIcon(const char* name, HICON icon);
    HWND Edit(const char* name);
    HWND DropDownList(const char* name);
    // Spin buttons bound to buddy, over the layout's range.
    HWND UpDown(const char* name, HWND buddy);
    // Push buttons; the cancel button gets the identifier Escape presses.
    HWND Button(const char* name);
    RSpeedButton& SpeedButton(const char* name, HBITMAP glyph);
    RShape& Shape(const char* name);
    RSwatchImage& SwatchImage(const char* name, RSwatchImage::Kind kind);

    // Puts each parent's children into their tab order, which is the order
    // the Tab key follows. Call once every control is made.
    void SetTabOrder();

    // Every control placed, sized, given its font and pictures again at dpi.
    void Rescale(int dpi);
    int Dpi() const { return TheDpi; }
    // A length of the layout in device pixels at the current density.
    int Px(int layout) const;

    // The control named name, or nullptr.
    HWND Find(const char* name) const;
    // Shows the hand when control asks for it; true when it did (the answer
    // to WM_SETCURSOR, whose wParam is the control under the pointer).
    bool ShowHandOver(HWND control) const;

private:
    HWND Create(const RControlLayout& row, const char* className, DWORD style, DWORD extendedStyle = 0);
    HWND ParentOf(const RControlLayout& row) const;
    void Made(const RControlLayout& row, HWND control);
    void AddHint(HWND control, const char* text);
    // The control's rectangle at the current density.
    RECT Placement(const RControlLayout& row) const;
    void SetItemHeights(HWND list) const;
    // The scaled copy of a picture for control, made again at every density.
    struct RScaledPicture
    {
        HWND Control;
        HBITMAP Bitmap = nullptr; // the caller's, or
        HICON Icon = nullptr; // the caller's
        int Width = 0, Height = 0; // in layout pixels
        // Where it stands in the layout: its device size is from edge to
        // edge, as its control's is.
        int Left = 0, Top = 0;
        RSpeedButton* Button = nullptr; // a speed button's glyph, or an image's picture
        HBITMAP BitmapCopy = nullptr; // ours
        HICON IconCopy = nullptr; // ours
    };
    static void Release(RScaledPicture& picture);
    void ShowScaled(RScaledPicture& picture);
    RScaledPicture& PictureOf(HWND control);

    HWND Form;
    int TheDpi;
    std::vector<RScaledPicture> Pictures;
    const RFormLayout& Layout;
    std::map<std::string, HWND> Controls;
    std::vector<std::unique_ptr<RWindow>> Owned;
    std::set<HWND> HandCursor;
    HWND Hints = nullptr;
};
