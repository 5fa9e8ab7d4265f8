// The save on POSIX file systems as users meet them: links where the
// settings file or its temporary name should be, files this user may not
// write, a file-size limit. Nothing of the user's is ever lost or replaced.
#include "settings/RAppReg.h"

#include "support/SettingsPlace.h"
#include "support/TestFolder.h"

#include <gtest/gtest.h>

#include <csignal>
#include <filesystem>
#include <sys/resource.h>
#include <sys/stat.h>

namespace
{

namespace fs = std::filesystem;

class SettingsSave : public testing::Test
{
protected:
    TestFolder Folder;
    SettingsPlace Place{Folder};
    fs::path File = Place.File(false, "t");

    void SetUp() override { fs::create_directories(File.parent_path()); }

    // A store of this file with one changed value; its close saves.
    bool SaveValue(int value)
    {
        RAppReg store(Place.Subfolder().c_str(), false, "t");
        store.SetSection("Options");
        store.WriteInt("LastColor", value);
        return store.Save();
    }
    int StoredValue()
    {
        RAppReg store(Place.Subfolder().c_str(), false, "t");
        store.SetSection("Options");
        return store.ReadInt("LastColor", -1);
    }
    // Everything in the settings folder: a failed or finished save leaves no
    // temporary file behind.
    std::vector<std::string> FolderEntries() const
    {
        std::vector<std::string> names;
        for (const auto& entry : fs::directory_iterator(File.parent_path()))
            names.push_back(entry.path().filename().string());
        std::sort(names.begin(), names.end());
        return names;
    }
    static fs::perms Permissions(const fs::path& path) { return fs::status(path).permissions(); }
};

using Names = std::vector<std::string>;

TEST_F(SettingsSave, ALinkAtTheOldTemporaryNameIsNeverFollowed)
{
    const fs::path victim = Folder.Path() / "victim.txt";
    TestFolder::WriteBytes(victim, {'m', 'i', 'n', 'e'});
    fs::create_symlink(victim, fs::path(File.string() + ".new"));
    ASSERT_TRUE(SaveValue(5));
    EXPECT_EQ(TestFolder::ReadBytes(victim), (std::vector<unsigned char>{'m', 'i', 'n', 'e'}));
    EXPECT_FALSE(fs::is_symlink(File));
    EXPECT_EQ(StoredValue(), 5);
    EXPECT_EQ(FolderEntries(), (Names{"t.apr", "t.apr.new"}));
}

TEST_F(SettingsSave, AFolderAtTheOldTemporaryNameDoesNotStopTheSave)
{
    fs::create_directory(fs::path(File.string() + ".new"));
    EXPECT_TRUE(SaveValue(6));
    EXPECT_EQ(StoredValue(), 6);
}

TEST_F(SettingsSave, ALinkedSettingsFileStaysALinkAndItsFileIsUpdated)
{
    const fs::path real = Folder.Path() / "dotfiles" / "tintwell.apr";
    fs::create_directories(real.parent_path());
    fs::create_symlink(real, File); // a link to a file that is not there yet
    ASSERT_TRUE(SaveValue(7));
    ASSERT_TRUE(SaveValue(8));
    EXPECT_TRUE(fs::is_symlink(File));
    EXPECT_EQ(fs::read_symlink(File), real);
    EXPECT_EQ(StoredValue(), 8);
    EXPECT_EQ(FolderEntries(), Names{"t.apr"});
}

TEST_F(SettingsSave, ThePermissionsOfTheFileCarryOver)
{
    ASSERT_TRUE(SaveValue(1));
    fs::permissions(File, fs::perms::owner_read | fs::perms::owner_write);
    ASSERT_TRUE(SaveValue(2));
    EXPECT_EQ(Permissions(File), fs::perms::owner_read | fs::perms::owner_write);
    fs::permissions(File, fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
    ASSERT_TRUE(SaveValue(3));
    EXPECT_EQ(Permissions(File), fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
}

TEST_F(SettingsSave, AFileSizeLimitFailsTheSaveInsteadOfEndingTheProgram)
{
    ASSERT_TRUE(SaveValue(9));
    const std::vector<unsigned char> before = TestFolder::ReadBytes(File);
    rlimit old{};
    ASSERT_EQ(::getrlimit(RLIMIT_FSIZE, &old), 0);
    rlimit none = old;
    none.rlim_cur = 0;
    // As a desktop starts the program; a parent may have left the signal ignored.
    const auto oldAction = std::signal(SIGXFSZ, SIG_DFL);
    ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &none), 0);
    const bool saved = SaveValue(10);
    ::setrlimit(RLIMIT_FSIZE, &old);
    std::signal(SIGXFSZ, oldAction);
    EXPECT_FALSE(saved);
    EXPECT_EQ(TestFolder::ReadBytes(File), before);
    EXPECT_EQ(FolderEntries(), Names{"t.apr"});
}

// Run as an ordinary user (scripts run these as "nobody" when they are root).
TEST_F(SettingsSave, SettingsKeptAReadOnlyFileIsNotReplaced)
{
    if (::geteuid() == 0)
        GTEST_SKIP() << "the superuser may write every file";
    ASSERT_TRUE(SaveValue(11));
    const std::vector<unsigned char> before = TestFolder::ReadBytes(File);
    fs::permissions(File, fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
    EXPECT_FALSE(SaveValue(12));
    EXPECT_EQ(TestFolder::ReadBytes(File), before);
    EXPECT_EQ(Permissions(File), fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
    EXPECT_EQ(FolderEntries(), Names{"t.apr"});
}

} // namespace
