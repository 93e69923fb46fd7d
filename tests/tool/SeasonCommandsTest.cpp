// The season commands of krv as a coach runs them: each change written through the same
// rules as the dialogs, each refusal leaving the team file byte for byte as it was.

#include <gtest/gtest.h>

#include <filesystem>

#include "settings/KrvDat.h"
#include "model/FileIO.h"
#include "model/TeamFile.h"
#include "support/KrvRunner.h"
#include "support/SampleTeams.h"

namespace krv {
namespace {

namespace fs = std::filesystem;

class KrvSeason : public test::KrvToolTest {
 protected:
  void SetUp() override {
    KrvToolTest::SetUp();
    auto team = test::MakeSampleTeam();
    team->AddEinnahme({"Sponsor", 260000});  // a treasury of 200000
    team->Recalculate();
    SaveTeamFile(*team, File());
  }
  std::string File() const { return Path("team.krt"); }
  std::unique_ptr<CKRTeam> Load() const {
    auto team = LoadTeamFile(File());
    team->Recalculate();
    return team;
  }
  test::KrvResult RunOn(const std::string& command, std::vector<std::string> args) const {
    args.insert(args.begin(), {command, File()});
    return Run(args);
  }
  // The call must be refused with `status` and the message, leaving the file untouched.
  void ExpectRefused(const std::string& command, const std::vector<std::string>& args, const std::string& message,
                     int status = 1) {
    SCOPED_TRACE(command + " " + message);
    const std::string before = ReadWholeFile(File());
    const test::KrvResult r = RunOn(command, args);
    EXPECT_EQ(r.status, status);
    EXPECT_NE(r.err.find(message), std::string::npos) << r.err;
    EXPECT_EQ(ReadWholeFile(File()), before);
  }
};

// A match with its takings as income, league mark and fan change; an unknown opponent goes
// into KRV.DAT only when asked. A dropped income entry or a list written without being
// asked would show here.
TEST_F(KrvSeason, SpielRecordsTheMatch) {
  test::KrvResult r = RunOn("spiel", {"--gegner", "Orkland", "--ergebnis", "3:1", "--einnahmen", "60000", "--liga",
                                      "--fans", "sinkt", "--datum", "01.05.07", "--zuschauer", "12000"});
  ASSERT_EQ(r.status, 0) << r.err;
  EXPECT_NE(r.out.find("steht noch nicht in der System-Teamliste"), std::string::npos) << r.out;
  EXPECT_FALSE(fs::exists(Path("Daten/KRV.DAT")));
  auto team = Load();
  const CKRGames& game = *team->m_Games.back();
  EXPECT_EQ(game.m_strGegner, "Orkland");
  EXPECT_EQ(game.m_strErgebnis, "3:1");
  EXPECT_EQ(game.m_bGewonnen, 1);
  EXPECT_EQ(game.m_bLiga, 1);
  EXPECT_EQ(game.m_nFanFaktor, kFanFalls);
  EXPECT_EQ(game.m_nZuschauer, 12000);
  EXPECT_EQ(game.m_strDatum, "01.05.07");
  EXPECT_EQ(team->m_Einnahmen.back()->m_strText, "Spiel gegen: Orkland");
  EXPECT_EQ(team->m_strGold, "260000");

  r = RunOn("spiel", {"--gegner", "Zwerge", "--ergebnis", "0:0", "--ohne-einnahme", "--in-teamliste"});
  ASSERT_EQ(r.status, 0) << r.err;
  team = Load();
  EXPECT_EQ(team->m_Games.size(), 3u);
  EXPECT_EQ(team->m_Games.back()->m_strDatum.size(), 8u);  // today
  EXPECT_EQ(team->m_Einnahmen.back()->m_strText, "Spiel gegen: Orkland");
  EXPECT_EQ(LoadProgramSettings(Path("Daten/KRV.DAT")).m_Teamliste.m_Items, std::vector<std::string>{"Zwerge"});
  // Known now, in whatever case: not added twice.
  ASSERT_EQ(RunOn("spiel", {"--gegner", "zwerge", "--ergebnis", "1:0", "--in-teamliste"}).status, 0);
  EXPECT_EQ(LoadProgramSettings(Path("Daten/KRV.DAT")).m_Teamliste.m_Items.size(), 1u);
}

// Out-of-range fields are the dialog's refusals (1; the ranges themselves: MatchResult);
// calls that cannot be read are misuse (2).
TEST_F(KrvSeason, SpielRefusals) {
  ExpectRefused("spiel", {"--gegner", "Orks", "--ergebnis", "17:0"}, "zwischen 0 und 16");
  ExpectRefused("spiel", {"--gegner", "Orks", "--ergebnis", "2-1"}, "zwei Zahlen", 2);
  ExpectRefused("spiel", {"--gegner", "Orks", "--ergebnis", "2:1", "--fans", "hoch"}, "steigt", 2);
  ExpectRefused("spiel", {"--ergebnis", "2:1"}, "Der Gegner fehlt", 2);
  ExpectRefused("spiel", {"--gegner", "Orks", "--ergebnis", "2:1", "--zuschauer", "viele"}, "erwartet eine Zahl", 2);
}

// Every kind of expense with its side effect, then refusals that name their reason (status
// 1, file unchanged; every refusal of the booking: ExpenseEntry's tests) and misuse (2).
TEST_F(KrvSeason, AusgabeBooksEachKind) {
  const int32_t marken = Load()->m_nMarken;
  for (std::vector<std::string> args : {std::vector<std::string>{"--art", "cotrainer", "--name", "Gorbag"},
                                        {"--art", "cheerleader", "--name", "Lugdusch"},
                                        {"--art", "marke"},
                                        {"--art", "verlust", "--text", "Schiri bestochen", "--wert", "20000"}}) {
    const test::KrvResult r = RunOn("ausgabe", args);
    EXPECT_EQ(r.status, 0) << args[1] << r.err;
  }
  auto team = Load();
  EXPECT_TRUE(team->FindCoTrainer("Gorbag"));
  EXPECT_TRUE(team->FindCheerleader("Lugdusch"));
  EXPECT_EQ(team->m_nMarken, marken + 1);
  EXPECT_EQ(team->m_Ereignisse.back()->m_strText, "Schiri bestochen 20000");
  EXPECT_EQ(team->m_strGold, "100000");

  ExpectRefused("ausgabe", {"--art", "zauberer", "--name", "Bilbo"}, "reicht das Geld nicht");
  ExpectRefused("ausgabe", {"--art", "cotrainer", "--name", "Gorbag"}, "Namen gibt es schon");
  ExpectRefused("ausgabe", {"--art", "cotrainer", "--name", std::string(101, 'x')}, "höchstens 100 Zeichen");
  ExpectRefused("ausgabe", {"--art", "spieler"}, "Unbekannte Art", 2);
  ExpectRefused("ausgabe", {"--art", "sani"}, "fehlt der Name", 2);
  ExpectRefused("ausgabe", {"--art", "verlust", "--text", "Weg"}, "--wert", 2);
  ExpectRefused("ausgabe", {"--art", "verlust", "--text", std::string(81, 'x'), "--wert", "1"}, "höchstens 80 Zeichen");
}

// Income of 0 adds nothing and leaves the file alone; a deduction beyond the re-rolls bought
// is refused with the program's message.
TEST_F(KrvSeason, EinnahmeAndEreignis) {
  ASSERT_EQ(RunOn("einnahme", {"--text", "Sponsor", "--wert", "30000"}).status, 0);
  EXPECT_EQ(Load()->m_Einnahmen.back()->m_nBetrag, 30000);
  const std::string before = ReadWholeFile(File());
  const test::KrvResult zero = RunOn("einnahme", {"--text", "Nichts", "--wert", "0"});
  EXPECT_EQ(zero.status, 0);
  EXPECT_EQ(ReadWholeFile(File()), before);
  ExpectRefused("einnahme", {"--text", std::string(81, 'x'), "--wert", "1"}, "höchstens 80 Zeichen");

  ASSERT_EQ(RunOn("ereignis", {"--text", "Abzug gegen Orks", "--abzug"}).status, 0);  // 2 bought, now 2 lost
  EXPECT_EQ(Load()->m_nMarkenAbzug, 2);
  ExpectRefused("ereignis", {"--text", "Abzug gegen Elfen", "--abzug"}, "Sie haben keine Trainingsmarken mehr!!!");
  ASSERT_EQ(RunOn("ereignis", {"--text", "Fest"}).status, 0);
  EXPECT_EQ(Load()->m_Ereignisse.back()->m_nArt, kEreignisSonstiges);
}

// Deleting counts from 1 as the lists show and undoes by kind; the creation entry stays.
TEST_F(KrvSeason, LoeschenWithUndo) {
  ExpectRefused("loeschen", {"ausgabe", "1"}, "Der erste Eintrag");
  ExpectRefused("loeschen", {"einnahme", "1"}, "Der erste Eintrag");
  ExpectRefused("loeschen", {"ausgabe", "9"}, "gibt es nicht");
  ExpectRefused("loeschen", {"ausgabe", "0"}, "ab 1", 2);
  ExpectRefused("loeschen", {"spieler", "1"}, "Unbekannte Liste", 2);

  const int32_t marken = Load()->m_nMarken;
  ASSERT_EQ(RunOn("loeschen", {"ausgabe", "2"}).status, 0);  // the "Trainningsmarke"
  EXPECT_EQ(Load()->m_nMarken, marken - 1);
  ASSERT_EQ(RunOn("loeschen", {"ereignis", "1"}).status, 0);  // the deduction
  EXPECT_EQ(Load()->m_nMarkenAbzug, 0);
  ASSERT_EQ(RunOn("loeschen", {"spiel", "1"}).status, 0);
  EXPECT_TRUE(Load()->m_Games.empty());
  ASSERT_EQ(RunOn("loeschen", {"einnahme", "2"}).status, 0);
  EXPECT_EQ(Load()->m_Einnahmen.size(), 1u);
}

}  // namespace
}  // namespace krv
