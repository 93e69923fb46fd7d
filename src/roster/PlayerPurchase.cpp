#include "roster/PlayerPurchase.h"

#include <array>

#include "model/Format.h"
#include "model/Gold.h"
#include "rules/Races.h"

namespace krv {

const char* const kRosterFullMessage = "Sie haben schon 16 Spieler!\nMehr dürfen Sie nicht in Ihrer Mannschaft haben!";
const char* const kStarTooExpensiveMessage = "Soviel Gold haben Sie gar nicht!";

namespace {

// The positions each standard race offers, by position code, in the list's order.
const std::vector<int32_t>& OfferedCodes(int32_t race) {
  static const std::array<std::vector<int32_t>, 15> kCodes = {{
      {1, 0},
      {2, 3, 4},
      {5, 6, 7, 8},
      {53, 54},
      {9, 10, 11, 12},
      {13},
      {14},
      {15, 16, 17, 18},
      {19, 20, 21, 22},
      {23, 24},
      {25, 26, 27, 28, 29},
      {30, 31, 32, 33},
      {34, 35, 36, 37, 38},
      {39, 40, 41, 42},
      {43, 44, 45, 46},
  }};
  static const std::vector<int32_t> kNone;
  return race >= 0 && race < 15 ? kCodes[static_cast<size_t>(race)] : kNone;
}

constexpr int kOwnPurchaseSlots = 6;
constexpr std::array<int32_t, kOwnPurchaseSlots> kOwnSlotMaximum = {12, 2, 2, 2, 4, 4};

int32_t ActiveWithCode(const CKRTeam& team, int32_t code) {
  int32_t n = 0;
  for (const auto& s : team.m_Spieler)
    if (s && s->IsActive() && s->m_nPositionCode == code) ++n;
  return n;
}

int32_t Price(int32_t cost, bool card) { return card ? cost / 2 : cost; }

ChangeOutcome Bought(CKRTeam& team, CKRSpieler* player) {
  team.SetTeamModified();
  ChangeOutcome outcome = ChangeOutcome::Applied();
  outcome.created = player;
  return outcome;
}

CKRSpieler* AddNewPlayer(CKRTeam& team, const std::string& name, const std::string& position, int32_t bw, int32_t st,
                         int32_t ge, int32_t rw, int32_t value, const std::string& skills, int32_t code) {
  const int32_t id = team.m_nNaechsteID++;
  team.AddSpieler(team.GetFreeNummer(), name, position, bw, st, ge, rw, value, skills, id, code);
  return team.m_Spieler.back().get();
}

}  // namespace

int32_t PurchaseTreasury(const CKRTeam& team) { return ParseGold(team.m_strGold); }

int32_t CountActivePlayers(const CKRTeam& team) {
  int32_t n = 0;
  for (const auto& s : team.m_Spieler)
    if (s && s->IsActive()) ++n;
  return n;
}

ChangeOutcome RosterFullRefusal(const CKRTeam& team, int32_t maxSpieler) {
  if (CountActivePlayers(team) >= maxSpieler) return ChangeOutcome::Refuse(kRosterFullMessage);
  return ChangeOutcome::Nothing();
}

std::vector<PurchaseOffer> PurchaseOffers(const CKRTeam& team, int32_t treasury, bool card) {
  std::vector<PurchaseOffer> offers;
  if (team.m_nRasse == kEigeneRasse) {
    for (int slot = 0; slot < kOwnPurchaseSlots; ++slot) {
      const SEigenePosition& p = team.m_Positionen[static_cast<size_t>(slot)];
      if (p.m_nCost == 0) continue;
      // The own race's price must stay below the treasury, not merely reach it.
      if (Price(p.m_nCost, card) >= treasury) continue;
      const int32_t code = kFirstEigenePositionCode + slot;
      const int32_t remaining = kOwnSlotMaximum[static_cast<size_t>(slot)] - ActiveWithCode(team, code);
      if (remaining <= 0) continue;
      offers.push_back({remaining, p.m_nCost, p.m_strName, p.m_nBW, p.m_nST, p.m_nGE, p.m_nRW, p.m_strSkills, code});
    }
    return offers;
  }
  for (const int32_t code : OfferedCodes(team.m_nRasse)) {
    const SKaderPosition* row = FindPositionByCode(code);
    if (!row) continue;
    const int32_t remaining = row->m_nMaxCount - ActiveWithCode(team, code);
    if (remaining == 0) continue;
    if (Price(row->m_nCost, card) > treasury) continue;
    offers.push_back({remaining, row->m_nCost, row->m_pszName, row->m_nBW, row->m_nST, row->m_nGE, row->m_nRW,
                      row->m_pszSkills, code});
  }
  return offers;
}

const PurchaseOffer* FindPurchaseOffer(const std::vector<PurchaseOffer>& offers, const std::string& position) {
  for (const PurchaseOffer& offer : offers)
    if (offer.m_strPosition == position) return &offer;
  return nullptr;
}

int32_t StarButtonBigGuyAllowance(int32_t race) {
  switch (race) {
    case 5:
    case 6: return 2;
    case 9:
    case kEigeneRasse: return 0;
    default: return 1;
  }
}

bool StarButtonEnabled(const CKRTeam& team, int32_t treasury, int32_t maxSpieler) {
  int32_t stars = 0, bigGuys = 0, all = 0;
  for (const auto& s : team.m_Spieler) {
    if (!s || !s->IsActive()) continue;
    ++all;
    if (s->m_nPositionCode >= kFirstBrockenCode) ++bigGuys;
    else if (s->m_nPositionCode >= kFirstStarCode) ++stars;
  }
  if (stars >= 4 && bigGuys >= StarButtonBigGuyAllowance(team.m_nRasse)) return false;
  if (all >= maxSpieler) return false;
  return treasury != 0;
}

ChangeOutcome BuyPlayer(CKRTeam& team, const PlayerPurchase& purchase, int32_t maxSpieler) {
  if (ChangeOutcome full = RosterFullRefusal(team, maxSpieler); full.Refused()) return full;
  if (team.m_nRasse == kEigeneRasse) {
    for (int slot = 0; slot < kOwnPurchaseSlots; ++slot) {
      const SEigenePosition& p = team.m_Positionen[static_cast<size_t>(slot)];
      if (p.m_strName != purchase.m_strPosition) continue;
      const std::string name = purchase.m_Name.value_or(p.m_strName);
      const int32_t amount = Price(p.m_nCost, purchase.m_bCard);
      team.AddAusgabe(Format("Einstellung von %s als %s", name.c_str(), p.m_strName.c_str()), amount, kAusgabeSpieler);
      return Bought(team, AddNewPlayer(team, name, p.m_strName, p.m_nBW, p.m_nST, p.m_nGE, p.m_nRW, amount,
                                       p.m_strSkills, kFirstEigenePositionCode + slot));
    }
  } else if (const auto roster = GetRaceRoster(team.m_nRasse)) {
    for (int32_t i = 0; i < roster->m_nPositions; ++i) {
      const SKaderPosition& row = g_Kader[static_cast<size_t>(roster->m_nFirstRow + i)];
      if (purchase.m_strPosition != row.m_pszName) continue;
      const std::string name = purchase.m_Name.value_or(row.m_pszName);
      const int32_t amount = Price(row.m_nCost, purchase.m_bCard);
      std::string text = Format("Einstellung von %s als %s.", name.c_str(), row.m_pszName);
      if (purchase.m_bCard) text += " zum halben Preis!";
      team.AddAusgabe(text, amount, kAusgabeSpieler);
      return Bought(team, AddNewPlayer(team, name, row.m_pszName, row.m_nBW, row.m_nST, row.m_nGE, row.m_nRW, amount,
                                       row.m_pszAbbreviations, row.m_nCode));
    }
  }
  return ChangeOutcome::Refuse(
      Format("Die Position „%s“ gibt es bei diesem Team nicht.", purchase.m_strPosition.c_str()));
}

ChangeOutcome HireStarPlayer(CKRTeam& team, const CKRSpieler& star, int32_t maxSpieler) {
  if (ChangeOutcome full = RosterFullRefusal(team, maxSpieler); full.Refused()) return full;
  if (star.m_nWert > ParseGold(team.m_strGold))
    return ChangeOutcome::Refuse(kStarTooExpensiveMessage, NoticeKind::Bank);
  team.AddAusgabe(star.m_strName, star.m_nWert, kAusgabeStarplayer);
  const char* position = star.m_nPositionCode >= kFirstBrockenCode ? "Brocken" : "Starplayer";
  return Bought(team, AddNewPlayer(team, star.m_strName, position, star.m_nBW, star.m_nST, star.m_nGE, star.m_nRW,
                                   star.m_nWert, star.m_strFertigkeiten, star.m_nPositionCode));
}

ChangeOutcome BuyBuiltPlayer(CKRTeam& team, const PlayerBuilder& builder, int32_t maxSpieler) {
  if (ChangeOutcome full = RosterFullRefusal(team, maxSpieler); full.Refused()) return full;
  const int32_t price = BuilderPrice(builder);
  if (price > ParseGold(team.m_strGold)) return ChangeOutcome::Refuse(kStarTooExpensiveMessage, NoticeKind::Bank);
  team.AddAusgabe(Format(kBuilderExpenseText, builder.m_strName.c_str()), price, kBuilderExpenseKind);
  const CKRSpieler record = BuiltStarRecord(builder);
  return Bought(team,
                AddNewPlayer(team, record.m_strName, record.m_strPosition, record.m_nBW, record.m_nST, record.m_nGE,
                             record.m_nRW, price, record.m_strFertigkeiten, record.m_nPositionCode));
}

}  // namespace krv
