// Damaged settings files: every one loads without a crash, keeps the profiles
// read completely before the damage, and drops the rest.
#include "settings/RAppReg.h"

#include "support/SettingsImage.h"
#include "support/SettingsPlace.h"
#include "support/TestFolder.h"

#include <gtest/gtest.h>

#include <memory>

namespace
{

class SettingsFileDamage : public testing::Test
{
protected:
    TestFolder Folder;
    SettingsPlace Place{Folder};
    // An all-users store, so that the profile has a name known in advance.
    std::filesystem::path File = Place.File(true, "t");

    // Writes image as the settings file of an all-users store and loads it.
    bool Load(const SettingsImage& image)
    {
        TestFolder::WriteBytes(File, image.Bytes);
        Store = std::make_unique<RAppReg>(Place.Subfolder().c_str(), true, "t");
        return Store->Load();
    }
    // Whether the all-users profile was kept, read through its variable.
    bool ProfileKept()
    {
        Store->SetSection("S");
        return Store->ReadInt("v", -1) == 1;
    }

    std::unique_ptr<RAppReg> Store;
};

// A complete, valid profile of all users with S|v = 1.
SettingsImage& GoodProfile(SettingsImage& image)
{
    return image.Section("RARAllUsers").Section("S").Variable("v", "1").End().End();
}

SettingsImage GoodFile()
{
    SettingsImage image;
    image.Signature();
    return GoodProfile(image);
}

TEST_F(SettingsFileDamage, DamageAfterAGoodProfileKeepsIt)
{
    const struct
    {
        const char* What;
        std::vector<unsigned char> After;
    } rows[] = {
        {"tag 1001 at the top", SettingsImage().Int(1001).Bytes},
        {"tag 1002 at the top", SettingsImage().Int(1002).Bytes},
        {"tag 999", SettingsImage().Int(999).Bytes},
        {"tag -1", SettingsImage().Int(-1).Bytes},
        {"unknown tag inside a section", SettingsImage().Section("B").Int(1003).Bytes},
        {"name length 0", SettingsImage().Int(1000).Int(0).Bytes},
        {"name length -1", SettingsImage().Int(1000).Int(-1).Bytes},
        {"name length 262146", SettingsImage().Int(1000).Int(262146).Bytes},
        {"name length 2^31-1", SettingsImage().Int(1000).Int(INT32_MAX).Bytes},
        {"value length 262146",
         SettingsImage().Section("B").Int(1001).Text("v").Int(262146).Bytes},
        {"text shorter than its length", SettingsImage().Int(1000).Int(100).Text("abc").Bytes},
        {"section without its end", SettingsImage().Section("B").Section("C").End().Bytes},
    };
    for (const auto& row : rows)
    {
        SCOPED_TRACE(row.What);
        SettingsImage image = GoodFile();
        image.Raw(row.After);
        EXPECT_FALSE(Load(image));
        EXPECT_TRUE(ProfileKept());
    }
}

TEST_F(SettingsFileDamage, WrongSignatureOrEmptyFileLoadsNothing)
{
    SettingsImage wrong;
    wrong.Int(20010808);
    GoodProfile(wrong);
    EXPECT_FALSE(Load(wrong));
    EXPECT_FALSE(ProfileKept());

    // An empty file, as a first start leaves it, has no signature to read.
    EXPECT_FALSE(Load(SettingsImage()));
    EXPECT_FALSE(ProfileKept());
}

// Cut anywhere, the file keeps exactly the profiles that end before the cut.
TEST_F(SettingsFileDamage, TruncatedAtEveryByte)
{
    SettingsImage image = GoodFile();
    const std::size_t firstEnd = image.Bytes.size();
    image.Section("Other").Variable("v", "2").End();
    const std::vector<unsigned char> whole = image.Bytes;
    for (std::size_t length = 0; length <= whole.size(); ++length)
    {
        SettingsImage cut;
        cut.Raw({whole.begin(), whole.begin() + static_cast<std::ptrdiff_t>(length)});
        const bool loaded = Load(cut);
        // A tag cut short is the end of the file, not damage.
        const bool tagCutShort = (length >= 4 && length < 8) ||
                                 (length >= firstEnd && length < firstEnd + 4) ||
                                 length == whole.size();
        EXPECT_EQ(loaded, tagCutShort) << length;
        EXPECT_EQ(ProfileKept(), length >= firstEnd) << length;
    }
}

TEST_F(SettingsFileDamage, TextsEndAtTheirFirstZeroOrTakeAllTheirBytes)
{
    SettingsImage image;
    image.Signature();
    // A name whose bytes hold no zero: all of them count.
    image.Int(1000).Int(11).Raw({'R', 'A', 'R', 'A', 'l', 'l', 'U', 's', 'e', 'r', 's'});
    // A section name with a zero inside ends there.
    image.Int(1000).Int(4).Raw({'S', 0, 'x', 'y'}).Variable("v", "1").End().End();
    EXPECT_TRUE(Load(image));
    EXPECT_TRUE(ProfileKept());

    // The longest text allowed is read whole.
    SettingsImage longest = GoodFile();
    longest.Section("L").Int(1001).Text("v").Text(std::string(262144, 'x')).End();
    EXPECT_TRUE(Load(longest));
}

TEST_F(SettingsFileDamage, NestingIsBoundedAtAThousandLevels)
{
    auto nested = [](int levels)
    {
        SettingsImage image = GoodFile();
        for (int level = 0; level < levels; ++level)
            image.Section("n");
        for (int level = 0; level < levels; ++level)
            image.End();
        return image;
    };
    EXPECT_TRUE(Load(nested(1000)));
    EXPECT_FALSE(Load(nested(1001)));
    EXPECT_TRUE(ProfileKept());

    // A million levels: 10 MB of file, of which the reader takes a thousand.
    SettingsImage deep = GoodFile();
    deep.Bytes.reserve(deep.Bytes.size() + 10'000'000);
    for (int level = 0; level < 1'000'000; ++level)
        deep.Section("n");
    EXPECT_FALSE(Load(deep));
    EXPECT_TRUE(ProfileKept());
}

} // namespace
