// SPDX-FileCopyrightText: 2026 Morvane <stocks@morvane.com>
// SPDX-License-Identifier: GPL-2.0-or-later

#include "ui/text_codec.h"

#include <QFile>

namespace stocks {

QString fileNameToQt(const std::string& name)
{
    return QFile::decodeName(QByteArray::fromStdString(name));
}

std::string fileNameFromQt(const QString& name)
{
    return QFile::encodeName(name).toStdString();
}

} // namespace stocks
