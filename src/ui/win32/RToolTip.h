#pragma once

#include <windows.h>
#include <commctrl.h>

#include <string>

// A tooltip over one control, its text set as the control's meaning
// changes; lines break where the text does.
class RToolTip
{
public:
    RToolTip(HWND owner, HWND control);
    ~RToolTip();
    RToolTip(const RToolTip&) = delete;
    RToolTip& operator=(const RToolTip&) = delete;

    void SetText(const std::string& text);
    std::string Text() const;

private:
    TOOLINFOA Tool(char* text) const;

    HWND Owner;
    HWND Control;
    HWND Tip = nullptr;
};
