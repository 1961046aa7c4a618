// SPDX-FileCopyrightText: 2026 Morvane <stocks@morvane.com>
// SPDX-License-Identifier: GPL-2.0-or-later

#pragma once

namespace stocks {

/// Registers the built-in skin and icons; a static library's resources are not
/// registered by themselves.
void registerBuiltInResources();

} // namespace stocks
