// krv as a coach runs it: the real binary, its output streams and exit status.

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sys/stat.h>

#include "ProgramVersion.h"
#include "model/FileIO.h"
#include "model/TeamFile.h"
#include "support/KrvRunner.h"
#include "support/SampleTeams.h"

namespace krv {
namespace {

namespace fs = std::filesystem;

using Result = test::KrvResult;
using test::Has;
using test::Ok;

class Krv : public test::KrvToolTest {
 protected:
  std::string WriteSample(const std::string& name, int32_t race = 10) const {
    auto team = test::MakeSampleTeam(race);
    team->m_strRassenName = "Sumpfler";
    SaveTeamFile(*team, Path(name));
    return Path(name);
  }
};

// Catches a command missing from the help (they register themselves), a command whose own
// help the main help points to but that has none, "--help" after json, show and resave taken
// for a file name, an unknown command taken for a file, and a version other than the program's.
TEST_F(Krv, HelpListsCommands) {
  const Result r = Run({"--help"});
  EXPECT_EQ(r.status, 0);
  for (const char* line : {"\n  json DATEI         gibt", "\n  resave EIN AUS     liest", "\n  neu OPTIONEN DATEI legt",
                           "\n                     Version 4 nach AUS\n"})
    EXPECT_TRUE(Has(r.out, line)) << line << "\n" << r.out;
  for (const std::string command : {"neu", "pdf", "kaufen", "zombie", "spieler", "entfernen", "spiel", "ausgabe",
                                    "einnahme", "ereignis", "loeschen", "json", "show", "resave"}) {
    EXPECT_EQ(Has(r.out, "(krv " + command + " --help)"), command != "json" && command != "show" && command != "resave")
        << command;
    const Result own = Run({command, "--help"});
    EXPECT_EQ(own.status, 0) << command << own.err;
    EXPECT_TRUE(Has(own.out, "Aufruf: krv " + command)) << command;
  }
  EXPECT_EQ(Run({"--version"}).out, std::string("krv ") + kProgramVersion + "\n");
  const Result wrong = Run({"tanzen"});
  EXPECT_EQ(wrong.status, 2);
  EXPECT_TRUE(Has(wrong.err, "Unbekannter Befehl"));
}

// json: the keys, stored texts next to the recomputed figures, null for a list hole, an own
// race with its positions; show: the summary; resave: an old file back as version 4 with the
// recomputed figures.
TEST_F(Krv, JsonShowAndResave) {
  auto team = test::MakeSampleTeam();
  team->m_strTeamwert = "77";
  team->m_Games.push_back(nullptr);
  SaveTeamFile(*team, Path("t.krt"));
  Check(Path("t.krt"),
        {Ok({"json", "@"},
            {"{\"version\":4,\"name\":\"Grünhaut Gröhler\",\"raceName\":\"\",\"storedTeamValue\":\"77\","
             "\"storedGold\":\"0\",\"race\":10,",
             "\"assistantCoaches\":[{\"name\":\"Cotrainer1\",\"career\":\"\"}]",
             "\"career\":\"01.03.07 Neue Fertigkeit: Pass\\r\\nZweite Zeile\",\"number\":2,\"BW\":5",
             "\"expenses\":[{\"text\":\"Team-Aufstellung\",\"amount\":1000000,\"kind\":21},",
             "\"fanFactorChange\":1},null],\"events\":[{\"text\":\"Abzug einer Trainingsmarke im Spiel gegen "
             "Zwergenstürmer\",\"kind\":0}],\"ownPositions\":null,",
             "\"computed\":{\"incomeK\":1000,\"expensesK\":1060,\"gold\":\"-60000\",\"fanFactorAdjustment\":1,"
             "\"fanFactorInForce\":4,\"teamValue\":"})});
  Check(WriteSample("eigen.krt", 15),
        {Ok({"json", "@"}, {"\"raceName\":\"Sumpfler\"",
                            "\"ownPositions\":[{\"name\":\"Feldspieler\",\"secondName\":\"Feldspieler\",\"skills\":"
                            "\"\",\"nameCopy\":\"\",\"BW\":6,\"ST\":3,\"GE\":3,\"RW\":8,\"cost\":0},"})});

  const Result shown = Run({"show", WriteSample("t.krt")});
  ASSERT_EQ(shown.status, 0) << shown.err;
  for (const char* part :
       {"Grünhaut Gröhler", "Orks", "Trainingsmarken: 2/0/1", "Fan-Faktor:      4", "-60.000 Goldstücke",
        "Cheerleader:     2 (Cheerleader1, Cheerleader2)", "Werfer1", "80.000"})
    EXPECT_TRUE(Has(shown.out, part)) << part << "\n" << shown.out;

  const Result resaved = Run({"resave", Path("t.krt"), Path("out.krt")});
  EXPECT_EQ(resaved.status, 0);
  EXPECT_EQ(resaved.out + resaved.err, "");
  Check(Path("out.krt"), {Ok({"json", "@"}, {"\"version\":4,", "\"storedGold\":\"-60000\""})});
  EXPECT_NE(LoadTeamFile(Path("out.krt"))->m_strTeamwert, "100");
}

// A damaged, missing or unreadable file, a pipe as team file (it used to hang), an output
// that cannot be written or is read-only (it was overwritten): status 1, a German message
// naming the file or the cause, nothing on stdout, no output file created and the read-only
// one kept. Output to a full device or a closed stream fails instead of reporting success.
// (Every refusal of reading and saving, a missing and a damaged file alike, links, permissions
// and the file-size limit: FileIO, whose functions krv calls; each command here meets one.)
TEST_F(Krv, BadFilesFailCleanly) {
  std::ofstream(Path("kaputt.krt")) << "\x04\0\0\0kaputt";
  ASSERT_EQ(::mkfifo(Path("pipe.krt").c_str(), 0644), 0);
  const std::string in = WriteSample("in.krt");
  std::ofstream(Path("nurlesen.krt")) << "alt";
  fs::permissions(Path("nurlesen.krt"), fs::perms::owner_read | fs::perms::group_read);
  Check(Path("nurlesen.krt"), {
                                  {{"json", Path("kaputt.krt")}, 1, "kaputt.krt"},
                                  {{"show", Path("fehlt.krt")}, 1, "fehlt.krt"},
                                  {{"resave", in, Path("kein/ordner/aus.krt")}, 1, "aus.krt"},
                                  {{"json", Path("pipe.krt")}, 1, "Pipe, keine gewöhnliche Datei"},
                                  {{"resave", in, "@"}, 1, "schreibgeschützt"},
                              });
  for (const std::string redirect : {">/dev/full", ">&-"}) {
    for (const std::string command : {"json", "show"}) {
      const Result r = Run({command, in}, redirect);
      EXPECT_EQ(r.status, 1) << command << redirect;
      EXPECT_TRUE(Has(r.err, "Die Ausgabe kann nicht geschrieben werden.")) << r.err;
    }
  }
  EXPECT_TRUE(Has(ReadWholeFile(Path("stderr")), "geschlossen"));
}

// Texts of a call that must not get into a team: bytes that are no UTF-8, control characters
// in one-line names, and texts longer than the dialog's field. Each is refused with status 1,
// the message naming the option, and the file stays as it was; a multi-line text keeps its
// line breaks. "krv show" prints control characters of a file escaped, never raw to the
// terminal. (Which bytes are no UTF-8: Windows1252.UnrepresentableCharactersAreCounted; which characters count as
// control characters in one-line and multi-line texts and how they are escaped:
// ControlCharacters.FoundAndEscaped.)
TEST_F(Krv, TextsOfACallAreChecked) {
  const std::string file = WriteSample("team.krt");
  Check(
      file,
      {
          {{"ereignis", "@", "--text", "a\xc0\xaf b"}, 1, "„--text“ enthält Bytes, die kein gültiger UTF-8-Text sind."},
          {{"zombie", "@", "--name", "Grim\x1b[31m"}, 1, "„--name“ enthält ein Steuerzeichen"},
          {{"kaufen", "@", "--position", "1", "--name", "Bo\rb"}, 1, "oder einen Zeilenumbruch); das ist hier nicht"},
          {{"ereignis", "@", "--text", "Zeile\tTab"}, 1, "Steuerzeichen (etwa Escape, Tabulator); das"},
          {{"ausgabe", "@", "--art", "verlust", "--text", std::string(81, 'v'), "--wert", "10"},
           1,
           "Der Text darf höchstens 80 Zeichen lang sein."},
          {{"zombie", "@", "--name", std::string(101, 'z')}, 1, "Der Name darf höchstens 100 Zeichen lang sein."},
          {{"neu", "--rasse", "8", "--name", "Orks\x1b]0;x\x07", Path("neu.krt")}, 1, "„--name“ enthält ein Steuer"},
          Ok({"ereignis", "@", "--text", "Erste\r\nZweite"}, {"{\"text\":\"Erste\\r\\nZweite\",\"kind\":1}]"}),
      });

  // A file written by another program with control characters in its texts.
  auto team = LoadTeamFile(file);
  team->m_strName = "Orks\x1b[2J\x07";
  team->m_strTrainer = "Gro\xc2\x81m";
  SaveTeamFile(*team, file);
  const Result shown = Run({"show", file});
  ASSERT_EQ(shown.status, 0) << shown.err;
  EXPECT_TRUE(Has(shown.out, "Orks\\x1b[2J\\x07\n")) << shown.out;
  EXPECT_TRUE(Has(shown.out, "Gro\\u0081m\n")) << shown.out;
  EXPECT_EQ(shown.out.find('\x1b'), std::string::npos);
}

// After the change was saved, a failure to print its report ended with status 1, which the
// help calls "file unchanged": a script repeating the call entered the match twice. Now it
// is status 3, and stderr says the change is saved; the same where the team list cannot be
// updated (KRV.DAT is a folder).
TEST_F(Krv, SavedChangeWithFailedReportIsStatus3) {
  const std::string file = WriteSample("team.krt");
  Result r = Run({"ereignis", file, "--text", "Gespeichert"}, ">/dev/full");
  EXPECT_EQ(r.status, 3);
  EXPECT_TRUE(Has(r.err, "Die Ausgabe kann nicht geschrieben werden.")) << r.err;
  EXPECT_TRUE(Has(r.err, "Die Änderung ist trotzdem in der Datei gespeichert.")) << r.err;
  EXPECT_EQ(LoadTeamFile(file)->m_Ereignisse.back()->m_strText, "Gespeichert");

  fs::create_directories(Path("Daten/KRV.DAT"));
  r = Run({"spiel", file, "--gegner", "Neuland", "--ergebnis", "1:0", "--in-teamliste"});
  EXPECT_EQ(r.status, 3) << r.err;
  EXPECT_TRUE(Has(r.err, "das Spiel ist gespeichert")) << r.err;
  EXPECT_EQ(LoadTeamFile(file)->m_Games.back()->m_strGegner, "Neuland");
  EXPECT_TRUE(Has(Run({"ereignis", "--help"}).out, "3: die Änderung ist gespeichert"));
}

}  // namespace
}  // namespace krv
