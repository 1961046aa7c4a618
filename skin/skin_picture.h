// SPDX-FileCopyrightText: 2026 Morvane <stocks@morvane.com>
// SPDX-License-Identifier: GPL-2.0-or-later

#pragma once

// How a skin is drawn
//
// loadSkinPicture() below is the one entry. It takes a file name and gives back the picture,
// or throws StockError with the message the user sees.
//
// 1. picture_kind.cpp: pictureKindFor() picks the decoder by the name's extension: bitmap,
//    icon or metafile. Nothing else is read before this.
// 2. skin_picture.cpp opens the file, refusing anything but a regular file, and then:
//    - bitmaps and icons go to Qt's QImageReader, their header's size checked first against
//      picture_limits.h;
//    - metafiles are read whole and handed to Metafile (metafile_reader.h).
// 3. Metafile::fromBytes() tells an enhanced metafile from an old-style one by its content and
//    checks the header and every record before anything is drawn: readEmfLayout()
//    (emf_layout.cpp) or readWmfLayout() (wmf_layout.cpp), with libUEMF's record checks.
// 4. Metafile::toImage() plays the records onto a QPainter: playEmf() (emf_player.cpp) or
//    playWmf() (wmf_player.cpp). Each hands a record to a few switches, one per kind of record
//    (shapes, mapping, device state, objects, and in EMF paths and bitmaps); each case decodes
//    one record and makes one call, mostly on GdiContext (gdi_context.cpp), which keeps the
//    Windows device-context state (mapping, pen, brush, clipping, paths) and draws with
//    QPainter. Fields are read through ByteView (byte_view.h), which refuses reads outside
//    the file, or through libUEMF's getters once its checks passed. Pens and brushes come
//    from gdi_object.cpp, bitmaps inside records from dib_image.cpp.
// 5. Only the visible area is drawn. Each record, each embedded bitmap and, in GdiContext, every
//    path made and the work of each drawing call inside that area (lines by their length) is
//    charged to a WorkBudget (work_budget.h, limits in picture_limits.h); a metafile that asks
//    for more than any skin needs is refused.

#include <QImage>
#include <QSize>

#include <string>

namespace stocks {

/// Reads a skin picture file (a name in the platform's bytes) by the decoder its extension
/// selects: bitmap, icon or metafile. The image is the picture at its natural scale, from its
/// top-left corner, cut to visibleArea: only that much of a skin ever shows. Throws
/// StockError with "Unknown picture file extension (.%s)", "Cannot open file %s" (also for
/// anything but a regular file), "Bitmap image is not valid", "Icon image is not valid" or
/// "Metafile is not valid".
QImage loadSkinPicture(const std::string& fileName, QSize visibleArea);

} // namespace stocks
