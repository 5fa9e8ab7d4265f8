#include "shell/VersionResource.h"

#include "text/WideText.h"

#include <windows.h>

namespace VersionResource
{

std::uint32_t BlockSize(const char* path)
{
    DWORD ignored = 0;
    return path != nullptr ? ::GetFileVersionInfoSizeW(WideText(path).c_str(), &ignored) : 0;
}

bool ReadBlock(const char* path, std::uint32_t size, void* buffer)
{
    return path != nullptr && buffer != nullptr && ::GetFileVersionInfoW(WideText(path).c_str(), 0, size, buffer) != 0;
}

bool QueryBinary(const void* block, const char* subBlock, const void*& value, std::uint32_t& length)
{
    void* found = nullptr;
    UINT size = 0;
    if (block == nullptr || !::VerQueryValueW(block, WideText(subBlock).c_str(), &found, &size))
        return false;
    value = found;
    length = size;
    return true;
}

bool QueryText(const void* block, const char* subBlock, RString& text)
{
    // The resource holds UTF-16; the program's texts are UTF-8 (the ANSI
    // query would lose what the code page cannot hold).
    void* found = nullptr;
    UINT size = 0;
    if (block == nullptr || !::VerQueryValueW(block, WideText(subBlock).c_str(), &found, &size) || found == nullptr)
        return false;
    const wchar_t* characters = static_cast<const wchar_t*>(found);
    std::wstring wide;
    for (UINT i = 0; i < size && characters[i] != L'\0'; ++i)
        wide += characters[i];
    text = RString(Utf8Text(wide.c_str()).c_str());
    return true;
}

} // namespace VersionResource
