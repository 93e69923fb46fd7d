// The season commands of krv as a coach runs them: each change written through the same
// rules as the dialogs, each refusal leaving the team file byte for byte as it was
// (test::KrvToolTest::Check); the ranges of every field: the season core's tests.

#include <gtest/gtest.h>

#include <filesystem>

#include "settings/KrvDat.h"
#include "model/FileIO.h"
#include "model/TeamFile.h"
#include "season/MatchEntry.h"
#include "support/KrvRunner.h"
#include "support/SampleTeams.h"

namespace krv {
namespace {

namespace fs = std::filesystem;
using test::Ok;

// The sample team (one match, re-rolls 2 bought and 1 lost) with a treasury of 200000.
class KrvSeason : public test::KrvToolTest {
 protected:
  void SetUp() override {
    KrvToolTest::SetUp();
    auto team = test::MakeSampleTeam();
    team->AddEinnahme({"Sponsor", 260000});
    team->Recalculate();
    SaveTeamFile(*team, File());
  }
  std::string File() const { return Path("team.krt"); }
  std::vector<std::string> TeamList() const { return LoadProgramSettings(Path("Daten/KRV.DAT")).m_Teamliste.m_Items; }
};

// A match with its takings as income, league mark and fan change, today's date when none is
// given; an unknown opponent goes into KRV.DAT only when asked, and only once in any case.
// A dropped income entry or a list written without being asked would show here; misuse is
// status 2; a refused match is status 1 with the file unchanged (the score range itself:
// MatchResult.FieldChecks).
TEST_F(KrvSeason, Spiel) {
  Check(File(), {
                    Ok({"spiel", "@", "--gegner", "Orkland", "--ergebnis", "3:1", "--einnahmen", "60000", "--liga",
                        "--fans", "sinkt", "--datum", "01.05.07", "--zuschauer", "12000"},
                       {"{\"opponent\":\"Orkland\",\"score\":\"3:1\",\"remark\":\"\",\"injuries\":\"\",\"date\":"
                        "\"01.05.07\",\"spectators\":12000,\"winnings\":60000,\"league\":1,\"won\":1,"
                        "\"fanFactorChange\":2}",
                        "{\"text\":\"Spiel gegen: Orkland\",\"amount\":60000}]", "\"gold\":\"260000\""},
                       "steht noch nicht in der System-Teamliste"),
                });
  EXPECT_FALSE(fs::exists(Path("Daten/KRV.DAT")));
  Check(File(), {
                    Ok({"spiel", "@", "--gegner", "Zwerge", "--ergebnis", "0:0", "--ohne-einnahme", "--in-teamliste"},
                       {"\"opponent\":\"Zwerge\",\"score\":\"0:0\",\"remark\":\"\",\"injuries\":\"\",\"date\":\"" +
                            TodayMatchDate() + "\"",
                        "{\"text\":\"Spiel gegen: Orkland\",\"amount\":60000}]"}),
                    {{"spiel", "@", "--gegner", "Orks", "--ergebnis", "17:0"}, 1, "zwischen 0 und 16"},
                    {{"spiel", "@", "--gegner", "Orks", "--ergebnis", "2-1"}, 2, "zwei Zahlen"},
                    {{"spiel", "@", "--gegner", "Orks", "--ergebnis", "2:1", "--fans", "hoch"}, 2, "steigt"},
                    {{"spiel", "@", "--ergebnis", "2:1"}, 2, "Der Gegner fehlt"},
                    {{"spiel", "@", "--gegner", "Orks", "--ergebnis", "2:1", "--zuschauer", "viele"}, 2, "eine Zahl"},
                });
  EXPECT_EQ(TeamList(), std::vector<std::string>{"Zwerge"});
  Check(File(), {Ok({"spiel", "@", "--gegner", "zwerge", "--ergebnis", "1:0", "--in-teamliste"})});
  EXPECT_EQ(TeamList().size(), 1u);
}

// Every kind of expense with its side effect, then refusals that name their reason (status
// 1; every refusal of the booking, the treasury's among them: ExpenseEntry's tests; the
// 80 characters of "--text": Krv.TextsOfACallAreChecked) and misuse (2). Catches a kind
// mapped to the wrong booking, a side effect (staff, re-roll, event) lost on the way, and a
// refusal or misuse that writes the file or gives the wrong status.
TEST_F(KrvSeason, AusgabeBooksEachKind) {
  Check(File(),
        {
            Ok({"ausgabe", "@", "--art", "cotrainer", "--name", "Gorbag"}),
            Ok({"ausgabe", "@", "--art", "cheerleader", "--name", "Lugdusch"}),
            Ok({"ausgabe", "@", "--art", "marke"}),
            Ok({"ausgabe", "@", "--art", "verlust", "--text", "Schiri bestochen", "--wert", "20000"},
               {"{\"name\":\"Gorbag\",\"career\":\"\"}]", "{\"name\":\"Lugdusch\",\"career\":\"\"}]", "\"rerolls\":3,",
                "{\"text\":\"Schiri bestochen 20000\",\"kind\":1}]", "\"gold\":\"100000\""}),
            {{"ausgabe", "@", "--art", "cotrainer", "--name", "Gorbag"}, 1, "Namen gibt es schon"},
            {{"ausgabe", "@", "--art", "cotrainer", "--name", std::string(101, 'x')}, 1, "höchstens 100 Zeichen"},
            {{"ausgabe", "@", "--art", "spieler"}, 2, "Unbekannte Art"},
            {{"ausgabe", "@", "--art", "sani"}, 2, "fehlt der Name"},
            {{"ausgabe", "@", "--art", "verlust", "--text", "Weg"}, 2, "--wert"},
        });
}

// Income of 0 adds nothing and leaves the file alone; an event with "--abzug" counts a lost
// re-roll, one without is of the other kind, a refused one is status 1. Catches an empty
// entry written, a refusal reported as success and the event kinds swapped. (When a
// deduction is refused: Events.DeductionOnlyWhileRerollsRemain.)
TEST_F(KrvSeason, EinnahmeAndEreignis) {
  Check(File(),
        {Ok({"einnahme", "@", "--text", "Sponsor", "--wert", "30000"}, {"{\"text\":\"Sponsor\",\"amount\":30000}]"})});
  const std::string before = ReadWholeFile(File());
  EXPECT_EQ(Run({"einnahme", File(), "--text", "Nichts", "--wert", "0"}).status, 0);
  EXPECT_EQ(ReadWholeFile(File()), before);
  Check(File(),
        {
            {{"einnahme", "@", "--text", std::string(81, 'x'), "--wert", "1"}, 1, "höchstens 80 Zeichen"},
            Ok({"ereignis", "@", "--text", "Abzug gegen Orks", "--abzug"}, {"\"rerollsLost\":2,"}),
            {{"ereignis", "@", "--text", "Abzug gegen Elfen", "--abzug"}, 1, "Sie haben keine Trainingsmarken mehr!!!"},
            Ok({"ereignis", "@", "--text", "Fest"}, {"{\"text\":\"Fest\",\"kind\":1}]"}),
        });
}

// Deleting counts from 1 as the lists show and undoes by kind; the creation entry stays.
// Catches an entry counted from 0 (the wrong one deleted), a deletion that leaves its
// effect (re-roll bought or lost), and the creation entry removed.
TEST_F(KrvSeason, LoeschenWithUndo) {
  Check(File(),
        {
            {{"loeschen", "@", "ausgabe", "1"}, 1, "Der erste Eintrag"},
            {{"loeschen", "@", "einnahme", "1"}, 1, "Der erste Eintrag"},
            {{"loeschen", "@", "ausgabe", "9"}, 1, "gibt es nicht"},
            {{"loeschen", "@", "ausgabe", "0"}, 2, "ab 1"},
            {{"loeschen", "@", "spieler", "1"}, 2, "Unbekannte Liste"},
            Ok({"loeschen", "@", "ausgabe", "2"}, {"\"rerolls\":1,"}),  // the "Trainningsmarke"
            Ok({"loeschen", "@", "ereignis", "1"}, {"\"rerollsLost\":0,"}),
            Ok({"loeschen", "@", "spiel", "1"}, {"\"matches\":[]"}),
            Ok({"loeschen", "@", "einnahme", "2"}, {"\"income\":[{\"text\":\"Startkapital\",\"amount\":1000000}]"}),
        });
}

}  // namespace
}  // namespace krv
