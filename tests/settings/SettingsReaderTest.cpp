// The buffered reader under the settings loader: the same bytes as reading
// the file field by field, and a limit that no file can pass.
#include "settings/RAppReg.h"
#include "settings/SettingsReader.h"

#include "support/SettingsPlace.h"
#include "support/TestFolder.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <memory>

#ifndef _WIN32
#include <unistd.h>
#endif

namespace
{

std::vector<unsigned char> Pattern(std::size_t size)
{
    std::vector<unsigned char> bytes(size);
    for (std::size_t i = 0; i < size; ++i)
        bytes[i] = static_cast<unsigned char>((i * 131 + i / 251) & 0xFF);
    return bytes;
}

} // namespace

TEST(SettingsReader, OddSizedReadsAcrossBlocksGiveTheFileByteForByte)
{
    TestFolder folder;
    const auto path = folder.Path() / "data";
    const std::vector<unsigned char> bytes = Pattern(200'003); // three blocks and a bit
    TestFolder::WriteBytes(path, bytes);
    RFileName file(path.string().c_str());
    ASSERT_TRUE(file.OpenRead(true));
    RSettingsReader reader(file);
    std::vector<unsigned char> read;
    for (std::int32_t size = 1;; size = size % 13 + 1)
    {
        unsigned char chunk[13];
        const std::int32_t got = reader.Read(chunk, size);
        read.insert(read.end(), chunk, chunk + got);
        if (got < size)
            break;
    }
    file.Close();
    EXPECT_EQ(read, bytes);
    EXPECT_FALSE(reader.TooLarge());
}

TEST(SettingsReader, NothingBeyondTheLimitIsRead)
{
    TestFolder folder;
    const auto path = folder.Path() / "data";
    TestFolder::WriteBytes(path, Pattern(100));
    const struct
    {
        std::uint64_t Limit;
        std::int32_t Got;
        bool TooLarge;
    } rows[] = {{100, 100, false}, {101, 100, false}, {99, 96, true}, {0, 0, true}};
    for (const auto& row : rows)
    {
        RFileName file(path.string().c_str());
        ASSERT_TRUE(file.OpenRead(true));
        RSettingsReader reader(file, row.Limit);
        std::int32_t got = 0;
        unsigned char word[4];
        while (reader.Read(word, 4) == 4)
            got += 4;
        file.Close();
        EXPECT_EQ(got, row.Got) << row.Limit;
        EXPECT_EQ(reader.TooLarge(), row.TooLarge) << row.Limit;
    }
}

#ifndef _WIN32
// A settings file this user may not read is still the user's: the store
// loads empty and the close leaves the file as it was.
TEST(SettingsKept, AFileThatCannotBeReadIsNotReplacedByDefaults)
{
    if (::geteuid() == 0)
        GTEST_SKIP() << "the superuser reads every file";
    TestFolder folder;
    SettingsPlace place(folder);
    const auto path = place.File(false, "t");
    std::filesystem::create_directories(path.parent_path());
    const std::vector<unsigned char> original = {1, 2, 3, 4, 5};
    TestFolder::WriteBytes(path, original);
    std::filesystem::permissions(path, std::filesystem::perms::none);
    {
        RAppReg store(place.Subfolder().c_str(), false, "t");
        store.SetSection("Options");
        EXPECT_EQ(store.ReadInt("LastColor", 7), 7);
        store.WriteInt("LastColor", 42);
        EXPECT_FALSE(store.Save());
    }
    std::filesystem::permissions(path, std::filesystem::perms::owner_read | std::filesystem::perms::owner_write);
    EXPECT_EQ(TestFolder::ReadBytes(path), original);
}
#endif
