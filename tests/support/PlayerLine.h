#pragma once
// A player record as one line, to compare all its fields at once:
// "number name (position) BW/ST/GE/RW value [skills] #identity code"; and a player added
// from the same fields in that order, as the tests write their rosters.

#include <string>
#include <utility>

#include "model/Team.h"

namespace krv::test {

inline std::string PlayerLine(const CKRSpieler& p) {
  using std::to_string;
  return to_string(p.m_nNummer) + " " + p.m_strName + " (" + p.m_strPosition + ") " + to_string(p.m_nBW) + "/" +
         to_string(p.m_nST) + "/" + to_string(p.m_nGE) + "/" + to_string(p.m_nRW) + " " + to_string(p.m_nWert) + " [" +
         p.m_strFertigkeiten + "] #" + to_string(p.m_nID) + " " + to_string(p.m_nPositionCode);
}

inline CKRSpieler& AddPlayer(CKRTeam& team, int32_t number, std::string name, std::string position, int32_t bw,
                             int32_t st, int32_t ge, int32_t rw, int32_t value, std::string skills, int32_t id,
                             int32_t code) {
  return team.AddSpieler({.m_strName = std::move(name),
                          .m_strPosition = std::move(position),
                          .m_strFertigkeiten = std::move(skills),
                          .m_nNummer = number,
                          .m_nBW = bw,
                          .m_nST = st,
                          .m_nGE = ge,
                          .m_nRW = rw,
                          .m_nWert = value,
                          .m_nID = id,
                          .m_nPositionCode = code});
}

}  // namespace krv::test
