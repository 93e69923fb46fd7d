#include "create/StarOffer.h"

#include "model/Gold.h"
#include "model/Team.h"
#include "rules/Skills.h"

namespace krv {

const char* const kNoStarOfferMessage =
    "Sie haben nicht genügend Gold\num einen der vorgefertigen Starplayer\nzu kaufen!";

namespace {

struct StarCounts {
  int32_t m_nStars = 0;
  int32_t m_nBigGuys = 0;
};

// Counted from the players themselves, by the same rule as CountSpielerArten, so that a
// count the team has not refreshed yet cannot let a fifth star player or an extra big guy in.
StarCounts CountActiveStars(const CKRTeam& team) {
  StarCounts counts;
  for (const auto& s : team.m_Spieler) {
    if (!s || !s->IsActive()) continue;
    if (s->m_nPositionCode >= kFirstBrockenCode) ++counts.m_nBigGuys;
    else if (s->m_nPositionCode >= kFirstStarCode) ++counts.m_nStars;
  }
  return counts;
}

int32_t OfferPrice(const SStarplayer& star, bool card) { return card ? star.m_nCost / 2 : star.m_nCost; }

}  // namespace

std::array<std::string, 7> StarOfferRow::Columns() const {
  if (!m_pStar) return {};
  return {m_pStar->m_pszName,
          FormatGoldNumber(m_pStar->m_nCost),
          std::to_string(m_pStar->m_nBW),
          std::to_string(m_pStar->m_nST),
          std::to_string(m_pStar->m_nGE),
          std::to_string(m_pStar->m_nRW),
          m_pStar->m_pszSkills};
}

int32_t StarOfferGold(const StarOfferRequest& request) {
  if (request.m_bUseTeamGold && request.m_pTeam) return ClampedGold(request.m_pTeam->m_nGold);
  return request.m_nStartingCapital;
}

bool TeamMayHireStar(const CKRTeam* team, int32_t race, const SStarplayer& star) {
  if (!team) return true;
  const StarCounts counts = CountActiveStars(*team);
  if (IsBigGuyCode(star.m_nCode)) return counts.m_nBigGuys < BigGuyAllowance(race);
  return counts.m_nStars < kMaxStarplayersPerTeam;
}

std::vector<StarOfferRow> StarOffers(const StarOfferRequest& request) {
  std::vector<StarOfferRow> rows;
  const uint32_t raceBit = StarplayerRaceMask(request.m_nRace);
  if (raceBit == 0) return rows;
  const int32_t gold = StarOfferGold(request);
  for (const SStarplayer& star : g_Starplayer) {
    if ((star.m_nRaces & raceBit) == 0) continue;
    const int32_t price = OfferPrice(star, request.m_bCard);
    if (price >= gold) continue;
    if (!TeamMayHireStar(request.m_pTeam, request.m_nRace, star)) continue;
    rows.push_back(StarOfferRow{&star, price});
  }
  return rows;
}

const SStarplayer* FindStarOfferRow(std::string_view entryText) { return FindStarplayerInText(entryText); }

CKRSpieler StarplayerRecord(const SStarplayer& star) {
  CKRSpieler record;
  record.m_strName = star.m_pszName;
  record.m_nBW = star.m_nBW;
  record.m_nST = star.m_nST;
  record.m_nGE = star.m_nGE;
  record.m_nRW = star.m_nRW;
  record.m_nWert = star.m_nCost;
  record.m_strFertigkeiten = SkillTextToAbbreviations(star.m_pszSkills);
  record.m_nPositionCode = star.m_nCode;
  return record;
}

std::optional<CKRSpieler> TakeStarOffer(std::string_view entryText) {
  const SStarplayer* star = FindStarOfferRow(entryText);
  if (!star) return std::nullopt;
  return StarplayerRecord(*star);
}

const SStarplayer* FindStarplayerByName(std::string_view name) {
  for (const SStarplayer& star : g_Starplayer)
    if (name == star.m_pszName) return &star;
  return nullptr;
}

bool IsStarOfferedAtCreation(int32_t race, const SStarplayer& star, int32_t startingCapital) {
  const uint32_t raceBit = StarplayerRaceMask(race);
  return raceBit != 0 && (star.m_nRaces & raceBit) != 0 && star.m_nCost < startingCapital;
}

std::optional<CKRSpieler> StarRecordForCreation(int32_t race, std::string_view name, int32_t startingCapital) {
  const SStarplayer* star = FindStarplayerByName(name);
  if (!star || !IsStarOfferedAtCreation(race, *star, startingCapital)) return std::nullopt;
  return StarplayerRecord(*star);
}

}  // namespace krv
