#include "shell/ElfSection.h"

#include <cstring>

namespace
{

// Reads integers of the file's width and byte order, bounds-checked.
class ElfReader
{
public:
    ElfReader(const RByteSource& file, bool bigEndian) : File(file), BigEndian(bigEndian) {}

    bool Read(std::uint64_t offset, int bytes, std::uint64_t& value) const
    {
        unsigned char raw[8];
        if (!File.ReadAt(offset, raw, static_cast<std::size_t>(bytes)))
            return false;
        value = 0;
        for (int i = 0; i < bytes; ++i)
        {
            const int index = BigEndian ? i : bytes - 1 - i;
            value = (value << 8) | raw[index];
        }
        return true;
    }

private:
    const RByteSource& File;
    bool BigEndian;
};

// Where the fields lie, for each class.
struct Layout
{
    int Word; // 4 or 8: addresses, offsets and sizes
    std::uint64_t SectionTableOffsetAt, SectionEntrySizeAt, SectionCountAt, NamesIndexAt;
    std::uint64_t EntrySize;
    std::uint64_t NameAt, TypeAt, OffsetAt, SizeAt, LinkAt;
};

constexpr Layout Elf32{4, 0x20, 0x2E, 0x30, 0x32, 40, 0, 4, 16, 20, 24};
constexpr Layout Elf64{8, 0x28, 0x3A, 0x3C, 0x3E, 64, 0, 4, 24, 32, 40};

constexpr std::uint64_t NoBits = 8;           // a section without contents
constexpr std::uint64_t ExtendedIndex = 0xFFFF; // the name table's index lies elsewhere
constexpr std::uint64_t MaxSections = 65536 * 16;

struct Section
{
    std::uint64_t Name, Type, Offset, Size, Link;
};

bool ReadSection(const ElfReader& elf, const Layout& at, std::uint64_t table, std::uint64_t index,
                 Section& section)
{
    const std::uint64_t entry = table + index * at.EntrySize;
    return elf.Read(entry + at.NameAt, 4, section.Name) && elf.Read(entry + at.TypeAt, 4, section.Type) &&
           elf.Read(entry + at.OffsetAt, at.Word, section.Offset) &&
           elf.Read(entry + at.SizeAt, at.Word, section.Size) && elf.Read(entry + at.LinkAt, 4, section.Link);
}

bool Fits(const RByteSource& file, std::uint64_t offset, std::uint64_t size)
{
    return offset <= file.Size() && size <= file.Size() - offset;
}

} // namespace

bool ReadElfSection(const RByteSource& file, const char* name, std::size_t maxSize,
                    std::vector<unsigned char>& contents)
{
    unsigned char ident[16];
    if (name == nullptr || !file.ReadAt(0, ident, sizeof ident) || std::memcmp(ident, "\x7F" "ELF", 4) != 0)
        return false;
    if ((ident[4] != 1 && ident[4] != 2) || (ident[5] != 1 && ident[5] != 2))
        return false;
    const Layout& at = ident[4] == 1 ? Elf32 : Elf64;
    const ElfReader elf(file, ident[5] == 2);

    std::uint64_t table = 0, entrySize = 0, count = 0, namesIndex = 0;
    if (!elf.Read(at.SectionTableOffsetAt, at.Word, table) || !elf.Read(at.SectionEntrySizeAt, 2, entrySize) ||
        !elf.Read(at.SectionCountAt, 2, count) || !elf.Read(at.NamesIndexAt, 2, namesIndex))
        return false;
    if (table == 0 || entrySize != at.EntrySize)
        return false;
    // Many sections: the counts are kept in section 0.
    Section first{};
    if (!ReadSection(elf, at, table, 0, first))
        return false;
    if (count == 0)
        count = first.Size;
    if (namesIndex == ExtendedIndex)
        namesIndex = first.Link;
    if (count > MaxSections || namesIndex >= count || !Fits(file, table, count * at.EntrySize))
        return false;

    Section names{};
    if (!ReadSection(elf, at, table, namesIndex, names) || names.Type == NoBits ||
        !Fits(file, names.Offset, names.Size))
        return false;
    const std::size_t wantedLength = std::strlen(name);
    std::vector<char> candidate(wantedLength + 1);
    for (std::uint64_t index = 1; index < count; ++index)
    {
        Section section{};
        if (!ReadSection(elf, at, table, index, section))
            return false;
        // The name, with its terminator, must lie inside the name table.
        if (section.Name >= names.Size || names.Size - section.Name < wantedLength + 1 ||
            !file.ReadAt(names.Offset + section.Name, candidate.data(), wantedLength + 1) ||
            std::memcmp(candidate.data(), name, wantedLength + 1) != 0)
            continue;
        if (section.Type == NoBits || section.Size > maxSize || !Fits(file, section.Offset, section.Size))
            return false;
        contents.resize(static_cast<std::size_t>(section.Size));
        return contents.empty() || file.ReadAt(section.Offset, contents.data(), contents.size());
    }
    return false;
}
