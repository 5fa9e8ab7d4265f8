#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

// Bytes that can be read at any offset: a file, or memory.
class RByteSource
{
public:
    virtual std::uint64_t Size() const = 0;
    // True when all count bytes at offset were read.
    virtual bool ReadAt(std::uint64_t offset, void* buffer, std::size_t count) const = 0;

protected:
    ~RByteSource() = default;
};

// The contents of the section called name of an ELF file, 32- or 64-bit, of
// either byte order. False for anything that is not a well-formed ELF file
// with such a section holding at most maxSize bytes.
bool ReadElfSection(const RByteSource& file, const char* name, std::size_t maxSize,
                    std::vector<unsigned char>& contents);
