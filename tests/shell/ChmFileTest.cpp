// Reading a compiled help file that may be damaged or hostile: its table of
// contents, and the sizes its engine reports, are never trusted.
#include "shell/ChmContents.h"
#include "shell/ChmFile.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

namespace
{

struct ContentsCase
{
    const char* Name;
    const char* Page;
    // "name>local@parent" for each entry.
    std::vector<std::string> Entries;
};

std::vector<std::string> Described(const std::vector<RChmContentsEntry>& entries)
{
    std::vector<std::string> described;
    for (const RChmContentsEntry& entry : entries)
        described.push_back(entry.Name + ">" + entry.Local + "@" + std::to_string(entry.Parent));
    return described;
}

const ContentsCase ContentsCases[] = {
    {"nested lists, as the help compiler writes them",
     R"(<ul><li><object type="text/sitemap"><param name="Name" value="Overview"><param name="Local" value="Overview.htm"></object>
        <ul><li><object><param name="Name" value="Numbers"><param name="Local" value="Numbers.htm"></object>
            <li><object><param name="Name" value="Names"><param name="Local" value="Names.htm"></object></ul>
        <li><object><param name="Name" value="Second"><param name="Local" value="Second.htm"></object></ul>)",
     {"Overview>Overview.htm@-1", "Numbers>Numbers.htm@0", "Names>Names.htm@0", "Second>Second.htm@-1"}},
    {"tags and names in any case, parameters in any order",
     R"(<UL><LI><OBJECT><PARAM VALUE="a.htm" NAME="local"><Param Name="NAME" Value="A"></OBJECT></UL>)", {"A>a.htm@-1"}},
    {"an object without a name is left out",
     R"(<ul><li><object><param name="Local" value="x.htm"></object><li><object><param name="Name" value="B"></object></ul>)",
     {"B>@-1"}},
    {"more lists closed than opened stay at the top",
     R"(</ul></ul><object><param name="Name" value="A"></object></ul><object><param name="Name" value="B"></object>)",
     {"A>@-1", "B>@-1"}},
    {"a list opened twice hangs under the last entry",
     R"(<ul><object><param name="Name" value="A"></object><ul><ul><object><param name="Name" value="B"></object>)",
     {"A>@-1", "B>@0"}},
    {"a page cut off inside a parameter", R"(<ul><object><param name="Name" value="A)", {}},
    {"a parameter cut off before its end counts up to there",
     R"(<object><param name="Name" value="A"><param name="Local" value="a.htm")", {}},
    {"unquoted or other parameters are ignored",
     R"(<object><param name=Name value=A><param name="Name" value="B"><param name="ImageNumber" value="1"></object>)",
     {"B>@-1"}},
    {"words that merely begin like tags", R"(<ulx><paramx name="Name" value="A"><object><param name="Name" value="B"></objects>)",
     {}},
    {"no markup at all", "Overview, Numbers, Names", {}},
    {"empty", "", {}},
};

// An engine that reports what a test sets, whatever it was asked.
struct LyingEngine
{
    static inline std::uint64_t Length = 0;
    static inline std::int64_t Got = 0;
    static inline std::int64_t Asked = -1;
    static inline int Handle = 0;

    static void* Open(const char*) { return &Handle; }
    static void Close(void*) {}
    static int Resolve(void*, const char*, RChmUnit* unit)
    {
        unit->Length = Length;
        return 0;
    }
    static std::int64_t Retrieve(void*, RChmUnit*, unsigned char* buffer, std::uint64_t, std::int64_t length)
    {
        Asked = length;
        std::memset(buffer, 'x', static_cast<std::size_t>(std::min<std::int64_t>(length, 16)));
        return Got;
    }
    static RHtmlHelpLibrary Library()
    {
        RHtmlHelpLibrary library;
        library.Open = Open;
        library.Close = Close;
        library.Resolve = Resolve;
        library.Retrieve = Retrieve;
        return library;
    }
};

} // namespace

TEST(ChmContents, EveryCase)
{
    for (const ContentsCase& test : ContentsCases)
        EXPECT_EQ(Described(ParseChmContents(test.Page)), test.Entries) << test.Name;
}

TEST(ChmContents, AParentIsAlwaysAnEarlierEntry)
{
    std::string page;
    for (int i = 0; i < 200; ++i)
        page += (i % 3 == 0 ? "<ul>" : i % 3 == 1 ? "</ul>" : "") +
                std::string(R"(<object><param name="Name" value="N"></object>)");
    const auto entries = ParseChmContents(page);
    ASSERT_EQ(entries.size(), 200u);
    for (std::size_t i = 0; i < entries.size(); ++i)
        EXPECT_LT(entries[i].Parent, static_cast<int>(i));
}

TEST(ChmFile, SizesTheEngineReportsAreBounded)
{
    struct Case
    {
        const char* Name;
        std::uint64_t Length;
        std::int64_t Got;
        std::size_t Kept;
    };
    const Case cases[] = {
        {"read whole", 10, 10, 10},
        {"read in part", 10, 4, 4},
        {"a failed read", 10, -1, 0},
        {"nothing read", 10, 0, 0},
        {"more read than asked for", 10, 11, 0},
        {"the largest object read", RChmFile::MaxObjectSize, 3, 3},
        {"an object beyond the bound is never allocated", RChmFile::MaxObjectSize + 1, 3, 0},
        {"a length no memory holds", ~std::uint64_t{0}, 3, 0},
    };
    RChmFile file(LyingEngine::Library());
    ASSERT_TRUE(file.Open("lying.chm"));
    for (const Case& test : cases)
    {
        LyingEngine::Length = test.Length;
        LyingEngine::Got = test.Got;
        LyingEngine::Asked = -1;
        EXPECT_EQ(file.Read("/a.htm").size(), test.Kept) << test.Name;
        if (test.Length > RChmFile::MaxObjectSize)
        {
            EXPECT_EQ(LyingEngine::Asked, -1) << test.Name;
        }
    }
}

TEST(ChmFile, APathTheEngineCannotHoldIsNotAsked)
{
    RChmFile file(LyingEngine::Library());
    ASSERT_TRUE(file.Open("lying.chm"));
    LyingEngine::Length = 1;
    LyingEngine::Got = 1;
    EXPECT_EQ(file.Read("/" + std::string(511, 'a')).size(), 1u);
    EXPECT_TRUE(file.Read("/" + std::string(512, 'a')).empty());
}

TEST(ChmFile, TheContentsAreNamedAfterTheFile)
{
    const std::pair<const char*, const char*> cases[] = {
        {"Tintwell.chm", "/Tintwell.hhc"},
        {"/usr/share/tintwell/Tintwell.chm", "/Tintwell.hhc"},
        {"C:\\Help\\My.Help.CHM", "/My.Help.hhc"},
        {"noextension", "/noextension.hhc"},
    };
    for (const auto& [file, contents] : cases)
    {
        RChmFile chm(LyingEngine::Library());
        chm.Open(file);
        EXPECT_EQ(chm.ContentsPath(), contents) << file;
    }
}

TEST(ChmFile, NothingIsReadWithoutAnOpenFile)
{
    RChmFile file(RHtmlHelpLibrary{});
    EXPECT_FALSE(file.Open("Tintwell.chm"));
    EXPECT_TRUE(file.Read("/Overview.htm").empty());
}
