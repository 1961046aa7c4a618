// SPDX-FileCopyrightText: 2026 Morvane <stocks@morvane.com>
// SPDX-License-Identifier: GPL-2.0-or-later

#include "skin/picture_kind.h"

#include "core/ascii_case.h"
#include "core/stock_error.h"

#include <array>
#include <utility>

namespace stocks {

std::string pictureExtension(std::string_view fileName)
{
    const auto dot = fileName.rfind('.');
    if (dot == std::string_view::npos)
        return {};
    const auto extension = fileName.substr(dot + 1);
    if (extension.find_first_of("/\\:") != std::string_view::npos)
        return {};
    return std::string(extension);
}

PictureKind pictureKindFor(std::string_view fileName)
{
    static constexpr std::array<std::pair<std::string_view, PictureKind>, 4> known = {{
        {"bmp", PictureKind::Bitmap},
        {"ico", PictureKind::Icon},
        {"wmf", PictureKind::Metafile},
        {"emf", PictureKind::Metafile},
    }};
    const auto extension = pictureExtension(fileName);
    for (const auto& [name, kind] : known)
        if (equalsIgnoringAsciiCase(extension, name))
            return kind;
    throw StockError("Unknown picture file extension (.%s)", extension);
}

} // namespace stocks
