#pragma once
// A player record as one line, to compare all its fields at once:
// "number name (position) BW/ST/GE/RW value [skills] #identity code".

#include <string>

#include "model/Team.h"

namespace krv::test {

inline std::string PlayerLine(const CKRSpieler& p) {
  using std::to_string;
  return to_string(p.m_nNummer) + " " + p.m_strName + " (" + p.m_strPosition + ") " + to_string(p.m_nBW) + "/" +
         to_string(p.m_nST) + "/" + to_string(p.m_nGE) + "/" + to_string(p.m_nRW) + " " + to_string(p.m_nWert) + " [" +
         p.m_strFertigkeiten + "] #" + to_string(p.m_nID) + " " + to_string(p.m_nPositionCode);
}

}  // namespace krv::test
