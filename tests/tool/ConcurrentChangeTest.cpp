// Several krv processes changing one team file at the same time, as a coach's scripts or a
// league tool do: every change reported as done must be in the file, a refused one must say
// so, and one save must never take away another's temporary file.

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <sys/file.h>

#include "model/FileIO.h"
#include "model/FileLock.h"
#include "model/TeamFile.h"
#include "support/KrvRunner.h"
#include "support/SampleTeams.h"

namespace krv {
namespace {

using ConcurrentChange = test::KrvToolTest;

bool HasEvent(const CKRTeam& team, const std::string& text) {
  return std::any_of(team.m_Ereignisse.begin(), team.m_Ereignisse.end(),
                     [&](const auto& e) { return e && e->m_strText == text; });
}

// Without a lock both runs of a pair read the old file and the later save dropped the
// earlier one's event although both printed "eingetragen" (176 of 200 pairs); a save's
// clean-up also deleted the other run's temporary file before its rename. Every run must
// now succeed (the second waits for the first) and every event must be in the file.
TEST_F(ConcurrentChange, EveryReportedChangeIsInTheFile) {
  auto team = test::MakeSampleTeam();
  SaveTeamFile(*team, Path("team.krt"));
  constexpr int kPairs = 60;
  int lost = 0;
  for (int pair = 0; pair < kPairs; ++pair) {
    const std::string a = "A" + std::to_string(pair), b = "B" + std::to_string(pair);
    const pid_t first = test::StartKrv({"ereignis", Path("team.krt"), "--text", a}, Path("err-a"));
    const pid_t second = test::StartKrv({"ereignis", Path("team.krt"), "--text", b}, Path("err-b"));
    EXPECT_EQ(test::ExitStatus(first), 0) << ReadWholeFile(Path("err-a"));
    EXPECT_EQ(test::ExitStatus(second), 0) << ReadWholeFile(Path("err-b"));
    const auto now = LoadTeamFile(Path("team.krt"));
    lost += !HasEvent(*now, a) + !HasEvent(*now, b);
  }
  std::printf("%d pairs: %d changes reported but lost\n", kPairs, lost);
  EXPECT_EQ(lost, 0);
}

// A writer that does not get the lock in time refuses with status 1 and a clear message and
// leaves the file as it was; the holder's change is not disturbed.
TEST_F(ConcurrentChange, BusyFileIsRefusedUnchanged) {
  auto team = test::MakeSampleTeam();
  SaveTeamFile(*team, Path("team.krt"));
  const std::string before = ReadWholeFile(Path("team.krt"));
  const FileLock held(Path("team.krt"));
  ASSERT_TRUE(held.Held());
  // The lock belongs to an open file description: a second one in this very process waits too.
  EXPECT_THROW(FileLock(Path("team.krt"), std::chrono::milliseconds(50)), FileError);

  const test::KrvResult r = Run({"ereignis", Path("team.krt"), "--text", "Warten"});
  EXPECT_EQ(r.status, 1);
  EXPECT_TRUE(test::Has(r.err, "wird gerade von einem anderen Programm geändert. Sie bleibt unverändert")) << r.err;
  EXPECT_EQ(ReadWholeFile(Path("team.krt")), before);
}

}  // namespace
}  // namespace krv
