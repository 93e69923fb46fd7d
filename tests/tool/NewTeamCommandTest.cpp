// krv neu as a coach runs it: the real binary creating team files, and refusing.

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
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

// The Menschen team of the creation dialog's worked example, spending the million exactly.
const Args kMenschen = {"--rasse", "8",      "--name", "Altdorfer Adler", "--spieler", "11,0,2,2", "--marken",
                        "1",       "--fans", "3",      "--cheerleader",   "5"};

Args Neu(Args options, const std::string& file) {
  options.insert(options.begin(), "neu");
  options.push_back(file);
  return options;
}

class KrvNeu : public test::KrvToolTest {
 protected:
  // Runs "krv neu" with the options and the target file "team.krt"; expects a refusal
  // with status 1, the message on stderr and no file.
  void ExpectRefused(std::vector<std::string> args, const std::string& message, int status = 1) {
    SCOPED_TRACE(message);
    const Result r = Run(Neu(std::move(args), Path("team.krt")));
    EXPECT_EQ(r.status, status);
    EXPECT_NE(r.err.find(message), std::string::npos) << r.err;
    EXPECT_TRUE(r.out.empty()) << r.out;
    EXPECT_FALSE(fs::exists(Path("team.krt")));
    // Nothing half-written beside it either.
    EXPECT_EQ(std::distance(fs::directory_iterator(m_dir), fs::directory_iterator()), 2);  // stdout, stderr
  }
};

struct RaceCase {
  int32_t race;
  std::vector<std::string> options;  // spends exactly 1,000,000
  int players;
};

TEST_F(KrvNeu, TeamsOfSeveralRaces) {
  // Complete teams of races with one, three and five positions and every staff option,
  // each spending the million to the last gold piece, saved as version 4 with the figures
  // of a team window's first display. An option or a row count handed to the wrong field
  // would leave gold over and be refused; staff options of one price swapped show in the
  // spot checks. (Every race's roster slice and prices: RaceInformation and Races; the
  // players, ledgers and numbers built from the budget: TeamBuilder.)
  const std::vector<RaceCase> cases = {
      {1,
       {"--spieler", "12,3,1", "--marken", "1", "--sani", "--fans", "3", "--cotrainer", "2", "--cheerleader", "3"},
       16},
      {6, {"--spieler", "16", "--marken", "4", "--sani", "--zauberer", "--fans", "5", "--cheerleader", "3"}, 16},
      {10, {"--spieler", "9,1,1,1,4", "--marken", "1", "--sani", "--fans", "2", "--cotrainer", "3"}, 16},
      {12, {"--spieler", "1,8,3,3,1", "--marken", "1", "--fans", "4", "--cotrainer", "2", "--cheerleader", "2"}, 16},
      {14, {"--spieler", "10,1,1,1", "--marken", "1"}, 13},
  };
  for (const RaceCase& c : cases) {
    SCOPED_TRACE(c.race);
    const std::string file = Path("rasse" + std::to_string(c.race) + ".krt");
    Args args = {"--rasse", std::to_string(c.race), "--name", "Team " + std::to_string(c.race)};
    args.insert(args.end(), c.options.begin(), c.options.end());
    const Result r = Run(Neu(args, file));
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_TRUE(r.err.empty()) << r.err;
    EXPECT_NE(r.out.find(file), std::string::npos) << r.out;

    const auto team = LoadTeamFile(file);
    EXPECT_EQ(team->m_nVersion, 4);
    EXPECT_EQ(team->m_nRasse, c.race);
    EXPECT_EQ(team->m_strGold, "0");
    EXPECT_EQ(team->m_strTeamwert, "100");
    EXPECT_EQ(team->m_Spieler.size(), static_cast<size_t>(c.players));
  }
  // Spot checks of the staff hand-over.
  const auto chaoszwerge = LoadTeamFile(Path("rasse1.krt"));
  EXPECT_EQ(chaoszwerge->m_bSani, 1);
  EXPECT_EQ(chaoszwerge->m_nFanFaktor, 3);
  EXPECT_EQ(chaoszwerge->m_CoTrainer.size(), 2u);
  EXPECT_EQ(chaoszwerge->m_Cheerleader.size(), 3u);
  EXPECT_EQ(chaoszwerge->m_Spieler[15]->m_strFertigkeiten, "Sprinten,Sp.sich,Robu");
  EXPECT_EQ(LoadTeamFile(Path("rasse6.krt"))->m_bZauberer, 1);
}

