// krv as a coach runs it: the real binary, its output streams and exit status.

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <unistd.h>

#include "ProgramVersion.h"
#include "model/FileIO.h"
#include "model/TeamFile.h"
#include "support/KrvRunner.h"
#include "support/SampleTeams.h"

namespace krv {
namespace {

namespace fs = std::filesystem;

using Result = test::KrvResult;

class Krv : public test::KrvToolTest {
 protected:
  std::string WriteSample(const std::string& name, int32_t race = 10) const {
    auto team = test::MakeSampleTeam(race);
    team->m_strRassenName = "Sumpfler";
    SaveTeamFile(*team, Path(name));
    return Path(name);
  }
};

// Catches a command missing from the help (they register themselves), an unknown command
// taken for a file, and a version other than the program's.
TEST_F(Krv, HelpListsCommands) {
  const Result r = Run({"--help"});
  EXPECT_EQ(r.status, 0);
  for (const char* line : {"\n  json DATEI         gibt", "\n  resave EIN AUS     liest", "\n  neu OPTIONEN DATEI legt",
                           "\n                     Version 4 nach AUS\n"})
    EXPECT_NE(r.out.find(line), std::string::npos) << line << "\n" << r.out;
  const Result version = Run({"--version"});
  EXPECT_EQ(version.status, 0);
  EXPECT_EQ(version.out, std::string("krv ") + kProgramVersion + "\n");
  const Result wrong = Run({"tanzen"});
  EXPECT_EQ(wrong.status, 2);
  EXPECT_NE(wrong.err.find("Unbekannter Befehl"), std::string::npos);
}

// The JSON keys, stored texts next to the recomputed figures, and null for a list hole.
TEST_F(Krv, JsonOfATeam) {
  auto team = test::MakeSampleTeam();
  team->m_strTeamwert = "77";
  team->m_Games.push_back(nullptr);
  SaveTeamFile(*team, Path("t.krt"));
  const Result r = Run({"json", Path("t.krt")});
  ASSERT_EQ(r.status, 0) << r.err;
  EXPECT_TRUE(r.err.empty());
  EXPECT_EQ(0u, r.out.rfind("{\"version\":4,\"name\":\"Grünhaut Gröhler\",\"raceName\":\"\",\"storedTeamValue\":\"77\","
                        "\"storedGold\":\"0\",\"race\":10,",
                                0))
      << r.out;
  for (const char* part :
       {"\"assistantCoaches\":[{\"name\":\"Cotrainer1\",\"career\":\"\"}]",
        "\"career\":\"01.03.07 Neue Fertigkeit: Pass\\r\\nZweite Zeile\",\"number\":2,\"BW\":5",
        "\"expenses\":[{\"text\":\"Team-Aufstellung\",\"amount\":1000000,\"kind\":21},",
        "\"fanFactorChange\":1},null],\"events\":[{\"text\":\"Abzug einer Trainingsmarke im Spiel gegen "
        "Zwergenstürmer\",\"kind\":0}],\"ownPositions\":null,",
        "\"computed\":{\"incomeK\":1000,\"expensesK\":1060,\"gold\":\"-60000\",\"fanFactorAdjustment\":1,"
        "\"fanFactorInForce\":4,\"teamValue\":"}) {
    EXPECT_NE(r.out.find(part), std::string::npos) << part << "\n" << r.out;
  }
}

TEST_F(Krv, JsonOfOwnRace) {
  const Result r = Run({"json", WriteSample("eigen.krt", 15)});
  ASSERT_EQ(r.status, 0);
  EXPECT_NE(r.out.find("\"raceName\":\"Sumpfler\""), std::string::npos);
  EXPECT_NE(r.out.find("\"ownPositions\":[{\"name\":\"Feldspieler\",\"secondName\":\"Feldspieler\",\"skills\":\"\","
                       "\"nameCopy\":\"\",\"BW\":6,\"ST\":3,\"GE\":3,\"RW\":8,\"cost\":0},"),
            std::string::npos);
}

TEST_F(Krv, ShowSummary) {
  const Result r = Run({"show", WriteSample("t.krt")});
  ASSERT_EQ(r.status, 0) << r.err;
  for (const char* part : {"Grünhaut Gröhler", "Orks", "Trainingsmarken: 2/0/1", "Fan-Faktor:      4",
                           "-60.000 Goldstücke", "Cheerleader:     2 (Cheerleader1, Cheerleader2)", "Werfer1",
                           "80.000"})
    EXPECT_NE(r.out.find(part), std::string::npos) << part << "\n" << r.out;
}

// resave: an old file comes back as version 4 with the recomputed figures.
TEST_F(Krv, ResaveWritesVersion4) {
  const std::string in = WriteSample("in.krt");
  const Result r = Run({"resave", in, Path("out.krt")});
  ASSERT_EQ(r.status, 0) << r.err;
  EXPECT_TRUE(r.out.empty());
  auto out = LoadTeamFile(Path("out.krt"));
  EXPECT_EQ(out->m_nVersion, 4);
  EXPECT_EQ(out->m_strGold, "-60000");
  EXPECT_NE(out->m_strTeamwert, "100");
}

// A damaged or missing file: status 1, a German message naming the file, nothing on
// stdout, and no output file created.
TEST_F(Krv, BadFilesFailCleanly) {
  std::ofstream(Path("kaputt.krt")) << "\x04\0\0\0kaputt";
  for (const std::string command : {"json", "show"}) {
    for (const std::string& file : {Path("kaputt.krt"), Path("fehlt.krt")}) {
      const Result r = Run({command, file});
      EXPECT_EQ(r.status, 1);
      EXPECT_TRUE(r.out.empty());
      EXPECT_NE(r.err.find(fs::path(file).filename().string()), std::string::npos) << r.err;
    }
  }
  const Result r = Run({"resave", Path("kaputt.krt"), Path("aus.krt")});
  EXPECT_EQ(r.status, 1);
  EXPECT_NE(r.err.find("Keine gültige Team-Datei"), std::string::npos) << r.err;
  EXPECT_FALSE(fs::exists(Path("aus.krt")));

  // A good input but an output that cannot be written leaves nothing behind either.
  const Result unwritable = Run({"resave", WriteSample("gut.krt"), Path("kein/ordner/aus.krt")});
  EXPECT_EQ(unwritable.status, 1);
  EXPECT_NE(unwritable.err.find("aus.krt"), std::string::npos);
}

}  // namespace
}  // namespace krv
