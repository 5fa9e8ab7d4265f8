#include "shell/VersionInfo.h"

#include "shell/ElfSection.h"
#include "shell/VersionBlock.h"
#include "support/ElfImage.h"
#include "support/PeImage.h"
#include "support/TestFolder.h"

#include <gtest/gtest.h>

#include <array>
#include <string>

namespace
{

using Seven = std::array<std::string, 7>;

// Runs the reader on path; the outputs start as "old" so that untouched
// outputs show.
std::pair<bool, Seven> Read(const std::string& path)
{
    std::array<RString, 7> out;
    out.fill("old");
    const bool read = ReadVersionInfo(RFileName(path.c_str()), out[0], out[1], out[2], out[3], out[4],
                                      out[5], out[6]);
    Seven texts;
    for (std::size_t i = 0; i < 7; ++i)
        texts[i] = out[i].Text();
    return {read, texts};
}

RVersionData::StringTable Table(const char* key, const char* product, bool withComments = true)
{
    RVersionData::StringTable table{key, {{"CompanyName", "Quenlar Corp"},
                                          {"ProductName", product},
                                          {"ProductVersion", "1.2.3.4"},
                                          {"FileDescription", "Desc"},
                                          {"FileVersion", "1.2.3.4"},
                                          {"LegalCopyright", "Copyright © 2004 Quenlar Corp"}}};
    if (withComments)
        table.Strings.emplace_back("Comments", "Remarks");
    return table;
}

class VersionInfo : public testing::Test
{
protected:
    TestFolder Folder;

    // Every kind of executable file that carries the block on this system:
    // ELF files of both widths and byte orders on POSIX, a PE file on Windows.
    std::vector<std::string> FilesWith(const std::vector<unsigned char>& block)
    {
#ifdef _WIN32
        const std::string path = (Folder.Path() / "program.dll").string();
        TestFolder::WriteBytes(path, PeImage(block));
        return {path};
#else
        std::vector<std::string> paths;
        for (bool is64 : {false, true})
            for (bool bigEndian : {false, true})
                paths.push_back(ElfFileWith(block, is64, bigEndian, std::to_string(paths.size())));
        return paths;
#endif
    }
    std::string FileWith(const std::vector<unsigned char>& block) { return FilesWith(block).back(); }

