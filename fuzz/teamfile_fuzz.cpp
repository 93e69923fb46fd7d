// libFuzzer target: the team file reader must refuse any damaged input cleanly, and what it
// accepts must write back to a file that reads again to the same bytes.

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "model/Archive.h"
#include "model/TeamFile.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  krv::CKRTeam team;
  try {
    krv::DeserializeTeam(bytes, team);
  } catch (const krv::ArchiveError&) {
    return 0;
  }
  team.Recalculate();
  const std::string written = krv::SerializeTeam(team);
  krv::CKRTeam again;
  krv::DeserializeTeam(written, again);  // must not throw
  if (krv::SerializeTeam(again) != written) std::abort();
  return 0;
}
