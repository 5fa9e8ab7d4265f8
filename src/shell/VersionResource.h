#pragma once

#include "text/RString.h"

#include <cstdint>

// The system's version services for an executable file. Every failure is a
// false or a 0.
namespace VersionResource
{

// The size of the file's version block; 0 when it has none.
std::uint32_t BlockSize(const char* path);
// Reads the version block, of the size BlockSize gave, into buffer.
bool ReadBlock(const char* path, std::uint32_t size, void* buffer);
// A value of a block read by ReadBlock: subBlock such as
// "\VarFileInfo\Translation" (binary) or "\StringFileInfo\040904e4\ProductName"
// (text: UTF-8 on POSIX, the ANSI code page on Windows, as the windows of
// each show it); keys compare without regard to letter case.
bool QueryBinary(const void* block, const char* subBlock, const void*& value, std::uint32_t& length);
bool QueryText(const void* block, const char* subBlock, RString& text);

} // namespace VersionResource
