#include "shell/ChmFile.h"

bool RChmFile::Open(const std::string& file)
{
    if (Handle != nullptr && file == OpenedFile)
        return true;
    Close();
    if (Library.Open == nullptr)
        return false;
    Handle = Library.Open(file.c_str());
    OpenedFile = file;
    return Handle != nullptr;
}

void RChmFile::Close()
{
    if (Handle != nullptr)
        Library.Close(Handle);
    Handle = nullptr;
}

std::string RChmFile::Read(const std::string& path) const
{
    RChmUnit unit{};
    if (Handle == nullptr || path.size() >= sizeof unit.Path || Library.Resolve(Handle, path.c_str(), &unit) != 0 ||
        unit.Length > MaxObjectSize)
        return {};
    std::string bytes(static_cast<std::size_t>(unit.Length), '\0');
    const std::int64_t got = Library.Retrieve(Handle, &unit, reinterpret_cast<unsigned char*>(bytes.data()), 0,
                                              static_cast<std::int64_t>(unit.Length));
    // The engine reports what it read; anything else keeps nothing.
    bytes.resize(got > 0 && static_cast<std::uint64_t>(got) <= unit.Length ? static_cast<std::size_t>(got) : 0);
    return bytes;
}

std::string RChmFile::ContentsPath() const
{
    std::string name = OpenedFile;
    const std::size_t slash = name.find_last_of("/\\");
    if (slash != std::string::npos)
        name.erase(0, slash + 1);
    // The base name ends at the last dot, as the compilers take it.
    const std::size_t dot = name.find_last_of('.');
    if (dot != std::string::npos && dot > 0)
        name.erase(dot);
    return "/" + name + ".hhc";
}
