#pragma once

#include "files/RFileName.h"

#include <cstdint>
#include <vector>

// Reads an open settings file through a buffer: a whole block per system
// call, however small the fields. Stops for good once more than MaxFileSize
// bytes have been asked for, so that no file, however large, can keep the
// program from starting.
class RSettingsReader
{
public:
    // Far above anything the program writes (a few hundred bytes); a larger
    // file counts as damaged.
    static constexpr std::uint64_t MaxFileSize = 256u * 1024u * 1024u;

    // limit: the most bytes read before the file counts as too large.
    explicit RSettingsReader(RFileName& file, std::uint64_t limit = MaxFileSize);

    // Copies up to count bytes into buffer; fewer only at the end of the
    // file, after a failed read, or beyond the limit.
    std::int32_t Read(void* buffer, std::int32_t count);
    // True once the file turned out larger than the limit.
    bool TooLarge() const { return Exceeded; }

private:
    bool Refill();

    RFileName& File;
    std::uint64_t Limit;
    std::vector<unsigned char> Buffer;
    std::size_t Next = 0;
    std::size_t Filled = 0;
    std::uint64_t Delivered = 0;
    bool AtEnd = false;
    bool Exceeded = false;
};
