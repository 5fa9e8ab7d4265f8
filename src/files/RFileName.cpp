#include "files/RFileName.h"

#include <algorithm>
#include <cctype>
#include <string_view>

using FileSystem::NativeSeparator;

namespace
{

bool IsSeparator(char c)
{
    return c == '\\' || c == '/';
}

bool EndsInSeparator(const RString& text)
{
    return !text.IsEmpty() && IsSeparator(text.Text()[text.Length() - 1]);
}

// The directory's separators are all structural, so they are written in the
// system's own form.
RString WithNativeSeparators(std::string_view directory)
{
    RString result;
    for (char c : directory)
        result.Append(IsSeparator(c) ? NativeSeparator : c);
    return result;
}

RString Of(std::string_view text)
{
    return RString(text.data(), static_cast<int>(text.size()));
}

} // namespace

RFileName::RFileName(const RString& path)
{
    SetPath(path);
}

RFileName::~RFileName()
{
    CloseOpenFile();
}

RFileName::Parts RFileName::Split(const RString& path)
{
    std::string_view rest(path.Text(), static_cast<std::size_t>(path.Length()));
    Parts parts;
    // 1. A drive is a letter and a colon at the start.
    if (rest.size() >= 2 && std::isalpha(static_cast<unsigned char>(rest[0])) && rest[1] == ':')
    {
        parts.Drive = Of(rest.substr(0, 2));
        rest.remove_prefix(2);
    }
    // 2. The directory runs up to and including the last separator.
    const std::size_t lastSeparator = rest.find_last_of("\\/");
    if (lastSeparator != std::string_view::npos)
    {
        parts.Directory = WithNativeSeparators(rest.substr(0, lastSeparator + 1));
        rest.remove_prefix(lastSeparator + 1);
    }
    // 3. The extension is the last "." and what follows; the name is before it.
    const std::size_t dot = rest.find_last_of('.');
    parts.Name = Of(rest.substr(0, dot));
    if (dot != std::string_view::npos)
        parts.Extension = Of(rest.substr(dot));

    if (std::string_view(path.Text()).find_first_of("*?") != std::string_view::npos)
        parts.Flags |= FoundWildcards;
    if (!parts.Extension.IsEmpty())
        parts.Flags |= FoundExtension;
    if (!parts.Name.IsEmpty())
        parts.Flags |= FoundName;
    if (!parts.Directory.IsEmpty())
        parts.Flags |= FoundDirectory;
    if (!parts.Drive.IsEmpty())
        parts.Flags |= FoundDrive;
    return parts;
}

RString RFileName::Join(const Parts& parts)
{
    RString path(parts.Drive);
    path.Append(parts.Directory);
    if (!parts.Directory.IsEmpty() && !EndsInSeparator(parts.Directory))
        path.Append(NativeSeparator);
    path.Append(parts.Name);
    if (!parts.Extension.IsEmpty() && parts.Extension.Text()[0] != '.')
        path.Append('.');
    path.Append(parts.Extension);
    return path;
}

bool RFileName::Accept(const Parts& candidate, bool resplit)
{
    const RString path = Join(candidate);
    const Parts parts = resplit ? Split(path) : candidate;
    if (parts.Drive.Length() > DriveCapacity || parts.Directory.Length() > DirectoryCapacity ||
        parts.Name.Length() > NameCapacity || parts.Extension.Length() > ExtCapacity ||
        path.Length() > PathCapacity)
        return false;
    Path = path;
    Drive = parts.Drive;
    Directory = parts.Directory;
    Name = parts.Name;
    Extension = parts.Extension;
    if (resplit)
        SplitFlags = parts.Flags;
    return true;
}

bool RFileName::SetPath(const RString& path)
{
    const Parts parts = Split(path);
    if (!Accept(parts, false))
        return false;
    SplitFlags = parts.Flags;
    return true;
}

RString RFileName::GetNameExt() const
{
    if (Name.IsEmpty())
        return RString();
    return Join({RString(), RString(), Name, Extension, 0});
}

RString RFileName::GetFolder() const
{
    RString folder(Drive);
    folder.Append(Directory);
    return folder;
}

bool RFileName::SetName(const RString& name)
{
    return Accept({Drive, Directory, name, Extension, 0}, false);
}

bool RFileName::SetExt(const RString& ext)
{
    RString bare(ext);
    if (bare.Text()[0] == '.')
        bare = RString(bare.Text() + 1);
    return Accept({Drive, Directory, Name, bare, 0}, false);
}

