#include "ui/HelpPlacement.h"

#include <algorithm>
#include <cmath>

namespace
{

// How many pixels of owner a window at area would cover.
long long Covered(const RScreenArea& owner, const RScreenArea& area)
{
    const long long width = std::min(owner.Left + owner.Width, area.Left + area.Width) - std::max(owner.Left, area.Left);
    const long long height = std::min(owner.Top + owner.Height, area.Top + area.Height) - std::max(owner.Top, area.Top);
    return width > 0 && height > 0 ? width * height : 0;
}

} // namespace

RScreenArea PlaceBesideOwner(const RScreenArea& owner, int width, int height, const RScreenArea& work)
{
    const int workRight = work.Left + work.Width, workBottom = work.Top + work.Height;
    const int level = std::clamp(owner.Top, work.Top, std::max(work.Top, workBottom - height));
    const int aligned = std::clamp(owner.Left, work.Left, std::max(work.Left, workRight - width));
    const RScreenArea sides[] = {
        {owner.Left + owner.Width, level, width, height}, // right
        {owner.Left - width, level, width, height},       // left
        {aligned, owner.Top + owner.Height, width, height}, // below
        {aligned, owner.Top - height, width, height},       // above
    };
    for (const RScreenArea& side : sides)
        if (side.Left >= work.Left && side.Top >= work.Top && side.Left + width <= workRight &&
            side.Top + height <= workBottom)
            return side;
    // No side has the room: of the corners of work, where least is hidden.
    const int right = std::max(work.Left, workRight - width), bottom = std::max(work.Top, workBottom - height);
    const RScreenArea corners[] = {
        {work.Left, work.Top, width, height},
        {right, work.Top, width, height},
        {work.Left, bottom, width, height},
        {right, bottom, width, height},
    };
    return *std::min_element(std::begin(corners), std::end(corners), [&owner](const auto& a, const auto& b)
                             { return Covered(owner, a) < Covered(owner, b); });
}

int LargestWholeFit(int available, double ratio)
{
    if (available <= 0 || !(ratio > 0))
        return std::max(available, 0);
    // The device size was at least this: any smaller would have rounded to
    // fewer layout pixels.
    const double device = std::ceil((available - 0.5) * ratio - 1e-9);
    int size = static_cast<int>(std::floor((device + 0.5) / ratio));
    // Rounded as the toolkit rounds (halves up).
    while (size > 0 && std::floor(size * ratio + 0.5) > device)
        --size;
    return size;
}
