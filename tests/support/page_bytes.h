// SPDX-FileCopyrightText: 2026 Morvane <stocks@morvane.com>
// SPDX-License-Identifier: GPL-2.0-or-later

#pragma once

#include "core/page_lines.h"

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace stocks {

using Lines = std::vector<std::string>;

inline std::string bytesOf(const std::filesystem::path& file)
{
    std::ifstream in(file, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

inline void writeBytes(const std::filesystem::path& file, const std::string& bytes)
{
    std::ofstream(file, std::ios::binary) << bytes;
}

/// The bytes of a page file holding these lines.
inline std::string pageBytes(const Lines& lines)
{
    std::string bytes;
    for (const auto& line : lines)
        bytes += line + "\r\n";
    return bytes;
}

/// The page a first run starts with.
inline Lines seededPage()
{
    return {lines::title(), lines::nasdaq(), lines::dow(), lines::generator(), lines::footer()};
}

/// A page as a close leaves it: fixed lines around the user lines.
inline Lines closedPage(const Lines& userLines, int minutes)
{
    Lines page = {lines::title(), lines::refresh(60LL * minutes)};
    page.insert(page.end(), userLines.begin(), userLines.end());
    page.insert(page.end(),
                {lines::news(), lines::nasdaq(), lines::dow(), lines::site(), lines::footer()});
    return page;
}

/// The page list a saved page reads back as: its lines and the empty text after the last break.
inline Lines plusEmptyLine(Lines lines)
{
    lines.emplace_back();
    return lines;
}

} // namespace stocks
