// SPDX-FileCopyrightText: 2026 Morvane <stocks@morvane.com>
// SPDX-License-Identifier: GPL-2.0-or-later

#include "platform/file_name_codec.h"

#include <QFile>

namespace stocks::platform {

// On Windows the core holds file names as UTF-8; Qt's own 8-bit file names would be the ANSI
// code page, which cannot hold every name.
QString fileNameToQt(const std::string& name)
{
#ifdef Q_OS_WIN
    return QString::fromStdString(name);
#else
    return QFile::decodeName(QByteArray::fromStdString(name));
#endif
}

std::string fileNameFromQt(const QString& name)
{
#ifdef Q_OS_WIN
    return name.toStdString();
#else
    return QFile::encodeName(name).toStdString();
#endif
}

} // namespace stocks::platform
