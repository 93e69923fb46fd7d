// Renders the team window, filled with a team after a whole season, and its two small
// dialogs to PNG files in the temporary folder for looking at them: run with
// --gtest_also_run_disabled_tests.

#include <gtest/gtest.h>

#include <QDir>
#include <QMdiArea>
#include <QPixmap>
#include <QTabWidget>
#include <QTreeWidget>

#include "app/qt/MainFrame.h"
#include "gui/roster/RosterTestSupport.h"
#include "model/Format.h"
#include "model/TeamFile.h"
#include "properties/qt/PropertySheet.h"
#include "roster/qt/KrashballView.h"
#include "roster/qt/TeamEigenschaftenDlg.h"
#include "roster/qt/VolkAendernDlg.h"

namespace krv {
namespace {

void Save(QWidget& widget, const QString& name) {
  const QString path = QDir::temp().filePath(name);
  EXPECT_TRUE(widget.grab().save(path)) << path.toStdString();
}

// An orc team after its first season: sold, dead and retired players among the active ones,
// league and friendly matches, both ledgers, re-roll deductions.
std::unique_ptr<CKRTeam> SeasonOfOrcs() {
  auto team = std::make_unique<CKRTeam>();
  CKRTeam& t = *team;
  t.m_nNaechsteID = 100;
  t.m_nRasse = 10;
  t.m_strName = "Grünhaut Gröhler aus Düsterwald";
  t.m_strTrainer = "Ugluk der Ältere";
  t.m_strSani = "Doc Knochenflick";
  t.m_bSani = 1;
  t.m_nFanFaktor = 5;
  t.m_nMarken = 3;
  t.m_nMarken2 = 1;
  t.m_nMarkenAbzug = 1;
  t.m_nMarkenPreis = 60000;
  t.m_nMarkenPreis2 = 120000;
  t.m_strErstellt = "(02.09.06) 19:04:51";
  t.m_strGeaendert = "(28.05.07) 22:41:07";
  t.AddCoTrainer("Gorbag");
  t.AddCheerleader("Lugdusch");
  t.AddCheerleader("Mauhúr");
  const struct {
    const char* name;
    const char* pos;
    int code, wert, ssp, status;
  } players[] = {
      {"Grischnak", "Blitzer", 28, 110000, 23, 0}, {"Uglúk", "Blitzer", 28, 100000, 16, 0},
      {"Lugbúrz", "Werfer", 26, 90000, 33, 0},     {"Muzgasch", "Schwarzorks", 27, 80000, 14, 0},
      {"Radbug", "Schwarzorks", 27, 80000, 6, 0},  {"Schagrat", "Schwarzorks", 27, 70000, 2, 3},
      {"Gorbag", "Feldspieler", 25, 50000, 3, 1},  {"Snaga", "Feldspieler", 25, 50000, 9, 0},
      {"Bolg", "Feldspieler", 25, 50000, 0, 2},    {"Azog", "Feldspieler", 25, 50000, 7, 0},
      {"Gothmog", "Feldspieler", 25, 50000, 0, 4}, {"Shagrat", "Feldspieler", 25, 50000, 2, 0},
      {"Ufthak", "Feldspieler", 25, 50000, 0, 0},  {"Lagduf", "Goblins", 29, 40000, 4, 0},
      {"Narzug", "Goblins", 29, 40000, 0, 2},      {"Grat", "Goblins", 29, 40000, 1, 0},
      {"Morg Grimmbart", "Starspieler", 207, 150000, 12, 0},
      {"Dürrbauch", "Feldspieler", 25, 50000, 0, 1}, {"Ghâsh", "Blitzer", 28, 80000, 5, 0},
      {"Zogg", "Feldspieler", 25, 50000, 0, 0},
  };
  int nummer = 1;
  for (const auto& p : players) {
    t.AddSpieler(nummer++, p.name, p.pos, 5, 3, 3, 9, p.wert, "Blk", t.m_nNaechsteID++, p.code);
    t.m_Spieler.back()->m_nSSP = p.ssp;
    t.m_Spieler.back()->m_nStatus = p.status;
  }
  t.AddEinnahme("Startkapital", 1000000);
  t.AddAusgabe("Team-Aufstellung", 960000, kAusgabeTeamAufstellung);
  const char* opponents[] = {"Altdorfer Greifen", "Zwergenstürmer", "Elfenpracht", "Nurgles Faule", "Echsen vom Sumpf",
                             "Skavenbrut",        "Reikland Reaver", "Orkland",     "Düsterwald Dämonen", "Chaos-Allstars",
                             "Halblingsheim",     "Untote Ulmen",    "Goblin-Gauner", "Hochelfen Hoheit", "Waldläufer"};
  const char* results[] = {"2:1", "1:1", "0:2", "3:0", "1:2", "2:2", "4:1", "1:0", "0:1", "2:0", "3:3", "1:2", "2:1", "0:0", "3:1"};
  for (int i = 0; i < 15; ++i) {
    const bool won = results[i][0] > results[i][2];
    const int fans = i == 4 ? kFanFalls : (won && i % 3 == 0 ? kFanRises : kFanNone);
    t.AddGame(opponents[i], results[i], i == 6 ? "Regen" : "", i == 2 ? "Grischnak: -1 BW" : "", 8000 + 1300 * i,
              40000 + 5000 * (i % 4), i % 5 != 4, won, 0, fans, Format("%02d.%02d.07", 3 + i, 1 + i % 6));
    t.AddEinnahme(std::string("Spiel gegen: ") + opponents[i], 40000 + 5000 * (i % 4));
  }
  t.AddAusgabe("Trainingsmarke (normaler Preis)", 60000, kAusgabeMarke);
  t.AddAusgabe("Trainingsmarke (doppelter Preis)", 120000, kAusgabeMarkeDoppelt);
  t.AddAusgabe("Neuer Spieler: Zogg", 50000, kAusgabeSpieler);
  t.AddAusgabe("Cheerleader: Mauhúr", 10000, kAusgabeCheerleader);
  t.AddEreignis("Abzug einer Trainingsmarke im Spiel gegen Elfenpracht", kEreignisMarkenAbzug);
  t.AddEreignis("Sponsorvertrag mit der Brauerei Schwarzbräu", kEreignisSonstiges);
  return team;
}

TEST(RosterScreenshots, DISABLED_TeamWindow) {
  test::MessageRecorder messages;
  CKrashballApp app(QDir::tempPath());
  app.m_Settings.m_bSound = 0;
  const QString path = QDir::temp().filePath("krv-saison.krt");
  SaveTeamFile(*SeasonOfOrcs(), path.toStdString());
  messages.answers = {1};  // no opponents added to the list
  CMainFrame main(&app);
  main.resize(1000, 720);
  main.show();
  CChildFrame* frame = main.OpenDocumentFile(path);
  ASSERT_NE(frame, nullptr);
  Save(main, "krv-team-geoeffnet.png");
  frame->showMaximized();
  CMyPropertySheet* sheet = frame->View()->PropertySheet();
  ASSERT_NE(sheet, nullptr);
  for (int tab = 0; tab < sheet->count(); ++tab) {
    sheet->setCurrentIndex(tab);
    Save(main, QStringLiteral("krv-team-%1.png").arg(tab));
  }
  frame->showNormal();
  frame->resize(frame->minimumSizeHint());
  sheet->setCurrentIndex(1);
  Save(main, "krv-team-klein.png");
  frame->resize(620, 420);
  Save(*frame, "krv-team-620.png");

  CTeamEigenschaftenDlg stats(frame->Document()->Team(), &main);
  stats.show();
  Save(stats, "krv-eigenschaften.png");
  CVolkAendernDlg repair(frame->Document()->Team(), &main);
  repair.show();
  auto* list = repair.findChild<QTreeWidget*>("players");
  list->topLevelItem(1)->setSelected(true);
  list->topLevelItem(3)->setSelected(true);
  Save(repair, "krv-volk-aendern.png");
  repair.resize(900, 600);
  Save(repair, "krv-volk-aendern-gross.png");
  frame->Document()->SetModifiedFlag(false);
  frame->close();
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);  // gone before the main window
}

}  // namespace
}  // namespace krv
