// The roster commands of krv as a coach runs them: kaufen, zombie, spieler, entfernen. Each
// table runs its calls in order on one team file; a refused call leaves it byte for byte
// (test::KrvToolTest::Check).

#include <gtest/gtest.h>

#include <tuple>

#include "settings/KrvDat.h"
#include "model/TeamFile.h"
#include "support/KrvRunner.h"
#include "support/PlayerLine.h"

namespace krv {
namespace {

using test::Ok;

class KrvRoster : public test::KrvToolTest {
 protected:
  // A team of the race with `gold` in the treasury: players 1, 2 (twice), 3 sold, 4 dead and
  // the star 5, with the identities 100 to 105.
  std::string WriteTeam(int32_t race, int32_t gold, const std::string& name = "team.krt") {
    CKRTeam team;
    team.m_nNaechsteID = 100;
    team.m_nRasse = race;
    team.m_strName = "Testteam";
    team.AddEinnahme({"Startkapital", gold});
    for (const auto& [number, player, status] : {std::tuple{1, "Eins", 0},
                                                 {2, "Zwei", 0},
                                                 {2, "Doppelt", 0},
                                                 {3, "Weg", kStatusVerkauft},
                                                 {4, "Tot", kStatusVerstorben}}) {
      test::AddPlayer(team, number, player, "Feldspieler", 6, 3, 3, 8, 50000, number == 1 ? "MehrBlk" : "",
                      team.m_nNaechsteID++, 19);
      team.m_Spieler.back()->m_nStatus = status;
    }
    test::AddPlayer(team, 5, "Star", "Starplayer", 6, 3, 3, 8, 50000, "", team.m_nNaechsteID++, 210);
    team.Recalculate();
    SaveTeamFile(team, Path(name));
    return Path(name);
  }