// Without --startkapital the capital comes from the settings of the data folder: a team
// spending 1.100.000 is refused with the default and accepted with that setting.
TEST_F(KrvNeu, StartingCapitalFromSettings) {
  const Args args = Neu({"--rasse", "8", "--name", "Reich", "--spieler", "8,2,2,4", "--marken", "1", "--fans", "1"},
                        Path("reich.krt"));
  EXPECT_EQ(Run(args).status, 1);
  fs::create_directories(m_dir / "Daten");
  ProgramSettings settings;
  settings.m_nStartkapital = 1100000;
  SaveProgramSettings(settings, Path("Daten/KRV.DAT"));
  const Result r = Run(args);
  ASSERT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(LoadTeamFile(Path("reich.krt"))->m_Einnahmen[0]->m_nBetrag, 1100000);
}

// A hand-edited starting capital of 5 was used silently (no team can be made with it), and a
// damaged KRV.DAT was ignored silently; both now warn on stderr as the program warns in a box,
// and the default 1.000.000 applies.
TEST_F(KrvNeu, DamagedOrOutOfRangeSettingsWarn) {
  auto run = [&](const std::string& file) { return Run(Neu(kMenschen, Path(file))); };
  fs::create_directories(m_dir / "Daten");
  ProgramSettings settings;
  settings.m_nStartkapital = 5;
  SaveProgramSettings(settings, Path("Daten/KRV.DAT"));
  Result r = run("klein.krt");
  ASSERT_EQ(r.status, 0) << r.err;
  EXPECT_NE(r.err.find("Das Startkapital 5 liegt nicht zwischen 10.000 und 2.000.000; es gilt 1.000.000."),
            std::string::npos)
      << r.err;
  EXPECT_EQ(LoadTeamFile(Path("klein.krt"))->m_Einnahmen[0]->m_nBetrag, 1000000);

  const std::string good = WriteKrvDat(ProgramSettings{});
  std::ofstream(Path("Daten/KRV.DAT"), std::ios::binary) << good.substr(0, good.size() - 2);
  r = run("kaputt.krt");
  ASSERT_EQ(r.status, 0) << r.err;
  EXPECT_NE(r.err.find("Die Einstellungen sind beschädigt."), std::string::npos) << r.err;
}

TEST_F(KrvNeu, MenschenExampleAndStarPlayers) {
  // The worked example of the creation dialog, and star players taken as the selection
  // hands them over: position "Starplayer", catalogue value, abbreviations (a leading
  // item kept), star code, numbered after the roster players.
  Result r = Run(Neu(kMenschen, Path("menschen.krt")));
  ASSERT_EQ(r.status, 0) << r.err;
  auto team = LoadTeamFile(Path("menschen.krt"));
  EXPECT_EQ(team->m_Spieler.size(), 15u);

  // Elfen with Morg 'n' Thorg: 10 Feldspieler, 1 Werfer, the star, 2 re-rolls, fan factor 4.
  r = Run({"neu", "--rasse", "4", "--name", "Elfen mit Morg", "--spieler", "10,1", "--star", "Morg 'n' Thorg",
           "--marken", "2", "--fans", "4", Path("elfen.krt")});
  ASSERT_EQ(r.status, 0) << r.err;
  team = LoadTeamFile(Path("elfen.krt"));
  ASSERT_EQ(team->m_Spieler.size(), 12u);
  EXPECT_EQ(test::PlayerLine(*team->m_Spieler[11]),
            "12 Morg 'n' Thorg (Starplayer) 6/6/3/10 190000 [Blk,KnBr,Mit.werf,Robu] #111 216");

  // Goblins with Fungus (a leading item and nothing else) and two Trolls: big-guy limits
  // do not apply at creation; stars count towards the 16.
  Args goblins = {"--rasse",  "5", "--name", "Grünzeug",    "--spieler", "12",
                  "--marken", "1", "--sani", "--cotrainer", "6"};
  for (const char* star : {"Fungus Wahnwitz", "Troll (Brocken)", "Troll (Brocken)", "Bomba Sabbarotz"})
    goblins.insert(goblins.end(), {"--star", star});
  r = Run(Neu(goblins, Path("goblins.krt")));
  ASSERT_EQ(r.status, 0) << r.err;
  team = LoadTeamFile(Path("goblins.krt"));
  ASSERT_EQ(team->m_Spieler.size(), 16u);
  EXPECT_EQ(team->m_Spieler[12]->m_strFertigkeiten, "<Morgenstern>");
  EXPECT_EQ(team->m_Spieler[14]->m_nPositionCode, 305);
  EXPECT_EQ(team->m_Spieler[15]->m_strFertigkeiten.rfind("<Bombenleger>", 0), 0u);

  // A smaller starting capital is what gets spent and booked.
  r = Run({"neu", "--rasse", "6", "--name", "Kleine Leute", "--spieler", "16", "--startkapital", "500000", "--fans",
           "2", Path("halblinge.krt")});
  ASSERT_EQ(r.status, 0) << r.err;
  team = LoadTeamFile(Path("halblinge.krt"));
  EXPECT_EQ(team->m_Einnahmen[0]->m_nBetrag, 500000);
  EXPECT_EQ(team->m_strTeamwert, "50");
}

