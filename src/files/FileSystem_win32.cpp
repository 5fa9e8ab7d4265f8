#include "files/FileSystem.h"

#include "text/WideText.h"

#include <windows.h>

namespace FileSystem
{

const char NativeSeparator = '\\';

// Every name goes to the system as UTF-16, so that a folder named in
// characters outside the ANSI code page (a user's profile, say) is reached.
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
    const DWORD attributes = ::GetFileAttributesW(WideText(path).c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && ((attributes & FILE_ATTRIBUTE_DIRECTORY) != 0) == folder;
}

} // namespace

FileHandle OpenNewForWriting(const char* path)
{
    // Writing shares nothing: no reader ever sees half a file from us.
    return FromHandle(::CreateFileW(WideText(path).c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                    FILE_ATTRIBUTE_NORMAL, nullptr));
}

FileHandle OpenExistingForReading(const char* path, bool readOnly)
{
    const DWORD access = readOnly ? GENERIC_READ : GENERIC_READ | GENERIC_WRITE;
    return FromHandle(
        ::CreateFileW(WideText(path).c_str(), access, FILE_SHARE_READ, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
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
    return ::CreateDirectoryW(WideText(path).c_str(), nullptr) != 0;
}

bool MoveOver(const char* source, const char* target)
{
    // Written through, so that the new name is on the disk when this returns.
    return ::MoveFileExW(WideText(source).c_str(), WideText(target).c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) != 0;
}

RString ReplacementTarget(const char* path)
{
    return RString(path);
}

bool MayReplace(const char* target)
{
    const DWORD attributes = ::GetFileAttributesW(WideText(target).c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES)
        return ::GetLastError() == ERROR_FILE_NOT_FOUND || ::GetLastError() == ERROR_PATH_NOT_FOUND;
    return (attributes & FILE_ATTRIBUTE_READONLY) == 0;
}

FileHandle CreateReplacement(const char* target, RString& newPath)
{
    // CREATE_NEW fails on any existing name; the new file gets the folder's
    // inherited permissions, as the settings file itself did.
    for (DWORD attempt = 0; attempt < 100; ++attempt)
    {
        char suffix[24];
        wsprintfA(suffix, ".%08lx%04lx", ::GetTickCount() ^ (::GetCurrentProcessId() << 16), attempt);
        RString path(target);
        path.Append(suffix);
        HANDLE file = ::CreateFileW(WideText(path.Text()).c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                                    FILE_ATTRIBUTE_NORMAL, nullptr);
        if (file != INVALID_HANDLE_VALUE)
        {
            newPath = path;
            return FromHandle(file);
        }
        if (::GetLastError() != ERROR_FILE_EXISTS && ::GetLastError() != ERROR_ALREADY_EXISTS)
            return NoFile;
    }
    return NoFile;
}

bool RemoveFile(const char* path)
{
    return ::DeleteFileW(WideText(path).c_str()) != 0;
}

bool GetProgramFilePath(RString& path)
{
    constexpr DWORD Capacity = 520;
    wchar_t buffer[Capacity + 1];
    const DWORD length = ::GetModuleFileNameW(nullptr, buffer, Capacity);
    // A full buffer means the name was cut.
    if (length == 0 || length >= Capacity)
        return false;
    buffer[length] = L'\0';
    path = RString(Utf8Text(buffer).c_str());
    return true;
}

} // namespace FileSystem
