// SPDX-FileCopyrightText: 2026 Morvane <stocks@morvane.com>
// SPDX-License-Identifier: GPL-2.0-or-later

#pragma once

#include <filesystem>
#include <functional>
#include <optional>
#include <string_view>

#include <sys/types.h>

namespace stocks {

// The POSIX pieces the page file and the settings file share: reading a file that may be
// anything at its name, writing every byte, and replacing a file so that a crash or a
// second writer never leaves it half written.

/// @brief An open file descriptor, closed when it goes.
class FileHandle {
public:
    FileHandle() = default;
    explicit FileHandle(int fd) : fd_(fd) {}
    FileHandle(FileHandle&& other) noexcept;
    FileHandle& operator=(FileHandle&& other) noexcept;
    FileHandle(const FileHandle&) = delete;
    FileHandle& operator=(const FileHandle&) = delete;
    ~FileHandle();

    int get() const { return fd_; }
    bool valid() const { return fd_ >= 0; }
    /// Closes now; false when closing reports an error, as it may for a lost write.
    bool close();

private:
    int fd_ = -1;
};

/// @brief A file opened for reading, or why it was not.
struct InputFile {
    enum class Status { opened, missing, refused };
    Status status = Status::refused;
    FileHandle handle;
    mode_t mode = 0; ///< permission bits
};

/// Opens a file for reading without waiting on a FIFO or a device: anything but a regular
/// file is refused. `missing` when nothing has that name.
InputFile openRegularFile(const std::filesystem::path& file);

/// Reads from the current position to the end in 64 KiB blocks. False on a read error or
/// when `consume` returns false.
bool readBlocks(int fd, const std::function<bool(std::string_view)>& consume);

/// Writes every byte. A failed write, or one that writes nothing, is failure.
bool writeAll(int fd, std::string_view bytes);

/// The permission bits of an existing regular file, links followed.
std::optional<mode_t> regularFileMode(const std::filesystem::path& file);

/// True when the permission bits let nobody write. The bits decide, not access(), so that
/// the user's choice holds for root as it did for the read-only attribute on Windows.
bool noWriteBits(mode_t mode);

/// The file a chain of symbolic links ends at, whether or not it exists; the name itself
/// when it is no link.
std::filesystem::path linkTarget(const std::filesystem::path& file);

/// Flushes a folder's entries to the disk, so that renames in it survive a power loss.
void syncFolder(const std::filesystem::path& folder);

/// Removes the staged files for `destination` that a run killed while saving left behind, where
/// they are sure to be stale: regular files of this user whose process has ended or that are
/// over a day old. Nothing else beside the destination is touched.
void removeStaleStagedFiles(const std::filesystem::path& destination);

/// @brief A file made beside its destination under a unique name, created exclusively, that
/// takes the destination's place only once complete; removed if it never does. After one
/// failed write or finish it never takes that place, whatever succeeds later.
class StagedFile {
public:
    /// A new empty file; with a mode, it gets exactly those permission bits.
    explicit StagedFile(std::filesystem::path destination,
                        std::optional<mode_t> mode = std::nullopt);
    /// A second name for an existing file, or nothing where the file system cannot give one.
    static std::optional<StagedFile> linkOf(const std::filesystem::path& existing,
                                            std::filesystem::path destination);
    /// A finished copy of an open file's bytes from its current position, or nothing when any
    /// byte could not be read or written.
    static std::optional<StagedFile> copyOf(const FileHandle& source,
                                            std::filesystem::path destination,
                                            std::optional<mode_t> mode = std::nullopt);

    StagedFile(StagedFile&& other) noexcept;
    StagedFile& operator=(StagedFile&&) = delete;
    StagedFile(const StagedFile&) = delete;
    StagedFile& operator=(const StagedFile&) = delete;
    ~StagedFile();

    bool created() const { return !name_.empty(); }
    bool write(std::string_view bytes);
    /// Flushes the bytes to the disk and closes the file; false when any may be lost.
    bool finish();
    /// Renames the file onto its destination. The caller flushes the folder after its renames.
    bool putInPlace();
    /// Gives the file its destination's name only where nothing has that name yet.
    bool putInPlaceIfAbsent();

private:
    StagedFile() = default;

    std::filesystem::path destination_;
    std::filesystem::path name_;
    FileHandle handle_;
    bool spoiled_ = false;
};

} // namespace stocks
