// SPDX-FileCopyrightText: 2026 Morvane <stocks@morvane.com>
// SPDX-License-Identifier: GPL-2.0-or-later

#pragma once

#include <QString>

#include <string>

namespace stocks::platform {

/// A file name as the core holds it (core/file_names.h) as widget text: the system's own bytes
/// on POSIX systems, UTF-8 on Windows.
QString fileNameToQt(const std::string& name);

/// Widget text as a file name as the core holds it.
std::string fileNameFromQt(const QString& name);

} // namespace stocks::platform
