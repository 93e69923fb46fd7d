// libFuzzer target: a logo bitmap either loads or is refused with DibError, never more; one
// that loads decodes to pixels or to nothing, and its classic copy reads back.

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string_view>

#include "model/Dib.h"
#include "printout/BitmapPixels.h"
#include "printout/ClassicBitmap.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  krv::CDib dib;
  try {
    dib.Load(std::string_view(reinterpret_cast<const char*>(data), size));
  } catch (const krv::DibError&) {
    return 0;
  }
  const std::optional<krv::PixelImage> image = krv::DecodeDib(dib);
  if (image && int64_t{image->width} * image->height <= 4096) {
    krv::CDib copy;
    copy.Load(krv::ClassicBitmapFile(*image));  // must not throw: the program writes it
    const std::optional<krv::PixelImage> back = krv::DecodeDib(copy);
    if (!back || back->pixels != image->pixels) __builtin_trap();
  }
  return 0;
}
