#pragma once
// One change of every kind the roster commands make, each on the season team
// (support/SeasonTeam.h), with the list page whose command makes it and the step name the
// window gives it. For the tests of the step history and of the step names.

#include <functional>
#include <string>

#include "create/PlayerBuilder.h"
#include "model/TeamChange.h"
#include "roster/PlayerChange.h"
#include "roster/PlayerPurchase.h"
#include "roster/PlayerRemoval.h"
#include "roster/RaceRepair.h"
#include "roster/ZombieRevival.h"
#include "teamwindow/PageCommands.h"

namespace krv::test {

struct RosterChange {
  const char* kind;
  TeamList list;        // the page whose command makes the change
  PageCommand command;  // that command
  const char* step;     // the step's name; null for a command named before it runs
  std::function<void(CKRTeam&)> change;
};

inline const RosterChange kRosterChanges[] = {
    {"player bought", TeamList::kPlayers, PageCommand::New, "Spieler Lurtz Zwo kaufen",
     [](CKRTeam& t) {
       BuyPlayer(t, {"Feldspieler", std::string("Lurtz Zwo"), true}, 16);
     }},
    {"star player hired", TeamList::kPlayers, PageCommand::New, "Starplayer Morg einstellen",
     [](CKRTeam& t) {
       HireStarPlayer(t, {.m_strName = "Morg", .m_nBW = 6, .m_nWert = 10000, .m_nPositionCode = 212}, 16);
     }},
    // Bought through the expense page's choice "Starspieler": the step is still the player's.
    {"star player built", TeamList::kExpenses, PageCommand::New, "Starplayer Grom bauen",
     [](CKRTeam& t) {
       PlayerBuilder built;
       built.m_strName = "Grom";
       built.m_bPurchaseMode = true;
       built.m_bCard = true;
       PlayerBuilderKaufen(built, PurchaseTreasury(t));
       BuyBuiltPlayer(t, built, 16);
     }},
    {"zombie revived", TeamList::kPlayers, PageCommand::Zombie, "Zombie Hektor wiederbeleben",
     [](CKRTeam& t) {
       t.m_nRasse = kUndeadRace;
       ReviveZombie(t, "Hektor", 16);
     }},
    {"player sold", TeamList::kPlayers, PageCommand::Delete, nullptr,
     [](CKRTeam& t) {
       RemovePlayer(t, *t.m_Spieler[0], {RemovalReason::kVerkauft, ""});
     }},
    {"player made assistant coach", TeamList::kPlayers, PageCommand::Delete, nullptr,
     [](CKRTeam& t) {
       RemovePlayer(t, *t.m_Spieler[1], {RemovalReason::kCotrainer, ""});
     }},
    {"former player removed entirely", TeamList::kPlayers, PageCommand::Delete, nullptr,
     [](CKRTeam& t) { RemovePlayerCompletely(t, t.m_Spieler[6].get()); }},
    {"player changed", TeamList::kPlayers, PageCommand::Change, nullptr,
     [](CKRTeam& t) {
       PlayerChange change = PlayerChangeFrom(*t.m_Spieler[0]);
       ++change.m_nTD;
       ApplyPlayerChange(t, *t.m_Spieler[0], change, true, "02.06.07");
     }},
    {"skills set at once", TeamList::kPlayers, PageCommand::Change, nullptr,
     [](CKRTeam& t) { SetSkillsAtOnce(t, *t.m_Spieler[2], "Pass,Genau"); }},
    {"race repaired", TeamList::kPlayers, PageCommand::Change, nullptr,
     [](CKRTeam& t) {
       RaceRepair repair = StartRaceRepair(t);
       AssignPositionType(repair, {0}, 11);
       repair.race = kEigeneRasse;
       repair.ownRaceName = "Grünhäute";
       ApplyRaceRepair(t, repair);
     }},
};

}  // namespace krv::test
