// SPDX-FileCopyrightText: 2026 Morvane <stocks@morvane.com>
// SPDX-License-Identifier: GPL-2.0-or-later

#pragma once

#include "core/file_io.h"

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <optional>

namespace stocks::native {

// The system's file calls under file_io.cpp, one file of them per operating system.

using ProcessId = std::int32_t;
ProcessId currentProcessId();

enum class Creation { created, nameTaken, failed };

/// Creates the file exclusively, open for writing; read-only when the bits allow no write.
Creation createNewFile(const std::filesystem::path& name,
                       std::optional<std::filesystem::perms> permissions, FileHandle& handle);
/// A second name for an existing file.
Creation makeLink(const std::filesystem::path& existing, const std::filesystem::path& name);

/// Bytes read or written, 0 at the end of the file, -1 on an error.
std::int64_t readSome(NativeHandle handle, char* buffer, std::size_t size);
std::int64_t writeSome(NativeHandle handle, const char* bytes, std::size_t size);
bool flushToDisk(NativeHandle handle);

/// Renames over whatever file has the destination's name, durably.
bool replaceFile(const std::filesystem::path& from, const std::filesystem::path& to);
/// Renames only where nothing has the destination's name.
bool moveIfAbsent(const std::filesystem::path& from, const std::filesystem::path& to);
void removeFile(const std::filesystem::path& name);

/// True for a regular file of this user, not a link, whose process has ended or that is over a
/// day old.
bool isStaleStagedFile(const std::filesystem::path& name, ProcessId owner);

} // namespace stocks::native
