#include "settings/RAppReg.h"

#include "support/SettingsImage.h"
#include "support/SettingsPlace.h"
#include "support/TestFolder.h"

#include <gtest/gtest.h>

#include <memory>

namespace
{

std::string LoginName()
{
    return SettingsPlace::LoginName();
}

class RAppRegTest : public testing::Test
{
protected:
    TestFolder Folder;
    SettingsPlace Place{Folder};

    std::filesystem::path SettingsFile(bool allUsers = false) const { return Place.File(allUsers, "tintwell"); }
    std::unique_ptr<RAppReg> Open(bool allUsers = false)
    {
        return std::make_unique<RAppReg>(Place.Subfolder().c_str(), allUsers, "tintwell");
    }
    std::unique_ptr<RAppReg> OpenWith(const SettingsImage& image, bool allUsers = false)
    {
        TestFolder::WriteBytes(SettingsFile(allUsers), image.Bytes);
        return Open(allUsers);
    }
};

// Two profiles named after users, to stand for a file shared by two accounts.
SettingsImage TwoUsers(const std::string& other, const std::string& mine, const char* myValue = "1")
{
    SettingsImage image;
    image.Signature();
    image.Section(other).Section("Options").Variable("HexFormat", "3").End().End();
    image.Section(mine).Section("Options").Variable("HexFormat", myValue).End().End();
    return image;
}

TEST_F(RAppRegTest, TheSmallestFileByteForByte)
{
    {
        auto store = Open(true);
        store->SetSection("Options");
        store->WriteInt("HexFormat", 2);
    }
    const std::vector<unsigned char> expected = {
        0x37, 0x57, 0x31, 0x01,                                              // signature
        0xE8, 0x03, 0, 0, 12, 0, 0, 0, 'R', 'A', 'R', 'A', 'l', 'l', 'U', 's', 'e', 'r', 's', 0,
        0xE8, 0x03, 0, 0, 8, 0, 0, 0, 'O', 'p', 't', 'i', 'o', 'n', 's', 0,
        0xE9, 0x03, 0, 0, 10, 0, 0, 0, 'H', 'e', 'x', 'F', 'o', 'r', 'm', 'a', 't', 0,
        2, 0, 0, 0, '2', 0,
        0xEA, 0x03, 0, 0, 0xEA, 0x03, 0, 0};
    ASSERT_EQ(expected.size(), 72u);
    EXPECT_EQ(TestFolder::ReadBytes(SettingsFile(true)), expected);
    EXPECT_FALSE(std::filesystem::exists(SettingsFile(true).string() + ".new"));
}

// What a first start and a close of the main window leave behind.
TEST_F(RAppRegTest, FirstStartCreatesAnEmptyFileAndCloseWritesTheProfile)
{
    auto store = Open();
    EXPECT_TRUE(std::filesystem::is_regular_file(SettingsFile()));
    EXPECT_EQ(std::filesystem::file_size(SettingsFile()), 0u);
    EXPECT_FALSE(store->IsDirty());
    store->SetSection("Options");
    EXPECT_EQ(store->ReadInt("LastColor", 0x8000000F), static_cast<std::int32_t>(0x8000000F));
    EXPECT_EQ(store->ReadInt("HexFormat", 0), 0);
    EXPECT_FALSE(store->IsDirty()); // reading creates nothing

    store->SetSection("Window");
    for (const char* name : {"Left", "Top", "Width", "Height", "State"})
        store->WriteInt(name, 7);
    store->SetSection("Options");
    store->WriteInt("LastColor", 15);
    store->WriteInt("HexFormat", 3);
    store.reset();

    SettingsImage expected;
    expected.Signature().Section(LoginName()).Section("Window");
    for (const char* name : {"Left", "Top", "Width", "Height", "State"})
        expected.Variable(name, "7");
    expected.End().Section("Options").Variable("LastColor", "15").Variable("HexFormat", "3");
    expected.End().End();
    EXPECT_EQ(TestFolder::ReadBytes(SettingsFile()), expected.Bytes);
}

TEST_F(RAppRegTest, ReadIntReadsTextAsAtolDoes)
{
    SettingsImage image;
    image.Signature().Section(LoginName()).Section("Default");
    const struct
    {
        const char *Name, *Text;
        std::int32_t Value;
    } rows[] = {
        {"digits", "12ab", 12}, {"empty", "", 0},       {"blanks", "  -7", -7},
        {"plus", "+5", 5},      {"words", "abc", 0},    {"wraps", "4294967297", 1},
    };
    for (const auto& row : rows)
        image.Variable(row.Name, row.Text);
    image.End().End();
    auto store = OpenWith(image);
    store->SetSection("");
    for (const auto& row : rows)
        EXPECT_EQ(store->ReadInt(row.Name, 99), row.Value) << row.Name;
    EXPECT_EQ(store->ReadInt("missing", 99), 99);
    store->SetSection("Elsewhere");
    EXPECT_EQ(store->ReadInt("digits", 99), 99);
}

TEST_F(RAppRegTest, SectionPathsAreTrimmedAndDropEmptyLevels)
{
    auto store = Open();
    const struct
    {
        const char *Given, *Path;
    } rows[] = {
        {"A||B|", "A|B"}, {"|", ""}, {"", "Default"}, {" A |\tB\r\n", "A|B"}, {"Default", "Default"},
    };
    for (const auto& row : rows)
    {
        store->SetSection(row.Given);
        EXPECT_EQ(std::string(store->GetSectionPath().Text()), row.Path) << row.Given;
    }
    // "" and "Default" are one section; names are case-sensitive.
    store->SetSection("");
    store->WriteInt("x", 1);
    store->SetSection("Default");
    EXPECT_EQ(store->ReadInt("x", 0), 1);
    store->SetSection("default");
    EXPECT_EQ(store->ReadInt("x", 0), 0);
}

TEST_F(RAppRegTest, WrittenValuesSurviveAReload)
{
    {
        auto store = Open();
        store->SetSection("Deep|Er");
        store->WriteInt("Negative", -123456);
        store->WriteInt("Max", INT32_MAX);
        EXPECT_TRUE(store->IsDirty());
        EXPECT_TRUE(store->Save());
        EXPECT_FALSE(store->IsDirty());
        store->WriteInt("Max", INT32_MAX); // the same text still counts as a change
        EXPECT_TRUE(store->IsDirty());
    }
    auto store = Open();
    store->SetSection("Deep|Er");
    EXPECT_EQ(store->ReadInt("Negative", 0), -123456);
    EXPECT_EQ(store->ReadInt("Max", 0), INT32_MAX);
}

TEST_F(RAppRegTest, EachUserSeesOnlyTheirOwnProfile)
{
    auto store = OpenWith(TwoUsers("someone-else", LoginName()));
    store->SetSection("Options");
    EXPECT_EQ(store->ReadInt("HexFormat", 0), 1);
    store->WriteInt("HexFormat", 2);
    store.reset();
    // The other user's profile goes back to the file as it was, in its place.
    EXPECT_EQ(TestFolder::ReadBytes(SettingsFile()),
              TwoUsers("someone-else", LoginName(), "2").Bytes);
}

TEST_F(RAppRegTest, AllUsersModeUsesItsOwnProfile)
{
    auto store = OpenWith(TwoUsers("RARAllUsers", LoginName()), true);
    EXPECT_EQ(std::string(store->GetProfileName().Text()), "RARAllUsers");
    store->SetSection("Options");
    EXPECT_EQ(store->ReadInt("HexFormat", 0), 3);
    store->UseCurrentUserProfile();
    EXPECT_EQ(store->ReadInt("HexFormat", 0), 1);
}

} // namespace
