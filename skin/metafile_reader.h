// SPDX-FileCopyrightText: 2026 Morvane <stocks@morvane.com>
// SPDX-License-Identifier: GPL-2.0-or-later

#pragma once

#include "skin/emf_layout.h"
#include "skin/wmf_layout.h"

#include <QByteArray>
#include <QImage>
#include <QSize>

#include <variant>

class QPainter;

namespace stocks {

/// @brief A Windows metafile, enhanced (EMF) or old-style (WMF), told apart by its content,
/// with its header and every record checked before anything is drawn.
class Metafile {
public:
    /// Throws "Metafile is not valid" when the header or any record does not check out.
    static Metafile fromBytes(const QByteArray& bytes);

    /// The picture's natural size in pixels.
    QSize size() const;

    /// Draws the picture at its natural size, its top-left corner at the painter's origin.
    /// Only what falls on the painter's device, inside its clip, is worked on. Throws
    /// "Metafile is not valid" when a record's contents (such as an embedded bitmap) do not
    /// check out, or when the picture asks for more drawing work there than any skin needs;
    /// the painter's state is left as it was.
    void paint(QPainter& painter) const;

    /// The part of the picture inside visibleArea, measured from its top-left corner, on a
    /// transparent image.
    QImage toImage(QSize visibleArea) const;

private:
    Metafile(QByteArray bytes, std::variant<EmfLayout, WmfLayout> layout);
    ByteView view() const;

    QByteArray bytes_;
    std::variant<EmfLayout, WmfLayout> layout_;
};

} // namespace stocks
