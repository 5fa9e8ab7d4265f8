#include "ui/win32/RShape.h"

namespace
{
constexpr const char* ShapeClass = "TintwellShape";
}

RShape::RShape(HWND parent, int left, int top, int width, int height)
{
    PaintsItself();
    RegisterClassOnce(ShapeClass);
    CreateHandle(ShapeClass, "", WS_CHILD | WS_VISIBLE, 0, left, top, width, height, parent);
}

void RShape::SetFill(ColorValue color)
{
    Fill = color;
    ::InvalidateRect(Handle(), nullptr, FALSE);
}

void RShape::Paint(HDC dc)
{
    RECT area;
    ::GetClientRect(Handle(), &area);
    // The colour value is 0x00BBGGRR, as the system's own colour references are.
    HBRUSH fill = ::CreateSolidBrush(Fill & 0x00FFFFFF);
    HGDIOBJ oldBrush = ::SelectObject(dc, fill);
    HGDIOBJ oldPen = ::SelectObject(dc, ::GetStockObject(BLACK_PEN));
    ::Rectangle(dc, area.left, area.top, area.right, area.bottom);
    ::SelectObject(dc, oldPen);
    ::SelectObject(dc, oldBrush);
    ::DeleteObject(fill);
}
