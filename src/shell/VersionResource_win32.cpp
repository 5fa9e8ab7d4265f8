#include "shell/VersionResource.h"

#include <windows.h>

namespace VersionResource
{

std::uint32_t BlockSize(const char* path)
{
    DWORD ignored = 0;
    return path != nullptr ? ::GetFileVersionInfoSizeA(path, &ignored) : 0;
}

bool ReadBlock(const char* path, std::uint32_t size, void* buffer)
{
    return path != nullptr && buffer != nullptr && ::GetFileVersionInfoA(path, 0, size, buffer) != 0;
}

bool QueryBinary(const void* block, const char* subBlock, const void*& value, std::uint32_t& length)
{
    void* found = nullptr;
    UINT size = 0;
    if (block == nullptr || !::VerQueryValueA(block, subBlock, &found, &size))
        return false;
    value = found;
    length = size;
    return true;
}

bool QueryText(const void* block, const char* subBlock, RString& text)
{
    // The -A query gives the text in the ANSI code page, as every -A window
    // function that shows it expects.
    void* found = nullptr;
    UINT size = 0;
    if (block == nullptr || !::VerQueryValueA(block, subBlock, &found, &size) || found == nullptr)
        return false;
    const char* characters = static_cast<const char*>(found);
    UINT length = 0;
    while (length < size && characters[length] != '\0')
        ++length;
    text = RString(characters, static_cast<int>(length));
    return true;
}

} // namespace VersionResource
