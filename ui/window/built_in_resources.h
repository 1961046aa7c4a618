// SPDX-FileCopyrightText: 2026 Morvane <stocks@morvane.com>
// SPDX-License-Identifier: GPL-2.0-or-later

#pragma once

#include <QImage>
#include <QString>

namespace stocks {

/// @brief One of the built-in pictures (":/skin.bmp", ":/window_icon.ico",
/// ":/program_icon.ico"): a 16-colour bitmap, or a one-image 16-colour icon whose mask makes
/// its ground transparent. Read here rather than by Qt's image reader, which would load every
/// image plugin into each start to read them. Null if the resource is not such a picture.
QImage builtInPicture(const QString& resource);

} // namespace stocks
