#pragma once
// An own-race position template as the own-race dialog leaves it once its builder has bought
// the player: names, characteristics, cost, skills and the slot's position code.

#include <string>

#include "model/Team.h"

namespace krv::test {

inline void DefineTemplate(CKRTeam& team, int k, const std::string& name, int32_t cost, int32_t bw = 6, int32_t st = 3,
                           int32_t ge = 3, int32_t rw = 8, const std::string& skills = "") {
  SEigenePosition& p = team.m_Positionen[k];
  p.m_strName = p.m_strNameCopy = name;
  p.m_nBW = bw;
  p.m_nST = st;
  p.m_nGE = ge;
  p.m_nRW = rw;
  p.m_nCost = cost;
  p.m_strSkills = skills;
  p.m_nPositionCode = kFirstEigenePositionCode + k;
}

}  // namespace krv::test
