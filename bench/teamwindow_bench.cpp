// The team window with a very long career (500 players, 10,000 matches, 20,000 ledger
// entries, 2,000 events): opening it, one change with the refresh of header and pages (a
// recovery write pending, the step held open while the field has the focus), the step
// recorded when the field is left, a step taken back or done again, the recovery file written,
// the five list pages on their own, recording one match through the matches page and
// changing one player. Runs without a screen.

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QDir>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMdiArea>
#include <QSettings>
#include <QTabWidget>
#include <QTemporaryDir>
#include <memory>

#include "teamwindow/qt/TeamFrame.h"
#include "app/qt/KrashballApp.h"
#include "teamwindow/qt/TeamDocument.h"
#include "model/TeamFile.h"
#include "season/MatchEntry.h"
#include "teamwindow/qt/SeasonServices.h"
#include "teamwindow/qt/LedgerPage.h"
#include "teamwindow/qt/MatchesPage.h"
#include "teamwindow/qt/MiscPage.h"
#include "teamwindow/qt/PlayersPage.h"
#include "teamwindow/qt/TeamPages.h"
#include "roster/PlayerChange.h"
#include "teamwindow/qt/TeamView.h"
#include "support/LargeTeam.h"
#include "ui/MessageBoxes.h"

namespace {

using krv::CKRTeam;
using krv::TeamDocument;
using krv::TeamFrame;

QTemporaryDir* g_folder = nullptr;

krv::ProgramServices* g_services = nullptr;  // the program's, over the folder above

krv::ProgramServices& Services() { return *g_services; }

// A document holding the big team, as after "Öffnen".
std::unique_ptr<TeamDocument> LargeDocument() {
  auto holder = std::make_shared<std::unique_ptr<CKRTeam>>(krv::test::MakeLargeTeam());
  TeamDocument::SetCreateTeamFunction([holder](QWidget*, int32_t) { return std::move(*holder); });
  auto doc = std::make_unique<TeamDocument>(Services());
  doc->OnNewDocument(nullptr);
  TeamDocument::SetCreateTeamFunction(nullptr);
  return doc;
}

// The big team saved once, for opening it from its file.
const QString& LargeTeamFile() {
  static const QString path = [] {
    const QString file = QDir(g_folder->path()).filePath(QStringLiteral("Große Grünhäute.krt"));
    krv::SaveTeamFile(*krv::test::MakeLargeTeam(), file.toStdString());
    return file;
  }();
  return path;
}

void ShowAndSettle(QWidget* window) {
  window->show();
  QApplication::processEvents();
}

// The big team in its window inside the main window's area, with page `page` of the sheet
// in front; closed again without the save question.
struct BigTeamWindow {
  explicit BigTeamWindow(int page) {
    area.resize(1200, 800);
    area.show();
    frame = new TeamFrame(LargeDocument().release(), &area);
    area.addSubWindow(frame);
    frame->resize(1100, 700);
    ShowAndSettle(frame);
    sheet = frame->findChild<krv::TeamPages*>();
    sheet->setCurrentIndex(page);
    QApplication::processEvents();
  }
  ~BigTeamWindow() {
    frame->Document()->SetModifiedFlag(false);
    delete frame;
  }
  CKRTeam& Team() const { return frame->Document()->Team(); }

  QMdiArea area;
  TeamFrame* frame = nullptr;
  krv::TeamPages* sheet = nullptr;
};

// Opening the team into its window: the view, the header, the sheet with all six pages,
// the first refresh, and the first paint of the window.
void BM_OpenTeamWindow(benchmark::State& state) {
  QMdiArea area;
  area.resize(1200, 800);
  area.show();
  for (auto _ : state) {
    state.PauseTiming();
    std::unique_ptr<TeamDocument> doc = LargeDocument();
    state.ResumeTiming();
    auto* frame = new TeamFrame(doc.release(), &area);
    area.addSubWindow(frame);
    frame->resize(1100, 700);
    ShowAndSettle(frame);
    state.PauseTiming();
    frame->Document()->SetModifiedFlag(false);
    delete frame;
    QApplication::processEvents();
    state.ResumeTiming();
  }
}
BENCHMARK(BM_OpenTeamWindow)->Unit(benchmark::kMillisecond)->Iterations(5);

// The same from the team file: reading the file, then the window as above.
void BM_OpenTeamFileIntoWindow(benchmark::State& state) {
  const QString path = LargeTeamFile();
  QMdiArea area;
  area.resize(1200, 800);
  area.show();
  for (auto _ : state) {
    auto doc = std::make_unique<TeamDocument>(Services());
    if (!doc->OnOpenDocument(path, nullptr)) {
      state.SkipWithError("team file not readable");
      break;
    }
    auto* frame = new TeamFrame(doc.release(), &area);
    area.addSubWindow(frame);
    frame->resize(1100, 700);
    ShowAndSettle(frame);
    state.PauseTiming();
    delete frame;
    QApplication::processEvents();
    state.ResumeTiming();
  }
}
BENCHMARK(BM_OpenTeamFileIntoWindow)->Unit(benchmark::kMillisecond)->Iterations(5);

// Types an "x" into the field, or with `typed` takes it back with the backspace key.
void TypeLetterOrTakeItBack(QLineEdit* field, bool& typed) {
  const int key = typed ? Qt::Key_Backspace : Qt::Key_X;
  const QString text = typed ? QString() : QStringLiteral("x");
  QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, text);
  QApplication::sendEvent(field, &press);
  QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier, text);
  QApplication::sendEvent(field, &release);
  typed = !typed;
}

