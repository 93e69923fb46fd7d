// The sample team the repository ships (share/examples/Orks.krt) is built here with the
// model API. The test fails when the team file format changes the bytes of that file;
// KRV_UPDATE_EXAMPLES=1 writes it anew.

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include "model/FileIO.h"
#include "model/TeamFile.h"
#include "support/PlayerLine.h"

namespace krv {
namespace {

struct Row {
  const char* name;
  int count, cost, bw, st, ge, rw;
  const char* skills;
  int code;
};

// An Orks team bought for 1.000.000 gold: 13 players, 2 re-rolls, fan factor 3, an apothecary.
std::unique_ptr<CKRTeam> MakeOrks() {
  auto team = std::make_unique<CKRTeam>();
  team->m_nNaechsteID = 100;
  team->m_nRasse = 10;
  team->m_strErstellt = "(06.12.26) 12:00:00";
  team->m_strGold = "0";
  team->m_strTeamwert = "100";
  team->m_strName = "Orks";
  const Row rows[] = {{"Feldspieler", 6, 50000, 5, 3, 5, 9, "", 25},
                      {"Werfer", 2, 70000, 5, 3, 5, 8, "Ballgef, Wurfs", 26},
                      {"Schwarzorks", 2, 80000, 4, 4, 2, 9, "", 27},
                      {"Blitzer", 2, 80000, 6, 3, 3, 9, "Blk", 28},
                      {"Goblins", 1, 40000, 6, 2, 3, 7, "Ausw,LebMü,Klein", 29}};
  int number = 1;
  for (const Row& r : rows)
    for (int c = 1; c <= r.count; ++c)
      test::AddPlayer(*team, number++, r.name + std::to_string(c), r.name, r.bw, r.st, r.ge, r.rw, r.cost, r.skills,
                      team->m_nNaechsteID++, r.code);
  team->AddEinnahme({"Startkapital", 1000000});
  team->AddAusgabe({"Team-Aufstellung", 1000000, kAusgabeTeamAufstellung});
  team->m_nFanFaktor = 3;
  team->m_nMarken = 2;
  team->m_nMarkenPreis = 60000;
  team->m_nMarkenPreis2 = 120000;
  team->m_bSani = 1;
  team->m_strSani = "Der Sani";
  team->m_strTrainer = "Der Trainer";
  team->Recalculate();
  team->m_strGeaendert = team->m_strErstellt;
  return team;
}

TEST(ExampleTeam, ShippedFileMatchesModel) {
  const std::string path = std::string(KRV_SOURCE_DIR) + "/share/examples/Orks.krt";
  auto team = MakeOrks();
  EXPECT_EQ(team->m_nTeamwert, 100);  // 800000 players + 120000 re-rolls + 30000 fans + 50000 apothecary
  EXPECT_EQ(team->m_strGold, "0");
  const std::string bytes = SerializeTeam(*team);
  if (std::getenv("KRV_UPDATE_EXAMPLES")) WriteFileAtomically(path, bytes);
  EXPECT_EQ(ReadWholeFile(path), bytes);
}

}  // namespace
}  // namespace krv