TEST_F(KrvNeu, BadInputIsRefused) {
  // Every value outside its option's range, a row above its maximum, an unknown or not
  // offered star player and staff the Untote may not hire: status 1, a German message,
  // no file. Letting any of them through would write a team the program cannot create.
  const std::vector<std::string> menschen = {"--rasse", "8", "--name", "X", "--spieler", "11,0,2,2"};
  auto with = [&](std::vector<std::string> extra) {
    std::vector<std::string> args = menschen;
    args.insert(args.end(), extra.begin(), extra.end());
    return args;
  };
  ExpectRefused({"--rasse", "15", "--name", "X"}, "Die Rasse muss zwischen 0 und 14 liegen, nicht 15.");
  ExpectRefused(with({"--marken", "8"}), "Die Zahl der Trainingsmarken muss zwischen 0 und 7 liegen, nicht 8.");
  ExpectRefused(with({"--fans", "0"}), "Der Fan-Faktor muss zwischen 1 und 10 liegen, nicht 0.");
  ExpectRefused(with({"--cheerleader", "99999999999999999999"}),
                "Die Zahl der CheerleaderInnen muss zwischen 0 und 10 liegen, nicht 99999999999999999999.");
  ExpectRefused(with({"--startkapital", "9999"}),
                "Das Startkapital muss zwischen 10000 und 2000000 liegen, nicht 9999.");

  ExpectRefused({"--rasse", "8", "--name", "X", "--spieler", "13"},
                "Von der Position „Feldspieler“ sind höchstens 12 Spieler erlaubt, nicht 13.");
  ExpectRefused({"--rasse", "8", "--name", "X", "--spieler", "11,0,2,2,1"},
                "Die Rasse Menschen hat nur 4 Positionen; für Position 5 gibt es keine Spieler.");
  ExpectRefused({"--rasse", "6", "--name", "X", "--spieler", "11,1"},
                "Die Rasse Halblinge hat nur 1 Position; für Position 2 gibt es keine Spieler.");
  ExpectRefused({"--rasse", "8", "--name", "X", "--spieler", "1,2,3,4,5,6"},
                "„--spieler“ nimmt höchstens fünf Zahlen, eine je Position, nicht „1,2,3,4,5,6“.");
  ExpectRefused({"--rasse", "8", "--name", "X", "--spieler", "11,,2"},
                "„--spieler“ erwartet Zahlen, durch Kommas getrennt, nicht „11,,2“.");

  ExpectRefused({"--rasse", "12", "--name", "X", "--spieler", "12,4", "--sani"},
                "Untote dürfen bei der Erstellung keinen Sani einstellen.");
  ExpectRefused({"--rasse", "12", "--name", "X", "--spieler", "12,4", "--zauberer"},
                "Untote dürfen bei der Erstellung keinen Zauberer einstellen.");

  ExpectRefused(with({"--star", "morg 'n' thorg"}), "Unbekannter Starplayer „morg 'n' thorg“");
  // Menschen may hire Griff; here he only breaks the budget.
  ExpectRefused(with({"--star", "Griff Oberwald"}), "Sie müssen mit 0 Goldstücken abschließen!");
  ExpectRefused({"--rasse", "3", "--name", "X", "--star", "Morg 'n' Thorg"},
                "Der Starplayer „Morg 'n' Thorg“ spielt nicht für die Rasse Echsenmenschen.");
  ExpectRefused({"--rasse", "4", "--name", "X", "--startkapital", "190000", "--star", "Morg 'n' Thorg"},
                "Der Starplayer „Morg 'n' Thorg“ kostet 190.000 Goldstücke, das Startkapital von 190.000 "
                "Goldstücken reicht dafür nicht.");
  ExpectRefused(with({"--star", "Troll (Brocken)", "--star", "Troll (Brocken)", "--star", "Troll (Brocken)", "--star",
                      "Troll (Brocken)", "--star", "Troll (Brocken)"}),
                "Es gibt nur 4 Starplayer-Plätze, nicht 5.");

  Args named = kMenschen;
  named[3] = std::string(81, 'x');
  ExpectRefused(named, "Der Name des Teams darf höchstens 80 Zeichen lang sein.");
  named[3] = "Adler 🦅";
  ExpectRefused(named, "Der Name des Teams enthält Zeichen, die eine Teamdatei nicht speichern kann.");
}

