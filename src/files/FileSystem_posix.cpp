#include "files/FileSystem.h"

#include <cerrno>
#include <climits>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <random>
#include <string>
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

// A write beyond the file-size limit must fail with EFBIG, which a save
// reports, instead of ending the program with SIGXFSZ. Set at every file
// made for writing: one system call, and nothing can have undone it since.
void IgnoreFileSizeSignal()
{
    std::signal(SIGXFSZ, SIG_IGN);
}

std::string FolderOf(const std::string& path)
{
    const std::size_t slash = path.rfind('/');
    if (slash == std::string::npos)
        return ".";
    return slash == 0 ? "/" : path.substr(0, slash);
}

} // namespace

FileHandle OpenNewForWriting(const char* path)
{
    IgnoreFileSizeSignal();
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
    if (::rename(source, target) != 0)
        return false;
    // The rename is an entry of the folder: on the disk once the folder is.
    const int folder = ::open(FolderOf(target).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (folder >= 0)
    {
        ::fsync(folder);
        ::close(folder);
    }
    return true;
}
RString ReplacementTarget(const char* path)
{
    struct stat info;
    if (path == nullptr || ::lstat(path, &info) != 0 || !S_ISLNK(info.st_mode))
        return RString(path);
    // A link whose file does not exist yet is written where it points.
    char* resolved = ::realpath(path, nullptr);
    if (resolved == nullptr)
        return RString(path);
    RString target(resolved);
    std::free(resolved);
    return target;
}
bool MayReplace(const char* target)
{
    struct stat info;
    if (target == nullptr || ::lstat(target, &info) != 0)
        return errno == ENOENT;
    return ::access(target, W_OK) == 0;
}
FileHandle CreateReplacement(const char* target, RString& newPath)
{
    IgnoreFileSizeSignal();
    struct stat existing;
    const bool exists = ::stat(target, &existing) == 0 && S_ISREG(existing.st_mode);
    std::random_device seed;
    std::mt19937_64 random(seed());
    for (int attempt = 0; attempt < 100; ++attempt)
    {
        char suffix[20];
        std::snprintf(suffix, sizeof suffix, ".%016llx", static_cast<unsigned long long>(random()));
        const std::string path = std::string(target) + suffix;
        // O_EXCL with O_CREAT fails on any existing name, a link included.
        const int fd = ::open(path.c_str(), O_RDWR | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0600);
        if (fd < 0)
        {
            if (errno == EEXIST)
                continue;
            return NoFile;
        }
        if (exists)
        {
            // The owner first: changing it may clear the set-id bits.
            [[maybe_unused]] const int owned = ::fchown(fd, existing.st_uid, existing.st_gid);
            ::fchmod(fd, existing.st_mode & 07777);
        }
        else
        {
            // A first save gets what creating with 0666 would: the umask's say.
            const mode_t mask = ::umask(0);
            ::umask(mask);
            ::fchmod(fd, 0666 & ~mask);
        }
        newPath = RString(path.c_str());
        return fd;
    }
    return NoFile;
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
