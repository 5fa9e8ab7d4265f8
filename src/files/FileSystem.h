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
// either the old target whole or the new one whole; the new name is on the
// disk when it returns.
bool MoveOver(const char* source, const char* target);

// A save that writes a new file and moves it over path:
// - ReplacementTarget: the file to replace. For a symbolic link, the file it
//   finally names, so that the link stays a link; otherwise path itself.
// - MayReplace: false when target exists and this user may not write it;
//   the save must then fail and leave it, as a write in place would.
// - CreateReplacement: a new, empty file with a name no file had, in
//   target's folder, created without following any link, with target's
//   permissions (and owner, where allowed); newPath receives its name.
RString ReplacementTarget(const char* path);
bool MayReplace(const char* target);
FileHandle CreateReplacement(const char* target, RString& newPath);
bool RemoveFile(const char* path);

// The full path of the program's own executable file.
bool GetProgramFilePath(RString& path);

} // namespace FileSystem
