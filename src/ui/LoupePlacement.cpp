#include "ui/LoupePlacement.h"

#include <algorithm>
#include <cmath>

namespace
{

// One axis, after the hot spot (or before it): nothing where it does not fit.
bool Side(int at, int size, int screen, int gap, bool after, int& start)
{
    start = after ? at + gap : at - gap - size + 1;
    return start >= 0 && start + size <= screen;
}

int Clamped(int at, int size, int screen, int gap)
{
    return std::clamp(at + gap, 0, std::max(0, screen - size));
}

// The placement on a screen whose top left is (0, 0).
RLoupeRect PlaceFromOrigin(int x, int y, int width, int height, int screenWidth, int screenHeight, int gap,
                           const RLoupeRect& avoid)
{
    // 1. Below and right first, then the other sides; the first on the
    //    screen and clear of the window to avoid.
    RLoupeRect first{};
    bool found = false;
    for (const bool below : {true, false})
        for (const bool right : {true, false})
        {
            RLoupeRect candidate{0, 0, width, height};
            if (!Side(x, width, screenWidth, gap, right, candidate.Left) ||
                !Side(y, height, screenHeight, gap, below, candidate.Top))
                continue;
            if (!candidate.Intersects(avoid))
                return candidate;
            if (!found)
                first = candidate, found = true;
        }
    // 2. Covered wherever it fits: the first side that fits.
    if (found)
        return first;
    // 3. A screen too small on an axis: against its edge there.
    int left = 0, top = 0;
    if (!Side(x, width, screenWidth, gap, true, left) && !Side(x, width, screenWidth, gap, false, left))
        left = Clamped(x, width, screenWidth, gap);
    if (!Side(y, height, screenHeight, gap, true, top) && !Side(y, height, screenHeight, gap, false, top))
        top = Clamped(y, height, screenHeight, gap);
    return {left, top, width, height};
}

} // namespace

RLoupeRect PlaceLoupe(int x, int y, int width, int height, const RLoupeRect& screen, int gap,
                      const RLoupeRect& avoid)
{
    const RLoupeRect placed =
        PlaceFromOrigin(x - screen.Left, y - screen.Top, width, height, screen.Width, screen.Height, gap,
                        {avoid.Left - screen.Left, avoid.Top - screen.Top, avoid.Width, avoid.Height});
    return {placed.Left + screen.Left, placed.Top + screen.Top, placed.Width, placed.Height};
}

int RLoupeLayout::TextHeight(double ratio)
{
    return static_cast<int>(std::lround(16 * ratio));
}

int RLoupeLayout::TextSize(double ratio)
{
    return std::max(8, TextHeight(ratio) * 3 / 4);
}

int RLoupeLayout::Gap(double ratio)
{
    // Clear of the hot spot, and of the dropper drawn up and right of it.
    return static_cast<int>(std::lround(20 * ratio));
}

RLoupeRect RLoupeLayout::Place(int x, int y, const RLoupeRect& monitor, double ratio, const RLoupeRect& avoid)
{
    return PlaceLoupe(x, y, Grid + 2 * Border, Grid + 2 * Border + TextHeight(ratio), monitor, Gap(ratio), avoid);
}
