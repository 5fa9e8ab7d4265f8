// The running instance's meeting point: one per display, a plain file name
// whatever the display is called, and the requests that travel to it.
#include "instance/InstanceRequest.h"
#include "instance/StartupNotification.h"

#include <gtest/gtest.h>

TEST(InstanceRequest, OneNamePerDisplayThatStaysInItsFolder)
{
    const struct
    {
        const char* Display;
        const char* Name;
    } cases[] = {
        {":0", "tintwell-_0"},
        {":0.0", "tintwell-_0"}, // the screen number is the same display
        {":1", "tintwell-_1"},
        {"host:10.1", "tintwell-host_10"},
        {"wayland-0", "tintwell-wayland-0"},
        {"/run/user/1000/wayland-1", "tintwell-_run_user_1000_wayland-1"},
        {"../../etc/x", "tintwell-.._.._etc_x"},
        {"", "tintwell-"},
    };
    for (const auto& test : cases)
        EXPECT_EQ(InstanceChannelName(test.Display), test.Name) << test.Display;
}

// Each request reads back with its start's token; a token that cannot
// travel is left off, and no other line is a request.
TEST(InstanceRequest, RequestsReadBackAndNothingElseIsOne)
{
    const std::string longest(LongestStartupToken, 'x');
    const struct
    {
        RInstanceCall Call;
        const char* TokenRead;
    } calls[] = {
        {{RInstanceRequest::Show, ""}, ""},
        {{RInstanceRequest::Pick, ""}, ""},
        {{RInstanceRequest::Pick, "openbox/tintwell/1234-0-host_TIME5678"}, "openbox/tintwell/1234-0-host_TIME5678"},
        {{RInstanceRequest::Show, longest}, longest.c_str()},
        {{RInstanceRequest::Pick, longest + "x"}, ""},     // too long to travel
        {{RInstanceRequest::Pick, "two words"}, ""},       // a space would end it
        {{RInstanceRequest::Pick, "line\nbreak"}, ""},     // a second line
    };
    for (const auto& test : calls)
    {
        std::string line = InstanceRequestLine(test.Call);
        ASSERT_EQ(line.back(), '\n');
        line.pop_back();
        ASSERT_LE(line.size(), LongestInstanceRequest);
        RInstanceCall read;
        EXPECT_TRUE(ParseInstanceRequest(line, read)) << line;
        EXPECT_EQ(read.Request, test.Call.Request) << line;
        EXPECT_EQ(read.StartupToken, test.TokenRead) << line;
    }
    RInstanceCall untouched;
    for (const char* other : {"", "PICK", "pick ", "pick\n", "picks", "quit", "pick a b", "show \x7F", " pick"})
        EXPECT_FALSE(ParseInstanceRequest(other, untouched)) << other;
}

// A start with the session's runtime folder in its environment and one
// without it (from a terminal that lost it, a cron job) meet in the user's
// runtime folder; the temporary folder is the last resort.
TEST(InstanceRequest, StartsWithAndWithoutTheRuntimeFolderMeetInOne)
{
    using Folders = std::vector<std::string>;
    const struct
    {
        const char* Runtime;
        Folders Candidates;
    } cases[] = {
        {"/run/user/1000", {"/run/user/1000", "/tmp/tintwell-1000"}},
        {nullptr, {"/run/user/1000", "/tmp/tintwell-1000"}},
        {"", {"/run/user/1000", "/tmp/tintwell-1000"}},
        {"relative/folder", {"/run/user/1000", "/tmp/tintwell-1000"}},
        {"/tmp/session", {"/tmp/session", "/run/user/1000", "/tmp/tintwell-1000"}},
    };
    for (const auto& test : cases)
        EXPECT_EQ(InstanceFolderCandidates(test.Runtime, 1000), test.Candidates)
            << (test.Runtime != nullptr ? test.Runtime : "(none)");
}

// The message that ends a launcher's busy cursor, in the pieces X11 client
// messages carry: the id as it is, or quoted where it holds a quote, a
// backslash or a space.
TEST(StartupNotification, TheRemoveMessageInTwentyBytePieces)
{
    const auto joined = [](const std::string& id)
    {
        std::string text;
        for (const RStartupInfoPiece& piece : StartupRemovePieces(id))
            text.append(piece.data(), piece.size());
        return text;
    };
    const std::string plain = joined("host-1234_TIME42");
    EXPECT_EQ(plain.size(), 40u); // 28 bytes and the NUL, in two pieces
    EXPECT_EQ(plain, std::string("remove: ID=host-1234_TIME42") + std::string(13, '\0'));
    EXPECT_EQ(joined("a\"b\\c").substr(0, 21), std::string("remove: ID=\"a\\\"b\\\\c\"") + '\0');
    EXPECT_EQ(StartupRemovePieces(std::string(8, 'x')).size(), 1u); // 20 bytes with the NUL: one piece
    EXPECT_EQ(StartupRemovePieces(std::string(9, 'x')).size(), 2u);
}
