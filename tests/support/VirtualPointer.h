#pragma once

#include <memory>

// A pointer for a headless Wayland seat, which has none: it moves to exact
// positions of the desktop's logical layout (to 1/256 of a pixel, as the
// compositor sends them on) and clicks, through the compositor, as a real
// pointer would. Needs a compositor with the virtual pointer interface.
class RVirtualPointer
{
public:
    // On the compositor of WAYLAND_DISPLAY; layoutWidth x layoutHeight is the
    // desktop's logical bounding box, which absolute positions scale to.
    RVirtualPointer(int layoutWidth, int layoutHeight);
    ~RVirtualPointer();
    bool Ready() const;

    // Moves the hot spot to (x256, y256) / 256 of the layout.
    void MoveTo(long x256, long y256);
    void Click();

private:
    struct RState;
    std::unique_ptr<RState> State;
};
