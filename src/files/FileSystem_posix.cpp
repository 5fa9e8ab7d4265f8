#include "files/FileSystem.h"

#include <cerrno>
#include <climits>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace FileSystem
{

const char NativeSeparator = '/';

namespace
{

int ToDescriptor(FileHandle file)
{
    return file >= 0 && file <= INT_MAX ? static_cast<int>(file) : -1;
}

bool HasMode(const char* path, mode_t kind)
{
    struct stat info;
    return path != nullptr && ::stat(path, &info) == 0 && (info.st_mode & S_IFMT) == kind;
}

// One read or write, made again only when a signal interrupted it before any
// byte moved.
template <typename Call>
std::int32_t Transfer(std::int32_t count, Call call)
{
    if (count < 0)
        return -1;
    ssize_t moved;
    do
        moved = call();
    while (moved < 0 && errno == EINTR);
    return static_cast<std::int32_t>(moved);
}

} // namespace

FileHandle OpenNewForWriting(const char* path)
{
    // POSIX has no share modes to ask for; the permissions follow the umask.
    const int fd = ::open(path, O_RDWR | O_CREAT | O_TRUNC | O_CLOEXEC, 0666);
    return fd < 0 ? NoFile : fd;
}

FileHandle OpenExistingForReading(const char* path, bool readOnly)
{
    const int fd = ::open(path, (readOnly ? O_RDONLY : O_RDWR) | O_CLOEXEC);
    return fd < 0 ? NoFile : fd;
}

std::int32_t ReadBytes(FileHandle file, void* buffer, std::int32_t count)
{
    return Transfer(count, [&] { return ::read(ToDescriptor(file), buffer, static_cast<size_t>(count)); });
}

std::int32_t WriteBytes(FileHandle file, const void* buffer, std::int32_t count)
{
    return Transfer(count, [&] { return ::write(ToDescriptor(file), buffer, static_cast<size_t>(count)); });
}

bool FlushToDisk(FileHandle file)
{
    return ::fsync(ToDescriptor(file)) == 0;
}

bool CloseFileHandle(FileHandle file)
{
    // The descriptor is gone after close even when it reports EINTR, so no retry.
    return ::close(ToDescriptor(file)) == 0;
}

bool IsExistingFile(const char* path)
{
    return HasMode(path, S_IFREG);
}

bool IsExistingFolder(const char* path)
{
    return HasMode(path, S_IFDIR);
}

bool MakeFolder(const char* path)
{
    return ::mkdir(path, 0755) == 0;
}

bool MoveOver(const char* source, const char* target)
{
    return ::rename(source, target) == 0;
}

bool RemoveFile(const char* path)
{
    return ::unlink(path) == 0;
}

bool GetProgramFilePath(RString& path)
{
    char buffer[PATH_MAX + 1];
    const ssize_t length = ::readlink("/proc/self/exe", buffer, PATH_MAX);
    if (length <= 0)
        return false;
    buffer[length] = '\0';
    path = RString(buffer);
    return true;
}

} // namespace FileSystem
