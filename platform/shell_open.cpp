// SPDX-FileCopyrightText: 2026 Morvane <stocks@morvane.com>
// SPDX-License-Identifier: GPL-2.0-or-later

#include "platform/shell_open.h"

#include <QFileInfo>

#ifdef Q_OS_WIN
#include <QDir>

#include <windows.h>

#include <shellapi.h>
#else
#include <QDesktopServices>
#include <QUrl>
#endif

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

void openWithDefaultProgram(const QString& target)
{
#ifdef Q_OS_WIN
    // Qt writes paths with forward slashes; the shell and the programs it starts expect the
    // system's own. A web address goes as it is.
    const QString text = QFileInfo(target).isAbsolute() ? QDir::toNativeSeparators(target) : target;
    ShellExecuteW(nullptr, nullptr, reinterpret_cast<const wchar_t*>(text.utf16()), nullptr,
                  nullptr, SW_SHOWNORMAL);
#else
    const QUrl url =
        QFileInfo(target).isAbsolute() ? QUrl::fromLocalFile(target) : QUrl::fromUserInput(target);
    QDesktopServices::openUrl(url);
#endif
}

} // namespace stocks::platform
