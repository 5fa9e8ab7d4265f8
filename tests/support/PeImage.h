#pragma once

// A minimal 32-bit PE file (a DLL with no code) whose one section holds a
// resource directory with one RT_VERSION resource: the given block. Enough
// for the system's version-information functions, which find the resource
// through that directory.
#include <cstdint>
#include <vector>

inline std::vector<unsigned char> PeImage(const std::vector<unsigned char>& versionBlock)
{
    constexpr std::uint32_t FileAlignment = 0x200, SectionAlignment = 0x1000, SectionRva = 0x1000;
    std::vector<unsigned char> out(FileAlignment, 0);
    auto put = [&](std::size_t at, std::uint32_t value, int bytes)
    {
        if (out.size() < at + static_cast<std::size_t>(bytes))
            out.resize(at + static_cast<std::size_t>(bytes), 0);
        for (int i = 0; i < bytes; ++i)
            out[at + static_cast<std::size_t>(i)] = static_cast<unsigned char>(value >> (8 * i));
    };

    // The resource section: three directory levels (type, name, language),
    // each with one entry, the data entry, then the block.
    constexpr std::uint32_t Subdirectory = 0x80000000u;
    std::vector<unsigned char> resources;
    auto putIn = [&](std::size_t at, std::uint32_t value, int bytes)
    {
        if (resources.size() < at + static_cast<std::size_t>(bytes))
            resources.resize(at + static_cast<std::size_t>(bytes), 0);
        for (int i = 0; i < bytes; ++i)
            resources[at + static_cast<std::size_t>(i)] = static_cast<unsigned char>(value >> (8 * i));
    };
    const std::uint32_t levelIds[3] = {16 /* RT_VERSION */, 1 /* VS_VERSION_INFO */, 0x0409};
    for (std::uint32_t level = 0; level < 3; ++level)
    {
        const std::size_t at = level * 24; // a 16-byte directory and its 8-byte entry
        putIn(at + 14, 1, 2); // one entry with an identifier
        putIn(at + 16, levelIds[level], 4);
        putIn(at + 20, level < 2 ? Subdirectory | static_cast<std::uint32_t>(at + 24) : 72, 4);
    }
    const std::uint32_t dataAt = 88;
    putIn(72, SectionRva + dataAt, 4);
    putIn(76, static_cast<std::uint32_t>(versionBlock.size()), 4);
    resources.resize(dataAt);
    resources.insert(resources.end(), versionBlock.begin(), versionBlock.end());
    const auto rawSize = static_cast<std::uint32_t>((resources.size() + FileAlignment - 1) / FileAlignment * FileAlignment);

    // The DOS header, pointing at the PE header.
    out[0] = 'M', out[1] = 'Z';
    put(0x3C, 0x40, 4);
    out[0x40] = 'P', out[0x41] = 'E';
    // The file header: i386, one section, an executable DLL for 32-bit machines.
    const std::size_t file = 0x44;
    put(file, 0x014C, 2);
    put(file + 2, 1, 2);
    put(file + 16, 224, 2);
    put(file + 18, 0x2102, 2);
    // The optional header (PE32).
    const std::size_t optional = file + 20;
    put(optional, 0x010B, 2);
    put(optional + 28, 0x10000000, 4); // image base
    put(optional + 32, SectionAlignment, 4);
    put(optional + 36, FileAlignment, 4);
    put(optional + 40, 4, 2); // operating system 4.0
    put(optional + 48, 4, 2); // subsystem 4.0
    put(optional + 56, SectionRva + (rawSize + SectionAlignment - 1) / SectionAlignment * SectionAlignment, 4);
    put(optional + 60, FileAlignment, 4); // size of the headers
    put(optional + 68, 2, 2); // GUI subsystem
    put(optional + 72, 0x100000, 4);
    put(optional + 76, 0x1000, 4);
    put(optional + 80, 0x100000, 4);
    put(optional + 84, 0x1000, 4);
    put(optional + 92, 16, 4); // data directories
    put(optional + 96 + 2 * 8, SectionRva, 4); // the resource directory
    put(optional + 96 + 2 * 8 + 4, static_cast<std::uint32_t>(resources.size()), 4);
    // The one section.
    const std::size_t section = optional + 224;
    const char name[8] = {'.', 'r', 's', 'r', 'c'};
    for (int i = 0; i < 8; ++i)
        out[section + static_cast<std::size_t>(i)] = static_cast<unsigned char>(name[i]);
    put(section + 8, static_cast<std::uint32_t>(resources.size()), 4);
    put(section + 12, SectionRva, 4);
    put(section + 16, rawSize, 4);
    put(section + 20, FileAlignment, 4);
    put(section + 36, 0x40000040, 4); // initialised data, readable

    out.resize(FileAlignment);
    resources.resize(rawSize, 0);
    out.insert(out.end(), resources.begin(), resources.end());
    return out;
}
