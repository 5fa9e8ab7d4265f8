#pragma once

// A minimal ELF file around given sections: the header, the sections'
// contents, a name table and the section table; 32- or 64-bit, either byte
// order. Enough for a reader of named sections.
#include <cstdint>
#include <string>
#include <utility>
#include <vector>

inline std::vector<unsigned char> ElfImage(const std::vector<std::pair<std::string, std::vector<unsigned char>>>& sections,
                                           bool is64 = true, bool bigEndian = false)
{
    std::vector<unsigned char> out;
    auto put = [&](std::uint64_t value, int bytes, std::size_t at)
    {
        for (int i = 0; i < bytes; ++i)
        {
            const int shift = 8 * (bigEndian ? bytes - 1 - i : i);
            out[at + static_cast<std::size_t>(i)] = static_cast<unsigned char>(value >> shift);
        }
    };
    const std::size_t headerSize = is64 ? 64 : 52, entrySize = is64 ? 64 : 40;
    out.resize(headerSize);
    const unsigned char ident[] = {0x7F, 'E', 'L', 'F', static_cast<unsigned char>(is64 ? 2 : 1),
                                   static_cast<unsigned char>(bigEndian ? 2 : 1), 1};
    std::copy(std::begin(ident), std::end(ident), out.begin());

    // Contents, then the name table.
    std::vector<std::pair<std::uint64_t, std::uint64_t>> placed; // offset, size
    std::string names(1, '\0');
    std::vector<std::uint64_t> nameAt;
    for (const auto& [name, bytes] : sections)
    {
        while (out.size() % 4)
            out.push_back(0);
        placed.emplace_back(out.size(), bytes.size());
        out.insert(out.end(), bytes.begin(), bytes.end());
        nameAt.push_back(names.size());
        names += name + '\0';
    }
    const std::uint64_t namesName = names.size();
    names += std::string(".shstrtab") + '\0';
    placed.emplace_back(out.size(), names.size());
    nameAt.push_back(namesName);
    out.insert(out.end(), names.begin(), names.end());
    while (out.size() % 8)
        out.push_back(0);

    // The section table: the null section, ours, the name table.
    const std::size_t table = out.size();
    const std::size_t count = placed.size() + 1;
    out.resize(table + count * entrySize);
    for (std::size_t i = 0; i < placed.size(); ++i)
    {
        const std::size_t entry = table + (i + 1) * entrySize;
        put(nameAt[i], 4, entry);
        put(i + 1 == placed.size() ? 3 : 1, 4, entry + 4); // string table or program bits
        put(placed[i].first, is64 ? 8 : 4, entry + (is64 ? 24 : 16));
        put(placed[i].second, is64 ? 8 : 4, entry + (is64 ? 32 : 20));
    }
    put(table, is64 ? 8 : 4, is64 ? 0x28 : 0x20);
    put(entrySize, 2, is64 ? 0x3A : 0x2E);
    put(count, 2, is64 ? 0x3C : 0x30);
    put(count - 1, 2, is64 ? 0x3E : 0x32);
    return out;
}
