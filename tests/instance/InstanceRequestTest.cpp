// The running instance's meeting point: one per display, a plain file name
// whatever the display is called, and the requests that travel to it.
#include "instance/InstanceRequest.h"

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

TEST(InstanceRequest, RequestsReadBackAndNothingElseIsOne)
{
    for (const RInstanceRequest request : {RInstanceRequest::Show, RInstanceRequest::Pick})
    {
        std::string line = InstanceRequestLine(request);
        ASSERT_EQ(line.back(), '\n');
        line.pop_back();
        RInstanceRequest read{};
        EXPECT_TRUE(ParseInstanceRequest(line, read));
        EXPECT_EQ(read, request);
    }
    RInstanceRequest untouched = RInstanceRequest::Show;
    for (const char* other : {"", "PICK", "pick ", "pick\n", "picks", "quit"})
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
