// SPDX-FileCopyrightText: 2026 Morvane <stocks@morvane.com>
// SPDX-License-Identifier: GPL-2.0-or-later

#include "platform/shell_open.h"

#include <QDir>
#include <QFileInfo>

#include <windows.h>

#include <shellapi.h>

namespace stocks::platform {

void openWithDefaultProgram(const QString& target)
{
    // Qt writes paths with forward slashes; the shell and the programs it starts expect the
    // system's own. A web address goes as it is.
    const QString text = QFileInfo(target).isAbsolute() ? QDir::toNativeSeparators(target) : target;
    ShellExecuteW(nullptr, nullptr, reinterpret_cast<const wchar_t*>(text.utf16()), nullptr,
                  nullptr, SW_SHOWNORMAL);
}

} // namespace stocks::platform
