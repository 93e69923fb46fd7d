#pragma once
// The creation dialog's fields as the coach types them, and the budget opened and recomputed
// with them, for the budget and team builder tests.

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "create/TeamBudget.h"

namespace krv::test {

struct CreationFields {
  int32_t race = 8;  // Menschen
  std::array<int32_t, 6> counts{};
  std::vector<std::optional<CKRSpieler>> stars;  // star slots 0, 1, ...
  int32_t marken = 0, fans = 1, co = 0, cheer = 0;
  bool sani = false, wizard = false;
  std::string name;
  int32_t capital = kDefaultStartkapital;
  const CKRTeam* team = nullptr;
};

inline TeamBudget Budget(const CreationFields& f) {
  TeamBudget b{.m_Rasse = f.race, .m_TheTeam = f.team, .m_Startkapital = f.capital};
  OpenTeamBudget(b);
  b.m_Anzahl = f.counts;
  b.m_Trainingsmarken = f.marken;
  b.m_FanFaktor = f.fans;
  b.m_CoTrainer = f.co;
  b.m_Cheerleader = f.cheer;
  b.m_Sani = f.sani;
  b.m_Zauberer = f.wizard;
  b.m_TeamName = f.name;
  for (size_t slot = 0; slot < f.stars.size(); ++slot) SetStarSlot(b, static_cast<int>(slot), f.stars[slot]);
  RecomputeTeamBudget(b);
  return b;
}

}  // namespace krv::test
