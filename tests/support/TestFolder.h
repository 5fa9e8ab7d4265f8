#pragma once

// A fresh folder for one test, removed afterwards, with the environment that
// locates the application-data folders pointed into it and restored at the end.
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <optional>
#include <random>
#include <string>
#include <system_error>
#include <vector>

#ifdef _WIN32
#include <windows.h>
#endif

class TestFolder
{
public:
    TestFolder()
    {
        Root = MakeUniqueFolder();
        SetEnv("HOME", (Root / "home").string());
        SetEnv("XDG_CONFIG_HOME", (Root / "config").string());
        SetEnv("XDG_CONFIG_DIRS", (Root / "system").string());
    }

    ~TestFolder()
    {
        for (const auto& [name, value] : Saved)
        {
            PutEnv(name, value);
        }
        std::error_code ignored;
        std::filesystem::remove_all(Root, ignored);
    }

    TestFolder(const TestFolder&) = delete;
    TestFolder& operator=(const TestFolder&) = delete;

    const std::filesystem::path& Path() const { return Root; }
    std::filesystem::path ConfigHome() const { return Root / "config"; }

    // Sets, or with no value removes, a variable until the end of the test.
    void SetEnv(const std::string& name, std::optional<std::string> value)
    {
        if (!Saved.count(name))
        {
            const char* old = std::getenv(name.c_str());
            Saved[name] = old ? std::optional<std::string>(old) : std::nullopt;
        }
        PutEnv(name, value);
    }

    // The test program's own file.
    static std::filesystem::path ProgramPath()
    {
#ifdef _WIN32
        wchar_t buffer[MAX_PATH + 1] = {};
        ::GetModuleFileNameW(nullptr, buffer, MAX_PATH);
        return buffer;
#else
        return std::filesystem::read_symlink("/proc/self/exe");
#endif
    }

    static std::vector<unsigned char> ReadBytes(const std::filesystem::path& file)
    {
        std::ifstream in(file, std::ios::binary);
        return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    }

    static void WriteBytes(const std::filesystem::path& file, const std::vector<unsigned char>& bytes)
    {
        std::filesystem::create_directories(file.parent_path());
        std::ofstream out(file, std::ios::binary | std::ios::trunc);
        out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    }

private:
    // A new folder of the system's temporary folder, owned by this test alone.
    static std::filesystem::path MakeUniqueFolder()
    {
        std::random_device seed;
        std::mt19937_64 random(seed());
        for (;;)
        {
            const auto folder = std::filesystem::temp_directory_path() / ("tintwell-test-" + std::to_string(random()));
            std::error_code error;
            if (std::filesystem::create_directory(folder, error))
                return folder;
        }
    }

    static void PutEnv(const std::string& name, const std::optional<std::string>& value)
    {
#ifdef _WIN32
        ::_putenv_s(name.c_str(), value ? value->c_str() : "");
#else
        if (value)
            ::setenv(name.c_str(), value->c_str(), 1);
        else
            ::unsetenv(name.c_str());
#endif
    }

    std::filesystem::path Root;
    std::map<std::string, std::optional<std::string>> Saved;
};
