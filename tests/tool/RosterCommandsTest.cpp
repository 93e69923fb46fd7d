// The roster commands of krv as a coach runs them: kaufen, zombie, spieler, entfernen.

#include <gtest/gtest.h>

#include "settings/KrvDat.h"
#include "model/FileIO.h"
#include "model/TeamFile.h"
#include "rules/StarPlayers.h"
#include "support/KrvRunner.h"
#include "support/PlayerLine.h"

namespace krv {
namespace {

using Result = test::KrvResult;

class KrvRoster : public test::KrvToolTest {
 protected:
  // A team of the race with `gold` in the treasury and its players as listed.
  std::string WriteTeam(int32_t race, int32_t gold) {
    CKRTeam team;
    team.m_nNaechsteID = 100;
    team.m_nRasse = race;
    team.m_strName = "Testteam";
    team.AddEinnahme({"Startkapital", gold});
    test::AddPlayer(team, 1, "Eins", "Feldspieler", 6, 3, 3, 8, 50000, "MehrBlk", team.m_nNaechsteID++, 19);
    test::AddPlayer(team, 2, "Zwei", "Feldspieler", 6, 3, 3, 8, 50000, "", team.m_nNaechsteID++, 19);
    test::AddPlayer(team, 2, "Doppelt", "Feldspieler", 6, 3, 3, 8, 50000, "", team.m_nNaechsteID++, 19);
    test::AddPlayer(team, 3, "Weg", "Feldspieler", 6, 3, 3, 8, 50000, "", team.m_nNaechsteID++, 19);
    team.m_Spieler.back()->m_nStatus = kStatusVerkauft;
    test::AddPlayer(team, 4, "Tot", "Feldspieler", 6, 3, 3, 8, 50000, "", team.m_nNaechsteID++, 19);
    team.m_Spieler.back()->m_nStatus = kStatusVerstorben;
    test::AddPlayer(team, 5, "Star", "Starplayer", 6, 3, 3, 8, 50000, "", team.m_nNaechsteID++, 210);
    team.Recalculate();
    SaveTeamFile(team, Path("team.krt"));
    return Path("team.krt");
  }

  void WriteSettings(int32_t maxSpieler, bool careerLog) {
    ProgramSettings settings;
    settings.m_nMaxSpieler = maxSpieler;
    settings.m_bLebenslaufAuto = careerLog ? 1 : 0;
    std::filesystem::create_directories(Path("Daten"));
    SaveProgramSettings(settings, Path("Daten") + "/KRV.DAT");
  }

  std::string Json(const std::string& file) { return Run({"json", file}).out; }

