#include "ui/DesktopMonitors.h"

#include <algorithm>
#include <cstdint>
#include <limits>

namespace
{

// Squared distance from (x, y) to the nearest pixel of monitor; 0 inside.
std::int64_t DistanceSquared(const RMonitor& monitor, int x, int y)
{
    const std::int64_t dx = std::max({monitor.Left - x, 0, x - (monitor.Left + monitor.Width - 1)});
    const std::int64_t dy = std::max({monitor.Top - y, 0, y - (monitor.Top + monitor.Height - 1)});
    return dx * dx + dy * dy;
}

} // namespace

int MonitorAt(const std::vector<RMonitor>& monitors, int x, int y)
{
    int nearest = -1;
    std::int64_t best = std::numeric_limits<std::int64_t>::max();
    for (std::size_t i = 0; i < monitors.size(); ++i)
    {
        if (monitors[i].Contains(x, y))
            return static_cast<int>(i);
        if (const std::int64_t distance = DistanceSquared(monitors[i], x, y); distance < best)
            best = distance, nearest = static_cast<int>(i);
    }
    return nearest;
}

RScreenArea WholeOn(const RScreenArea& box, const RScreenArea& work)
{
    const auto axis = [](int start, int size, int workStart, int workSize)
    { return std::clamp(start, workStart, std::max(workStart, workStart + workSize - size)); };
    return {axis(box.Left, box.Width, work.Left, work.Width), axis(box.Top, box.Height, work.Top, work.Height),
            box.Width, box.Height};
}

RScreenArea CentredOver(const RScreenArea& ownerFrame, int width, int height, const RScreenArea& work)
{
    // Halves rounded down either way, so a box larger than its owner leans
    // the same way as a smaller one.
    const auto centred = [](int ownerStart, int ownerSize, int size)
    {
        const int difference = ownerSize - size;
        return ownerStart + (difference >= 0 ? difference / 2 : -((1 - difference) / 2));
    };
    return WholeOn({centred(ownerFrame.Left, ownerFrame.Width, width), centred(ownerFrame.Top, ownerFrame.Height, height),
                    width, height},
                   work);
}
