// krv neu as a coach runs it: the real binary creating team files, and refusing.

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "settings/KrvDat.h"
#include "model/FileIO.h"
#include "model/TeamFile.h"
#include "support/KrvRunner.h"
#include "support/PlayerLine.h"

namespace krv {
namespace {

namespace fs = std::filesystem;

using Result = test::KrvResult;
using Args = std::vector<std::string>;

// "krv neu" with the options and the file of the table ("@").
Args Neu(Args options) {
  options.insert(options.begin(), "neu");
  options.push_back("@");
  return options;
}
// The Menschen team of the creation dialog's worked example, spending the million exactly.
const Args kMenschen = Neu({"--rasse", "8", "--name", "Altdorfer Adler", "--spieler", "11,0,2,2", "--marken", "1",
                            "--fans", "3", "--cheerleader", "5"});
// A team of the race named "X" with further options.
Args Race(int race, const Args& more) {
  Args options = {"--rasse", std::to_string(race), "--name", "X"};
  options.insert(options.end(), more.begin(), more.end());
  return Neu(options);
}
// Menschen players with further options.
Args Menschen(const Args& more) {
  Args options = {"--rasse", "8", "--name", "X", "--spieler", "11,0,2,2"};
  options.insert(options.end(), more.begin(), more.end());
  return Neu(options);
}

class KrvNeu : public test::KrvToolTest {
 protected:
  // Runs the call with `file` for "@" and loads what it wrote.
  std::unique_ptr<CKRTeam> Created(const Args& args, const std::string& file) {
    Check(Path(file), {test::Ok(args, {}, Path(file))});
    return LoadTeamFile(Path(file));
  }
};

// Complete teams of races with one and five positions and every staff option, each
// spending the million to the last gold piece, saved as version 4 with the figures of a team
// window's first display. An option or a row count handed to the wrong field would leave gold
// over and be refused; staff options of one price swapped show in the spot checks. (Every
// race's roster slice and prices: RaceInformation and Races; the players, ledgers and numbers
// built from the budget: TeamBuilder.)
TEST_F(KrvNeu, TeamsOfSeveralRaces) {
  const auto created = [&](const std::string& race, Args options, int players, std::vector<std::string> json) {
    options.insert(options.begin(), {"--rasse", race, "--name", "Team"});
    json.push_back(
        "{\"version\":4,\"name\":\"Team\",\"raceName\":\"\",\"storedTeamValue\":\"100\",\"storedGold\":\"0\","
        "\"race\":" +
        race + ",");
    json.push_back("\"players\":" + std::to_string(players) + ",");
    const std::string file = Path("rasse" + race + ".krt");
    Check(file, {test::Ok(Neu(options), json, " nach „" + file + "“ geschrieben")});
  };
  // Chaoszwerge: the staff handed over, the last player bought with his skills.
  created("1",
          {"--spieler", "12,3,1", "--marken", "1", "--sani", "--fans", "3", "--cotrainer", "2", "--cheerleader", "3"},
          16,
          {"\"hasApothecary\":1,\"hasWizard\":0,\"fanFactor\":3,\"rerolls\":1,",
           "{\"name\":\"Cotrainer2\",\"career\":\"\"}],\"cheerleaders\"",
           "{\"name\":\"Cheerleader3\",\"career\":\"\"}]", "\"skills\":\"Sprinten,Sp.sich,Robu\""});
  created("6", {"--spieler", "16", "--marken", "4", "--sani", "--zauberer", "--fans", "5", "--cheerleader", "3"}, 16,
          {"\"hasApothecary\":1,\"hasWizard\":1,\"fanFactor\":5,\"rerolls\":4,"});
  created("10", {"--spieler", "9,1,1,1,4", "--marken", "1", "--sani", "--fans", "2", "--cotrainer", "3"}, 16, {});
}

// The starting capital: without --startkapital from the settings of the data folder (a team
// spending 1.100.000 is refused with the default and accepted with that setting); a
// hand-edited 5 (no team can be made with it), once used silently, warns on stderr as the
// program warns in a box, and the default 1.000.000 applies. (Every problem KRV.DAT can have,
// all reported through the same text the warning prints, a damaged file among them: KrvDatFile.)
TEST_F(KrvNeu, StartingCapitalFromSettings) {
  const Args rich = Neu({"--rasse", "8", "--name", "Reich", "--spieler", "8,2,2,4", "--marken", "1", "--fans", "1"});
  Check(Path("reich.krt"), {{rich, 1, "Sie müssen mit 0 Goldstücken abschließen!"}});
  fs::create_directories(m_dir / "Daten");
  ProgramSettings settings;
  settings.m_nStartkapital = 1100000;
  SaveProgramSettings(settings, Path("Daten/KRV.DAT"));
  EXPECT_EQ(Created(rich, "reich.krt")->m_Einnahmen[0]->m_nBetrag, 1100000);

  settings.m_nStartkapital = 5;
  SaveProgramSettings(settings, Path("Daten/KRV.DAT"));
  const Result r = Run({"neu", "--rasse", "8", "--name", "Klein", "--spieler", "11,0,2,2", "--marken", "1", "--fans",
                        "3", "--cheerleader", "5", Path("klein.krt")});
  ASSERT_EQ(r.status, 0) << r.err;
  EXPECT_TRUE(test::Has(r.err, "Das Startkapital 5 liegt nicht zwischen 10.000 und 2.000.000; es gilt 1.000.000."))
      << r.err;
  EXPECT_EQ(LoadTeamFile(Path("klein.krt"))->m_Einnahmen[0]->m_nBetrag, 1000000);
}

// The worked example of the creation dialog, and star players found by their names and taken
// as the selection hands them over: position "Starplayer", catalogue value, abbreviations,
// star code, numbered after the roster players; big-guy limits do not apply at creation,
// stars count towards the 16; a smaller starting capital is what gets spent and booked. (A
// star's leading item and its record: StarOffer's tests; the team value built from the
// budget: TeamBuilder.)
TEST_F(KrvNeu, MenschenExampleAndStarPlayers) {
  EXPECT_EQ(Created(kMenschen, "menschen.krt")->m_Spieler.size(), 15u);

  // Elfen with Morg 'n' Thorg: 10 Feldspieler, 1 Werfer, the star, 2 re-rolls, fan factor 4.
  auto team = Created(Neu({"--rasse", "4", "--name", "Elfen mit Morg", "--spieler", "10,1", "--star", "Morg 'n' Thorg",
                           "--marken", "2", "--fans", "4"}),
                      "elfen.krt");
  ASSERT_EQ(team->m_Spieler.size(), 12u);
  EXPECT_EQ(test::PlayerLine(*team->m_Spieler[11]),
            "12 Morg 'n' Thorg (Starplayer) 6/6/3/10 190000 [Blk,KnBr,Mit.werf,Robu] #111 216");

  // Goblins with four stars, two of them Trolls (code 305).
  Args goblins = {"--rasse",  "5", "--name", "Grünzeug",    "--spieler", "12",
                  "--marken", "1", "--sani", "--cotrainer", "6"};
  for (const char* star : {"Fungus Wahnwitz", "Troll (Brocken)", "Troll (Brocken)", "Bomba Sabbarotz"})
    goblins.insert(goblins.end(), {"--star", star});
  team = Created(Neu(goblins), "goblins.krt");
  ASSERT_EQ(team->m_Spieler.size(), 16u);
  EXPECT_EQ(team->m_Spieler[14]->m_nPositionCode, 305);

  team = Created(
      Neu({"--rasse", "6", "--name", "Kleine Leute", "--spieler", "16", "--startkapital", "500000", "--fans", "2"}),
      "halblinge.krt");
  EXPECT_EQ(team->m_Einnahmen[0]->m_nBetrag, 500000);
}

// Every value outside its option's range, a row above its maximum, an unknown or not offered
// star player, staff the Untote may not hire and names a file cannot hold: status 1, a German
// message, no file and nothing beside it. Letting any of them through would write a team the
// program cannot create. A malformed call (also what is no number at all, once status 1) is
// status 2 with the usage; an existing file is never overwritten, so a typo cannot destroy a
// team's career. (A name too long for the file: TeamBudget.ClampingToTheFieldRanges, the check krv calls.)
TEST_F(KrvNeu, BadInputIsRefused) {
  Check(
      Path("team.krt"),
      {
          {Race(15, {}), 1, "Die Rasse muss zwischen 0 und 14 liegen, nicht 15."},
          {Menschen({"--marken", "8"}), 1, "Die Zahl der Trainingsmarken muss zwischen 0 und 7 liegen, nicht 8."},
          {Menschen({"--fans", "0"}), 1, "Der Fan-Faktor muss zwischen 1 und 10 liegen, nicht 0."},
          {Menschen({"--cheerleader", "99999999999999999999"}), 1, "CheerleaderInnen muss zwischen 0 und 10 liegen"},
          {Menschen({"--startkapital", "9999"}), 1, "Startkapital muss zwischen 10000 und 2000000 liegen, nicht 9999."},
          {Race(8, {"--spieler", "13"}), 1, "Von der Position „Feldspieler“ sind höchstens 12 Spieler erlaubt"},
          {Race(8, {"--spieler", "11,0,2,2,1"}), 1, "Die Rasse Menschen hat nur 4 Positionen; für Position 5 gibt"},
          {Race(6, {"--spieler", "11,1"}), 1, "Die Rasse Halblinge hat nur 1 Position; für Position 2 gibt es"},
          {Race(8, {"--spieler", "1,2,3,4,5,6"}), 1, "„--spieler“ nimmt höchstens fünf Zahlen, eine je Position"},
          {Race(8, {"--spieler", "11,,2"}), 1, "„--spieler“ erwartet Zahlen, durch Kommas getrennt, nicht „11,,2“."},
          {Race(12, {"--spieler", "12,4", "--sani"}), 1, "Untote dürfen bei der Erstellung keinen Sani einstellen."},
          {Race(12, {"--spieler", "12,4", "--zauberer"}), 1, "Untote dürfen bei der Erstellung keinen Zauberer"},
          {Menschen({"--star", "morg 'n' thorg"}), 1, "Unbekannter Starplayer „morg 'n' thorg“"},
          // Menschen may hire Griff; here he only breaks the budget.
          {Menschen({"--star", "Griff Oberwald"}), 1, "Sie müssen mit 0 Goldstücken abschließen!"},
          {Race(3, {"--star", "Morg 'n' Thorg"}), 1, "„Morg 'n' Thorg“ spielt nicht für die Rasse Echsenmenschen."},
          {Race(4, {"--startkapital", "190000", "--star", "Morg 'n' Thorg"}), 1,
           "Der Starplayer „Morg 'n' Thorg“ kostet 190.000 Goldstücke, das Startkapital von 190.000 "
           "Goldstücken reicht dafür nicht."},
          {Menschen({"--star", "Troll (Brocken)", "--star", "Troll (Brocken)", "--star", "Troll (Brocken)", "--star",
                     "Troll (Brocken)", "--star", "Troll (Brocken)"}),
           1, "Es gibt nur 4 Starplayer-Plätze, nicht 5."},
          {Neu({"--rasse", "8", "--name", "Adler 🦅"}), 1,
           "Teams enthält Zeichen, die eine Teamdatei nicht speichern"},

          {Neu({"--name", "X"}), 2, "Die Rasse fehlt (--rasse N)."},
          {Neu({"--rasse", "8"}), 2, "Der Name des Teams fehlt (--name TEXT)."},
          {Race(8, {"--tanzen"}), 2, "Unbekannte Option „--tanzen“."},
          {Race(8, {"zweite.krt"}), 2, "„neu“ erwartet genau eine Zieldatei."},
          {Neu({"--rasse", "x", "--name", "X"}), 2, "„--rasse“ erwartet eine Zahl, nicht „x“."},
          {Neu({"--rasse", "-1", "--name", "X"}), 2, "„--rasse“ erwartet eine Zahl, nicht „-1“."},
          {Menschen({"--marken", "1.5"}), 2, "„--marken“ erwartet eine Zahl, nicht „1.5“."},
          {{"neu", "--rasse", "8", "--name"}, 2, "„--name“ erwartet einen Wert."},
          {{"neu", "--rasse", "8", "--name", "X"}, 2, "Aufruf: krv neu"},
      });
  WriteFileAtomically(Path("vorhanden.krt"), "alte Karriere");
  Check(Path("vorhanden.krt"), {{kMenschen, 1, "ist bereits vorhanden"}});
  // A folder that does not exist: the file error, status 1, nothing left behind.
  Check(Path("kein/ordner/team.krt"), {{kMenschen, 1, "team.krt"}});
}

}  // namespace
}  // namespace krv
