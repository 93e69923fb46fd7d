#include "rules/PositionNames.h"

#include "rules/Races.h"
#include "rules/StarPlayers.h"

namespace krv {
namespace {

constexpr int32_t kBuiltStarplayerCode = 222;

}  // namespace

const char* PositionNameForCode(int32_t code) {
  if (const SKaderPosition* row = FindPositionByCode(code)) return row->m_pszName;
  if (const SStarplayer* star = FindStarplayerByCode(code)) return star->m_pszName;
  if (code == kBuiltStarplayerCode) return "Eigener Starplayer";
  return "???";
}

}  // namespace krv
