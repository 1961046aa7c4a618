// SPDX-FileCopyrightText: 2026 Morvane <stocks@morvane.com>
// SPDX-License-Identifier: GPL-2.0-or-later

#include "core/file_io.h"
#include "core/file_io_native.h"

#include <cerrno>
#include <csignal>
#include <ctime>
#include <utility>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace stocks {
namespace {

namespace fs = std::filesystem;

constexpr std::time_t staleAfterSeconds = std::time_t{24} * 60 * 60;

int fdOf(NativeHandle handle)
{
    return static_cast<int>(handle);
}

fs::perms permissionsOf(const struct stat& info)
{
    return static_cast<fs::perms>(info.st_mode & 07777);
}

bool processEnded(pid_t pid)
{
    return ::kill(pid, 0) != 0 && errno == ESRCH;
}

native::Creation creationResult(bool created)
{
    if (created)
        return native::Creation::created;
    return errno == EEXIST ? native::Creation::nameTaken : native::Creation::failed;
}

} // namespace

int FileHandle::descriptor() const
{
    return fdOf(handle_);
}

bool FileHandle::close()
{
    if (handle_ == noHandle)
        return true;
    return ::close(fdOf(std::exchange(handle_, noHandle))) == 0;
}

InputFile openRegularFile(const fs::path& file)
{
    InputFile input;
    input.handle = FileHandle(::open(file.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK));
    if (!input.handle.valid()) {
        if (errno == ENOENT || errno == ENOTDIR)
            input.status = InputFile::Status::missing;
        return input;
    }
    struct stat info {};
    if (::fstat(fdOf(input.handle.get()), &info) != 0 || !S_ISREG(info.st_mode)) {
        input.handle.close();
        return input;
    }
    input.status = InputFile::Status::opened;
    input.permissions = permissionsOf(info);
    return input;
}

std::optional<fs::perms> regularFilePermissions(const fs::path& file)
{
    struct stat info {};
    if (::stat(file.c_str(), &info) != 0 || !S_ISREG(info.st_mode))
        return std::nullopt;
    return permissionsOf(info);
}

bool regularFileOrNothingAt(const fs::path& name)
{
    struct stat info {};
    if (::lstat(name.c_str(), &info) != 0)
        return errno == ENOENT;
    return S_ISREG(info.st_mode);
}

void syncFolder(const fs::path& folder)
{
    const FileHandle handle(
        ::open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (handle.valid())
        ::fsync(fdOf(handle.get()));
}

namespace native {

ProcessId currentProcessId()
{
    return ::getpid();
}

Creation createNewFile(const fs::path& name, std::optional<fs::perms> permissions,
                       FileHandle& handle)
{
    handle = FileHandle(::open(name.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666));
    if (!handle.valid())
        return creationResult(false);
    if (permissions &&
        ::fchmod(fdOf(handle.get()), static_cast<mode_t>(*permissions) & 07777) != 0) {
        handle.close();
        ::unlink(name.c_str());
        return Creation::failed;
    }
    return Creation::created;
}

Creation makeLink(const fs::path& existing, const fs::path& name)
{
    return creationResult(::link(existing.c_str(), name.c_str()) == 0);
}

std::int64_t readSome(NativeHandle handle, char* buffer, std::size_t size)
{
    for (;;) {
        const ssize_t got = ::read(fdOf(handle), buffer, size);
        if (got >= 0 || errno != EINTR)
            return got;
    }
}

std::int64_t writeSome(NativeHandle handle, const char* bytes, std::size_t size)
{
    for (;;) {
        const ssize_t written = ::write(fdOf(handle), bytes, size);
        if (written >= 0 || errno != EINTR)
            return written;
    }
}

bool flushToDisk(NativeHandle handle)
{
    return ::fsync(fdOf(handle)) == 0;
}

bool replaceFile(const fs::path& from, const fs::path& to)
{
    return ::rename(from.c_str(), to.c_str()) == 0;
}

bool moveIfAbsent(const fs::path& from, const fs::path& to)
{
    if (::link(from.c_str(), to.c_str()) != 0)
        return false;
    ::unlink(from.c_str());
    return true;
}

void removeFile(const fs::path& name)
{
    ::unlink(name.c_str());
}

bool isStaleStagedFile(const fs::path& name, ProcessId owner)
{
    struct stat info {};
    if (::lstat(name.c_str(), &info) != 0 || !S_ISREG(info.st_mode) || info.st_uid != ::geteuid())
        return false;
    return processEnded(owner) || info.st_mtime < std::time(nullptr) - staleAfterSeconds;
}

} // namespace native
} // namespace stocks
