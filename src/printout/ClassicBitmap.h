#pragma once
// A picture written as a Windows bitmap in the classic form every reader of bitmaps knows:
// the 40-byte info header, 24 bits a pixel, rows from the bottom up.

#include <string>

#include "printout/BitmapPixels.h"

namespace krv {

std::string ClassicBitmapFile(const PixelImage& image);

}  // namespace krv
