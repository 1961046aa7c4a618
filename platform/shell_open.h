// SPDX-FileCopyrightText: 2026 Morvane <stocks@morvane.com>
// SPDX-License-Identifier: GPL-2.0-or-later

#pragma once

#include <QString>

#include <functional>

namespace stocks::platform {

/// ShellExecute with the default verb: opens a file or web address with its default
/// program. The result is not reported; a failed open shows nothing.
void shellOpen(const QString& target);

/// Lets tests see what would be opened instead of starting a program.
using ShellOpener = std::function<void(const QString& target)>;
void setShellOpener(ShellOpener opener);

/// The opener shellOpen() uses unless a test set another: ShellExecuteW on Windows, the
/// desktop's default programs elsewhere.
void openWithDefaultProgram(const QString& target);

} // namespace stocks::platform
