#pragma once

#include "ui/win32/RWindow.h"

// A panel or a group box: a plain area that holds controls. The controls'
// notifications (commands, up-down scrolls, colour requests) go on to the
// panel's parent, so that they reach the form however deep the control sits;
// the Tab key enters it as a part of the form.
class RPanel : public RWindow
{
public:
    enum class Look
    {
        Flat,
        Raised, // a raised one-pixel bevel
        Group, // an etched frame with the caption at the top
    };
    RPanel(HWND parent, const char* caption, Look look, bool white, int left, int top, int width, int height);

protected:
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    void Paint(HDC dc) override;
    Look TheLook;
    bool White;
};
