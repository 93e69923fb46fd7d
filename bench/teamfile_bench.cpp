// Team file speed on a large synthetic team: loading, saving, recalculating, and copying
// the same bytes with memcpy as the ceiling for any reader or writer.

#include <benchmark/benchmark.h>

#include <cstring>
#include <filesystem>
#include <memory>
#include <string>
#include <unistd.h>

#include "model/TeamFile.h"

namespace {

std::unique_ptr<krv::CKRTeam> MakeLargeTeam() {
  auto team = std::make_unique<krv::CKRTeam>();
  team->m_nNaechsteID = 100;
  team->m_nRasse = 10;
  team->m_strName = "Große Grünhäute";
  team->m_strTrainer = "Der Trainer";
  team->m_nFanFaktor = 5;
  team->m_nMarken = 3;
  team->m_nMarkenPreis = 60000;
  team->m_nMarkenPreis2 = 120000;
  for (int i = 0; i < 500; ++i) {
    team->AddSpieler(i % 99 + 1, "Schwarzork" + std::to_string(i), "Schwarzork-Blocker", 4, 4, 2, 9, 80000 + i,
                     "Blk,Tackle", team->m_nNaechsteID++, 27);
    team->m_Spieler.back()->m_nSSP = i % 40;
    team->m_Spieler.back()->m_nStatus = i < 400 ? 1 : 0;
    team->m_Spieler.back()->m_strLebenslauf = "12.03.07 Neue Fertigkeit: Blocken\r\n19.04.07 +1 ST";
  }
  for (int i = 0; i < 10000; ++i) {
    team->AddGame("Gegner " + std::to_string(i % 50), "2:1", "Regen und Nebel", "Schwarzork3: -1 BW", 15000 + i,
                  40000 + i, 1, 1, i + 1, i % 3, "12.03.07");
    team->AddEinnahme("Spiel gegen: Gegner " + std::to_string(i % 50), 40000 + i);
    team->AddAusgabe("Einstellung von Schwarzork als Blocker.", 80000, krv::kAusgabeSpieler);
  }
  for (int i = 0; i < 2000; ++i) team->AddEreignis("Abzug einer Trainingsmarke im Spiel gegen Gegner", i % 2);
  return team;
}

const std::string& LargeTeamBytes() {
  static const std::string bytes = [] {
    auto team = MakeLargeTeam();
    return krv::SerializeTeam(*team);
  }();
  return bytes;
}

void BM_Load(benchmark::State& state) {
  const std::string& bytes = LargeTeamBytes();
  for (auto _ : state) {
    krv::CKRTeam team;
    krv::DeserializeTeam(bytes, team);
    benchmark::DoNotOptimize(team.m_Games.size());
  }
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * bytes.size()));
}
BENCHMARK(BM_Load)->Unit(benchmark::kMillisecond);

void BM_Save(benchmark::State& state) {
  auto team = MakeLargeTeam();
  size_t size = 0;
  for (auto _ : state) {
    const std::string bytes = krv::SerializeTeam(*team);
    size = bytes.size();
    benchmark::DoNotOptimize(bytes.data());
  }
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * size));
}
BENCHMARK(BM_Save)->Unit(benchmark::kMillisecond);

// The whole save as the program does it: write, flush to disk, rename.
void BM_SaveFile(benchmark::State& state) {
  auto team = MakeLargeTeam();
  const std::string path =
      (std::filesystem::temp_directory_path() / ("krv-bench-" + std::to_string(::getpid()) + ".krt")).string();
  for (auto _ : state) krv::SaveTeamFile(*team, path);
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * LargeTeamBytes().size()));
  std::filesystem::remove(path);
}
BENCHMARK(BM_SaveFile)->Unit(benchmark::kMillisecond);

void BM_Recalculate(benchmark::State& state) {
  auto team = MakeLargeTeam();
  for (auto _ : state) {
    team->Recalculate();
    benchmark::DoNotOptimize(team->m_nTeamwert);
  }
}
BENCHMARK(BM_Recalculate)->Unit(benchmark::kMicrosecond);

void BM_MemcpyCeiling(benchmark::State& state) {
  const std::string& bytes = LargeTeamBytes();
  std::string copy(bytes.size(), '\0');
  for (auto _ : state) {
    std::memcpy(copy.data(), bytes.data(), bytes.size());
    benchmark::DoNotOptimize(copy.data());
    benchmark::ClobberMemory();
  }
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * bytes.size()));
}
BENCHMARK(BM_MemcpyCeiling)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
