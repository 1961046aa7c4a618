// SPDX-FileCopyrightText: 2026 Morvane <stocks@morvane.com>
// SPDX-License-Identifier: GPL-2.0-or-later

#pragma once

#include <QString>

namespace stocks::platform {

/// The folder of this user's own where a running program keeps what lives only as long as
/// it runs (locks, request channels): $XDG_RUNTIME_DIR or Qt's stand-in for it on POSIX
/// systems, the user's temporary folder on Windows. Empty when there is none.
QString runtimeFolder();

} // namespace stocks::platform
