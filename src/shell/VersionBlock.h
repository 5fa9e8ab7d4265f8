#pragma once

#include "text/RString.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <utility>
#include <vector>

// The version block in the layout of the Windows VS_VERSIONINFO resource:
// nested nodes of a length, a value length, a type, a UTF-16 key and a
// value, each aligned to four bytes. The root holds the fixed part; below it
// "StringFileInfo" holds one table of strings per language and code page, and
// "VarFileInfo" the "Translation" table of (language, code page) pairs.

// The name of the section of an ELF executable that carries the block.
inline constexpr const char* VersionSectionName = ".tintwell_version";

struct RVersionData
{
    std::uint16_t FileVersion[4] = {};
    std::uint16_t ProductVersion[4] = {};
    std::uint32_t FileFlagsMask = 0x3F;
    std::uint32_t FileFlags = 0;
    std::uint32_t FileOS = 4;      // 32-bit Windows
    std::uint32_t FileType = 1;    // an application
    std::uint32_t FileSubtype = 0;
    // (language, code page) pairs; none leaves out the translation table.
    std::vector<std::pair<std::uint16_t, std::uint16_t>> Translations;
    struct StringTable
    {
        std::string Key; // such as "040904E4"
        std::vector<std::pair<std::string, std::string>> Strings; // UTF-8
    };
    std::vector<StringTable> StringTables;
};

// The block for data, byte for byte as the Windows tools lay it out.
std::vector<unsigned char> BuildVersionBlock(const RVersionData& data);

// A value found in a block: its bytes, and whether it is text (UTF-16).
struct RVersionValue
{
    const unsigned char* Data = nullptr;
    std::size_t Size = 0;
    bool IsText = false;
};

// Finds subBlock ("\" for the fixed part, "\VarFileInfo\Translation",
// "\StringFileInfo\040904e4\ProductName") in the size bytes at block. Keys
// compare without regard to letter case. Every length is checked against
// its enclosing node, so a damaged block only fails to find.
bool FindVersionValue(const unsigned char* block, std::size_t size, const char* subBlock,
                      RVersionValue& value);

// A text value as UTF-8, up to its first zero character.
RString VersionText(const RVersionValue& value);
