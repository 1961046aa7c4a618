// SPDX-FileCopyrightText: 2026 Morvane <stocks@morvane.com>
// SPDX-License-Identifier: GPL-2.0-or-later

#pragma once

#include <filesystem>
#include <random>
#include <set>
#include <stdexcept>
#include <string>
#include <system_error>

namespace stocks {

/// @brief A fresh folder, by default under the system's temporary folder, private to the user
/// and removed with everything in it.
class TempFolder {
public:
    explicit TempFolder(
        const std::filesystem::path& parent = std::filesystem::temp_directory_path())
    {
        std::random_device random;
        for (int attempt = 0; attempt < 100 && path_.empty(); ++attempt) {
            const auto candidate = parent / ("stocks_" + std::to_string(random()));
            std::error_code error;
            if (std::filesystem::create_directory(candidate, error))
                path_ = candidate;
        }
        if (path_.empty())
            throw std::runtime_error("cannot make a temporary folder");
        std::filesystem::permissions(path_, std::filesystem::perms::owner_all);
    }
    ~TempFolder()
    {
        std::error_code ignored;
        std::filesystem::remove_all(path_, ignored);
    }
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    const std::filesystem::path& path() const { return path_; }
    operator const std::filesystem::path&() const { return path_; } // NOLINT: reads as a path
    std::filesystem::path operator/(const std::filesystem::path& name) const
    {
        return path_ / name;
    }

    /// The names of the entries in the folder.
    std::set<std::string> names() const
    {
        std::set<std::string> found;
        for (const auto& entry : std::filesystem::directory_iterator(path_))
            found.insert(entry.path().filename().string());
        return found;
    }

private:
    std::filesystem::path path_;
};

} // namespace stocks
