#include "ui/win32/RToolTip.h"

RToolTip::RToolTip(HWND owner, HWND control) : Owner(owner), Control(control)
{
    Tip = ::CreateWindowExA(WS_EX_TOPMOST, TOOLTIPS_CLASSA, nullptr, WS_POPUP | TTS_NOPREFIX | TTS_ALWAYSTIP,
                            CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, owner, nullptr,
                            ::GetModuleHandleA(nullptr), nullptr);
    char none[] = "";
    TOOLINFOA tool = Tool(none);
    tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
    ::SendMessageA(Tip, TTM_ADDTOOLA, 0, reinterpret_cast<LPARAM>(&tool));
    // A maximum width makes the tip break its lines at the text's own breaks.
    ::SendMessageA(Tip, TTM_SETMAXTIPWIDTH, 0, 4096);
}

RToolTip::~RToolTip()
{
    if (Tip != nullptr)
        ::DestroyWindow(Tip);
}

TOOLINFOA RToolTip::Tool(char* text) const
{
    TOOLINFOA tool{};
    tool.cbSize = sizeof tool;
    tool.hwnd = Owner;
    tool.uId = reinterpret_cast<UINT_PTR>(Control);
    tool.lpszText = text;
    return tool;
}

void RToolTip::SetText(const std::string& text)
{
    std::string copy = text;
    TOOLINFOA tool = Tool(copy.data());
    ::SendMessageA(Tip, TTM_UPDATETIPTEXTA, 0, reinterpret_cast<LPARAM>(&tool));
}

std::string RToolTip::Text() const
{
    char text[256] = {};
    TOOLINFOA tool = Tool(text);
    ::SendMessageA(Tip, TTM_GETTEXTA, sizeof text, reinterpret_cast<LPARAM>(&tool));
    return text;
}
