#include "text/RString.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

namespace
{

std::string Of(const RString& text)
{
    return text.Text();
}

TEST(RString, Construction)
{
    EXPECT_EQ(Of(RString()), "");
    EXPECT_NE(RString().Text(), nullptr);
    EXPECT_EQ(Of(RString(static_cast<const char*>(nullptr))), "");
    EXPECT_EQ(Of(RString("abc")), "abc");
    EXPECT_EQ(Of(RString('x')), "x");
    EXPECT_EQ(Of(RString('\0')), "");
    EXPECT_EQ(Of(RString(-12)), "-12");
    EXPECT_EQ(Of(RString(0)), "0");
    EXPECT_EQ(Of(RString(INT32_MIN)), "-2147483648");
}

TEST(RString, CopyAndSelfAssignment)
{
    RString a("Window");
    RString b = a;
    b.Append('s');
    EXPECT_EQ(Of(a), "Window");
    EXPECT_EQ(Of(b), "Windows");
    RString& alias = a;
    a = alias;
    EXPECT_EQ(Of(a), "Window");
    a.Append(alias);
    EXPECT_EQ(Of(a), "WindowWindow");
}

TEST(RString, AppendAndConcatenation)
{
    RString text("Quenlar");
    text.Append("\\").Append(RString("Tintwell")).Append(static_cast<const char*>(nullptr));
    EXPECT_EQ(Of(text), "Quenlar\\Tintwell");
    EXPECT_EQ(text.Length(), 16);
    EXPECT_EQ(Of("Section " + RString(3)), "Section 3");
    EXPECT_EQ(Of(RString("a") + "b" + RString("c")), "abc");
}

TEST(RString, FormatOfAnyLength)
{
    RString text("old");
    text.Format("#%02X%02X%02X", 255, 165, 0);
    EXPECT_EQ(Of(text), "#FFA500");

    const std::string longText(5000, 'q');
    text.Format("<%s>", longText.c_str());
    EXPECT_EQ(text.Length(), 5002);
    EXPECT_EQ(Of(text), "<" + longText + ">");

    text.Format("%s", "");
    EXPECT_EQ(Of(text), "");
    text.Format("a%cb", 0); // a zero character would end the text
    EXPECT_EQ(Of(text), "a");
}

TEST(RString, Comparison)
{
    EXPECT_FALSE(RString("Window").Equals("window"));
    EXPECT_TRUE(RString("Window").Differs("window"));
    EXPECT_TRUE(RString("").Equals(RString()));
    EXPECT_FALSE(RString("ab").Equals("abc"));

    const struct
    {
        const char *A, *B;
        int Sign;
    } rows[] = {
        {"abc", "abcd", -1}, {"abcd", "abc", 1}, {"abc", "abc", 0},
        {"B", "a", -1},      {"", "a", -1},      {"\xE9", "z", 1}, // bytes compare unsigned
    };
    for (const auto& row : rows)
    {
        SCOPED_TRACE(testing::Message() << row.A << " vs " << row.B);
        const int order = RString(row.A).Compare(row.B);
        EXPECT_EQ((order > 0) - (order < 0), row.Sign);
    }
}

TEST(RString, ToIntReadsLikeAtol)
{
    const struct
    {
        const char* Text;
        std::int32_t Value;
    } rows[] = {
        {"", 0},
        {"abc", 0},
        {" 42", 42},
        {"\t\n\v\f\r 9", 9},
        {"12ab", 12},
        {"-7", -7},
        {"+5", 5},
        {"+-5", 0},
        {"- 5", 0},
        {"007", 7},
        {"2147483647", 2147483647},
        {"-2147483648", INT32_MIN},
        {"2147483648", INT32_MIN},  // wraps modulo 2^32
        {"4294967297", 1},
        {"99999999999999999999", 1661992959},
    };
    for (const auto& row : rows)
    {
        SCOPED_TRACE(row.Text);
        EXPECT_EQ(RString(row.Text).ToInt(), row.Value);
    }
}

TEST(RString, TruncateStripAndEnsure)
{
    RString text("abcdef");
    text.Truncate(10);
    EXPECT_EQ(Of(text), "abcdef");
    text.Truncate(-1);
    EXPECT_EQ(Of(text), "abcdef");
    text.Truncate(3);
    EXPECT_EQ(Of(text), "abc");
    text.Truncate(0);
    EXPECT_EQ(Of(text), "");

    RString path("\\\\\\a");
    path.StripLeading('\\');
    EXPECT_EQ(Of(path), "a");
    RString onlySlashes("\\\\");
    onlySlashes.StripLeading('\\');
    EXPECT_EQ(Of(onlySlashes), "");
    RString empty;
    empty.StripLeading('\\');
    EXPECT_EQ(Of(empty), "");

    RString folder("C:\\Data");
    folder.EnsureTrailing('\\');
    EXPECT_EQ(Of(folder), "C:\\Data\\");
    folder.EnsureTrailing('\\');
    EXPECT_EQ(Of(folder), "C:\\Data\\");
    empty.EnsureTrailing('\\');
    EXPECT_EQ(Of(empty), "\\");
}

TEST(RString, TrimRemovesBlanksAndControlsAtBothEnds)
{
    const struct
    {
        const char *Text, *Trimmed;
    } rows[] = {
        {"  Options  ", "Options"},
        {"\t\r\nA b\x1f", "A b"},
        {" \x01 ", ""},
        {"", ""},
        {"x", "x"},
        {"\xA0x\xA0", "\xA0x\xA0"}, // a high byte is not blank
    };
    for (const auto& row : rows)
    {
        RString text(row.Text);
        text.Trim();
        EXPECT_EQ(Of(text), row.Trimmed);
    }
}

TEST(RString, ReserveGivesAWritableBufferThatEndsAtItsTerminator)
{
    RString text("ab");
    char* buffer = text.Reserve(10);
    ASSERT_NE(buffer, nullptr);
    std::memcpy(buffer, "0123456789", 11);
    text.ReleaseBuffer();
    EXPECT_EQ(Of(text), "0123456789");

    // A stored text with a zero inside ends there, so the text stays valid.
    buffer = text.Reserve(4);
    std::memcpy(buffer, "xy\0z", 5);
    text.ReleaseBuffer();
    EXPECT_EQ(Of(text), "xy");
    EXPECT_EQ(text.Length(), 2);

    RString fresh;
    buffer = fresh.Reserve(-3);
    ASSERT_NE(buffer, nullptr);
    fresh.ReleaseBuffer();
    EXPECT_EQ(Of(fresh), "");
}

} // namespace
