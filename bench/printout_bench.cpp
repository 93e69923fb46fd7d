// Printing a team into a PDF: a season of 100 matches, and the long career of the large
// benchmark team (10,000 matches, 418 pages). Pages are built one at a time, so the peak
// memory of the long career should exceed the short one by little more than a page's worth;
// the counter peak_rss_MB shows it (the peak is reset before each benchmark).

#include <benchmark/benchmark.h>

#include <QDir>
#include <QGuiApplication>
#include <QTemporaryDir>

#include <fstream>
#include <string>

#include "printout/TeamPrintout.h"
#include "printout/render/PrintoutRenderer.h"
#include "support/LargeTeam.h"
#include "support/SeasonTeam.h"

namespace {

// Resets the process's peak resident memory so each benchmark reports its own.
void ResetPeakMemory() { std::ofstream("/proc/self/clear_refs") << "5"; }

double PeakMemoryMB() {
  std::ifstream status("/proc/self/status");
  for (std::string line; std::getline(status, line);)
    if (line.rfind("VmHWM:", 0) == 0) return std::stod(line.substr(6)) / 1024.0;
  return 0;
}

void WritePdf(benchmark::State& state, krv::CKRTeam& team) {
  QTemporaryDir folder;
  const QString path = folder.filePath("bogen.pdf");
  ResetPeakMemory();
  int pages = 0;
  for (auto _ : state) {
    const krv::TeamPrintout printout(team, krv::PrintMode::kAllPages, {});
    krv::WritePrintoutPdf(printout, path, QStringLiteral("Bench"));
    pages = printout.PageCount();
  }
  state.counters["pages"] = pages;
  state.counters["peak_rss_MB"] = PeakMemoryMB();
}

void BM_PdfSeason100Matches(benchmark::State& state) {
  auto team = krv::test::MakeSeasonTeam();
  while (team->m_Games.size() < 100)
    team->AddGame({.m_strGegner = "Gegner",
                   .m_strErgebnis = "2:1",
                   .m_strBesonderheit = "Regen",
                   .m_strDatum = "01.01.08",
                   .m_nZuschauer = 12000,
                   .m_nEinnahmen = 40000,
                   .m_bLiga = 1,
                   .m_bGewonnen = 1});
  WritePdf(state, *team);
}
BENCHMARK(BM_PdfSeason100Matches)->Unit(benchmark::kMillisecond);

void BM_PdfLargeTeam418Pages(benchmark::State& state) {
  auto team = krv::test::MakeLargeTeam();
  WritePdf(state, *team);
}
BENCHMARK(BM_PdfLargeTeam418Pages)->Unit(benchmark::kMillisecond)->Iterations(3);

}  // namespace

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