// One change as the coach makes it: a letter typed into the team name (and taken away
// again in the next run), which marks the team modified and refreshes header and all
// pages; then the window repaints. Page `range(0)` of the sheet is in front. The recovery
// file is on (as by default): every letter moves its pending write on, the field visit keeps
// the step open.
void BM_NameEditWithRefresh(benchmark::State& state) {
  BigTeamWindow window(static_cast<int>(state.range(0)));
  auto* name = window.frame->findChild<QLineEdit*>(QStringLiteral("teamName"));
  if (!name) {
    state.SkipWithError("no name field");
    return;
  }
  name->setFocus();
  name->end(false);
  bool typed = false;
  for (auto _ : state) {
    TypeLetterOrTakeItBack(name, typed);
    QApplication::processEvents();
  }
  if (window.Team().m_strName.find("Große Grünhäute") != 0) state.SkipWithError("the name did not change");
  if (!window.frame->Document()->Recovery().Pending()) state.SkipWithError("no recovery write pending");
}
BENCHMARK(BM_NameEditWithRefresh)->DenseRange(0, 5)->Unit(benchmark::kMillisecond);

// A field visit ending on the big team: a letter typed into the team name and the field left,
// which records the step (the team's state written and compared with the one before).
void BM_FieldStepRecorded(benchmark::State& state) {
  BigTeamWindow window(0);
  auto* name = window.frame->findChild<QLineEdit*>(QStringLiteral("teamName"));
  bool typed = false;
  for (auto _ : state) {
    name->setFocus();
    TypeLetterOrTakeItBack(name, typed);
    window.frame->Document()->Steps().FieldLeft(name);
  }
}
BENCHMARK(BM_FieldStepRecorded)->Unit(benchmark::kMillisecond);

// "Rückgängig" and "Wiederholen" in turn on the big team: the team rebuilt from the step's
// state, then the header and every page shown anew.
void BM_UndoOrRedoStep(benchmark::State& state) {
  BigTeamWindow window(0);
  TeamDocument* doc = window.frame->Document();
  auto* name = window.frame->findChild<QLineEdit*>(QStringLiteral("teamName"));
  name->setFocus();
  bool typed = false;
  TypeLetterOrTakeItBack(name, typed);
  doc->Steps().FieldLeft(name);
  bool undone = false;
  for (auto _ : state) {
    if (undone) doc->Redo();
    else doc->Undo();
    undone = !undone;
    QApplication::processEvents();
  }
  if (!doc->Steps().CanUndo() && !doc->Steps().CanRedo()) state.SkipWithError("no step to take");
}
BENCHMARK(BM_UndoOrRedoStep)->Unit(benchmark::kMillisecond);

// The recovery file of the big team written, as two seconds after the last change.
void BM_RecoveryFileWritten(benchmark::State& state) {
  BigTeamWindow window(0);
  auto* name = window.frame->findChild<QLineEdit*>(QStringLiteral("teamName"));
  name->setFocus();
  bool typed = false;
  TypeLetterOrTakeItBack(name, typed);
  for (auto _ : state) window.frame->Document()->Recovery().Update();
}
BENCHMARK(BM_RecoveryFileWritten)->Unit(benchmark::kMillisecond);

// The whole refresh of the pages without the window around them.
void BM_RefreshAllPages(benchmark::State& state) {
  std::unique_ptr<TeamDocument> doc = LargeDocument();
  krv::TeamPages sheet(doc.get());
  sheet.resize(1000, 600);
  ShowAndSettle(&sheet);
  for (auto _ : state) sheet.RefreshAllPages();
}
BENCHMARK(BM_RefreshAllPages)->Unit(benchmark::kMicrosecond);

