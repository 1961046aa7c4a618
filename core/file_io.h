// SPDX-FileCopyrightText: 2026 Morvane <stocks@morvane.com>
// SPDX-License-Identifier: GPL-2.0-or-later

#pragma once

#include <cstdint>
#include <filesystem>
#include <functional>
#include <optional>
#include <string_view>

namespace stocks {

// The file pieces the page file and the settings file share: reading a file that may be
// anything at its name, writing every byte, and replacing a file so that a crash or a
// second writer never leaves it half written. The system's calls are in file_io_posix.cpp
// and file_io_windows.cpp.

/// The system's handle of an open file: a descriptor, or a Windows HANDLE. -1 is none on both.
using NativeHandle = std::intptr_t;
inline constexpr NativeHandle noHandle = -1;

/// @brief An open file, closed when it goes.
class FileHandle {
public:
    FileHandle() = default;
    explicit FileHandle(NativeHandle handle) : handle_(handle) {}
    FileHandle(FileHandle&& other) noexcept;
    FileHandle& operator=(FileHandle&& other) noexcept;
    FileHandle(const FileHandle&) = delete;
    FileHandle& operator=(const FileHandle&) = delete;
    ~FileHandle();

    NativeHandle get() const { return handle_; }
    bool valid() const { return handle_ != noHandle; }
    /// A C runtime descriptor reading the same file, for libraries that take one; it stays
    /// owned by this handle and is closed with it.
    int descriptor() const;
    /// Closes now; false when closing reports an error, as it may for a lost write.
    bool close();

private:
    NativeHandle handle_ = noHandle;
    mutable int descriptor_ = -1;
};

/// @brief A file opened for reading, or why it was not.
struct InputFile {
    enum class Status { opened, missing, refused };
    Status status = Status::refused;
    FileHandle handle;
    /// The permission bits; on Windows the read-only attribute shows as no write bits.
    std::filesystem::perms permissions = std::filesystem::perms::none;
};

/// Opens a file for reading without waiting on a FIFO or a device: anything but a regular
/// file is refused. `missing` when nothing has that name. On Windows the file is shared with
/// nobody while it is open.
InputFile openRegularFile(const std::filesystem::path& file);

/// Reads from the current position to the end in 64 KiB blocks. False on a read error or
/// when `consume` returns false.
bool readBlocks(NativeHandle handle, const std::function<bool(std::string_view)>& consume);

/// Writes every byte. A failed write, or one that writes nothing, is failure.
bool writeAll(NativeHandle handle, std::string_view bytes);

/// The permission bits of an existing regular file, links followed.
std::optional<std::filesystem::perms> regularFilePermissions(const std::filesystem::path& file);

/// True when the permission bits let nobody write. The bits decide, not access(), so that
/// the user's choice holds for root as it does for the read-only attribute on Windows.
bool noWriteBits(std::filesystem::perms permissions);

/// True when the name holds a regular file itself (no link) or nothing at all.
bool regularFileOrNothingAt(const std::filesystem::path& name);

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
    /// A new empty file; with permissions, it gets exactly those bits (on Windows: without
    /// write bits it is read-only).
    explicit StagedFile(std::filesystem::path destination,
                        std::optional<std::filesystem::perms> permissions = std::nullopt);
    /// A second name for an existing file, or nothing where the file system cannot give one.
    static std::optional<StagedFile> linkOf(const std::filesystem::path& existing,
                                            std::filesystem::path destination);
    /// A finished copy of an open file's bytes from its current position, or nothing when any
    /// byte could not be read or written.
    static std::optional<StagedFile>
    copyOf(const FileHandle& source, std::filesystem::path destination,
           std::optional<std::filesystem::perms> permissions = std::nullopt);

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