  void WriteSettings(int32_t maxSpieler, bool careerLog) {
    ProgramSettings settings;
    settings.m_nMaxSpieler = maxSpieler;
    settings.m_bLebenslaufAuto = careerLog ? 1 : 0;
    std::filesystem::create_directories(Path("Daten"));
    SaveProgramSettings(settings, Path("Daten") + "/KRV.DAT");
  }
};

// Catches a purchase through krv that differs from the dialog's (the card price, the expense
// text and kind, the name fallback, the lowest free number of the active players, a star's
// booking), refusals that still write the file or give the wrong status, and the limit of
// players from the settings not applied. (A purchase or star hire the treasury cannot pay:
// PlayerPurchase.PriceComparedWithTreasury and .StarPlayerHire; the Blitzer row shows that
// their refusal reaches stderr.)
TEST_F(KrvRoster, Kaufen) {
  const std::string file = WriteTeam(8, 160000);
  Check(file,
        {
            Ok({"kaufen", "@", "--position", "Werfer", "--name", "Hans", "--karte"},
               {"\"name\":\"Hans\",\"position\":\"Werfer\",\"skills\":\"Ballgef,Wurfs\",\"extra\":\"\","
                "\"injuries\":\"\",\"career\":\"\",\"number\":3,\"BW\":6",
                "{\"text\":\"Einstellung von Hans als Werfer. zum halben Preis!\",\"amount\":35000,\"kind\":19}",
                "\"gold\":\"125000\""}),
            Ok({"kaufen", "@", "--position", "Feldspieler"}, {"\"name\":\"Feldspieler\",\"position\":\"Feldspieler\""}),
            {{"kaufen", "@", "--position", "Blitzer"}, 1, "90.000"},
            {{"kaufen", "@", "--position", "Troll"}, 1, "gibt es bei diesem Team nicht"},
            {{"kaufen", "@", "--star", "Niemand"}, 1},
            {{"kaufen", "@"}, 2},
            {{"kaufen", "@", "--position", "Werfer", "--star", "X"}, 2},
            {{"kaufen", "@", "--star", "X", "--karte"}, 2},
            {{"kaufen", "@", "--position"}, 2},
            {{"kaufen", "@", "@", "--position", "Werfer"}, 2},
            {{"kaufen", Path("fehlt.krt"), "--position", "Werfer"}, 1},
        });
  Check(WriteTeam(8, 1000000, "reich.krt"),
        {Ok({"kaufen", "@", "--star", "Griff Oberwald"}, {"{\"text\":\"Griff Oberwald\",\"amount\":180000,\"kind\":18}",
                                                          "\"name\":\"Griff Oberwald\",\"position\":\"Starplayer\""})});
  WriteSettings(4, true);
  Check(file, {{{"kaufen", "@", "--position", "Feldspieler"}, 1, "Sie haben schon 16 Spieler!"}});
}

// Catches a revival for the wrong race or without its event.
TEST_F(KrvRoster, Zombie) {
  Check(WriteTeam(12, 0), {Ok({"zombie", "@", "--name", "Gregor"},
                              {"\"name\":\"Gregor\",\"position\":\"Neuer Zombie\",\"skills\":\"Reg\"",
                               "{\"text\":\"Wiederbelebung von 'Gregor'.\",\"kind\":1}"})});
  Check(WriteTeam(10, 0, "orks.krt"), {
                                          {{"zombie", "@", "--name", "X"}, 1, "Das dürfen nur Untote"},
                                          {{"zombie", "@"}, 2},
                                      });
}

// Catches the command differing from the confirmed sheet: the career-log entry byte for
// byte (none where the settings turn it off), the new skill sorted in, a player found by
// identity, and the sheet's refusals reaching stderr (their ranges:
// PlayerChange.RangesAndImprovements and .EntryCheck).
TEST_F(KrvRoster, Spieler) {
  const std::string file = WriteTeam(8, 0);
  Check(file, {Ok({"spieler", "@", "--nr", "1", "--st", "4", "--ge", "4", "--fertigkeit", "Tackle"},
                  {"\"skills\":\"MehrBlk,Tackle\"",
                   "wurden folgende Werte verändert:\\r\\nStärke von 3 auf 4, Geschicklichkeit von 3 auf 4, "
                   "\\r\\n\\r\\nEins \\r\\n\\r\\n\""})});
  WriteSettings(16, false);
  Check(file, {
                  Ok({"spieler", "@", "--id", "101", "--td", "2", "--name", "Zweiter"},
                     {"\"name\":\"Zweiter\",\"position\":\"Feldspieler\",\"skills\":\"\",\"extra\":\"\","
                      "\"injuries\":\"\",\"career\":\"\",\"number\":2"}),
                  {{"spieler", "@", "--nr", "1", "--fertigkeit", "Blk"}, 1, "hat der Spieler bereits"},
                  {{"spieler", "@", "--nr", "1", "--fertigkeit", "Unsinn"}, 1},
                  {{"spieler", "@", "--nr", "5", "--ssp", "10"}, 1},
                  {{"spieler", "@", "--nr", "5", "--fertigkeit", "Blk"}, 1},
                  {{"spieler", "@", "--nr", "2", "--td", "1"}, 1},  // two players carry 2
                  {{"spieler", "@", "--nr", "9", "--td", "1"}, 1},  // nobody carries 9
                  {{"spieler", "@", "--id", "104", "--td", "1"}, 1, "Mausetot"},
                  {{"spieler", "@", "--nr", "1", "--bw", "schnell"}, 2},
                  {{"spieler", "@", "--nr", "1", "--id", "100"}, 2},
                  {{"spieler", "@", "--td", "1"}, 2},
              });
}

// Catches a removal that differs from the dialog's: status, reason text, assistant coach,
// the complete removal of a dead player only, and the refusals. (The first step for each
// status: PlayerRemoval.FirstStepByStatus.)
TEST_F(KrvRoster, Entfernen) {
  Check(WriteTeam(8, 0),
        {
            Ok({"entfernen", "@", "--nr", "1", "--grund", "sonstiges", "--text", "Ausgewandert"}),
            Ok({"entfernen", "@", "--id", "101", "--grund", "cotrainer"},
               {"\"injuries\":\"Ausgewandert\"", "\"status\":4,\"id\":100", "\"status\":3,\"id\":101",
                "\"assistantCoaches\":[{\"name\":\"Zwei\",\"career\":\"\"}]"}),
            {{"entfernen", "@", "--id", "104", "--grund", "verkauft"}, 1, "Tot ist kein aktiver Spieler mehr!"},
            Ok({"entfernen", "@", "--id", "104", "--endgueltig"}, {"!\"name\":\"Tot\""}),
            {{"entfernen", "@", "--id", "103", "--endgueltig"}, 1},
            {{"entfernen", "@", "--id", "102", "--endgueltig"}, 1},
            {{"entfernen", "@", "--id", "102", "--grund", "sonstiges"}, 1, "im Feld Sonstiges"},
            {{"entfernen", "@", "--id", "102", "--grund", "sonstiges", "--text", std::string(81, 'x')}, 1},
            {{"entfernen", "@", "--id", "102", "--grund", "entführt"}, 2},
            {{"entfernen", "@", "--id", "102"}, 2},
            {{"entfernen", "@", "--id", "102", "--grund", "verkauft", "--text", "x"}, 2},
        });
}

}  // namespace
}  // namespace krv