    std::string ElfFileWith(const std::vector<unsigned char>& block, bool is64 = true, bool bigEndian = false,
                            const std::string& name = "program")
    {
        const std::string path = (Folder.Path() / name).string();
        TestFolder::WriteBytes(path, ElfImage({{".text", {1, 2, 3}}, {VersionSectionName, block}}, is64, bigEndian));
        return path;
    }
};

#ifdef TINTWELL_PROGRAM
TEST_F(VersionInfo, TheProgramsOwnFile)
{
    const auto [read, texts] = Read(TINTWELL_PROGRAM);
    EXPECT_TRUE(read);
    EXPECT_EQ(texts, (Seven{"Quenlar Tintwell", "2004.5.1.0", "Quenlar Corp", "Quenlar Tintwell", "2004.5.1.0",
                            "Copyright © 2004 Quenlar Corp", "Copyright © 2004 Quenlar Corp"}));
}
#endif

TEST_F(VersionInfo, EveryKindOfExecutableFile)
{
    RVersionData data;
    data.Translations = {{0x0409, 0x04E4}};
    data.StringTables = {Table("040904E4", "Tint")};
    for (const std::string& path : FilesWith(BuildVersionBlock(data)))
    {
        const auto [read, texts] = Read(path);
        EXPECT_TRUE(read) << path;
        EXPECT_EQ(texts, (Seven{"Tint", "1.2.3.4", "Quenlar Corp", "Desc", "1.2.3.4",
                                "Copyright © 2004 Quenlar Corp", "Remarks"}))
            << path;
    }
}

TEST_F(VersionInfo, MissingPartsOfTheResource)
{
    // No Comments: true, with the seventh output emptied.
    RVersionData noComments;
    noComments.Translations = {{0x0409, 0x04E4}};
    noComments.StringTables = {Table("040904e4", "Tint", false)};
    auto [read, texts] = Read(FileWith(BuildVersionBlock(noComments)));
    EXPECT_TRUE(read);
    EXPECT_EQ(texts[0], "Tint");
    EXPECT_EQ(texts[6], "");

    // Two languages: only the first pair of the table counts.
    RVersionData two;
    two.Translations = {{0x0407, 0x04E4}, {0x0409, 0x04E4}};
    two.StringTables = {Table("040904E4", "English"), Table("040704E4", "Deutsch")};
    std::tie(read, texts) = Read(FileWith(BuildVersionBlock(two)));
    EXPECT_TRUE(read);
    EXPECT_EQ(texts[0], "Deutsch");

    // No translation table: no block can be named, nothing is touched.
    RVersionData untranslated;
    untranslated.StringTables = {Table("040904E4", "Tint")};
    std::tie(read, texts) = Read(FileWith(BuildVersionBlock(untranslated)));
    EXPECT_FALSE(read);
    EXPECT_EQ(texts[0], "old");
}

TEST_F(VersionInfo, FilesWithoutAResourceLeaveTheOutputsAlone)
{
    const std::string none = (Folder.Path() / "none").string();
    TestFolder::WriteBytes(none, ElfImage({{".text", {1, 2, 3}}}));
    const std::string notElf = (Folder.Path() / "text").string();
    TestFolder::WriteBytes(notElf, {'h', 'e', 'l', 'l', 'o'});
    for (const std::string& path : {none, notElf, (Folder.Path() / "missing").string(), Folder.Path().string()})
    {
        const auto [read, texts] = Read(path);
        EXPECT_FALSE(read) << path;
        EXPECT_EQ(texts, (Seven{"old", "old", "old", "old", "old", "old", "old"}));
    }
}

#ifndef _WIN32
// Cut short or damaged anywhere: never a crash, and never an invented value.
// (Our own reader of files and blocks; on Windows the system reads them.)
TEST_F(VersionInfo, DamagedBlocksAndFiles)
{
    RVersionData data;
    data.Translations = {{0x0409, 0x04E4}};
    data.StringTables = {Table("040904E4", "Tint")};
    const std::vector<unsigned char> block = BuildVersionBlock(data);
    const std::vector<unsigned char> file = ElfImage({{VersionSectionName, block}});
    for (std::size_t length = 0; length < file.size(); ++length)
    {
        const std::string path = ElfFileWith({});
        TestFolder::WriteBytes(path, {file.begin(), file.begin() + static_cast<std::ptrdiff_t>(length)});
        const auto [read, texts] = Read(path);
        if (read)
        {
            EXPECT_EQ(texts[0], "Tint") << length;
        }
    }
    for (std::size_t at = 0; at < block.size(); ++at)
    {
        for (const unsigned value : {0x00u, 0x05u, 0xFFu})
        {
            std::vector<unsigned char> damaged = block;
            damaged[at] = static_cast<unsigned char>(value);
            const auto [read, texts] = Read(ElfFileWith(damaged));
            static_cast<void>(read);
            static_cast<void>(texts);
        }
        RVersionValue value;
        EXPECT_FALSE(FindVersionValue(block.data(), at, "\\StringFileInfo\\040904e4\\Comments", value) &&
                     value.Data + value.Size > block.data() + at)
            << at;
    }
}

#endif

TEST(VersionBlock, KeysIgnoreCaseAndTheFixedPartIsTheRoot)
{
    RVersionData data;
    data.FileVersion[0] = 2004;
    data.Translations = {{0x0409, 0x04E4}};
    data.StringTables = {Table("040904E4", "Tint")};
    const auto block = BuildVersionBlock(data);
    RVersionValue value;
    ASSERT_TRUE(FindVersionValue(block.data(), block.size(), "\\stringfileinfo\\040904e4\\PRODUCTNAME", value));
    EXPECT_STREQ(VersionText(value).Text(), "Tint");
    ASSERT_TRUE(FindVersionValue(block.data(), block.size(), "\\", value));
    ASSERT_EQ(value.Size, 52u);
    EXPECT_EQ(value.Data[0] | (value.Data[1] << 8) | (value.Data[2] << 16) | (value.Data[3] << 24),
              static_cast<int>(0xFEEF04BD));
    EXPECT_FALSE(FindVersionValue(block.data(), block.size(), "\\StringFileInfo\\040904e4\\Nothing", value));
}

} // namespace