TEST_F(KrvNeu, MalformedCallsAndExistingFiles) {
  // A malformed call is status 2 with the usage; an existing file is never overwritten,
  // so a typo cannot destroy a team's career.
  ExpectRefused({"--name", "X"}, "Die Rasse fehlt (--rasse N).", 2);
  ExpectRefused({"--rasse", "8"}, "Der Name des Teams fehlt (--name TEXT).", 2);
  ExpectRefused({"--rasse", "8", "--name", "X", "--tanzen"}, "Unbekannte Option „--tanzen“.", 2);
  ExpectRefused({"--rasse", "8", "--name", "X", "zweite.krt"}, "„neu“ erwartet genau eine Zieldatei.", 2);
  // What is no number at all is a malformed call (it was status 1, as a refused value).
  ExpectRefused({"--rasse", "x", "--name", "X"}, "„--rasse“ erwartet eine Zahl, nicht „x“.", 2);
  ExpectRefused({"--rasse", "-1", "--name", "X"}, "„--rasse“ erwartet eine Zahl, nicht „-1“.", 2);
  ExpectRefused({"--rasse", "8", "--name", "X", "--spieler", "11,0,2,2", "--marken", "1.5"},
                "„--marken“ erwartet eine Zahl, nicht „1.5“.", 2);
  Result r = Run({"neu", "--rasse", "8", "--name"});
  EXPECT_EQ(r.status, 2);
  EXPECT_NE(r.err.find("„--name“ erwartet einen Wert."), std::string::npos) << r.err;
  r = Run({"neu", "--rasse", "8", "--name", "X"});
  EXPECT_EQ(r.status, 2);
  EXPECT_NE(r.err.find("Aufruf: krv neu"), std::string::npos);

  WriteFileAtomically(Path("vorhanden.krt"), "alte Karriere");
  r = Run(Neu(kMenschen, Path("vorhanden.krt")));
  EXPECT_EQ(r.status, 1);
  EXPECT_NE(r.err.find("ist bereits vorhanden"), std::string::npos) << r.err;
  EXPECT_EQ(ReadWholeFile(Path("vorhanden.krt")), "alte Karriere");

  // A folder that does not exist: the file error, status 1, nothing left behind.
  r = Run(Neu(kMenschen, Path("kein/ordner/team.krt")));
  EXPECT_EQ(r.status, 1);
  EXPECT_FALSE(r.err.empty());
  EXPECT_FALSE(fs::exists(Path("kein")));
}

}  // namespace
}  // namespace krv
