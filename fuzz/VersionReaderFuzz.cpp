// Any bytes as an executable file, and as a version block: the ELF reader and
// the block walker must stay inside their bytes and never crash, and every
// value found must lie inside the block.
#include "shell/ElfSection.h"
#include "shell/VersionBlock.h"

#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <vector>

namespace
{

class MemorySource : public RByteSource
{
public:
    MemorySource(const std::uint8_t* data, std::size_t size) : Data(data), Bytes(size) {}
    std::uint64_t Size() const override { return Bytes; }
    bool ReadAt(std::uint64_t offset, void* buffer, std::size_t count) const override
    {
        if (offset > Bytes || count > Bytes - offset)
            return false;
        std::memcpy(buffer, Data + offset, count);
        return true;
    }

private:
    const std::uint8_t* Data;
    std::size_t Bytes;
};

void Walk(const unsigned char* block, std::size_t size)
{
    const char* paths[] = {"\\", "\\VarFileInfo\\Translation", "\\StringFileInfo\\040904e4\\ProductName",
                           "\\StringFileInfo\\040904E4\\Comments", "\\\\x\\", ""};
    for (const char* path : paths)
    {
        RVersionValue value;
        if (!FindVersionValue(block, size, path, value))
            continue;
        if (value.Data < block || value.Data + value.Size > block + size)
            std::abort();
        VersionText(value);
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    Walk(data, size);
    std::vector<unsigned char> section;
    if (ReadElfSection(MemorySource(data, size), VersionSectionName, 0xFFFF, section))
    {
        if (section.size() > 0xFFFF)
            std::abort();
        Walk(section.data(), section.size());
    }
    return 0;
}
