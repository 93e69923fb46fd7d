#include "create/TeamBuilder.h"

#include "create/TeamBudget.h"
#include "model/Format.h"
#include "model/Records.h"
#include "model/Team.h"
#include "rules/Races.h"

namespace krv {
namespace {

// What a new player of a position row is made from.
struct PositionSource {
  std::string name;
  int32_t bw, st, ge, rw, cost;
  std::string skills;
  int32_t code;
};

class PlayerNumbering {
 public:
  explicit PlayerNumbering(CKRTeam& team) : m_team(team) {}

  void Add(const std::string& name, const std::string& position, int32_t bw, int32_t st, int32_t ge, int32_t rw,
           int32_t value, const std::string& skills, int32_t code) {
    m_team.AddSpieler({.m_strName = name,
                       .m_strPosition = position,
                       .m_strFertigkeiten = skills,
                       .m_nNummer = m_nextNumber++,
                       .m_nBW = bw,
                       .m_nST = st,
                       .m_nGE = ge,
                       .m_nRW = rw,
                       .m_nWert = value,
                       .m_nID = m_team.m_nNaechsteID++,
                       .m_nPositionCode = code});
  }

 private:
  CKRTeam& m_team;
  int32_t m_nextNumber = 1;
};

}  // namespace

void PrepareNewTeam(CKRTeam& team, int32_t race) {
  team.m_nRasse = race;
  team.m_strErstellt = CurrentTimeStamp();
}

void BuildNewTeam(CKRTeam& team, const TeamBudget& budget) {
  team.m_strGold = "0";
  team.m_strTeamwert = "100";
  team.m_strName = budget.m_TeamName;

  for (int32_t n = 1; n <= budget.m_CoTrainer; ++n) team.AddCoTrainer({Format("Cotrainer%ld", static_cast<long>(n))});
  for (int32_t n = 1; n <= budget.m_Cheerleader; ++n)
    team.AddCheerleader({Format("Cheerleader%ld", static_cast<long>(n))});

  PlayerNumbering players(team);
  const bool ownRace = budget.m_Rasse == kEigeneRasse;
  // Races 0 to 14 have at most five rows; the own race uses all six.
  const int rows = ownRace ? kCreationRows : kCreationRows - 1;
  for (int row = 1; row <= rows; ++row) {
    const int32_t count = budget.m_Anzahl[row - 1];
    if (count <= 0) continue;
    PositionSource source;
    if (ownRace) {
      const SEigenePosition& p = team.m_Positionen[row - 1];
      if (p.m_nPositionCode == 0) continue;  // an undefined own position has no players
      source = {p.m_strName, p.m_nBW, p.m_nST, p.m_nGE, p.m_nRW, p.m_nCost, p.m_strSkills, p.m_nPositionCode};
    } else {
      if (!PositionRowEnabled(budget, row)) continue;
      const SKaderPosition& k = g_Kader[budget.m_ErsteZeile + row - 1];
      source = {k.m_pszName, k.m_nBW, k.m_nST, k.m_nGE, k.m_nRW, k.m_nCost, k.m_pszAbbreviations, k.m_nCode};
    }
    for (int32_t c = 1; c <= count; ++c)
      players.Add(Format("%s%ld", source.name.c_str(), static_cast<long>(c)), source.name, source.bw, source.st,
                  source.ge, source.rw, source.cost, source.skills, source.code);
  }

  for (const auto& star : budget.m_Starplayer)
    if (star)
      players.Add(star->m_strName, "Starplayer", star->m_nBW, star->m_nST, star->m_nGE, star->m_nRW, star->m_nWert,
                  star->m_strFertigkeiten, star->m_nPositionCode);

  team.AddEinnahme({"Startkapital", budget.m_Startkapital});
  team.AddAusgabe({"Team-Aufstellung", budget.m_Startkapital, kAusgabeTeamAufstellung});

  team.m_nFanFaktor = budget.m_FanFaktor;
  team.m_nMarken = budget.m_Trainingsmarken;
  team.m_nMarken2 = 0;
  team.m_nMarkenPreis = budget.m_MarkenPreis;
  team.m_nMarkenPreis2 = 2 * budget.m_MarkenPreis;

  team.m_bSani = 0;
  team.m_bZauberer = 0;
  if (budget.m_Sani) {
    team.m_bSani = 1;
    team.m_strSani = "Der Sani";
  }
  if (budget.m_Zauberer) {
    team.m_bZauberer = 1;
    team.m_strZauberer = "Der Zauberer";
  }
  team.m_strTrainer = "Der Trainer";
}

}  // namespace krv
