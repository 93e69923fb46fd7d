// libFuzzer target: a logo bitmap either loads or is refused with DibError, never more.

#include <cstddef>
#include <cstdint>
#include <string_view>

#include "model/Dib.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  krv::CDib dib;
  try {
    dib.Load(std::string_view(reinterpret_cast<const char*>(data), size));
  } catch (const krv::DibError&) {}
  return 0;
}