bool RFileName::SetFolder(const RString& folder)
{
    if (folder.IsEmpty())
        return false;
    RString text(folder);
    if (!EndsInSeparator(text))
        text.Append(NativeSeparator);
    const Parts parts = Split(text);
    return Accept({parts.Drive, parts.Directory, Name, Extension, 0}, true);
}

bool RFileName::SetFolderToProgram()
{
    RString program;
    if (!FileSystem::GetProgramFilePath(program))
        return false;
    // Cut after the last backslash, or after the last "/" when there is none.
    const std::string_view path(program.Text());
    std::size_t cut = path.find_last_of('\\');
    if (cut == std::string_view::npos)
        cut = path.find_last_of('/');
    if (cut == std::string_view::npos)
        return false;
    return SetFolder(Of(path.substr(0, cut + 1)));
}

bool RFileName::AddSubfolder(const RString& sub)
{
    if (sub.IsEmpty())
        return false;
    std::string_view levels(sub.Text());
    levels.remove_prefix(std::min(levels.find_first_not_of("\\/"), levels.size()));
    RString directory(Directory);
    if (!EndsInSeparator(directory))
        directory.Append(NativeSeparator);
    directory.Append(Of(levels));
    if (!EndsInSeparator(directory))
        directory.Append(NativeSeparator);
    return Accept({Drive, directory, Name, Extension, 0}, true);
}

bool RFileName::FileExists() const
{
    return !Name.IsEmpty() && FileSystem::IsExistingFile(Path.Text());
}

bool RFileName::FolderExists() const
{
    const RString folder = GetFolder();
    return !folder.IsEmpty() && FileSystem::IsExistingFolder(folder.Text());
}

bool RFileName::MakeFolders() const
{
    // 1. Nothing to make, or nothing missing.
    if (Directory.IsEmpty())
        return false;
    if (FolderExists())
        return true;
    // 2, 3. The part up to the first separator is the root, never created.
    const RString folder = GetFolder();
    const std::string_view text(folder.Text());
    std::size_t separator = text.find_first_of("\\/");
    if (separator == std::string_view::npos)
        return false;
    // 4. Every further level, from the root down.
    while ((separator = text.find_first_of("\\/", separator + 1)) != std::string_view::npos)
    {
        const RString level = Of(text.substr(0, separator + 1));
        if (!FileSystem::IsExistingFolder(level.Text()) && !FileSystem::MakeFolder(level.Text()))
            return false;
    }
    return true;
}

bool RFileName::Open(bool binary, FileSystem::FileHandle file)
{
    BinaryMode = binary;
    File = file;
    return File != FileSystem::NoFile;
}

bool RFileName::OpenWrite()
{
    CloseOpenFile();
    if (Path.IsEmpty())
        return false;
    MakeFolders(); // an open that then fails says enough
    return Open(true, FileSystem::OpenNewForWriting(Path.Text()));
}

bool RFileName::OpenReplacementFor(const RString& target)
{
    CloseOpenFile();
    RFileName(target).MakeFolders(); // a create that then fails says enough
    RString created;
    const FileSystem::FileHandle file = FileSystem::CreateReplacement(target.Text(), created);
    if (file == FileSystem::NoFile)
        return false;
    SetPath(created);
    return Open(true, file);
}

bool RFileName::OpenRead(bool readOnly)
{
    CloseOpenFile();
    if (!FileExists())
        return false;
    return Open(true, FileSystem::OpenExistingForReading(Path.Text(), readOnly));
}

bool RFileName::CreateText()
{
    CloseOpenFile();
    if (Path.IsEmpty())
        return false;
    MakeFolders();
    return Open(false, FileSystem::OpenNewForWriting(Path.Text()));
}

std::int32_t RFileName::Read(void* buffer, std::int32_t count)
{
    if (File == FileSystem::NoFile || !BinaryMode)
        return 0;
    const std::int32_t got = FileSystem::ReadBytes(File, buffer, count);
    return got < 0 ? 0 : got;
}

std::int32_t RFileName::Write(const void* buffer, std::int32_t count)
{
    if (File == FileSystem::NoFile || !BinaryMode)
        return 0;
    return FileSystem::WriteBytes(File, buffer, count);
}

bool RFileName::Flush()
{
    return File != FileSystem::NoFile && FileSystem::FlushToDisk(File);
}

void RFileName::CloseOpenFile()
{
    if (File != FileSystem::NoFile)
        FileSystem::CloseFileHandle(File);
    File = FileSystem::NoFile;
}

bool RFileName::Close()
{
    if (File == FileSystem::NoFile || !BinaryMode)
        return false;
    CloseOpenFile();
    return true;
}

bool RFileName::CloseText()
{
    if (File == FileSystem::NoFile || BinaryMode)
        return false;
    CloseOpenFile();
    return true;
}
