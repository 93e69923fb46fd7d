// Recovery files: written and read back whole; a start offers only those of programs no
// longer running; an unreadable one is reported and kept aside, never offered again.

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "history/RecoveryFiles.h"
#include "history/TeamState.h"
#include "model/FileIO.h"
#include "support/SeasonTeam.h"
#include "support/TempFolder.h"

namespace krv {
namespace {

using RecoveryFilesTest = test::TempFolderTest;

// Catches a record that loses the team's name or bytes (a path with a line break in it
// would break a line-based header) and a folder that is not made when missing.
TEST_F(RecoveryFilesTest, RecordReadBackWhole) {
  std::unique_ptr<CKRTeam> team = test::MakeSeasonTeam();
  team->Recalculate();
  const RecoveryRecord written = OwnRecoveryRecord("/home/t/Orks\nneu.krt", true, TeamState(*team));
  const std::string path = OwnRecoveryFile(Path("state/krashball"), 3);
  WriteRecoveryFile(path, written);
  const RecoveryRecord read = ReadRecoveryFile(path);
  EXPECT_EQ(read.teamPath, written.teamPath);
  EXPECT_TRUE(read.neverSaved);
  EXPECT_EQ(TeamState(*RecoveredTeam(read, path)), written.team);
  EXPECT_TRUE(ProgramRunning(read.pid, read.processStart));  // this test is that program
}

// Catches a second start taking the files of a running program, a reused pid counted as the
// old program, and an unreadable file that ends the start or is lost.
TEST_F(RecoveryFilesTest, OnlyFilesOfProgramsGoneAreOffered) {
  RecoveryRecord own = OwnRecoveryRecord("/t/Laufend.krt", false, "team");
  WriteRecoveryFile(Path("1.notfall"), own);
  RecoveryRecord reused = own;
  reused.processStart = "1";  // the same pid, but another program long gone
  reused.teamPath = "/t/Orks.krt";
  WriteRecoveryFile(Path("2.notfall"), reused);
  std::ofstream(Path("3.notfall")) << "kaputt";
  std::ofstream(Path("Orks.krt")) << "kein Notfall";

  const std::vector<LeftRecovery> left = LeftRecoveries(m_dir.string());
  ASSERT_EQ(left.size(), 2u);
  const LeftRecovery& gone = left[0].error.empty() ? left[0] : left[1];
  const LeftRecovery& broken = left[0].error.empty() ? left[1] : left[0];
  EXPECT_EQ(gone.record.teamPath, "/t/Orks.krt");
  EXPECT_NE(broken.error.find("3.notfall"), std::string::npos);
  EXPECT_THROW(RecoveredTeam(gone.record, gone.path), FileError);  // "team" is no team

  const std::string aside = SetRecoveryFileAside(broken.path);
  EXPECT_TRUE(std::filesystem::exists(aside));
  EXPECT_EQ(LeftRecoveries(m_dir.string()).size(), 1u);
}

}  // namespace
}  // namespace krv
