// SPDX-FileCopyrightText: 2026 Morvane <stocks@morvane.com>
// SPDX-License-Identifier: GPL-2.0-or-later

#include "core/file_io.h"
#include "core/file_io_native.h"

#include <algorithm>
#include <utility>

#include <fcntl.h>
#include <io.h>
#include <windows.h>

namespace stocks {
namespace {

namespace fs = std::filesystem;

// 100-nanosecond steps in a day, the unit of a FILETIME.
constexpr std::uint64_t staleAfterTicks = std::uint64_t{24} * 60 * 60 * 10'000'000;
constexpr std::size_t maxTransfer = std::size_t{1} << 30;

HANDLE win32Of(NativeHandle handle)
{
    return reinterpret_cast<HANDLE>(handle);
}

NativeHandle nativeOf(HANDLE handle)
{
    return reinterpret_cast<NativeHandle>(handle);
}

// Windows keeps one permission: the read-only attribute. It shows as the bits that
// std::filesystem gives such a file.
fs::perms permissionsOf(DWORD attributes)
{
    return (attributes & FILE_ATTRIBUTE_READONLY) != 0
               ? fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read
               : fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read |
                     fs::perms::group_write | fs::perms::others_read | fs::perms::others_write;
}

bool isNameMissing(DWORD error)
{
    return error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND;
}

// A disk file that is no folder: devices, pipes and consoles are refused.
std::optional<DWORD> regularFileAttributes(HANDLE handle)
{
    BY_HANDLE_FILE_INFORMATION info{};
    if (::GetFileType(handle) != FILE_TYPE_DISK || !::GetFileInformationByHandle(handle, &info) ||
        (info.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0)
        return std::nullopt;
    return info.dwFileAttributes;
}

bool processEnded(native::ProcessId pid)
{
    HANDLE process = ::OpenProcess(SYNCHRONIZE | PROCESS_QUERY_LIMITED_INFORMATION, FALSE,
                                   static_cast<DWORD>(pid));
    if (!process)
        return ::GetLastError() == ERROR_INVALID_PARAMETER;
    const bool ended = ::WaitForSingleObject(process, 0) == WAIT_OBJECT_0;
    ::CloseHandle(process);
    return ended;
}

std::uint64_t ticksOf(FILETIME time)
{
    return (std::uint64_t{time.dwHighDateTime} << 32) | time.dwLowDateTime;
}

native::Creation creationResult(bool created, const fs::path& name)
{
    if (created)
        return native::Creation::created;
    const DWORD error = ::GetLastError();
    // A folder at the name refuses access rather than saying that it exists.
    const bool taken = error == ERROR_FILE_EXISTS || error == ERROR_ALREADY_EXISTS ||
                       (error == ERROR_ACCESS_DENIED &&
                        ::GetFileAttributesW(name.c_str()) != INVALID_FILE_ATTRIBUTES);
    return taken ? native::Creation::nameTaken : native::Creation::failed;
}

} // namespace

int FileHandle::descriptor() const
{
    if (descriptor_ < 0 && handle_ != noHandle)
        descriptor_ = ::_open_osfhandle(handle_, _O_RDONLY | _O_BINARY);
    return descriptor_;
}

bool FileHandle::close()
{
    if (handle_ == noHandle)
        return true;
    const NativeHandle handle = std::exchange(handle_, noHandle);
    // The C runtime descriptor owns the handle once it is made.
    if (descriptor_ >= 0)
        return ::_close(std::exchange(descriptor_, -1)) == 0;
    return ::CloseHandle(win32Of(handle)) != 0;
}

InputFile openRegularFile(const fs::path& file)
{
    InputFile input;
    // Read-only and shared with nobody while it is open.
    HANDLE handle = ::CreateFileW(file.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING,
                                  FILE_ATTRIBUTE_NORMAL, nullptr);
    if (handle == INVALID_HANDLE_VALUE) {
        if (isNameMissing(::GetLastError()))
            input.status = InputFile::Status::missing;
        return input;
    }
    input.handle = FileHandle(nativeOf(handle));
    const auto attributes = regularFileAttributes(handle);
    if (!attributes) {
        input.handle.close();
        return input;
    }
    input.status = InputFile::Status::opened;
    input.permissions = permissionsOf(*attributes);
    return input;
}

std::optional<fs::perms> regularFilePermissions(const fs::path& file)
{
    // No access asked: the attributes can be read while another program holds the file.
    HANDLE handle =
        ::CreateFileW(file.c_str(), 0, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                      nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (handle == INVALID_HANDLE_VALUE)
        return std::nullopt;
    const FileHandle owner(nativeOf(handle));
    const auto attributes = regularFileAttributes(handle);
    if (!attributes)
        return std::nullopt;
    return permissionsOf(*attributes);
}

bool regularFileOrNothingAt(const fs::path& name)
{
    const DWORD attributes = ::GetFileAttributesW(name.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES)
        return isNameMissing(::GetLastError());
    return (attributes &
            (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_REPARSE_POINT | FILE_ATTRIBUTE_DEVICE)) == 0;
}

void syncFolder(const fs::path&)
{
    // Every move is made with MOVEFILE_WRITE_THROUGH, which returns only once the folder's
    // entries are on the disk.
}

namespace native {

ProcessId currentProcessId()
{
    return static_cast<ProcessId>(::GetCurrentProcessId());
}

Creation createNewFile(const fs::path& name, std::optional<fs::perms> permissions,
                       FileHandle& handle)
{
    const DWORD attributes =
        permissions && noWriteBits(*permissions) ? FILE_ATTRIBUTE_READONLY : FILE_ATTRIBUTE_NORMAL;
    HANDLE created =
        ::CreateFileW(name.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, attributes, nullptr);
    if (created == INVALID_HANDLE_VALUE) {
        handle = FileHandle();
        return creationResult(false, name);
    }
    handle = FileHandle(nativeOf(created));
    return Creation::created;
}

Creation makeLink(const fs::path& existing, const fs::path& name)
{
    return creationResult(::CreateHardLinkW(name.c_str(), existing.c_str(), nullptr) != 0, name);
}

std::int64_t readSome(NativeHandle handle, char* buffer, std::size_t size)
{
    DWORD got = 0;
    if (!::ReadFile(win32Of(handle), buffer, static_cast<DWORD>(std::min(size, maxTransfer)), &got,
                    nullptr))
        return -1;
    return got;
}

std::int64_t writeSome(NativeHandle handle, const char* bytes, std::size_t size)
{
    DWORD written = 0;
    if (!::WriteFile(win32Of(handle), bytes, static_cast<DWORD>(std::min(size, maxTransfer)),
                     &written, nullptr))
        return -1;
    return written;
}

bool flushToDisk(NativeHandle handle)
{
    return ::FlushFileBuffers(win32Of(handle)) != 0;
}

bool replaceFile(const fs::path& from, const fs::path& to)
{
    return ::MoveFileExW(from.c_str(), to.c_str(),
                         MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) != 0;
}

bool moveIfAbsent(const fs::path& from, const fs::path& to)
{
    return ::MoveFileExW(from.c_str(), to.c_str(), MOVEFILE_WRITE_THROUGH) != 0;
}

void removeFile(const fs::path& name)
{
    ::DeleteFileW(name.c_str());
}

// Windows keeps no cheap owner on a file; the folder beside the page is the user's own.
bool isStaleStagedFile(const fs::path& name, ProcessId owner)
{
    WIN32_FILE_ATTRIBUTE_DATA data{};
    if (!::GetFileAttributesExW(name.c_str(), GetFileExInfoStandard, &data) ||
        (data.dwFileAttributes &
         (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_REPARSE_POINT | FILE_ATTRIBUTE_DEVICE)) != 0)
        return false;
    FILETIME now{};
    ::GetSystemTimeAsFileTime(&now);
    return processEnded(owner) || ticksOf(data.ftLastWriteTime) + staleAfterTicks < ticksOf(now);
}

} // namespace native
} // namespace stocks
