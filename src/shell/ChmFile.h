#pragma once

#include "shell/HtmlHelpLibrary.h"

#include <cstdint>
#include <string>

// One compiled HTML help file, read through the help engine's page reader.
// The file is untrusted: sizes it states are bounded before anything is
// allocated for them.
class RChmFile
{
public:
    // No object larger than this is read; far above any page or picture.
    static constexpr std::uint64_t MaxObjectSize = std::uint64_t{64} << 20;

    explicit RChmFile(const RHtmlHelpLibrary& library) : Library(library) {}
    ~RChmFile() { Close(); }
    RChmFile(const RChmFile&) = delete;
    RChmFile& operator=(const RChmFile&) = delete;

    // Opens file, closing the one open before; nothing is done when it is
    // already the open one. False when the engine cannot open it.
    bool Open(const std::string& file);
    void Close();
    bool IsOpen() const { return Handle != nullptr; }
    const std::string& FileName() const { return OpenedFile; }

    // The bytes of the object at path ("/Overview.htm"); empty when there
    // is no such object, it is larger than MaxObjectSize or it cannot be read.
    std::string Read(const std::string& path) const;
    // The path of the table of contents: "/" and the file's base name with
    // ".hhc", as the help compilers name it.
    std::string ContentsPath() const;

private:
    RHtmlHelpLibrary Library;
    void* Handle = nullptr;
    std::string OpenedFile;
};
