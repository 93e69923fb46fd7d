// Team value, treasury and the other figures derived from a team's records.

#include <algorithm>
#include <limits>
#include <string>

#include "model/Team.h"
#include "model/TeamHost.h"

namespace krv {
namespace {

constexpr int64_t kStaffValue = 10000;
constexpr int64_t kFanFactorPointValue = 10000;
constexpr int64_t kApothecaryValue = 50000;
constexpr int64_t kWizardValue = 150000;
constexpr int64_t kValueDivisor = 10000;
constexpr int64_t kStarPointDivisor = 5;
constexpr int64_t kLedgerDivisor = 1000;

// Team value sums can exceed 64 bits with absurd re-roll figures from a damaged file.
using WideSum = __int128;

// Sums are kept wide; a figure that still does not fit is held at the int32 ends.
int32_t Saturate(WideSum v) {
  return static_cast<int32_t>(
      std::clamp<WideSum>(v, std::numeric_limits<int32_t>::min(), std::numeric_limits<int32_t>::max()));
}

template <typename T>
int32_t LedgerThousands(const RecordList<T>& ledger) {
  int64_t sum = 0;
  for (const auto& entry : ledger)
    if (entry) sum += entry->m_nBetrag;
  return Saturate(sum / kLedgerDivisor);  // each ledger is cut to thousands on its own
}

// Leading and trailing blanks (spaces, tabs, line breaks) go; blanks inside stay.
void TrimBlanks(std::string& text) {
  constexpr const char* kBlanks = " \t\r\n";
  const size_t last = text.find_last_not_of(kBlanks);
  text.erase(last == std::string::npos ? 0 : last + 1);
  text.erase(0, text.find_first_not_of(kBlanks));
}

}  // namespace

void CKRTeam::SetTeamModified(const TeamChange& change) {
  if (m_pHost) m_pHost->MarkDocumentModified();
  m_strGeaendert = CurrentTimeStamp();
  Recalculate(change);
}

int32_t CKRTeam::FanFactorInForce() const { return Saturate(int64_t{m_nFanFaktor} + m_nFanFactorAdjustment); }

void CKRTeam::Recalculate(const TeamChange& change) {
  m_nAusgabenK = LedgerThousands(m_Ausgaben);
  m_nEinnahmenK = LedgerThousands(m_Einnahmen);

  // The tidied skill texts are set here with the figures, so that the lists only show the
  // team and never change it. The matches keep their running numbers (see NumberMatches).
  int64_t adjustment = 0;
  for (const auto& g : m_Games) {
    if (!g) continue;
    if (g->m_nFanFaktor == kFanRises) ++adjustment;
    else if (g->m_nFanFaktor == kFanFalls) --adjustment;
  }
  m_nFanFactorAdjustment = Saturate(adjustment);

  int64_t starPoints = 0;  // of every player the team ever had
  for (const auto& s : m_Spieler) {
    if (!s) continue;
    starPoints += s->m_nSSP;
    TrimBlanks(s->m_strFertigkeiten);
  }
  m_nSSPGesamt = Saturate(starPoints);

  m_strGold = std::to_string((int64_t{m_nEinnahmenK} - m_nAusgabenK) * kLedgerDivisor);
  CalcTeamwert();
  CountSpielerArten();
  if (m_pHost) m_pHost->TeamRecalculated(change);
}

void CKRTeam::CalcTeamwert() {
  m_strTeamwert = "xxx";
  WideSum sum = 0;
  WideSum spp = 0;
  for (const auto& s : m_Spieler) {
    if (!s || !s->IsActive()) continue;
    sum += s->m_nWert;
    spp += s->m_nSSP;
  }
  for (const auto& c : m_Cheerleader)
    if (c) sum += kStaffValue;
  for (const auto& c : m_CoTrainer)
    if (c) sum += kStaffValue;
  sum += (WideSum{m_nFanFaktor} + m_nFanFactorAdjustment) * kFanFactorPointValue + WideSum{m_nMarken} * m_nMarkenPreis +
         WideSum{m_nMarken2} * m_nMarkenPreis2;
  // One re-roll price comes off however many re-rolls were deducted.
  if (m_nMarkenAbzug != 0) {
    if (m_nMarken2 != 0) sum -= m_nMarkenPreis2;
    else if (m_nMarken != 0) sum -= m_nMarkenPreis;
  }
  if (m_bSani != 0) sum += kApothecaryValue;
  if (m_bZauberer != 0) sum += kWizardValue;
  m_nGesamtwert = Saturate(sum);
  m_nTeamwert = Saturate(sum / kValueDivisor + spp / kStarPointDivisor);
  m_strTeamwert = std::to_string(m_nTeamwert);
}

}  // namespace krv
