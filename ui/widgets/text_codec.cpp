// SPDX-FileCopyrightText: 2026 Morvane <stocks@morvane.com>
// SPDX-License-Identifier: GPL-2.0-or-later

#include "ui/widgets/text_codec.h"

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

} // namespace stocks
