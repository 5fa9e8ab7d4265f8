#pragma once

#include "colour/ColorValue.h"
#include "ui/DesktopMonitors.h"
#include "ui/LoupePlacement.h"
#include "ui/win32/RWindow.h"

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

class RDesktopCopy;
class TTWMainForm;

// The windows that show a frozen copy of the desktop under the eyedropper
// while the user picks a pixel: one per monitor, each over its monitor and
// showing that monitor's part of the copy one to one. (Window managers, and
// wine under them, fit a window that covers a monitor to that one monitor,
// so one window over every monitor ends at the first.) Every movement makes
// the pixel under the pointer the main window's colour and moves the loupe
// beside it; a left click, or any key that types a character, takes the
// pixel one last time and hides them. The main window, always on top, stays
// above them.
class TBigScreenDlg
{
public:
    explicit TBigScreenDlg(TTWMainForm& owner);
    ~TBigScreenDlg();
    TBigScreenDlg(const TBigScreenDlg&) = delete;
    TBigScreenDlg& operator=(const TBigScreenDlg&) = delete;

    // Shows image (not owned; it must outlive the showing) over every monitor.
    void ShowScreenImage(const RDesktopCopy* image);
    // What a screen reader hears of it now: its pane that holds the keyboard
    // speaks for it.
    void Announce(const std::string& text);
    HWND KeyboardPane() const;
    // Where the loupe lies on the desktop; empty while it is hidden.
    RECT LoupeArea() const;

private:
    class RMonitorPane;
    friend class RMonitorPane;

    // pane: the one that had the message; x, y: in its client area.
    void FormMouseMove(const RMonitorPane& pane, int x, int y);
    // A movement over another program's window at desktop point (the pointer held).
    void FollowAt(POINT desktop);
    void FormClick();
    void FormKeyPress(WPARAM& key);
    // Hides every pane; sampling ends.
    void HideAll();
    // The copy's pixel at a desktop point; all bits set (CLR_INVALID) outside it.
    ColorValue CopyPixel(POINT desktop) const;
    // The loupe beside hotSpot (a desktop pixel) on pane's monitor; its old
    // and new areas drawn again.
    void MoveLoupe(const RMonitorPane& pane, POINT hotSpot);
    void InvalidateLoupe() const;
    // Draws the loupe into dc of a pane whose top left is origin on the desktop.
    void DrawLoupe(HDC dc, POINT origin) const;
    HFONT LoupeFont(int size) const;

    TTWMainForm& OwnerForm;
    const RDesktopCopy* ScreenImage = nullptr;
    // The first holds the keyboard; the others are over the other monitors.
    std::vector<std::unique_ptr<RMonitorPane>> ThePanes;
    // The loupe, in desktop pixels ({} while hidden), and the ratio of the
    // monitor it is on.
    RLoupeRect TheLoupe{};
    double TheLoupeRatio = 1;
    // The copy's block around the hot spot and the loupe's picture of it,
    // made once a movement: the hot spot's pixel comes from the block, and
    // every pane that shows part of the loupe puts the same pixels.
    RLoupeRect TheLoupeSource{};
    std::vector<ColorValue> TheLoupeBlock;
    std::vector<std::uint32_t> TheLoupePixels;
    std::string TheLoupeLiteral;
    // The literal's font, kept while its size stays.
    mutable HFONT TheLoupeFont = nullptr;
    mutable int TheLoupeFontSize = 0;
};
