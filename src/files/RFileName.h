#pragma once

#include "files/FileSystem.h"
#include "text/RString.h"

#include <cstdint>

// One path, split into drive, directory, base name and extension, with
// existence tests, folder creation and access to the one file it names.
//
// Splitting reads both "\" and "/" as separators and writes the directory
// with this system's own separator, so "Quenlar\Tintwell" becomes a two-level
// folder everywhere. Every part has a capacity; a setter whose result would
// not fit refuses it with false and changes nothing.
class RFileName
{
public:
    static constexpr int PathCapacity = 519;
    static constexpr int DriveCapacity = 2;
    static constexpr int DirectoryCapacity = 255;
    static constexpr int NameCapacity = 255;
    static constexpr int ExtCapacity = 255;

    // What the last split found.
    enum SplitFlag : std::int32_t
    {
        FoundWildcards = 0x01,
        FoundExtension = 0x02,
        FoundName = 0x04,
        FoundDirectory = 0x08,
        FoundDrive = 0x10,
    };

    RFileName() = default;
    // A null or over-long path gives an empty object.
    explicit RFileName(const RString& path);
    // Closes the file if one is still open.
    virtual ~RFileName();
    RFileName(const RFileName&) = delete;
    RFileName& operator=(const RFileName&) = delete;

    // Replaces all four parts by those of path.
    bool SetPath(const RString& path);
    const RString& GetPath() const { return Path; }
    const RString& GetName() const { return Name; }
    // Name and extension with a "." between; empty when the name is empty.
    RString GetNameExt() const;
    // Drive and directory; ends in a separator unless empty.
    RString GetFolder() const;
    std::int32_t GetSplitFlags() const { return SplitFlags; }

    bool SetName(const RString& name);
    // One leading "." is dropped: "apr" and ".apr" give the same path.
    bool SetExt(const RString& ext);
    // Replaces drive and directory by those of folder; false for an empty one.
    bool SetFolder(const RString& folder);
    // The folder of the program's own file.
    bool SetFolderToProgram();
    // Appends further folder levels ("A\B", "\A\B" and "A\B\" alike) to the
    // directory; false for an empty sub.
    bool AddSubfolder(const RString& sub);

    // False when the name is empty; a folder is not a file.
    bool FileExists() const;
    // False when drive and directory are empty.
    bool FolderExists() const;
    // Creates every missing level of drive and directory below the root.
    bool MakeFolders() const;

    // Creates or truncates the file, creating missing folders first.
    bool OpenWrite();
    // Creates a new file under a name no file had, beside target (see
    // FileSystem::CreateReplacement), and takes that name as this one's path.
    bool OpenReplacementFor(const RString& target);
    // Opens an existing file; false at once, without asking the system, when
    // there is no such file.
    bool OpenRead(bool readOnly);
    // One system call each. Read gives 0 and Write -1 when the call fails;
    // both give 0 unless a file is open in binary mode.
    std::int32_t Read(void* buffer, std::int32_t count);
    std::int32_t Write(const void* buffer, std::int32_t count);
    // Waits until what was written is on the disk.
    bool Flush();
    bool Close();
    // As OpenWrite, but Read, Write and Close refuse the file; CloseText closes it.
    bool CreateText();
    bool CloseText();

private:
    struct Parts
    {
        RString Drive, Directory, Name, Extension;
        std::int32_t Flags = 0;
    };

    static Parts Split(const RString& path);
    static RString Join(const Parts& parts);
    // Takes the parts when they and their joined path fit; with resplit the
    // joined path is split again so that parts and flags are all fresh.
    bool Accept(const Parts& parts, bool resplit);
    bool Open(bool binary, FileSystem::FileHandle file);
    void CloseOpenFile();

    RString Path;
    RString Drive;
    RString Directory;
    RString Name;
    RString Extension;
    std::int32_t SplitFlags = 0;
    FileSystem::FileHandle File = FileSystem::NoFile;
    bool BinaryMode = true;
};
