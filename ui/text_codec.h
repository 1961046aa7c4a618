// SPDX-FileCopyrightText: 2026 Morvane <stocks@morvane.com>
// SPDX-License-Identifier: GPL-2.0-or-later

#pragma once

#include <QString>

#include <string>

namespace stocks {

/// Windows-1252 bytes from the core as widget text.
QString toQt(const std::string& text);

/// Widget text as Windows-1252 bytes; throws StockError when a character has no such byte.
std::string fromQt(const QString& text);

/// A file name as the core holds it (core/file_names.h) as widget text. The pair lives in
/// file_name_codec_posix.cpp and file_name_codec_windows.cpp.
QString fileNameToQt(const std::string& name);

/// Widget text as a file name as the core holds it.
std::string fileNameFromQt(const QString& name);

} // namespace stocks
