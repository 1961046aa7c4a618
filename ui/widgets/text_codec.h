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

} // namespace stocks
