#include "skin/picture_kind.h"

#include "core/stock_error.h"

#include <array>
#include <utility>

namespace stocks {
namespace {

// Only ASCII letters fold: the known extensions are plain ASCII, and a Windows-1252 letter
// such as 0xC9 must not match anything.
char asciiLower(char c)
{
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

bool equalsIgnoringCase(std::string_view text, std::string_view lowerCase)
{
    if (text.size() != lowerCase.size())
        return false;
    for (std::size_t i = 0; i < text.size(); ++i)
        if (asciiLower(text[i]) != lowerCase[i])
            return false;
    return true;
}

} // namespace

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
        if (equalsIgnoringCase(extension, name))
            return kind;
    throw StockError(formatMessage("Unknown picture file extension (.%s)", extension));
}

} // namespace stocks
