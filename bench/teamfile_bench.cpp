// Team file speed on a large synthetic team: loading, saving, recalculating, and copying
// the same bytes with memcpy as the ceiling for any reader or writer.

#include <benchmark/benchmark.h>

#include <cstring>
#include <filesystem>
#include <memory>
#include <string>
#include <unistd.h>

#include "model/TeamFile.h"
#include "support/LargeTeam.h"

namespace {

using krv::test::MakeLargeTeam;

const std::string& LargeTeamBytes() {
  static const std::string bytes = [] {
    auto team = MakeLargeTeam();
    return krv::SerializeTeam(*team);
  }();
  return bytes;
}

// Reading the file into a new team, as opening a window does; the team is freed outside the
// timing (freeing is what closing the window costs, measured below).
void BM_Load(benchmark::State& state) {
  const std::string& bytes = LargeTeamBytes();
  for (auto _ : state) {
    auto team = std::make_unique<krv::CKRTeam>();
    krv::DeserializeTeam(bytes, *team);
    benchmark::DoNotOptimize(team->m_Games.size());
    state.PauseTiming();
    team.reset();
    state.ResumeTiming();
  }
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * bytes.size()));
}
BENCHMARK(BM_Load)->Unit(benchmark::kMillisecond);

// Reading and freeing again, one after the other: the whole cost of a team that is opened and closed.
void BM_LoadAndFree(benchmark::State& state) {
  const std::string& bytes = LargeTeamBytes();
  for (auto _ : state) {
    krv::CKRTeam team;
    krv::DeserializeTeam(bytes, team);
    benchmark::DoNotOptimize(team.m_Games.size());
  }
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * bytes.size()));
}
BENCHMARK(BM_LoadAndFree)->Unit(benchmark::kMillisecond);

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
