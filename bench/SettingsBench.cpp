// Loading large settings files: the time grows with the file's size, not
// with its square, and the tree in memory stays within a small multiple of
// the file. The files hold empty variables (14 bytes each), the shape that
// costs the most nodes per byte.
#include "settings/RAppReg.h"

#include "support/SettingsImage.h"
#include "support/SettingsPlace.h"
#include "support/TestFolder.h"

#include <benchmark/benchmark.h>

#include <malloc.h>

#include <map>
#include <memory>

namespace
{

constexpr std::size_t Megabyte = 1024 * 1024;

// One store's file of about megabytes in size, written once per size.
class LargeFile
{
public:
    explicit LargeFile(std::size_t megabytes)
    {
        SettingsImage image;
        image.Signature().Section("RARAllUsers");
        while (image.Bytes.size() + 14 + 4 < megabytes * Megabyte)
            image.Variable("", "");
        image.End();
        Size = image.Bytes.size();
        std::filesystem::create_directories(Place.File(true, "large").parent_path());
        TestFolder::WriteBytes(Place.File(true, "large"), image.Bytes);
    }
    std::string Subfolder() const { return Place.Subfolder(); }
    std::size_t Size = 0;

private:
    TestFolder Folder;
    SettingsPlace Place{Folder};
};

std::size_t HeapInUse()
{
    const struct mallinfo2 info = ::mallinfo2();
    return info.uordblks + info.hblkhd;
}

void BM_LoadLargeSettingsFile(benchmark::State& state)
{
    static std::map<std::int64_t, std::unique_ptr<LargeFile>> files;
    auto& file = files[state.range(0)];
    if (!file)
        file = std::make_unique<LargeFile>(static_cast<std::size_t>(state.range(0)));
    double heapPerByte = 0;
    for (auto _ : state)
    {
        const std::size_t before = HeapInUse();
        RAppReg store(file->Subfolder().c_str(), true, "large");
        heapPerByte = static_cast<double>(HeapInUse() - before) / static_cast<double>(file->Size);
        benchmark::DoNotOptimize(store.IsDirty());
    }
    state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(file->Size));
    // The tree's memory for each byte of the file, once loaded.
    state.counters["heap_per_file_byte"] = heapPerByte;
}

} // namespace

BENCHMARK(BM_LoadLargeSettingsFile)->Arg(1)->Arg(10)->Arg(100)->Unit(benchmark::kMillisecond);
