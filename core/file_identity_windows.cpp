// SPDX-FileCopyrightText: 2026 Morvane <stocks@morvane.com>
// SPDX-License-Identifier: GPL-2.0-or-later

#include "core/file_identity.h"

#include <windows.h>

namespace stocks {
namespace {

std::uint64_t joined(DWORD high, DWORD low)
{
    return (static_cast<std::uint64_t>(high) << 32) | low;
}

} // namespace

std::optional<FileIdentity> fileIdentity(const std::filesystem::path& file)
{
    // Asking for the attributes alone is never refused for another program's sharing, and
    // shares every way itself, so a look stands in nobody's way. A folder in the page's place
    // has an identity too: it is there, only not readable as a page.
    const HANDLE handle = CreateFileW(file.c_str(), FILE_READ_ATTRIBUTES,
                                      FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                      nullptr, OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
    if (handle == INVALID_HANDLE_VALUE)
        return std::nullopt;
    BY_HANDLE_FILE_INFORMATION info{};
    const bool known = GetFileInformationByHandle(handle, &info) != 0;
    CloseHandle(handle);
    if (!known)
        return std::nullopt;
    // The time counts 100-nanosecond ticks.
    const std::uint64_t ticks =
        joined(info.ftLastWriteTime.dwHighDateTime, info.ftLastWriteTime.dwLowDateTime);
    return FileIdentity{info.dwVolumeSerialNumber, joined(info.nFileIndexHigh, info.nFileIndexLow),
                        joined(info.nFileSizeHigh, info.nFileSizeLow),
                        static_cast<std::int64_t>(ticks / 10'000'000),
                        static_cast<std::int64_t>(ticks % 10'000'000 * 100)};
}

} // namespace stocks
