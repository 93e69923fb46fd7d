#include "create/StarOffer.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "model/Team.h"
#include "support/PlayerLine.h"

namespace krv {
namespace {

constexpr int32_t kCapital = 1000000;

std::vector<std::string> Names(const std::vector<StarOfferRow>& rows) {
  std::vector<std::string> names;
  for (const StarOfferRow& row : rows) names.emplace_back(row.m_pStar->m_pszName);
  return names;
}

std::vector<std::string> OfferedAtCreation(int32_t race, int32_t capital = kCapital, bool card = false) {
  return Names(StarOffers({.m_nRace = race, .m_bCard = card, .m_nStartingCapital = capital}));
}

// The starting capital must not matter.
std::vector<std::string> OfferedToTeam(const CKRTeam& team, bool card = false) {
  return Names(StarOffers({.m_nRace = team.m_nRasse, .m_pTeam = &team, .m_bUseTeamGold = true, .m_bCard = card}));
}

void AddPlayer(CKRTeam& team, int32_t code, int32_t status = kStatusAktiv) {
  test::AddPlayer(team, team.GetFreeNummer(), "S", "Starplayer", 6, 3, 3, 8, 100000, "", team.m_nNaechsteID++, code);
  team.m_Spieler.back()->m_nStatus = status;
}

using V = std::vector<std::string>;

// Which races see which star players; a wrong race bit or a wrong filter would change these
// lists (Echsenmenschen have no Morg, Untote only two, Elfen only Morg).
TEST(StarOffer, OffersPerRace) {
  EXPECT_EQ(OfferedAtCreation(3), (V{"Silibili", "Kroxigor (Brocken)"}));
  EXPECT_EQ(OfferedAtCreation(4), (V{"Morg 'n' Thorg"}));
  EXPECT_EQ(OfferedAtCreation(9), (V{"Fungus Wahnwitz", "Bomba Sabbarotz", "Nobbla Warzenfuss", "Skrapa Githirn",
                                     "Rippa Bolgrot", "Morg 'n' Thorg"}));
  EXPECT_EQ(OfferedAtCreation(12), (V{"Morg 'n' Thorg", "Graf Luthor von Drakenborg"}));
  EXPECT_EQ(OfferedAtCreation(15), (V{"Morg 'n' Thorg"}));
  EXPECT_TRUE(OfferedAtCreation(16).empty());
  EXPECT_TRUE(OfferedAtCreation(-1).empty());

  // An Oger team buying later is never offered a big guy.
  CKRTeam oger;
  oger.m_nRasse = 9;
  oger.m_nGold = 1000000;
  for (const std::string& name : OfferedToTeam(oger)) EXPECT_EQ(name.find("(Brocken)"), std::string::npos) << name;
  EXPECT_EQ(OfferedToTeam(oger).size(), 6u);

  // The list columns: the full cost with "." grouping.
  const std::vector<StarOfferRow> rows = StarOffers({.m_nRace = 12, .m_nStartingCapital = kCapital});
  ASSERT_EQ(rows.size(), 2u);
  EXPECT_EQ(rows[1].Columns(), (std::array<std::string, 7>{"Graf Luthor von Drakenborg", "170.000", "6", "5", "4", "9",
                                                           "Blocken, Ausweichen, Hypnotischer Blick, Regeneration"}));
  EXPECT_EQ(rows[1].m_nPrice, 170000);
}

// The price must be below the gold; the card halves the price for that comparison only,
// the list and the record keep the full value. Comparing the full cost with the card, or
// storing the half price, would show here.
TEST(StarOffer, GoldAndCard) {
  // Below, not equal.
  EXPECT_TRUE(OfferedAtCreation(4, 190000).empty());
  EXPECT_EQ(OfferedAtCreation(4, 190001), (V{"Morg 'n' Thorg"}));

  CKRTeam elves;
  elves.m_nRasse = 4;
  elves.m_nGold = 100000;
  EXPECT_TRUE(OfferedToTeam(elves).empty());
  EXPECT_EQ(OfferedToTeam(elves, true), (V{"Morg 'n' Thorg"}));

  StarOfferRequest request{.m_nRace = 4, .m_pTeam = &elves, .m_bUseTeamGold = true, .m_bCard = true};
  EXPECT_EQ(StarOfferGold(request), 100000);
  const std::vector<StarOfferRow> rows = StarOffers(request);
  ASSERT_EQ(rows.size(), 1u);
  EXPECT_EQ(rows[0].m_nPrice, 95000);
  EXPECT_EQ(rows[0].Columns()[1], "190.000");
  const std::optional<CKRSpieler> record = TakeStarOffer(rows[0].Columns()[0]);
  ASSERT_TRUE(record);
  EXPECT_EQ(record->m_nWert, 190000);

  // With the card Rippa (150000) needs more than 75000 gold, Morg (190000) more than 95000.
  EXPECT_EQ(OfferedAtCreation(9, 75000, true),
            (V{"Fungus Wahnwitz", "Bomba Sabbarotz", "Nobbla Warzenfuss", "Skrapa Githirn"}));
  EXPECT_EQ(OfferedAtCreation(9, 75001, true),
            (V{"Fungus Wahnwitz", "Bomba Sabbarotz", "Nobbla Warzenfuss", "Skrapa Githirn", "Rippa Bolgrot"}));

  // A team whose gold is not to be used is measured against the starting capital.
  request.m_bUseTeamGold = false;
  request.m_bCard = false;
  request.m_nStartingCapital = kCapital;
  EXPECT_EQ(StarOfferGold(request), kCapital);
  EXPECT_EQ(Names(StarOffers(request)), (V{"Morg 'n' Thorg"}));
}

// With a team: at most four active star players, big guys up to the race's allowance; only
// active players count, and the count comes from the players, not from a stale field.
// Without a team there are no limits at all.
TEST(StarOffer, TeamLimits) {
  CKRTeam chaos;
  chaos.m_nRasse = 0;
  chaos.m_nGold = 1000000;
  const V all = {"Nobbla Warzenfuss",    "Skrapa Githirn", "Grashnak Schwarzhuf",
                 "Borak der Vernichter", "Rippa Bolgrot",  "Morg 'n' Thorg",
                 "Minotaurus (Brocken)", "Oger (Brocken)", "Troll (Brocken)"};
  EXPECT_EQ(OfferedToTeam(chaos), all);

  AddPlayer(chaos, 200);
  AddPlayer(chaos, 205);
  AddPlayer(chaos, 222);  // a built star player counts as a star player
  AddPlayer(chaos, 210, kStatusVerkauft);
  EXPECT_EQ(OfferedToTeam(chaos), all);
  AddPlayer(chaos, 216);
  chaos.m_nAnzahlStars = 0;  // not refreshed: must not matter
  EXPECT_EQ(OfferedToTeam(chaos), (V{"Minotaurus (Brocken)", "Oger (Brocken)", "Troll (Brocken)"}));
  AddPlayer(chaos, 302);
  EXPECT_TRUE(OfferedToTeam(chaos).empty());

  // Goblins may have two big guys.
  CKRTeam goblins;
  goblins.m_nRasse = 5;
  goblins.m_nGold = 1000000;
  AddPlayer(goblins, 305);
  V names = OfferedToTeam(goblins);
  EXPECT_NE(std::find(names.begin(), names.end(), "Troll (Brocken)"), names.end());
  AddPlayer(goblins, 302, kStatusVerstorben);
  EXPECT_EQ(OfferedToTeam(goblins), names);
  AddPlayer(goblins, 302);
  for (const std::string& name : OfferedToTeam(goblins)) EXPECT_EQ(name.find("(Brocken)"), std::string::npos) << name;

  const SStarplayer* troll = FindStarplayerByName("Troll (Brocken)");
  ASSERT_NE(troll, nullptr);
  EXPECT_FALSE(TeamMayHireStar(&goblins, 5, *troll));
  EXPECT_TRUE(TeamMayHireStar(nullptr, 5, *troll));

  // At creation four big guys can fill the four slots: the offer does not change.
  for (int slot = 0; slot < 4; ++slot) EXPECT_TRUE(StarRecordForCreation(0, "Troll (Brocken)", kCapital));
  EXPECT_EQ(OfferedAtCreation(0), all);
}

// Finding a row from a list entry and turning it into a player record; a wrong lookup or a
// lost leading item would give the slot the wrong player or skills.
TEST(StarOffer, RecordsAndLookups) {
  EXPECT_EQ(FindStarOfferRow("Morg 'n' Thorg"), &g_Starplayer[16]);
  EXPECT_EQ(FindStarOfferRow("  Griff Oberwald (180.000)"), &g_Starplayer[14]);
  EXPECT_EQ(FindStarOfferRow("Niemand"), nullptr);
  EXPECT_EQ(FindStarOfferRow(""), nullptr);
  EXPECT_FALSE(TakeStarOffer("Niemand"));

  const std::optional<CKRSpieler> bomba = TakeStarOffer("Bomba Sabbarotz");
  ASSERT_TRUE(bomba);
  EXPECT_EQ(test::PlayerLine(*bomba), "0 Bomba Sabbarotz () 6/2/3/7 80000 [<Bombenleger>,Ausw,Ziels] #0 201");

  EXPECT_EQ(StarplayerRecord(g_Starplayer[0]).m_strFertigkeiten, "<Morgenstern>");
  EXPECT_EQ(StarplayerRecord(g_Starplayer[28]).m_nPositionCode, 305);

  // Team creation by name: exact names only, the race must be allowed, the cost below the
  // starting capital.
  EXPECT_EQ(FindStarplayerByName("griff oberwald"), nullptr);
  const std::optional<CKRSpieler> griff = StarRecordForCreation(8, "Griff Oberwald", kCapital);
  ASSERT_TRUE(griff);
  EXPECT_EQ(griff->m_strFertigkeiten, "Ausw,Blk,Sp.sich,Spring,Sprinten");
  EXPECT_FALSE(StarRecordForCreation(8, "Griff Oberwald", 180000));
  EXPECT_TRUE(StarRecordForCreation(8, "Griff Oberwald", 180001));
  EXPECT_FALSE(StarRecordForCreation(4, "Griff Oberwald", kCapital));
  EXPECT_FALSE(StarRecordForCreation(8, "Griff", kCapital));
  EXPECT_FALSE(StarRecordForCreation(16, "Morg 'n' Thorg", kCapital));
  EXPECT_TRUE(IsStarOfferedAtCreation(3, g_Starplayer[22], kCapital));
  EXPECT_FALSE(IsStarOfferedAtCreation(3, g_Starplayer[16], kCapital));
}

}  // namespace
}  // namespace krv
