// SPDX-FileCopyrightText: 2026 Morvane <stocks@morvane.com>
// SPDX-License-Identifier: GPL-2.0-or-later

#include "ui/text_codec.h"

namespace stocks {

// The core holds Windows file names as UTF-8; Qt's own 8-bit file names would be the ANSI code
// page, which cannot hold every name.
QString fileNameToQt(const std::string& name)
{
    return QString::fromStdString(name);
}

std::string fileNameFromQt(const QString& name)
{
    return name.toStdString();
}

} // namespace stocks
