#pragma once

// A fresh folder for one test, removed afterwards, with the environment that
// locates the application-data folders pointed into it and restored at the end.
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <optional>
#include <string>
#include <vector>

class TestFolder
{
public:
    TestFolder()
    {
        std::string pattern = (std::filesystem::temp_directory_path() / "tintwell-test-XXXXXX").string();
        Root = ::mkdtemp(pattern.data());
        SetEnv("HOME", (Root / "home").string());
        SetEnv("XDG_CONFIG_HOME", (Root / "config").string());
        SetEnv("XDG_CONFIG_DIRS", (Root / "system").string());
    }

    ~TestFolder()
    {
        for (const auto& [name, value] : Saved)
        {
            if (value)
                ::setenv(name.c_str(), value->c_str(), 1);
            else
                ::unsetenv(name.c_str());
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
        if (value)
            ::setenv(name.c_str(), value->c_str(), 1);
        else
            ::unsetenv(name.c_str());
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
    std::filesystem::path Root;
    std::map<std::string, std::optional<std::string>> Saved;
};
