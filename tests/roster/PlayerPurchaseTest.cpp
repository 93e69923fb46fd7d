// Players joining the team: the offer list, the "&Starplayer" rule, the purchase, the star
// hire and the zombie revival.

#include "roster/PlayerPurchase.h"
#include "roster/ZombieRevival.h"

#include <gtest/gtest.h>

#include "support/FakeTeamHost.h"
#include "support/PlayerLine.h"

namespace krv {
namespace {

// A team of the race with `gold` in its treasury and no players.
std::unique_ptr<CKRTeam> TeamWithGold(int32_t race, int32_t gold) {
  auto team = std::make_unique<CKRTeam>();
  team->m_nNaechsteID = 100;
  team->m_nRasse = race;
  team->AddEinnahme({"Startkapital", gold});
  team->Recalculate();
  return team;
}

// The last expense as "text | amount | kind".
std::string LastExpense(const CKRTeam& team) {
  const CKRAusgaben& e = *team.m_Ausgaben.back();
  return e.m_strText + " | " + std::to_string(e.m_nBetrag) + " | " + std::to_string(e.m_nArt);
}

// A star player as the star selection hands him over.
CKRSpieler Morri(int32_t value = 190000, int32_t code = 212) {
  return {.m_strName = "Morri der Starke",
          .m_strFertigkeiten = "Blk,Ausw",
          .m_nBW = 6,
          .m_nWert = value,
          .m_nPositionCode = code};
}

void AddActive(CKRTeam& team, int32_t number, int32_t code, int32_t status = kStatusAktiv) {
  test::AddPlayer(team, number, "S", "P", 6, 3, 3, 8, 50000, "", team.m_nNaechsteID++, code);
  team.m_Spieler.back()->m_nStatus = status;
}

// Catches a wrong comparison of the price with the treasury: a standard position costing
// exactly the treasury is offered, an own-race position of that cost is not.
TEST(PlayerPurchase, PriceComparedWithTreasury) {
  auto humans = TeamWithGold(8, 90000);  // Menschen: Blitzer costs 90000
  auto offers = PurchaseOffers(*humans, PurchaseTreasury(*humans), false);
  ASSERT_NE(FindPurchaseOffer(offers, "Blitzer"), nullptr);
  EXPECT_EQ(FindPurchaseOffer(offers, "Blitzer")->m_nCost, 90000);
  EXPECT_EQ(offers.size(), 4u);  // 50000, 70000, 70000 and 90000: all affordable

  auto own = TeamWithGold(kEigeneRasse, 90000);
  own->m_Positionen[0].m_nCost = 90000;
  own->m_Positionen[1].m_nCost = 89999;
  own->m_Positionen[2].m_nCost = 0;  // undefined positions are never offered
  for (int slot = 3; slot < 6; ++slot) own->m_Positionen[slot].m_nCost = 200000;
  offers = PurchaseOffers(*own, PurchaseTreasury(*own), false);
  ASSERT_EQ(offers.size(), 1u);
  EXPECT_EQ(offers[0].m_strPosition, "Fänger");
  EXPECT_EQ(offers[0].m_nCode, 48);
  EXPECT_EQ(offers[0].m_nRemaining, 2);
}

// Catches the card halving the cost shown or the amount charged wrongly, or sticking to the
// next purchase: 70000 offered from 35000 with the card, charged 35000, value 35000, and the
// next purchase without the card costs 70000 again.
TEST(PlayerPurchase, HalfPriceCard) {
  auto team = TeamWithGold(8, 35000);  // Menschen: Werfer and Fänger cost 70000
  EXPECT_EQ(FindPurchaseOffer(PurchaseOffers(*team, 35000, false), "Werfer"), nullptr);
  auto offers = PurchaseOffers(*team, 35000, true);
  const PurchaseOffer* werfer = FindPurchaseOffer(offers, "Werfer");
  ASSERT_NE(werfer, nullptr);
  EXPECT_EQ(werfer->m_nCost, 70000);  // the list shows the full cost

  ChangeOutcome bought = BuyPlayer(*team, {"Werfer", std::string("Hans"), true}, 16);
  ASSERT_TRUE(bought.applied);
  EXPECT_EQ(LastExpense(*team),
            "Einstellung von Hans als Werfer. zum halben Preis! | 35000 | " + std::to_string(kAusgabeSpieler));
  EXPECT_EQ(bought.created->m_nWert, 35000);
  EXPECT_EQ(team->m_nGold, 0);

  team->AddEinnahme({"Sponsor", 100000});
  team->Recalculate();
  bought = BuyPlayer(*team, {"Werfer", std::string("Franz"), false}, 16);
  EXPECT_EQ(LastExpense(*team), "Einstellung von Franz als Werfer. | 70000 | " + std::to_string(kAusgabeSpieler));
  EXPECT_EQ(team->m_nGold, 30000);
}

// Catches a purchase that misses a field of the new player or of the team: the position's
// values and abbreviations, the next identity, the position code, the lowest free number
// (numbers of former players are free again) and the modified routine.
TEST(PlayerPurchase, BoughtPlayerAndCancelledName) {
  auto team = TeamWithGold(10, 1000000);
  test::FakeTeamHost host;
  team->m_pHost = &host;
  AddActive(*team, 1, 25);
  AddActive(*team, 2, 25, kStatusVerkauft);
  AddActive(*team, 3, 25);
  const int32_t nextId = team->m_nNaechsteID;

  const ChangeOutcome outcome = BuyPlayer(*team, {"Blitzer", std::nullopt, false}, 16);
  ASSERT_NE(outcome.created, nullptr);
  // A cancelled name dialog names him after his position.
  EXPECT_EQ(test::PlayerLine(*outcome.created),
            "2 Blitzer (Blitzer) 6/3/3/9 80000 [Blk] #" + std::to_string(nextId) + " 28");
  EXPECT_EQ(team->m_nNaechsteID, nextId + 1);
  EXPECT_EQ(LastExpense(*team), "Einstellung von Blitzer als Blitzer. | 80000 | " + std::to_string(kAusgabeSpieler));
  EXPECT_EQ(host.Count("modified"), 1u);
  EXPECT_FALSE(team->m_strGeaendert.empty());

  // Own race: the template's skill text, the slot's code and the text without period.
  auto own = TeamWithGold(kEigeneRasse, 1000000);
  own->m_Positionen[4].m_strName = "Mutant";
  own->m_Positionen[4].m_strSkills = "Blk,Klaue";
  own->m_Positionen[4].m_nCost = 90000;
  own->m_Positionen[4].m_nST = 4;
  const ChangeOutcome mutant = BuyPlayer(*own, {"Mutant", std::string("Grob"), true}, 16);
  ASSERT_NE(mutant.created, nullptr);
  EXPECT_EQ(test::PlayerLine(*mutant.created), "1 Grob (Mutant) 6/4/3/8 45000 [Blk,Klaue] #100 51");
  EXPECT_EQ(LastExpense(*own), "Einstellung von Grob als Mutant | 45000 | " + std::to_string(kAusgabeSpieler));

  EXPECT_TRUE(BuyPlayer(*team, {"Mutant", std::nullopt, false}, 16).Refused());
}

// Catches wrong counting for the remaining numbers and the player limit: only active players
// of that code count, a position with none left is not offered, and 16 active players stop
// the purchase while a sold one does not count.
TEST(PlayerPurchase, RemainingAndRosterLimit) {
  auto team = TeamWithGold(8, 1000000);
  for (int32_t n = 1; n <= 3; ++n) AddActive(*team, n, 22);
  AddActive(*team, 4, 22, kStatusVerstorben);
  auto offers = PurchaseOffers(*team, 1000000, false);
  ASSERT_NE(FindPurchaseOffer(offers, "Blitzer"), nullptr);
  EXPECT_EQ(FindPurchaseOffer(offers, "Blitzer")->m_nRemaining, 1);
  AddActive(*team, 5, 22);
  EXPECT_EQ(FindPurchaseOffer(PurchaseOffers(*team, 1000000, false), "Blitzer"), nullptr);

  for (int32_t n = 6; n <= 16; ++n) AddActive(*team, n, 19);
  EXPECT_EQ(CountActivePlayers(*team), 15);
  EXPECT_FALSE(RosterFullRefusal(*team, 16).Refused());
  AddActive(*team, 17, 19);
  EXPECT_EQ(RosterFullRefusal(*team, 16).refusal, (Notice{NoticeKind::Rules, kRosterFullMessage}));
  EXPECT_FALSE(RosterFullRefusal(*team, 17).Refused());
  // Every way in refuses a full roster itself, whichever window it comes from, and changes nothing.
  PlayerBuilder built{.m_strName = "Gebaut"};
  const size_t players = team->m_Spieler.size();
  for (const ChangeOutcome& full : {BuyPlayer(*team, {"Blitzer", std::nullopt, false}, 16),
                                    HireStarPlayer(*team, Morri(), 16), BuyBuiltPlayer(*team, built, 16)})
    EXPECT_EQ(full.refusal.text, kRosterFullMessage);
  EXPECT_EQ(team->m_Spieler.size(), players);
}

// Catches the "&Starplayer" rule mixing up its three conditions or the own race's big guys.
TEST(PlayerPurchase, StarButtonRule) {
  auto team = TeamWithGold(8, 500000);
  EXPECT_TRUE(StarButtonEnabled(*team, 500000, 16));
  EXPECT_FALSE(StarButtonEnabled(*team, 0, 16));
  EXPECT_TRUE(StarButtonEnabled(*team, -10000, 16));
  for (int32_t n = 1; n <= 4; ++n) AddActive(*team, n, 200 + n);
  EXPECT_TRUE(StarButtonEnabled(*team, 500000, 16));  // a big guy may still come
  AddActive(*team, 5, 300);
  EXPECT_FALSE(StarButtonEnabled(*team, 500000, 16));
  EXPECT_FALSE(StarButtonEnabled(*team, 500000, 5));

  auto own = TeamWithGold(kEigeneRasse, 500000);
  for (int32_t n = 1; n <= 4; ++n) AddActive(*own, n, 200 + n);
  EXPECT_FALSE(StarButtonEnabled(*own, 500000, 16));
  EXPECT_EQ(StarButtonBigGuyAllowance(5), 2);
  EXPECT_EQ(StarButtonBigGuyAllowance(9), 0);
}

// Catches a star hire booked with the wrong kind or position text, or going through
// although the bank says no.
TEST(PlayerPurchase, StarPlayerHire) {
  auto team = TeamWithGold(10, 200000);
  ChangeOutcome outcome = HireStarPlayer(*team, Morri(), 16);
  ASSERT_NE(outcome.created, nullptr);
  EXPECT_EQ(test::PlayerLine(*outcome.created), "1 Morri der Starke (Starplayer) 6/0/0/0 190000 [Blk,Ausw] #100 212");
  EXPECT_EQ(LastExpense(*team), "Morri der Starke | 190000 | " + std::to_string(kAusgabeStarplayer));
  EXPECT_EQ(team->m_nGold, 10000);

  outcome = HireStarPlayer(*team, Morri(10000, 301), 16);
  ASSERT_NE(outcome.created, nullptr);
  EXPECT_EQ(outcome.created->m_strPosition, "Brocken");

  const size_t players = team->m_Spieler.size();
  EXPECT_EQ(HireStarPlayer(*team, Morri(10001), 16).refusal, (Notice{NoticeKind::Bank, kStarTooExpensiveMessage}));
  EXPECT_EQ(team->m_Spieler.size(), players);
}

// Catches a built star player bought with the wrong price, kind, code, number or identity, or
// a refused one that still touches the team: the card's half price is price and value.
TEST(PlayerPurchase, BuiltStarPlayer) {
  auto team = TeamWithGold(8, 200000);
  AddActive(*team, 1, 19);
  AddActive(*team, 2, 19, kStatusVerstorben);  // number 2 is free again
  const int32_t nextId = team->m_nNaechsteID;
  PlayerBuilder built{
      .m_strName = "Grom", .m_nBW = 8, .m_nST = 4, .m_nGE = 4, .m_SelectedSkills = {"Blocken", "Brutal"}};
  built.m_bPurchaseMode = built.m_bCard = true;
  ASSERT_FALSE(PlayerBuilderKaufen(built, PurchaseTreasury(*team)).Refused());
  const int32_t price = built.m_nValue / 2;
  const ChangeOutcome bought = BuyBuiltPlayer(*team, built, 16);
  ASSERT_NE(bought.created, nullptr);
  EXPECT_EQ(test::PlayerLine(*bought.created),
            "2 Grom (Starplayer) 8/4/4/8 " + std::to_string(price) + " [Blk,Brut] #" + std::to_string(nextId) + " 222");
  EXPECT_EQ(LastExpense(*team), "Einstellung von Starplayer Grom | " + std::to_string(price) + " | 18");

  const size_t players = team->m_Spieler.size();
  built.m_bCard = false;
  built.m_nValue = PurchaseTreasury(*team) + 1;
  EXPECT_EQ(BuyBuiltPlayer(*team, built, 16).refusal.kind, NoticeKind::Bank);
  EXPECT_EQ(team->m_Spieler.size(), players);
}

// Catches the checks in the wrong order: eight zombies among ten players give the zombie
// message even when the player limit is reached too; any other race only hears that this
// is for the undead.
TEST(ZombieRevival, ChecksInOrder) {
  CKRTeam team;
  team.m_nRasse = kUndeadRace;
  for (int32_t n = 1; n <= 8; ++n) AddActive(team, n, kZombieCode);
  AddActive(team, 9, 34);
  AddActive(team, 10, 34);
  EXPECT_EQ(ZombieRevivalRefusal(team, 10).refusal, (Notice{NoticeKind::Rules, kTooManyZombiesMessage}));
  team.m_Spieler.front()->m_nStatus = kStatusVerstorben;  // a dead zombie does not count
  EXPECT_EQ(ZombieRevivalRefusal(team, 9).refusal.text, kRosterFullMessage);
  // The revival checks the same itself.
  EXPECT_EQ(ReviveZombie(team, "Gregor", 9).refusal.text, kRosterFullMessage);
  EXPECT_EQ(team.m_Spieler.size(), 10u);
  EXPECT_FALSE(ZombieRevivalRefusal(team, 16).Refused());

  CKRTeam orcs;
  orcs.m_nRasse = 10;
  EXPECT_EQ(ZombieRevivalRefusal(orcs, 16).refusal.text, kOnlyUndeadMessage);
}

// Catches a revival with the wrong values, an expense, or a number that a former player's
// number could have given: the lowest free number is taken again.
TEST(ZombieRevival, RevivedZombie) {
  CKRTeam team;
  team.m_nNaechsteID = 120;
  team.m_nRasse = kUndeadRace;
  AddActive(team, 1, 34);
  AddActive(team, 2, 34, kStatusVerstorben);
  AddActive(team, 3, 34);
  const ChangeOutcome revived = ReviveZombie(team, "Gregor", 16);
  ASSERT_NE(revived.created, nullptr);
  EXPECT_EQ(test::PlayerLine(*revived.created), "2 Gregor (Neuer Zombie) 5/3/2/7 3000 [Reg] #123 35");
  EXPECT_EQ(team.m_nNaechsteID, 124);
  EXPECT_TRUE(team.m_Ausgaben.empty());
  ASSERT_EQ(team.m_Ereignisse.size(), 1u);
  EXPECT_EQ(team.m_Ereignisse[0]->m_strText, "Wiederbelebung von 'Gregor'.");
  EXPECT_EQ(team.m_Ereignisse[0]->m_nArt, kEreignisSonstiges);
}

}  // namespace
}  // namespace krv
