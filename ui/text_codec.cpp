// SPDX-FileCopyrightText: 2026 Morvane <stocks@morvane.com>
// SPDX-License-Identifier: GPL-2.0-or-later

#include "ui/text_codec.h"

#include "core/cp1252.h"
#include "core/stock_error.h"

namespace stocks {

QString toQt(const std::string& text)
{
    return QString::fromStdString(utf8FromCp1252(text));
}

std::string fromQt(const QString& text)
{
    if (auto bytes = cp1252FromUtf8(text.toStdString()))
        return *bytes;
    throw StockError("The text holds a character that a Western European (Windows-1252) page "
                     "cannot store");
}

// The core's file names are UTF-8 on Windows; on POSIX systems Qt 6 takes the system's file
// name bytes as UTF-8 too (QFile::decodeName would use the ANSI code page on Windows).
QString fileNameToQt(const std::string& name)
{
    return QString::fromStdString(name);
}

std::string fileNameFromQt(const QString& name)
{
    return name.toStdString();
}

} // namespace stocks
