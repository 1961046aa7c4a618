// SPDX-FileCopyrightText: 2026 Morvane <stocks@morvane.com>
// SPDX-License-Identifier: GPL-2.0-or-later

#include "core/file_io.h"

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <charconv>
#include <csignal>
#include <ctime>
#include <string>
#include <utility>
#include <vector>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace stocks {
namespace {

constexpr std::size_t blockSize = std::size_t{64} * 1024;
constexpr int maxLinkHops = 40;
constexpr int maxNameAttempts = 100;
// Leaves room for the hidden name's additions within the file system's 255 bytes.
constexpr std::size_t maxKeptNameBytes = 200;
constexpr std::time_t staleAfterSeconds = std::time_t{24} * 60 * 60;

// Staged names are ".<destination name>.<process id>-<counter>.tmp".
std::string stagedNamePrefix(const std::filesystem::path& destination)
{
    std::string prefix = ".";
    prefix += destination.filename().string().substr(0, maxKeptNameBytes);
    prefix += '.';
    return prefix;
}

// A hidden name beside the destination that no other writer, in this process or another,
// is handed at the same time. A name taken by a crashed run's leftover is skipped.
template <typename Create>
std::filesystem::path createUniqueSibling(const std::filesystem::path& destination, Create create)
{
    static std::atomic<unsigned> counter{0};
    const std::string prefix = stagedNamePrefix(destination);
    for (int attempt = 0; attempt < maxNameAttempts; ++attempt) {
        std::string name = prefix;
        name += std::to_string(::getpid());
        name += '-';
        name += std::to_string(counter++);
        name += ".tmp";
        auto candidate = destination.parent_path() / name;
        if (create(candidate))
            return candidate;
        if (errno != EEXIST)
            break;
    }
    return {};
}

bool isDecimal(std::string_view text)
{
    return !text.empty() &&
           std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

// The process id in a name that createUniqueSibling made with this prefix; nothing for any
// other name.
std::optional<pid_t> stagedNameOwner(std::string_view name, std::string_view prefix)
{
    constexpr std::string_view suffix = ".tmp";
    if (name.size() <= prefix.size() + suffix.size() || !name.starts_with(prefix) ||
        !name.ends_with(suffix))
        return std::nullopt;
    name = name.substr(prefix.size(), name.size() - prefix.size() - suffix.size());
    const auto dash = name.find('-');
    if (dash == std::string_view::npos || !isDecimal(name.substr(0, dash)) ||
        !isDecimal(name.substr(dash + 1)))
        return std::nullopt;
    pid_t pid = 0;
    const auto [end, error] = std::from_chars(name.data(), name.data() + dash, pid);
    if (error != std::errc() || pid <= 0)
        return std::nullopt;
    return pid;
}

bool processEnded(pid_t pid)
{
    return ::kill(pid, 0) != 0 && errno == ESRCH;
}

} // namespace

FileHandle::FileHandle(FileHandle&& other) noexcept : fd_(std::exchange(other.fd_, -1)) {}

FileHandle& FileHandle::operator=(FileHandle&& other) noexcept
{
    if (this != &other) {
        close();
        fd_ = std::exchange(other.fd_, -1);
    }
    return *this;
}

FileHandle::~FileHandle()
{
    close();
}

bool FileHandle::close()
{
    if (fd_ < 0)
        return true;
    return ::close(std::exchange(fd_, -1)) == 0;
}

InputFile openRegularFile(const std::filesystem::path& file)
{
    InputFile input;
    input.handle = FileHandle(::open(file.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK));
    if (!input.handle.valid()) {
        if (errno == ENOENT || errno == ENOTDIR)
            input.status = InputFile::Status::missing;
        return input;
    }
    struct stat info {};
    if (::fstat(input.handle.get(), &info) != 0 || !S_ISREG(info.st_mode)) {
        input.handle.close();
        return input;
    }
    input.status = InputFile::Status::opened;
    input.mode = info.st_mode & 07777;
    return input;
}

bool readBlocks(int fd, const std::function<bool(std::string_view)>& consume)
{
    std::vector<char> block(blockSize);
    for (;;) {
        const ssize_t got = ::read(fd, block.data(), block.size());
        if (got < 0 && errno == EINTR)
            continue;
        if (got < 0)
            return false;
        if (got == 0)
            return true;
        if (!consume({block.data(), static_cast<std::size_t>(got)}))
            return false;
    }
}

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

std::optional<mode_t> regularFileMode(const std::filesystem::path& file)
{
    struct stat info {};
    if (::stat(file.c_str(), &info) != 0 || !S_ISREG(info.st_mode))
        return std::nullopt;
    return info.st_mode & 07777;
}

bool noWriteBits(mode_t mode)
{
    return (mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0;
}

std::filesystem::path linkTarget(const std::filesystem::path& file)
{
    std::filesystem::path current = file;
    std::error_code error;
    for (int hop = 0; hop < maxLinkHops; ++hop) {
        if (!std::filesystem::is_symlink(current, error))
            return current;
        const auto next = std::filesystem::read_symlink(current, error);
        if (error)
            return current;
        current = next.is_absolute() ? next : current.parent_path() / next;
    }
    // A loop: the name is used as it is, and opening it fails.
    return file;
}

void syncFolder(const std::filesystem::path& folder)
{
    const FileHandle handle(
        ::open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (handle.valid())
        ::fsync(handle.get());
}

void removeStaleStagedFiles(const std::filesystem::path& destination)
{
    const std::string prefix = stagedNamePrefix(destination);
    const auto folder = destination.parent_path();
    const std::time_t dayAgo = std::time(nullptr) - staleAfterSeconds;
    std::error_code error;
    std::filesystem::directory_iterator entry(folder.empty() ? std::filesystem::path(".") : folder,
                                              error);
    for (; !error && entry != std::filesystem::directory_iterator(); entry.increment(error)) {
        const auto& name = entry->path();
        const auto owner = stagedNameOwner(name.filename().native(), prefix);
        struct stat info {};
        if (!owner || ::lstat(name.c_str(), &info) != 0 || !S_ISREG(info.st_mode) ||
            info.st_uid != ::geteuid())
            continue;
        if (processEnded(*owner) || info.st_mtime < dayAgo)
            ::unlink(name.c_str());
    }
}

StagedFile::StagedFile(std::filesystem::path destination, std::optional<mode_t> mode)
    : destination_(std::move(destination))
{
    name_ = createUniqueSibling(destination_, [this](const std::filesystem::path& name) {
        handle_ = FileHandle(::open(name.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666));
        return handle_.valid();
    });
    if (created() && mode && ::fchmod(handle_.get(), *mode) != 0) {
        handle_.close();
        ::unlink(name_.c_str());
        name_.clear();
    }
}

std::optional<StagedFile> StagedFile::linkOf(const std::filesystem::path& existing,
                                             std::filesystem::path destination)
{
    StagedFile staged;
    staged.destination_ = std::move(destination);
    staged.name_ = createUniqueSibling(staged.destination_, [&](const std::filesystem::path& name) {
        return ::link(existing.c_str(), name.c_str()) == 0;
    });
    if (!staged.created())
        return std::nullopt;
    return staged;
}

std::optional<StagedFile> StagedFile::copyOf(const FileHandle& source,
                                             std::filesystem::path destination,
                                             std::optional<mode_t> mode)
{
    StagedFile copy(std::move(destination), mode);
    const bool copied =
        readBlocks(source.get(), [&copy](std::string_view block) { return copy.write(block); }) &&
        copy.finish();
    if (!copied)
        return std::nullopt;
    return copy;
}

StagedFile::StagedFile(StagedFile&& other) noexcept
    : destination_(std::move(other.destination_)), name_(std::exchange(other.name_, {})),
      handle_(std::move(other.handle_)), spoiled_(other.spoiled_)
{}

StagedFile::~StagedFile()
{
    handle_.close();
    if (created())
        ::unlink(name_.c_str());
}

bool StagedFile::write(std::string_view bytes)
{
    // Bytes after a failed write would leave a gap where the lost ones belong.
    if (spoiled_ || !handle_.valid() || !writeAll(handle_.get(), bytes))
        spoiled_ = true;
    return !spoiled_;
}

bool StagedFile::finish()
{
    const bool synced = handle_.valid() && ::fsync(handle_.get()) == 0;
    if (!handle_.close() || !synced)
        spoiled_ = true;
    return !spoiled_;
}

bool StagedFile::putInPlace()
{
    if (!created() || spoiled_ || ::rename(name_.c_str(), destination_.c_str()) != 0)
        return false;
    // Where the destination already was this very file, as when another copy of the program
    // put the same page in place as the backup a moment ago, rename keeps both names.
    ::unlink(name_.c_str());
    name_.clear();
    return true;
}

bool StagedFile::putInPlaceIfAbsent()
{
    if (!created() || spoiled_ || ::link(name_.c_str(), destination_.c_str()) != 0)
        return false;
    ::unlink(name_.c_str());
    name_.clear();
    return true;
}

} // namespace stocks
