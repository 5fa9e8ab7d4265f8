#include "shell/VersionResource.h"

#include "shell/ElfSection.h"
#include "shell/VersionBlock.h"

#include <algorithm>
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace VersionResource
{

namespace
{

// A version block's length field is 16 bits wide.
constexpr std::size_t MaxBlockSize = 0xFFFF;

class FileSource : public RByteSource
{
public:
    explicit FileSource(const char* path) : Descriptor(::open(path, O_RDONLY | O_CLOEXEC))
    {
        struct stat info;
        if (Descriptor >= 0 && ::fstat(Descriptor, &info) == 0 && S_ISREG(info.st_mode))
            Bytes = static_cast<std::uint64_t>(info.st_size);
    }
    ~FileSource()
    {
        if (Descriptor >= 0)
            ::close(Descriptor);
    }
    FileSource(const FileSource&) = delete;
    FileSource& operator=(const FileSource&) = delete;

    std::uint64_t Size() const override { return Bytes; }
    bool ReadAt(std::uint64_t offset, void* buffer, std::size_t count) const override
    {
        auto* into = static_cast<unsigned char*>(buffer);
        while (count > 0)
        {
            const ssize_t got = ::pread(Descriptor, into, count, static_cast<off_t>(offset));
            if (got < 0 && errno == EINTR)
                continue;
            if (got <= 0)
                return false;
            into += got;
            offset += static_cast<std::uint64_t>(got);
            count -= static_cast<std::size_t>(got);
        }
        return true;
    }

private:
    int Descriptor;
    std::uint64_t Bytes = 0;
};

// The section, when it holds a block whose own length fits inside it.
bool ReadSection(const char* path, std::vector<unsigned char>& block)
{
    if (path == nullptr)
        return false;
    const FileSource file(path);
    if (file.Size() == 0 || !ReadElfSection(file, VersionSectionName, MaxBlockSize, block))
        return false;
    return block.size() >= 6 && static_cast<std::size_t>(block[0] | (block[1] << 8)) <= block.size();
}

std::size_t LengthOf(const void* block)
{
    const auto* bytes = static_cast<const unsigned char*>(block);
    return static_cast<std::size_t>(bytes[0] | (bytes[1] << 8));
}

} // namespace

std::uint32_t BlockSize(const char* path)
{
    std::vector<unsigned char> block;
    return ReadSection(path, block) ? static_cast<std::uint32_t>(block.size()) : 0;
}

bool ReadBlock(const char* path, std::uint32_t size, void* buffer)
{
    std::vector<unsigned char> block;
    if (buffer == nullptr || !ReadSection(path, block) || block.size() > size)
        return false;
    std::copy(block.begin(), block.end(), static_cast<unsigned char*>(buffer));
    return true;
}

bool QueryBinary(const void* block, const char* subBlock, const void*& value, std::uint32_t& length)
{
    RVersionValue found;
    if (block == nullptr ||
        !FindVersionValue(static_cast<const unsigned char*>(block), LengthOf(block), subBlock, found))
        return false;
    value = found.Data;
    length = static_cast<std::uint32_t>(found.Size);
    return true;
}

bool QueryText(const void* block, const char* subBlock, RString& text)
{
    RVersionValue found;
    if (block == nullptr ||
        !FindVersionValue(static_cast<const unsigned char*>(block), LengthOf(block), subBlock, found))
        return false;
    text = VersionText(found);
    return true;
}

} // namespace VersionResource
