// SPDX-FileCopyrightText: 2026 Morvane <stocks@morvane.com>
// SPDX-License-Identifier: GPL-2.0-or-later

#include "ui/window_fonts.h"

#include <QStringList>

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

} // namespace

QFont windowsFont(Face face, int pixelSize, int styles)
{
    QFont font;
    font.setFamilies(familiesFor(face));
    font.setPixelSize(pixelSize);
    font.setBold((styles & Bold) != 0);
    font.setUnderline((styles & Underline) != 0);
    font.setStrikeOut((styles & StrikeOut) != 0);
    return font;
}

} // namespace stocks
