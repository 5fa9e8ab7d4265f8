#include "files/FileSystem.h"

#include <windows.h>

namespace FileSystem
{

const char NativeSeparator = '\\';

namespace
{

HANDLE ToHandle(FileHandle file)
{
    return reinterpret_cast<HANDLE>(file);
}

FileHandle FromHandle(HANDLE handle)
{
    return handle == INVALID_HANDLE_VALUE ? NoFile : reinterpret_cast<FileHandle>(handle);
}

bool HasAttributes(const char* path, bool folder)
{
    if (path == nullptr)
        return false;
    const DWORD attributes = ::GetFileAttributesA(path);
    return attributes != INVALID_FILE_ATTRIBUTES && ((attributes & FILE_ATTRIBUTE_DIRECTORY) != 0) == folder;
}

} // namespace

FileHandle OpenNewForWriting(const char* path)
{
    // Writing shares nothing: no reader ever sees half a file from us.
    return FromHandle(::CreateFileA(path, GENERIC_READ | GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                    FILE_ATTRIBUTE_NORMAL, nullptr));
}

FileHandle OpenExistingForReading(const char* path, bool readOnly)
{
    const DWORD access = readOnly ? GENERIC_READ : GENERIC_READ | GENERIC_WRITE;
    return FromHandle(
        ::CreateFileA(path, access, FILE_SHARE_READ, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
}

std::int32_t ReadBytes(FileHandle file, void* buffer, std::int32_t count)
{
    DWORD moved = 0;
    if (count < 0 || !::ReadFile(ToHandle(file), buffer, static_cast<DWORD>(count), &moved, nullptr))
        return -1;
    return static_cast<std::int32_t>(moved);
}

std::int32_t WriteBytes(FileHandle file, const void* buffer, std::int32_t count)
{
    DWORD moved = 0;
    if (count < 0 || !::WriteFile(ToHandle(file), buffer, static_cast<DWORD>(count), &moved, nullptr))
        return -1;
    return static_cast<std::int32_t>(moved);
}

bool FlushToDisk(FileHandle file)
{
    return ::FlushFileBuffers(ToHandle(file)) != 0;
}

bool CloseFileHandle(FileHandle file)
{
    return file != NoFile && ::CloseHandle(ToHandle(file)) != 0;
}

bool IsExistingFile(const char* path)
{
    return HasAttributes(path, false);
}

bool IsExistingFolder(const char* path)
{
    return HasAttributes(path, true);
}

bool MakeFolder(const char* path)
{
    return ::CreateDirectoryA(path, nullptr) != 0;
}

bool MoveOver(const char* source, const char* target)
{
    // Written through, so that the new name is on the disk when this returns.
    return ::MoveFileExA(source, target, MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) != 0;
}

bool RemoveFile(const char* path)
{
    return ::DeleteFileA(path) != 0;
}

bool GetProgramFilePath(RString& path)
{
    char buffer[MAX_PATH + 1];
    const DWORD length = ::GetModuleFileNameA(nullptr, buffer, MAX_PATH);
    // A full buffer means the name was cut.
    if (length == 0 || length >= MAX_PATH)
        return false;
    buffer[length] = '\0';
    path = RString(buffer);
    return true;
}

} // namespace FileSystem
