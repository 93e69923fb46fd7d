// The sample team the repository ships (share/examples/Orks.krt): an Orks team bought for
// 1.000.000 gold. The test fails when the team file format changes the bytes of that file
// (read and written anew they must stay the same) or the rules its figures (team value 100:
// 800000 players + 120000 re-rolls + 30000 fans + 50000 apothecary; no gold left);
// KRV_UPDATE_EXAMPLES=1 writes it anew.

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include "model/FileIO.h"
#include "model/TeamFile.h"

namespace krv {
namespace {

TEST(ExampleTeam, ShippedFileMatchesModel) {
  const std::string path = std::string(KRV_SOURCE_DIR) + "/share/examples/Orks.krt";
  auto team = LoadTeamFile(path);
  const std::string stored = team->m_strTeamwert + "|" + team->m_strGold;
  team->Recalculate();
  EXPECT_EQ(stored, "100|0");
  EXPECT_EQ(team->m_nTeamwert, 100);
  EXPECT_EQ(team->m_nGold, 0);
  EXPECT_EQ(team->m_Spieler.size(), 13u);
  const std::string bytes = SerializeTeam(*team);
  if (std::getenv("KRV_UPDATE_EXAMPLES")) WriteFileAtomically(path, bytes);
  EXPECT_EQ(ReadWholeFile(path), bytes);
}

}  // namespace
}  // namespace krv
