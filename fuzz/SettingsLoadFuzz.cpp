// Any bytes at all as the settings file. Loading must not crash, hang or
// take memory without bound; what it keeps must save, load back intact, and
// save again to the very same bytes.
#include "settings/RAppReg.h"

#include <cstdint>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <string>
#include <unistd.h>
#include <vector>

namespace
{

std::string SettingsFile;

std::vector<char> ReadAll(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// Loads the file, writes one value so that the store saves, and gives back
// what the save wrote.
std::vector<char> LoadAndSave(bool mustBeIntact)
{
    {
        RAppReg store("F", false, "fuzz");
        if (mustBeIntact && !store.Load())
            std::abort(); // the store could not read its own file
        store.SetSection("Options|Inner");
        store.ReadInt("HexFormat", 0);
        store.WriteInt("HexFormat", 1);
    }
    return ReadAll(SettingsFile);
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    // A private folder, in memory where there is one: every save waits for
    // the disk.
    std::string base = access("/dev/shm", W_OK) == 0 ? "/dev/shm" : "/tmp";
    std::string folder = base + "/tintwell-fuzz-XXXXXX";
    if (mkdtemp(folder.data()) == nullptr)
        std::abort();
    setenv("XDG_CONFIG_HOME", folder.c_str(), 1);
    SettingsFile = folder + "/F/fuzz.apr";
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    {
        RFileName file(SettingsFile.c_str());
        if (!file.OpenWrite())
            std::abort();
        file.Write(data, static_cast<std::int32_t>(size));
        file.Close();
    }
    const std::vector<char> first = LoadAndSave(false);
    const std::vector<char> second = LoadAndSave(true);
    if (first != second)
        std::abort();
    return 0;
}