  // Runs a call that must be refused with `status`; the file must stay byte for byte.
  Result Refused(const std::string& file, std::vector<std::string> args, int status) {
    const std::string before = ReadWholeFile(file);
    const Result r = Run(args);
    EXPECT_EQ(r.status, status) << args[0] << " " << args.back() << ": " << r.err;
    EXPECT_EQ(ReadWholeFile(file), before) << args.back();
    return r;
  }
};

using test::Has;

// Catches a purchase through krv that differs from the dialog's: the card price, the
// expense text, the name fallback and the lowest free number of the active players.
TEST_F(KrvRoster, KaufenPosition) {
  const std::string file = WriteTeam(8, 100000);
  Result r = Run({"kaufen", file, "--position", "Werfer", "--name", "Hans", "--karte"});
  ASSERT_EQ(r.status, 0) << r.err;
  std::string json = Json(file);
  EXPECT_TRUE(Has(json, "\"name\":\"Hans\",\"position\":\"Werfer\",\"skills\":\"Ballgef,Wurfs\"")) << json;
  EXPECT_TRUE(
      Has(json, "{\"text\":\"Einstellung von Hans als Werfer. zum halben Preis!\",\"amount\":35000,\"kind\":19}"));
  EXPECT_TRUE(Has(json, "\"number\":3,\"BW\":6"));
  EXPECT_TRUE(Has(json, "\"gold\":\"65000\""));

  ASSERT_EQ(Run({"kaufen", file, "--position", "Feldspieler"}).status, 0);
  EXPECT_TRUE(Has(Json(file), "\"name\":\"Feldspieler\",\"position\":\"Feldspieler\""));
}

// Catches refusals that still write the file or give the wrong status.
TEST_F(KrvRoster, KaufenRefusals) {
  const std::string file = WriteTeam(8, 60000);
  EXPECT_TRUE(Has(Refused(file, {"kaufen", file, "--position", "Blitzer"}, 1).err, "90.000"));
  EXPECT_TRUE(Has(Refused(file, {"kaufen", file, "--position", "Troll"}, 1).err, "gibt es bei diesem Team nicht"));
  Refused(file, {"kaufen", file, "--star", "Niemand"}, 1);
  WriteSettings(4, true);
  EXPECT_TRUE(Has(Refused(file, {"kaufen", file, "--position", "Feldspieler"}, 1).err, "Sie haben schon 16 Spieler!"));
  Refused(file, {"kaufen", file}, 2);
  Refused(file, {"kaufen", file, "--position", "Werfer", "--star", "X"}, 2);
  Refused(file, {"kaufen", file, "--star", "X", "--karte"}, 2);
  Refused(file, {"kaufen", file, "--position"}, 2);
  Refused(file, {"kaufen", file, file, "--position", "Werfer"}, 2);
  EXPECT_EQ(Run({"kaufen", Path("fehlt.krt"), "--position", "Werfer"}).status, 1);
}

// Catches a star hire that skips the offer rules or books the wrong kind.
TEST_F(KrvRoster, KaufenStar) {
  const std::string file = WriteTeam(8, 1000000);
  const SStarplayer* star = nullptr;
  for (const SStarplayer* s : StarplayersForRace(8))
    if (!IsBigGuyCode(s->m_nCode)) star = s;
  ASSERT_NE(star, nullptr);
  const Result r = Run({"kaufen", file, "--star", star->m_pszName});
  ASSERT_EQ(r.status, 0) << r.err;
  const std::string json = Json(file);
  EXPECT_TRUE(Has(json, std::string("{\"text\":\"") + star->m_pszName +
                            "\",\"amount\":" + std::to_string(star->m_nCost) + ",\"kind\":18}"));
  EXPECT_TRUE(Has(json, std::string("\"name\":\"") + star->m_pszName + "\",\"position\":\"Starplayer\""));

  const std::string poor = WriteTeam(8, 10000);
  Refused(poor, {"kaufen", poor, "--star", star->m_pszName}, 1);
}

// Catches a revival for the wrong race or without its event.
TEST_F(KrvRoster, Zombie) {
  const std::string file = WriteTeam(12, 0);
  ASSERT_EQ(Run({"zombie", file, "--name", "Gregor"}).status, 0);
  const std::string json = Json(file);
  EXPECT_TRUE(Has(json, "\"name\":\"Gregor\",\"position\":\"Neuer Zombie\",\"skills\":\"Reg\""));
  EXPECT_TRUE(Has(json, "{\"text\":\"Wiederbelebung von 'Gregor'.\",\"kind\":1}"));

  const std::string orcs = WriteTeam(10, 0);
  EXPECT_TRUE(Has(Refused(orcs, {"zombie", orcs, "--name", "X"}, 1).err, "Das dürfen nur Untote"));
  Refused(orcs, {"zombie", orcs}, 2);
}

// Catches the command differing from the confirmed sheet: the career-log entry byte for
// byte, the new skill sorted in, and the sheet's refusals.
TEST_F(KrvRoster, Spieler) {
  const std::string file = WriteTeam(8, 0);
  Result r = Run({"spieler", file, "--nr", "1", "--st", "4", "--ge", "4", "--fertigkeit", "Tackle"});
  ASSERT_EQ(r.status, 0) << r.err;
  std::string json = Json(file);
  EXPECT_TRUE(Has(json, "\"skills\":\"MehrBlk,Tackle\"")) << json;
  EXPECT_TRUE(Has(json,
                  "wurden folgende Werte verändert:\\r\\nStärke von 3 auf 4, Geschicklichkeit von 3 auf 4, "
                  "\\r\\n\\r\\nEins \\r\\n\\r\\n\""));

  WriteSettings(16, false);
  ASSERT_EQ(Run({"spieler", file, "--id", "101", "--td", "2", "--name", "Zweiter"}).status, 0);
  json = Json(file);
  EXPECT_TRUE(Has(json,
                  "\"name\":\"Zweiter\",\"position\":\"Feldspieler\",\"skills\":\"\",\"extra\":\"\",\"injuries\":\"\","
                  "\"career\":\"\",\"number\":2"));

  EXPECT_TRUE(Has(Refused(file, {"spieler", file, "--nr", "1", "--ssp", "701"}, 1).err, "0 und 700"));
  EXPECT_TRUE(
      Has(Refused(file, {"spieler", file, "--nr", "1", "--fertigkeit", "Blk"}, 1).err, "hat der Spieler bereits"));
  Refused(file, {"spieler", file, "--nr", "1", "--fertigkeit", "Unsinn"}, 1);
  Refused(file, {"spieler", file, "--nr", "5", "--ssp", "10"}, 1);
  Refused(file, {"spieler", file, "--nr", "5", "--fertigkeit", "Blk"}, 1);
  Refused(file, {"spieler", file, "--nr", "2", "--td", "1"}, 1);  // two players carry 2
  Refused(file, {"spieler", file, "--nr", "9", "--td", "1"}, 1);  // nobody carries 9
  EXPECT_TRUE(Has(Refused(file, {"spieler", file, "--id", "104", "--td", "1"}, 1).err, "Mausetot"));
  Refused(file, {"spieler", file, "--nr", "1", "--bw", "schnell"}, 2);
  Refused(file, {"spieler", file, "--nr", "1", "--id", "100"}, 2);
  Refused(file, {"spieler", file, "--td", "1"}, 2);
}

// Catches a removal that differs from the dialog's: status, reason text, assistant coach,
// the complete removal of a dead player only, and the refusals.
TEST_F(KrvRoster, Entfernen) {
  const std::string file = WriteTeam(8, 0);
  ASSERT_EQ(Run({"entfernen", file, "--nr", "1", "--grund", "sonstiges", "--text", "Ausgewandert"}).status, 0);
  ASSERT_EQ(Run({"entfernen", file, "--id", "101", "--grund", "cotrainer"}).status, 0);
  std::string json = Json(file);
  EXPECT_TRUE(Has(json, "\"injuries\":\"Ausgewandert\"")) << json;
  EXPECT_TRUE(Has(json, "\"status\":4,\"id\":100"));
  EXPECT_TRUE(Has(json, "\"status\":3,\"id\":101"));
  EXPECT_TRUE(Has(json, "\"assistantCoaches\":[{\"name\":\"Zwei\",\"career\":\"\"}]"));

  EXPECT_TRUE(Has(Refused(file, {"entfernen", file, "--id", "104", "--grund", "verkauft"}, 1).err,
                  "Tot ist kein aktiver Spieler mehr!"));
  ASSERT_EQ(Run({"entfernen", file, "--id", "104", "--endgueltig"}).status, 0);
  EXPECT_FALSE(Has(Json(file), "\"name\":\"Tot\""));

  EXPECT_TRUE(Has(Refused(file, {"entfernen", file, "--id", "103", "--grund", "verstorben"}, 1).err,
                  "Weg ist kein aktiver Spieler mehr!"));
  Refused(file, {"entfernen", file, "--id", "103", "--endgueltig"}, 1);
  Refused(file, {"entfernen", file, "--id", "102", "--endgueltig"}, 1);
  EXPECT_TRUE(
      Has(Refused(file, {"entfernen", file, "--id", "102", "--grund", "sonstiges"}, 1).err, "im Feld Sonstiges"));
  Refused(file, {"entfernen", file, "--id", "102", "--grund", "sonstiges", "--text", std::string(81, 'x')}, 1);
  Refused(file, {"entfernen", file, "--id", "102", "--grund", "entführt"}, 2);
  Refused(file, {"entfernen", file, "--id", "102"}, 2);
  Refused(file, {"entfernen", file, "--id", "102", "--grund", "verkauft", "--text", "x"}, 2);
}

}  // namespace
}  // namespace krv