// The five list pages built and filled on their own.
void BM_ListPagesBuilt(benchmark::State& state) {
  std::unique_ptr<TeamDocument> doc = LargeDocument();
  doc->Team().Recalculate();
  for (auto _ : state) {
    krv::PlayersPage players(doc.get());
    krv::ExpensesPage expenses(doc.get());
    krv::IncomePage income(doc.get());
    krv::MatchesPage matches(doc.get());
    krv::MiscPage misc(doc.get());
    benchmark::DoNotOptimize(matches.List());
  }
}
BENCHMARK(BM_ListPagesBuilt)->Unit(benchmark::kMillisecond);

// A won league match against Orkland with rising fans, as the match benchmarks record it.
krv::CKRGames OrklandWin() {
  return {.m_strGegner = "Orkland",
          .m_strErgebnis = "1:0",
          .m_strDatum = "02.06.07",
          .m_nZuschauer = 9000,
          .m_nEinnahmen = 30000,
          .m_bLiga = 1,
          .m_bGewonnen = 1,
          .m_nFanFaktor = 1};
}

// A match appended and the matches page shown again as after recording it (the new row
// added at the end, the rows already there left alone).
void BM_MatchAppendedAndShown(benchmark::State& state) {
  std::unique_ptr<TeamDocument> doc = LargeDocument();
  krv::MatchesPage page(doc.get());
  page.resize(1000, 500);
  ShowAndSettle(&page);
  for (auto _ : state) {
    doc->Team().AddGame(OrklandWin());
    page.ShowChange(krv::TeamChange::TeamFields());
    QApplication::processEvents();
  }
}
BENCHMARK(BM_MatchAppendedAndShown)->Unit(benchmark::kMicrosecond);

// One player changed through the core with the players page in front: his row is redrawn,
// the other rows and lists are left alone.
void BM_PlayerChangedAndShown(benchmark::State& state) {
  BigTeamWindow window(1);
  CKRTeam& team = window.Team();
  krv::CKRSpieler& player = *team.m_Spieler.back();
  krv::PlayerChange change = krv::PlayerChangeFrom(player);
  for (auto _ : state) {
    ++change.m_nTD;
    krv::ApplyPlayerChange(team, player, change, false, "02.06.07");
    QApplication::processEvents();
  }
}
BENCHMARK(BM_PlayerChangedAndShown)->Unit(benchmark::kMillisecond);

// A match deleted (the list is read afresh) and the matches page refreshed.
void BM_MatchDeletedAndShown(benchmark::State& state) {
  std::unique_ptr<TeamDocument> doc = LargeDocument();
  krv::MatchesPage page(doc.get());
  page.resize(1000, 500);
  ShowAndSettle(&page);
  for (auto _ : state) {
    state.PauseTiming();
    doc->Team().AddGame(OrklandWin());
    page.RefreshPage();
    QApplication::processEvents();
    state.ResumeTiming();
    doc->Team().m_Games.erase(doc->Team().m_Games.begin());
    page.RefreshPage();
    QApplication::processEvents();
  }
}
BENCHMARK(BM_MatchDeletedAndShown)->Unit(benchmark::kMicrosecond);

// Recording one match as the matches page does after the dialog's OK: the match and its
// income entry written, the team recalculated, then the lists, totals and header redrawn.
// The matches page is in front.
void BM_RecordMatchThroughPage(benchmark::State& state) {
  BigTeamWindow window(4);
  krv::MatchEntry entry;
  entry.gegner = "Orkland";
  entry.eigeneTore = 2;
  entry.gegnerTore = 1;
  entry.einnahmen = 60000;
  entry.fanFaktor = krv::kFanRises;
  entry.datum = "02.06.07";
  for (auto _ : state) {
    krv::ShowOutcome(window.sheet, window.frame->Document(), krv::RecordMatch(window.Team(), entry));
    QApplication::processEvents();
  }
}
BENCHMARK(BM_RecordMatchThroughPage)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  QTemporaryDir folder;
  g_folder = &folder;
  // Settings, data folder and the program's profile of their own; no box waits for a click.
  QSettings::setDefaultFormat(QSettings::IniFormat);
  QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, folder.path());
  qputenv("KRV_DATEN", QDir(folder.path()).filePath(QStringLiteral("Daten")).toLocal8Bit());
  qputenv("XDG_STATE_HOME", folder.path().toLocal8Bit());
  krv::KrashballApp krashball(folder.path());
  krashball.m_Settings.m_bSound = 0;
  g_services = &krashball;
  krv::SetMessageInterceptor([](const krv::MessageRequest&) { return 1; });  // "&Nein" to every question

  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  krv::SetMessageInterceptor(nullptr);
  return 0;
}
