#include "settings/SettingsReader.h"

#include <algorithm>
#include <cstring>

namespace
{
constexpr std::size_t BlockSize = 64 * 1024;
}

RSettingsReader::RSettingsReader(RFileName& file, std::uint64_t limit)
    : File(file), Limit(limit), Buffer(BlockSize)
{
}

bool RSettingsReader::Refill()
{
    if (AtEnd)
        return false;
    const std::int32_t got = File.Read(Buffer.data(), static_cast<std::int32_t>(Buffer.size()));
    if (got <= 0)
    {
        AtEnd = true;
        return false;
    }
    Next = 0;
    Filled = static_cast<std::size_t>(got);
    return true;
}

std::int32_t RSettingsReader::Read(void* buffer, std::int32_t count)
{
    auto* out = static_cast<unsigned char*>(buffer);
    std::int32_t copied = 0;
    while (copied < count)
    {
        if (Next == Filled && !Refill())
            break;
        const std::size_t take = std::min(Filled - Next, static_cast<std::size_t>(count - copied));
        if (Delivered + take > Limit)
        {
            Exceeded = true;
            AtEnd = true;
            break;
        }
        std::memcpy(out + copied, Buffer.data() + Next, take);
        Next += take;
        Delivered += take;
        copied += static_cast<std::int32_t>(take);
    }
    return copied;
}
