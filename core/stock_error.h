// SPDX-FileCopyrightText: 2026 Morvane <stocks@morvane.com>
// SPDX-License-Identifier: GPL-2.0-or-later

#pragma once

#include <filesystem>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>

namespace stocks {

/// @brief An error whose message is the text the user sees.
///
/// The text is Windows-1252. A message that names a file keeps the name apart, so that the
/// display can decode it as a file name; what() holds the message with the name as the
/// program holds it (file_names.h) in place.
class StockError : public std::runtime_error {
public:
    explicit StockError(const std::string& message);
    /// The pattern's first "%s" stands for the file name.
    StockError(std::string_view pattern, const std::filesystem::path& file);
    /// The same for a file name as the program holds it (file_names.h).
    StockError(std::string_view pattern, const std::string& fileName);
    StockError(std::string_view pattern, const char* fileName);

    /// The message with "%s" where the file name goes, or the whole message when it names none.
    const std::string& pattern() const { return pattern_; }
    const std::optional<std::filesystem::path>& file() const { return file_; }

private:
    std::string pattern_;
    std::optional<std::filesystem::path> file_;
};

/// Replaces the first "%s" of a message pattern with the argument.
std::string formatMessage(std::string_view pattern, std::string_view argument);

} // namespace stocks
