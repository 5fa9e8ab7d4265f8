#include "files/FileSystem.h"
#include "files/RFileName.h"

#include "support/TestFolder.h"

#include <gtest/gtest.h>

#include <string>

namespace
{

// Tests are written with either separator; the directory comes back with
// this system's own.
std::string Native(std::string path)
{
    for (char& c : path)
        if (c == '\\' || c == '/')
            c = FileSystem::NativeSeparator;
    return path;
}

std::string S(const RString& text)
{
    return text.Text();
}

TEST(RFileName, SplitsIntoItsParts)
{
    using F = RFileName::SplitFlag;
    const struct
    {
        const char* Path;
        const char *Folder, *Name, *NameExt;
        int Flags;
    } rows[] = {
        {"C:\\Program Files\\App\\prog.exe", "C:\\Program Files\\App\\", "prog", "prog.exe",
         F::FoundDrive | F::FoundDirectory | F::FoundName | F::FoundExtension},
        {"/usr/bin/tintwell", "\\usr\\bin\\", "tintwell", "tintwell",
         F::FoundDirectory | F::FoundName},
        {"A\\b/c.tar.gz", "A\\b\\", "c.tar", "c.tar.gz",
         F::FoundDirectory | F::FoundName | F::FoundExtension},
        {"C:notes.txt", "C:", "notes", "notes.txt",
         F::FoundDrive | F::FoundName | F::FoundExtension},
        {"dir\\", "dir\\", "", "", F::FoundDirectory},
        {"\\home\\.bashrc", "\\home\\", "", "", F::FoundDirectory | F::FoundExtension},
        {"*.txt", "", "*", "*.txt", F::FoundWildcards | F::FoundName | F::FoundExtension},
        {"", "", "", "", 0},
    };
    for (const auto& row : rows)
    {
        SCOPED_TRACE(row.Path);
        const RFileName name(row.Path);
        EXPECT_EQ(S(name.GetFolder()), Native(row.Folder));
        EXPECT_EQ(S(name.GetName()), row.Name);
        EXPECT_EQ(S(name.GetNameExt()), row.NameExt);
        EXPECT_EQ(name.GetSplitFlags(), row.Flags);
        EXPECT_EQ(S(name.GetPath()), Native(row.Path));
    }
}

TEST(RFileName, SetExtWithOrWithoutItsDot)
{
    RFileName a("\\data\\tintwell.exe");
    RFileName b("\\data\\tintwell.exe");
    EXPECT_TRUE(a.SetExt("apr"));
    EXPECT_TRUE(b.SetExt(".apr"));
    EXPECT_EQ(S(a.GetPath()), Native("\\data\\tintwell.apr"));
    EXPECT_EQ(S(a.GetPath()), S(b.GetPath()));
    EXPECT_TRUE(a.SetExt(nullptr));
    EXPECT_EQ(S(a.GetPath()), Native("\\data\\tintwell"));
}

TEST(RFileName, SettersRefuseWhatDoesNotFitAndChangeNothing)
{
    const std::string longest(255, 'n');
    RFileName name("\\d\\x.apr");
    EXPECT_TRUE(name.SetName(longest.c_str()));
    EXPECT_EQ(S(name.GetName()), longest);
    EXPECT_FALSE(name.SetName((longest + "n").c_str()));
    EXPECT_FALSE(name.SetExt(("." + longest + "e").c_str()));
    EXPECT_EQ(S(name.GetPath()), Native("\\d\\" + longest + ".apr"));

    const std::string deepFolder = "\\" + std::string(255, 'f') + "\\";
    RFileName other("\\d\\x.apr");
    EXPECT_FALSE(other.SetFolder(deepFolder.c_str()));
    EXPECT_FALSE(other.SetPath((deepFolder + "x.apr").c_str()));
    EXPECT_FALSE(other.AddSubfolder(std::string(253, 's').c_str()));
    EXPECT_FALSE(other.SetFolder(""));
    EXPECT_FALSE(other.AddSubfolder(""));
    EXPECT_EQ(S(other.GetPath()), Native("\\d\\x.apr"));

    // Each part fits, but the whole path would exceed its capacity.
    RFileName whole(("\\" + std::string(250, 'f') + "\\" + longest).c_str());
    EXPECT_FALSE(whole.SetExt(std::string(20, 'e').c_str()));
}

TEST(RFileName, FolderChangesKeepNameAndExtension)
{
    RFileName name("C:\\Old\\tintwell.apr");
    EXPECT_TRUE(name.SetFolder("D:\\Data"));
    EXPECT_EQ(S(name.GetPath()), Native("D:\\Data\\tintwell.apr"));

    const char* subfolders[] = {"\\A\\B", "A\\B", "A/B/", "\\\\A\\B\\"};
    for (const char* sub : subfolders)
    {
        SCOPED_TRACE(sub);
        RFileName x("\\X\\f.txt");
        EXPECT_TRUE(x.AddSubfolder(sub));
        EXPECT_EQ(S(x.GetFolder()), Native("\\X\\A\\B\\"));
        EXPECT_EQ(S(x.GetNameExt()), "f.txt");
    }
}

TEST(RFileName, SetFolderToProgramIsTheTestProgramsFolder)
{
    RFileName name("settings.apr");
    ASSERT_TRUE(name.SetFolderToProgram());
    const auto program = TestFolder::ProgramPath();
    EXPECT_EQ(S(name.GetFolder()), program.parent_path().string() + FileSystem::NativeSeparator);
    EXPECT_EQ(S(name.GetNameExt()), "settings.apr");
}

class RFileNameOnDisk : public testing::Test
{
protected:
    TestFolder Folder;
    std::string At(const std::string& relative) const { return (Folder.Path() / relative).string(); }
};

TEST_F(RFileNameOnDisk, MakeFoldersCreatesEveryMissingLevel)
{
    RFileName name(At("a/b/c/file.bin").c_str());
    EXPECT_FALSE(name.FolderExists());
    EXPECT_TRUE(name.MakeFolders());
    EXPECT_TRUE(name.FolderExists());
    EXPECT_FALSE(name.FileExists());

    // A level that is a file cannot become a folder.
    TestFolder::WriteBytes(At("blocker"), {1});
    RFileName blocked(At("blocker/inner/file.bin").c_str());
    EXPECT_FALSE(blocked.MakeFolders());
    EXPECT_FALSE(RFileName("").MakeFolders());
}

TEST_F(RFileNameOnDisk, WriteThenReadBack)
{
    RFileName name(At("new/dir/data.bin").c_str());
    ASSERT_TRUE(name.OpenWrite()); // creates the folders
    EXPECT_EQ(name.Write("abcdef", 6), 6);
    EXPECT_TRUE(name.Close());
    EXPECT_FALSE(name.Close());
    EXPECT_TRUE(name.FileExists());

    ASSERT_TRUE(name.OpenRead(true));
    char buffer[16] = {};
    EXPECT_EQ(name.Read(buffer, 4), 4);
    EXPECT_EQ(name.Read(buffer + 4, 10), 2); // at the end: what is left
    EXPECT_EQ(name.Read(buffer, 10), 0);
    EXPECT_EQ(std::string(buffer), "abcdef");
    EXPECT_EQ(name.Write("x", 1), -1); // opened read-only
    EXPECT_TRUE(name.Close());

    ASSERT_TRUE(name.OpenWrite()); // truncates
    EXPECT_TRUE(name.Close());
    EXPECT_TRUE(TestFolder::ReadBytes(At("new/dir/data.bin")).empty());
}

TEST_F(RFileNameOnDisk, NoFileOpenAndTextModeRefuseTransfers)
{
    RFileName missing(At("nothing.bin").c_str());
    char byte = 0;
    EXPECT_FALSE(missing.OpenRead(true));
    EXPECT_EQ(missing.Read(&byte, 1), 0);
    EXPECT_EQ(missing.Write(&byte, 1), 0);
    EXPECT_FALSE(missing.Close());
    EXPECT_FALSE(RFileName().OpenWrite());

    // A folder is not a file, even when its name has an extension.
    std::filesystem::create_directory(At("folder.bin"));
    EXPECT_FALSE(RFileName(At("folder.bin").c_str()).FileExists());

    RFileName text(At("empty.apr").c_str());
    ASSERT_TRUE(text.CreateText());
    EXPECT_EQ(text.Write("x", 1), 0);
    EXPECT_FALSE(text.Close());
    EXPECT_TRUE(text.CloseText());
    EXPECT_FALSE(text.CloseText());
    EXPECT_TRUE(text.FileExists());
}

} // namespace
