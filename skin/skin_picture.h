#pragma once

#include <QImage>

#include <string>

namespace stocks {

/// Reads a skin picture file (a name in the platform's bytes) by the decoder its extension selects:
/// bitmap, icon or metafile. The image has the picture's natural size. Throws StockError with
/// "Unknown picture file extension (.%s)", "Cannot open file %s", "Bitmap image is not
/// valid", "Icon image is not valid" or "Metafile is not valid".
QImage loadSkinPicture(const std::string& fileName);

} // namespace stocks
