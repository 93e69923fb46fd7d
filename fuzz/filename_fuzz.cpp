// libFuzzer target: any file name, valid UTF-8 or not, comes back byte for byte from its
// window form, and any window form gives bytes that read back to the same window form.

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>
#include <string_view>

#include "model/FileNameText.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  const std::u16string name = krv::FileNameToUtf16(bytes);
  if (krv::FileNameFromUtf16(name) != bytes) std::abort();
  // The same bytes read as UTF-16 text typed in a window.
  std::u16string typed(size / 2, u'\0');
  std::memcpy(typed.data(), data, typed.size() * 2);
  const std::string written = krv::FileNameFromUtf16(typed);
  if (krv::FileNameFromUtf16(krv::FileNameToUtf16(written)) != written) std::abort();
  return 0;
}
