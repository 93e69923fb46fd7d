// krv resave killed with SIGKILL at random moments: the target must always be the complete
// old or the complete new file. The finished file is named beside the target an instant before
// it replaces it; a kill in that instant may leave it, complete. (The next save removing what
// ended saves left, and only that: FileIO.SaveRemovesOnlyTemporaryFilesOfEndedSaves.)

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <random>
#include <set>
#include <signal.h>
#include <thread>

#include "model/FileIO.h"
#include "model/TeamFile.h"
#include "support/LargeTeam.h"
#include "support/KrvRunner.h"

namespace krv {
namespace {

namespace fs = std::filesystem;
using KilledSave = test::TempFolderTest;
using Clock = std::chrono::steady_clock;

// Earlier saves replaced the target safely but left a full-size temporary file ("target.krt.krv-tmp.PID.XXXXXX") in
// about one kill of seven, half-written ones among them, and nothing ever removed them. The team is a few megabytes, so
// that a kill lands in every phase: reading, computing, writing, flushing and putting in place.
TEST_F(KilledSave, LeavesOldOrNewFileAndNothingElse) {
  auto team = test::MakeLargeTeam();
  team->m_Games.resize(1500);
  team->m_Einnahmen.resize(1500);
  team->m_Ausgaben.resize(1500);
  const std::string in = Path("gross.krt"), target = Path("ziel.krt"), newPath = Path("neu.krt");
  SaveTeamFile(*team, in);
  team->m_strName = "Alte Fassung";
  team->m_Games.resize(1000);
  SaveTeamFile(*team, target);
  const std::string oldBytes = ReadWholeFile(target);

  // One undisturbed run gives the new bytes and how long a save takes.
  const auto start = Clock::now();
  ASSERT_EQ(test::ExitStatus(test::StartKrv({"resave", in, newPath})), 0);
  const auto duration = std::chrono::duration_cast<std::chrono::microseconds>(Clock::now() - start);
  const std::string newBytes = ReadWholeFile(newPath);
  fs::remove(newPath);
  ASSERT_NE(newBytes, oldBytes);

  std::mt19937 random(std::random_device{}());
  std::uniform_int_distribution<int64_t> moment(0, duration.count() * 11 / 10);
  int olds = 0, news = 0;
  std::set<std::string> leftOver;
  std::vector<std::string> killedTemps;
  for (int kill = 0; kill < 30; ++kill) {
    const pid_t child = test::StartKrv({"resave", in, target});
    std::this_thread::sleep_for(std::chrono::microseconds(moment(random)));
    ::kill(child, SIGKILL);
    test::ExitStatus(child);

    const std::string now = ReadWholeFile(target);
    ASSERT_TRUE(now == oldBytes || now == newBytes) << "kill " << kill << ": target has " << now.size() << " bytes";
    (now == oldBytes ? olds : news)++;
    // Only the killed saves' own finished files may be left, from the instant before one took the target's place.
    killedTemps.push_back("ziel.krt.krv-tmp." + std::to_string(child) + ".");
    for (const auto& entry : fs::directory_iterator(m_dir)) {
      const std::string name = entry.path().filename().string();
      if (name == "gross.krt" || name == "ziel.krt") continue;
      ASSERT_TRUE(std::ranges::any_of(killedTemps, [&](const std::string& temp) { return name.starts_with(temp); }))
          << "kill " << kill << " left " << name;
      ASSERT_EQ(ReadWholeFile(entry.path().string()), newBytes) << "kill " << kill << " left a broken " << name;
      leftOver.insert(name);
    }
    if (now == newBytes) std::ofstream(target, std::ios::binary | std::ios::trunc) << oldBytes;
  }
  std::printf("30 kills: %d old, %d new, %zu finished file(s) left until a later save\n", olds, news, leftOver.size());
}

}  // namespace
}  // namespace krv
