#pragma once

#include "text/RString.h"

#include <cstdint>

// The operating system's file services, as small as the file-name object and
// the settings store need them. Every failure is a false, a -1 or NoFile;
// nothing here throws or shows anything.
namespace FileSystem
{

using FileHandle = std::intptr_t;
inline constexpr FileHandle NoFile = -1;

// The separator this system writes wherever a path gains one. Both "\" and
// "/" are read as separators everywhere.
extern const char NativeSeparator;

// Creates the file, or truncates it when it exists, for reading and writing,
// shared with nobody.
FileHandle OpenNewForWriting(const char* path);
// Opens an existing file for reading (and writing unless readOnly); others
// may read it at the same time.
FileHandle OpenExistingForReading(const char* path, bool readOnly);
// One system call each, at the current position. The bytes transferred, or
// -1 when the call fails.
std::int32_t ReadBytes(FileHandle file, void* buffer, std::int32_t count);
std::int32_t WriteBytes(FileHandle file, const void* buffer, std::int32_t count);
// Waits until what was written is on the disk.
bool FlushToDisk(FileHandle file);
bool CloseFileHandle(FileHandle file);

// A file test is false for a folder, and a folder test false for a file.
bool IsExistingFile(const char* path);
bool IsExistingFolder(const char* path);
// Creates one folder level; its parent must exist.
bool MakeFolder(const char* path);
// Puts source in the place of target in one step, so that a reader sees
// either the old target whole or the new one whole.
bool MoveOver(const char* source, const char* target);
bool RemoveFile(const char* path);

// The full path of the program's own executable file.
bool GetProgramFilePath(RString& path);

} // namespace FileSystem
