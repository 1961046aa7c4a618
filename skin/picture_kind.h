// SPDX-FileCopyrightText: 2026 Morvane <stocks@morvane.com>
// SPDX-License-Identifier: GPL-2.0-or-later

#pragma once

#include <string>
#include <string_view>

namespace stocks {

/// @brief The decoders a skin picture file can be read with.
enum class PictureKind { Bitmap, Icon, Metafile };

/// The text after the last dot of a file name, or nothing when a '/', '\\' or ':' follows that
/// dot (the dot then belongs to a folder or drive, not to the file).
std::string pictureExtension(std::string_view fileName);

/// The decoder the file name's extension selects, compared without regard to letter case.
/// Throws "Unknown picture file extension (.%s)" with the extension as written.
PictureKind pictureKindFor(std::string_view fileName);

} // namespace stocks
