// SPDX-FileCopyrightText: 2026 Morvane <stocks@morvane.com>
// SPDX-License-Identifier: GPL-2.0-or-later

#include "ui/window/window_fonts.h"

#include <QFontDatabase>
#include <QStringList>

#include <algorithm>
#include <array>
#include <optional>

namespace stocks {
namespace {

QStringList familiesFor(Face face)
{
    switch (face) {
    case Face::MsSansSerif:
        return {"MS Sans Serif", "Microsoft Sans Serif", "Liberation Sans", "DejaVu Sans"};
    case Face::System:
        return {"System", "DejaVu Sans Condensed", "Liberation Sans Narrow", "DejaVu Sans"};
    case Face::Verdana:
        break;
    }
    return {"Verdana", "DejaVu Sans"};
}

/// The first of the face's families that is installed, or all of them where none is: each
/// family asked for and not installed costs a fontconfig search for every font made from it.
const QStringList& installedFamiliesFor(Face face)
{
    static std::array<std::optional<QStringList>, 3> resolved;
    std::optional<QStringList>& families = resolved.at(static_cast<std::size_t>(face));
    if (!families) {
        const QStringList installed = QFontDatabase::families();
        const QStringList wanted = familiesFor(face);
        const auto found = std::find_if(wanted.begin(), wanted.end(), [&](const QString& family) {
            return installed.contains(family, Qt::CaseInsensitive);
        });
        families = found == wanted.end() ? wanted : QStringList{*found};
    }
    return *families;
}

} // namespace

QFont windowsFont(Face face, int pixelSize, int styles)
{
    QFont font;
    font.setFamilies(installedFamiliesFor(face));
    font.setPixelSize(pixelSize);
    font.setBold((styles & Bold) != 0);
    font.setUnderline((styles & Underline) != 0);
    font.setStrikeOut((styles & StrikeOut) != 0);
    return font;
}

} // namespace stocks
