#include "ui/PixelBlocks.h"

#include <cstddef>

void ScaleInBlocks(const std::uint32_t* from, int fromWidth, int fromHeight, std::uint32_t* to, int toWidth,
                   int toHeight)
{
    if (fromWidth <= 0 || fromHeight <= 0)
        return;
    for (long long y = 0; y < toHeight; ++y)
    {
        const long long row = (2 * y + 1) * fromHeight / (2LL * toHeight);
        const std::uint32_t* source = from + static_cast<std::size_t>(row * fromWidth);
        std::uint32_t* target = to + static_cast<std::size_t>(y * toWidth);
        for (long long x = 0; x < toWidth; ++x)
            target[x] = source[(2 * x + 1) * fromWidth / (2LL * toWidth)];
    }
}
