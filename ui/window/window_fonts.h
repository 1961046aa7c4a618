// SPDX-FileCopyrightText: 2026 Morvane <stocks@morvane.com>
// SPDX-License-Identifier: GPL-2.0-or-later

#pragma once

#include <QFont>

namespace stocks {

/// The faces the window was designed with; where one is missing the nearest installed
/// face of the same pixel size and style stands in.
enum class Face { MsSansSerif, System, Verdana };

enum FontStyle { Regular = 0, Bold = 1, Underline = 2, StrikeOut = 4 };

QFont windowsFont(Face face, int pixelSize, int styles = Regular);

} // namespace stocks
