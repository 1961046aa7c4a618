#include "core/file_ops.h"

#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <unistd.h>

namespace stocks {
namespace {

bool writeAll(int fd, std::string_view bytes)
{
    while (!bytes.empty()) {
        const ssize_t written = ::write(fd, bytes.data(), bytes.size());
        if (written < 0 && errno == EINTR)
            continue;
        if (written <= 0)
            return false;
        bytes.remove_prefix(static_cast<std::size_t>(written));
    }
    return true;
}

FileOps::Result resultOf(int status)
{
    if (status == 0)
        return FileOps::Result::done;
    return errno == ENOENT ? FileOps::Result::missing : FileOps::Result::failed;
}

} // namespace

FileOps::WriteResult SystemFileOps::createAndWrite(const std::filesystem::path& file,
                                                   std::string_view bytes)
{
    // A symbolic link planted at the name must not redirect the write.
    const int fd =
        ::open(file.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC | O_NOFOLLOW, 0666);
    if (fd < 0)
        return WriteResult::notCreated;
    const bool stored = writeAll(fd, bytes) && ::fsync(fd) == 0;
    const bool closed = ::close(fd) == 0;
    return stored && closed ? WriteResult::written : WriteResult::shortWrite;
}

FileOps::Result SystemFileOps::rename(const std::filesystem::path& from,
                                      const std::filesystem::path& to)
{
    return resultOf(std::rename(from.c_str(), to.c_str()));
}

FileOps::Result SystemFileOps::remove(const std::filesystem::path& file)
{
    return resultOf(::unlink(file.c_str()));
}

FileOps::Result SystemFileOps::link(const std::filesystem::path& existing,
                                    const std::filesystem::path& newName)
{
    return resultOf(::link(existing.c_str(), newName.c_str()));
}

} // namespace stocks
