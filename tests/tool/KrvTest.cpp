// krv as a coach runs it: the real binary, its output streams and exit status.

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sys/stat.h>
#include <sys/wait.h>

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

// Catches a command missing from the help (they register themselves), a command whose own
// help the main help points to but that has none, an unknown command taken for a file, and
// a version other than the program's.
TEST_F(Krv, HelpListsCommands) {
  const Result r = Run({"--help"});
  EXPECT_EQ(r.status, 0);
  for (const char* line : {"\n  json DATEI         gibt", "\n  resave EIN AUS     liest", "\n  neu OPTIONEN DATEI legt",
                           "\n                     Version 4 nach AUS\n"})
    EXPECT_NE(r.out.find(line), std::string::npos) << line << "\n" << r.out;
  for (const std::string command : {"neu", "pdf", "kaufen", "zombie", "spieler", "entfernen", "spiel", "ausgabe",
                                    "einnahme", "ereignis", "loeschen"}) {
    EXPECT_NE(r.out.find("(krv " + command + " --help)"), std::string::npos) << command;
    const Result own = Run({command, "--help"});
    EXPECT_EQ(own.status, 0) << command;
    EXPECT_NE(own.out.find("Aufruf: krv " + command), std::string::npos) << command;
  }
  // "--help" after json, show and resave was taken for a file name.
  for (const std::string command : {"json", "show", "resave"}) {
    const Result own = Run({command, "--help"});
    EXPECT_EQ(own.status, 0) << command << own.err;
    EXPECT_NE(own.out.find("Aufruf: krv " + command), std::string::npos) << command;
  }
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
  for (const char* part :
       {"Grünhaut Gröhler", "Orks", "Trainingsmarken: 2/0/1", "Fan-Faktor:      4", "-60.000 Goldstücke",
        "Cheerleader:     2 (Cheerleader1, Cheerleader2)", "Werfer1", "80.000"})
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

// Bad input that used to hang (a pipe as team file), overwrite a read-only file or report a
// failed output as success: each now ends with status 1 and a German message, and loses
// nothing. (Every refusal of reading and saving, links, permissions and the file-size limit:
// FileIO, whose functions krv calls.)
TEST_F(Krv, BadInputNeverHangsCrashesOrReplaces) {
  ASSERT_EQ(::mkfifo(Path("pipe.krt").c_str(), 0644), 0);
  const std::string in = WriteSample("in.krt");
  auto refused = [&](const std::vector<std::string>& args, const std::string& message) {
    const Result r = Run(args);
    EXPECT_EQ(r.status, 1) << args[0];
    EXPECT_NE(r.err.find(message), std::string::npos) << r.err;
  };
  refused({"json", Path("pipe.krt")}, "Pipe, keine gewöhnliche Datei");
  std::ofstream(Path("nurlesen.krt")) << "alt";
  fs::permissions(Path("nurlesen.krt"), fs::perms::owner_read | fs::perms::group_read);
  refused({"resave", in, Path("nurlesen.krt")}, "schreibgeschützt");
  EXPECT_EQ(ReadWholeFile(Path("nurlesen.krt")), "alt");

  // Output to a full device or a closed stream fails instead of reporting success.
  const std::string krv = test::ShellQuoted(KRV_BINARY);
  for (const std::string redirect : {">/dev/full", ">&-"}) {
    for (const std::string command : {"json", "show"}) {
      const int raw = std::system((krv + " " + command + " " + test::ShellQuoted(in) + " " + redirect + " 2>" +
                                   test::ShellQuoted(Path("stderr")))
                                      .c_str());
      EXPECT_EQ(WIFEXITED(raw) ? WEXITSTATUS(raw) : -1, 1) << command << redirect;
      EXPECT_NE(ReadWholeFile(Path("stderr")).find("Die Ausgabe kann nicht geschrieben werden."), std::string::npos);
    }
  }
  EXPECT_NE(ReadWholeFile(Path("stderr")).find("geschlossen"), std::string::npos);
}

// Texts of a call that must not get into a team: bytes that are no UTF-8 (an overlong
// "\xc0\xaf" was stored as "/"), control characters in one-line names (ESC, BEL, CR/LF,
// DEL, C1), and texts longer than the dialog's field. Each is refused with status 1 and the
// file stays as it was; a multi-line text keeps its line breaks. "krv show" prints control
// characters of a file escaped, never raw to the terminal.
TEST_F(Krv, TextsOfACallAreChecked) {
  const std::string file = WriteSample("team.krt");
  const std::string before = ReadWholeFile(file);
  const std::vector<std::pair<std::vector<std::string>, std::string>> refused = {
      {{"ereignis", file, "--text", "a\xc0\xaf b"}, "„--text“ enthält Bytes, die kein gültiger UTF-8-Text sind."},
      {{"einnahme", file, "--text", "Spende\xed\xa0\x80", "--wert", "5"}, "kein gültiger UTF-8-Text"},
      {{"zombie", file, "--name", "Grim\x1b[31m"}, "„--name“ enthält ein Steuerzeichen"},
      {{"kaufen", file, "--position", "1", "--name", "Bo\rb"},
       "oder einen Zeilenumbruch); das ist hier nicht erlaubt."},
      {{"kaufen", file, "--position", "1", "--name", "Bob\x07"}, "Steuerzeichen"},
      {{"kaufen", file, "--position", "1", "--name", "Bob\x7f"}, "Steuerzeichen"},
      {{"kaufen", file, "--position", "1", "--name", "Bob\xc2\x9b"}, "Steuerzeichen"},
      {{"ereignis", file, "--text", "Zeile\tTab"}, "Steuerzeichen (etwa Escape, Tabulator); das"},
      {{"ausgabe", file, "--art", "verlust", "--text", std::string(81, 'v'), "--wert", "10"},
       "Der Text darf höchstens 80 Zeichen lang sein."},
      {{"zombie", file, "--name", std::string(101, 'z')}, "Der Name darf höchstens 100 Zeichen lang sein."},
      {{"neu", "--rasse", "8", "--name", "Orks\x1b]0;x\x07", Path("neu.krt")}, "„--name“ enthält ein Steuerzeichen"},
  };
  for (const auto& [args, message] : refused) {
    const Result r = Run(args);
    EXPECT_EQ(r.status, 1) << args[0] << " " << args[3];
    EXPECT_TRUE(test::Has(r.err, message)) << r.err;
  }
  EXPECT_EQ(ReadWholeFile(file), before);
  EXPECT_FALSE(fs::exists(Path("neu.krt")));

  // A multi-line event keeps its line break.
  ASSERT_EQ(Run({"ereignis", file, "--text", "Erste\r\nZweite"}).status, 0);
  EXPECT_EQ(LoadTeamFile(file)->m_Ereignisse.back()->m_strText, "Erste\r\nZweite");

  // A file written by another program with control characters in its texts.
  auto team = LoadTeamFile(file);
  team->m_strName = "Orks\x1b[2J\x07";
  team->m_strTrainer = "Gro\xc2\x81m";
  SaveTeamFile(*team, file);
  const Result shown = Run({"show", file});
  ASSERT_EQ(shown.status, 0) << shown.err;
  EXPECT_TRUE(test::Has(shown.out, "Orks\\x1b[2J\\x07\n")) << shown.out;
  EXPECT_TRUE(test::Has(shown.out, "Gro\\u0081m\n")) << shown.out;
  EXPECT_EQ(shown.out.find('\x1b'), std::string::npos);
}

// After the change was saved, a failure to print its report ended with status 1, which the
// help calls "file unchanged": a script repeating the call entered the match twice. Now it
// is status 3, and stderr says the change is saved.
TEST_F(Krv, SavedChangeWithFailedReportIsStatus3) {
  const std::string file = WriteSample("team.krt");
  const int raw = std::system((test::ShellQuoted(KRV_BINARY) + " ereignis " + test::ShellQuoted(file) +
                               " --text Gespeichert >/dev/full 2>" + test::ShellQuoted(Path("stderr")))
                                  .c_str());
  EXPECT_EQ(WIFEXITED(raw) ? WEXITSTATUS(raw) : -1, 3);
  const std::string err = ReadWholeFile(Path("stderr"));
  EXPECT_TRUE(test::Has(err, "Die Ausgabe kann nicht geschrieben werden.")) << err;
  EXPECT_TRUE(test::Has(err, "Die Änderung ist trotzdem in der Datei gespeichert.")) << err;
  EXPECT_EQ(LoadTeamFile(file)->m_Ereignisse.back()->m_strText, "Gespeichert");

  // The team list cannot be updated (KRV.DAT is a folder): the match is in, status 3.
  fs::create_directories(Path("Daten/KRV.DAT"));
  const Result r = Run({"spiel", file, "--gegner", "Neuland", "--ergebnis", "1:0", "--in-teamliste"});
  EXPECT_EQ(r.status, 3) << r.err;
  EXPECT_TRUE(test::Has(r.err, "das Spiel ist gespeichert")) << r.err;
  EXPECT_EQ(LoadTeamFile(file)->m_Games.back()->m_strGegner, "Neuland");
  EXPECT_TRUE(test::Has(Run({"ereignis", "--help"}).out, "3: die Änderung ist gespeichert"));
}

}  // namespace
}  // namespace krv
