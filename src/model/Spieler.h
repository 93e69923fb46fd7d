#pragma once
// One player of a team, active or long gone; the team keeps them all.

#include <cstdint>
#include <string>

namespace krv {

enum PlayerStatus : int32_t {
  kStatusAktiv = 0,
  kStatusVerkauft = 1,
  kStatusVerstorben = 2,
  kStatusCotrainer = 3,
  kStatusSonstiges = 4,
};

// Position code ranges: roster rows, star players, big guys ("Brocken").
constexpr int32_t kFirstStarCode = 200;
constexpr int32_t kFirstBrockenCode = 300;
constexpr int32_t kBuiltStarCode = 222;

struct CKRSpieler {
  std::string m_strName;
  std::string m_strPosition;
  std::string m_strFertigkeiten;
  std::string m_strExtra;
  std::string m_strVerletzung;
  std::string m_strLebenslauf;
  int32_t m_nNummer = 0;
  int32_t m_nBW = 0;
  int32_t m_nST = 0;
  int32_t m_nGE = 0;
  int32_t m_nRW = 0;
  int32_t m_nPass = 0;
  int32_t m_nTD = 0;
  int32_t m_nABG = 0;
  int32_t m_nVSA = 0;
  int32_t m_nSDT = 0;
  int32_t m_nSSP = 0;
  int32_t m_nWert = 0;
  int32_t m_nStatus = kStatusAktiv;
  int32_t m_nID = 0;
  int32_t m_nPositionCode = 0;

  bool IsActive() const { return m_nStatus == kStatusAktiv; }
};

}  // namespace krv
