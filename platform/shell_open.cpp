// SPDX-FileCopyrightText: 2026 Morvane <stocks@morvane.com>
// SPDX-License-Identifier: GPL-2.0-or-later

#include "platform/shell_open.h"

namespace stocks::platform {
namespace {

ShellOpener opener = openWithDefaultProgram;

} // namespace

void shellOpen(const QString& target)
{
    opener(target);
}

void setShellOpener(ShellOpener replacement)
{
    opener = replacement ? std::move(replacement) : ShellOpener(openWithDefaultProgram);
}

} // namespace stocks::platform
