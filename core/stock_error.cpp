// SPDX-FileCopyrightText: 2026 Morvane <stocks@morvane.com>
// SPDX-License-Identifier: GPL-2.0-or-later

#include "core/stock_error.h"

#include "core/file_names.h"

namespace stocks {

StockError::StockError(const std::string& message) : std::runtime_error(message), pattern_(message)
{}

StockError::StockError(std::string_view pattern, const std::filesystem::path& file)
    : std::runtime_error(formatMessage(pattern, fileNameOf(file))), pattern_(pattern), file_(file)
{}

StockError::StockError(std::string_view pattern, const std::string& fileName)
    : StockError(pattern, pathOf(fileName))
{}

StockError::StockError(std::string_view pattern, const char* fileName)
    : StockError(pattern, std::string(fileName))
{}

std::string formatMessage(std::string_view pattern, std::string_view argument)
{
    std::string text(pattern);
    if (const auto at = text.find("%s"); at != std::string::npos)
        text.replace(at, 2, argument);
    return text;
}

} // namespace stocks
