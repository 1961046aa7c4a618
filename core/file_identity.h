// SPDX-FileCopyrightText: 2026 Morvane <stocks@morvane.com>
// SPDX-License-Identifier: GPL-2.0-or-later

#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>

namespace stocks {

/// @brief Which file a name stood for at one moment, and at which state of its bytes: the
/// same file, left alone, keeps an equal identity; a save, an edit or a replacement by
/// someone else changes it. Reading it costs one look at the file's entry, never its bytes.
struct FileIdentity {
    std::uint64_t device = 0;
    std::uint64_t file = 0; ///< the file's number on its device
    std::uint64_t size = 0;
    std::int64_t modifiedSeconds = 0;
    std::int64_t modifiedNanoseconds = 0;

    bool operator==(const FileIdentity&) const = default;
};

/// The identity of the file a name leads to, links followed; nothing when there is none or
/// it cannot be looked at.
std::optional<FileIdentity> fileIdentity(const std::filesystem::path& file);

} // namespace stocks
