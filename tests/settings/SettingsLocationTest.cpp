// Where the settings file lives, whose profile it holds, and what a save
// that cannot finish leaves behind.
#include "settings/RAppReg.h"

#include "support/TestFolder.h"

#include <gtest/gtest.h>

#include <csignal>
#include <memory>
#include <sys/resource.h>
#include <pwd.h>
#include <sys/wait.h>
#include <unistd.h>

namespace
{

namespace fs = std::filesystem;

fs::path ProgramFolder()
{
    return TestFolder::ProgramPath().parent_path();
}

std::string PathOf(const RAppReg& store)
{
    return store.GetFileName().GetPath().Text();
}

class SettingsLocation : public testing::Test
{
protected:
    TestFolder Folder;
};

TEST_F(SettingsLocation, TheConfigurationFolderPlusTheSubfolder)
{
    EXPECT_EQ(PathOf(RAppReg("Quenlar\\Tintwell", false, "tintwell")),
              (Folder.ConfigHome() / "Quenlar/Tintwell/tintwell.apr").string());

    // Without XDG_CONFIG_HOME, or with a relative one, the folder is under HOME.
    Folder.SetEnv("XDG_CONFIG_HOME", "relative/config");
    EXPECT_EQ(PathOf(RAppReg("Q\\T", false, "tintwell")),
              (Folder.Path() / "home/.config/Q/T/tintwell.apr").string());
    EXPECT_TRUE(fs::is_regular_file(Folder.Path() / "home/.config/Q/T/tintwell.apr"));
}

TEST_F(SettingsLocation, TheBaseNameComesFromTheProgramUnlessGiven)
{
    EXPECT_EQ(PathOf(RAppReg("Q", false, nullptr)),
              (Folder.ConfigHome() / "Q" / (TestFolder::ProgramPath().stem().string() + ".apr")).string());
    EXPECT_EQ(PathOf(RAppReg("Q", false, "")),
              (Folder.ConfigHome() / "Q" / (TestFolder::ProgramPath().stem().string() + ".apr")).string());
    EXPECT_EQ(PathOf(RAppReg("Q", false, nullptr, false)),
              (Folder.ConfigHome() / "Q/appdata.apr").string());
}

TEST_F(SettingsLocation, BesideTheProgramWhenThereIsNoConfigurationFolder)
{
    Folder.SetEnv("XDG_CONFIG_HOME", std::nullopt);
    Folder.SetEnv("HOME", std::nullopt);
    const fs::path beside = ProgramFolder() / "tintwell-location-test.apr";
    {
        RAppReg store("Q", false, "tintwell-location-test");
        EXPECT_EQ(PathOf(store), beside.string());
        EXPECT_TRUE(fs::is_regular_file(beside));
    }
    fs::remove(beside);
}

// The file-size limit stands in for a disk that fills up while saving.
TEST_F(SettingsLocation, ASaveThatFailsMidwayLeavesTheOldFileWhole)
{
    RAppReg store("Q", false, "t");
    store.SetSection("Options");
    store.WriteInt("Kept", 1);
    ASSERT_TRUE(store.Save());
    const fs::path file = PathOf(store);
    const auto before = TestFolder::ReadBytes(file);

    for (int i = 0; i < 200; ++i)
        store.WriteInt(RString("Variable number ") + RString(i), i);
    rlimit old{};
    ::getrlimit(RLIMIT_FSIZE, &old);
    const rlimit tight{static_cast<rlim_t>(before.size() + 100), old.rlim_max};
    const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
    ::setrlimit(RLIMIT_FSIZE, &tight);
    const bool saved = store.Save();
    ::setrlimit(RLIMIT_FSIZE, &old);
    std::signal(SIGXFSZ, oldHandler);

    EXPECT_FALSE(saved);
    EXPECT_TRUE(store.IsDirty());
    EXPECT_EQ(TestFolder::ReadBytes(file), before);
    EXPECT_FALSE(fs::exists(file.string() + ".new"));
    // Once there is room again, the next save goes through.
    EXPECT_TRUE(store.Save());
    EXPECT_FALSE(store.IsDirty());
}

TEST_F(SettingsLocation, AFolderThatCannotBeWrittenFailsTheSaveAndKeepsTheChanges)
{
    RAppReg store("Q\\T", false, "t");
    // A file where the folder should be: not even root can write below it.
    fs::remove_all(Folder.ConfigHome() / "Q/T");
    TestFolder::WriteBytes(Folder.ConfigHome() / "Q/T", {0});
    store.WriteInt("x", 1);
    EXPECT_FALSE(store.Save());
    EXPECT_TRUE(store.IsDirty());
    EXPECT_FALSE(store.Load()); // a failed save keeps the tree as it is
    EXPECT_EQ(store.ReadInt("x", 0), 1);
}

// A process whose user has no entry in the user database gets "Unknown".
TEST(CurrentUserName, UnknownWhenTheSystemCannotSay)
{
    if (::geteuid() != 0)
        GTEST_SKIP() << "needs root to become a user without a name";
    const pid_t child = ::fork();
    if (child == 0)
    {
        const uid_t nobodyKnown = 54321;
        const bool unnamed = ::getpwuid(nobodyKnown) == nullptr && ::setuid(nobodyKnown) == 0 &&
                             std::string(RAppReg::GetCurrentUserName().Text()) == "Unknown";
        ::_exit(unnamed ? 0 : 1);
    }
    int status = 0;
    ::waitpid(child, &status, 0);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
}

} // namespace
