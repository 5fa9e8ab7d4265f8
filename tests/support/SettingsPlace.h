#pragma once

// Where a test's settings files go: a subfolder of the application-data
// folders that no other test uses, removed afterwards. On POSIX those folders
// lie inside the test's own folder (TestFolder points the XDG variables
// there); Windows has no such variables, so there they are the user's and
// all users' real folders, and the subfolder alone keeps tests apart.
#include "support/TestFolder.h"

#include <cstdlib>
#include <filesystem>
#include <random>
#include <string>
#include <system_error>

#ifdef _WIN32
#include <windows.h>
#else
#include <pwd.h>
#include <unistd.h>
#endif

class SettingsPlace
{
public:
    explicit SettingsPlace(const TestFolder& folder)
    {
#ifdef _WIN32
        static_cast<void>(folder);
        UserRoot = FromEnvironment("APPDATA");
        AllUsersRoot = FromEnvironment("ProgramData");
#else
        UserRoot = folder.ConfigHome();
        AllUsersRoot = folder.Path() / "system";
#endif
        std::random_device seed;
        Top = "TintwellTest" + std::to_string(std::mt19937_64(seed())());
    }
    ~SettingsPlace()
    {
        std::error_code ignored;
        std::filesystem::remove_all(UserRoot / Top, ignored);
        std::filesystem::remove_all(AllUsersRoot / Top, ignored);
    }
    SettingsPlace(const SettingsPlace&) = delete;
    SettingsPlace& operator=(const SettingsPlace&) = delete;

    // The subfolder as the settings store takes it.
    std::string Subfolder() const { return Top + "\\Tintwell"; }
    // The settings file of a store opened with Subfolder() and name.
    std::filesystem::path File(bool allUsers, const std::string& name) const
    {
        return (allUsers ? AllUsersRoot : UserRoot) / Top / "Tintwell" / (name + ".apr");
    }

    // The logged-on user's login name, as the system gives it.
    static std::string LoginName()
    {
#ifdef _WIN32
        char name[256];
        DWORD size = sizeof name;
        return ::GetUserNameA(name, &size) ? name : "Unknown";
#else
        const passwd* entry = ::getpwuid(::geteuid());
        return entry != nullptr ? entry->pw_name : "Unknown";
#endif
    }

private:
    static std::filesystem::path FromEnvironment(const char* name)
    {
        const char* value = std::getenv(name);
        return value != nullptr ? value : "";
    }

    std::filesystem::path UserRoot;
    std::filesystem::path AllUsersRoot;
    std::string Top;
};
