#pragma once

#include "ui/RSwatchRenderer.h"
#include "ui/win32/RWindow.h"

#include <cstdint>
#include <functional>
#include <vector>

// One of the three pictures beside the edit boxes: the hue/saturation plane
// with its circle, the luminance bar, or the arrow beside the bar. Reports
// where a mouse button was released, in its own coordinates; a press inside
// is followed to its release, also outside the image.
class RSwatchImage : public RWindow
{
public:
    enum class Kind
    {
        Plane,
        Bar,
        Arrow,
    };
    RSwatchImage(Kind kind, HWND parent, int left, int top, int width, int height);

    // Takes the picture's pixels and marker; repaints later.
    void Show(const RSwatchPicture& picture);
    // Called with the position of every button release.
    std::function<void(int x, int y)> MouseUp;

protected:
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    void Paint(HDC dc) override;
    // The pixels at width x height device pixels: themselves, or scaled in blocks.
    const std::vector<std::uint32_t>& DevicePixels(int width, int height);
    Kind Which;
    // Top-down rows of 0x00RRGGBB, as a 32-bit device-independent bitmap has them.
    std::vector<std::uint32_t> Pixels;
    int PixelWidth = 0;
    int PixelHeight = 0;
    // Which pixels the scaled copy was made from.
    unsigned Revision = 0;
    unsigned ScaledFrom = 0;
    std::vector<std::uint32_t> Scaled;
    // The plane last copied: one renderer's plane never changes.
    const ColorValue* ShownPlane = nullptr;
    int MarkerX = 0;
    int MarkerY = 0;
    int BarWidth = 0;
};
