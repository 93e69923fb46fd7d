// libFuzzer target: reading KRV.DAT either succeeds or refuses cleanly, and what it accepts
// writes back to a file that reads again to the same settings.

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "settings/KrvDat.h"
#include "model/Archive.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  krv::ProgramSettings settings;
  try {
    krv::ReadKrvDat(std::string_view(reinterpret_cast<const char*>(data), size), settings);
  } catch (const krv::ArchiveError&) {
    return 0;
  }
  settings.m_nDatVersion = krv::kKrvDatVersion;
  const std::string written = krv::WriteKrvDat(settings);
  krv::ProgramSettings again;
  krv::ReadKrvDat(written, again);
  if (krv::WriteKrvDat(again) != written) std::abort();
  return 0;
}
