#pragma once
// An orc team after a full season, as a coach's file looks then: 20 players of whom some
// were sold, died, became an assistant coach or left; 15 matches, league games among
// them; both ledgers; re-roll deductions and other events; a logo far down the folders.

#include <cstdio>
#include <memory>
#include <string>

#include "model/Team.h"
#include "support/PlayerLine.h"

namespace krv::test {

inline std::unique_ptr<CKRTeam> MakeSeasonTeam() {
  auto team = std::make_unique<CKRTeam>();
  CKRTeam& t = *team;
  t.m_nNaechsteID = 100;
  t.m_nRasse = 10;
  t.m_strName = "Grünhaut Gröhler";
  t.m_strTrainer = "Ugluk der Ältere";
  t.m_strSani = "Doc Knochenflick";
  t.m_bSani = 1;
  t.m_nFanFaktor = 4;
  t.m_nMarken = 3;
  t.m_nMarken2 = 1;
  t.m_nMarkenPreis = 60000;
  t.m_nMarkenPreis2 = 120000;
  t.m_strErstellt = "(02.09.06) 19:04:51";
  t.m_strGeaendert = "(28.05.07) 22:41:07";
  t.m_strLogo = "/home/trainer/Dokumente/Krashball/Liga Nordmark 2007/Logos/Grünhaut Gröhler (Heimtrikot).bmp";
  t.AddCoTrainer({"Gorbag"});
  t.AddCoTrainer({"Schagrat"});
  t.AddCheerleader({"Lugdusch"});
  t.AddCheerleader({"Mauhúr"});

  struct P {
    int nr;
    const char* name;
    const char* pos;
    int bw, st, ge, rw, wert;
    const char* skills;
    int code;
    int pass, td, abg, vsa, sdt, ssp;
    int status;
    const char* verl;
  };
  const P players[] = {
      {1, "Grischnak", "Ork-Blitzer", 6, 3, 3, 9, 110000, "Blk,Tackle", 28, 0, 6, 1, 4, 0, 23, 0, ""},
      {2, "Uglúk", "Ork-Blitzer", 6, 3, 3, 9, 100000, "Blk,Ausw.", 28, 0, 3, 0, 2, 1, 16, 0, "-1 BW"},
      {3, "Lugbúrz", "Werfer", 5, 3, 3, 8, 90000, "Pass,Sich.H,Genau", 26, 14, 0, 2, 0, 1, 33, 0, ""},
      {4, "Muzgasch", "Schwarzork-Blocker", 4, 4, 2, 9, 80000, "Blk", 27, 0, 0, 0, 6, 2, 14, 0, "verletzt"},
      {5, "Radbug", "Schwarzork-Blocker", 4, 4, 2, 9, 80000, "", 27, 0, 0, 0, 3, 0, 6, 0, ""},
      {6, "Schagrat", "Schwarzork-Blocker", 4, 4, 2, 9, 70000, "", 27, 0, 0, 0, 1, 0, 2, 3, ""},
      {7, "Gorbag", "Linienork", 5, 3, 3, 9, 50000, "", 25, 0, 1, 0, 0, 0, 3, 1, ""},
      {7, "Snaga", "Linienork", 5, 3, 3, 9, 50000, "Blk", 25, 0, 2, 1, 1, 0, 9, 0, ""},
      {8, "Bolg", "Linienork", 5, 3, 3, 9, 50000, "", 25, 0, 0, 0, 0, 0, 0, 2, ""},
      {9, "Azog", "Linienork", 5, 3, 3, 9, 50000, "Ausw.", 25, 0, 1, 0, 2, 0, 7, 0, ""},
      {10, "Golfimbul", "Troll", 4, 5, 1, 9, 110000, "Immer hungrig,Dumm,Regeneration,Werfen", 29, 0, 0, 0, 5, 0, 10, 0,
       ""},
      {11, "Gothmog", "Linienork", 5, 3, 3, 9, 50000, "", 25, 0, 0, 0, 0, 0, 0, 4, "Zur Konkurrenz gewechselt"},
      {11, "Shagrat", "Linienork", 5, 3, 3, 9, 50000, "", 25, 0, 0, 0, 1, 0, 2, 0, ""},
      {12, "Grishnákh", "Goblin", 6, 2, 3, 7, 40000, "Ausw.,Stunty,Kopfball", 24, 0, 2, 0, 0, 0, 6, 0, ""},
      {13, "Ufthak", "Goblin", 6, 2, 3, 7, 40000, "Ausw.,Stunty", 24, 0, 0, 0, 0, 0, 0, 2, ""},
      {14, "Lagduf", "Linienork", 5, 3, 3, 9, 50000, "", 25, 0, 0, 0, 0, 0, 1, 0, ""},
      {15, "Mauhúr", "Linienork", 5, 3, 3, 9, 50000, "", 25, 0, 1, 0, 0, 0, 3, 1, ""},
      {15, "Ugluk Zwo", "Linienork", 5, 3, 3, 9, 50000, "", 25, 0, 0, 0, 0, 0, 0, 0, ""},
      {16, "Morri der Starke", "Starplayer", 6, 4, 3, 9, 190000, "Blk,Ausw.,Mig.Schlag,Stark", 212, 0, 4, 0, 3, 0, 18,
       0, ""},
      {17, "Lurtz", "Linienork", 5, 3, 3, 9, 50000, "", 25, 0, 0, 0, 0, 0, 0, 0, ""},
  };
  for (const P& p : players) {
    test::AddPlayer(t, p.nr, p.name, p.pos, p.bw, p.st, p.ge, p.rw, p.wert, p.skills, t.m_nNaechsteID++, p.code);
    CKRSpieler& s = *t.m_Spieler.back();
    s.m_nPass = p.pass;
    s.m_nTD = p.td;
    s.m_nABG = p.abg;
    s.m_nVSA = p.vsa;
    s.m_nSDT = p.sdt;
    s.m_nSSP = p.ssp;
    s.m_nStatus = p.status;
    s.m_strVerletzung = p.verl;
  }

  t.AddEinnahme({"Startkapital", 1000000});
  t.AddAusgabe({"Team-Aufstellung", 1000000, kAusgabeTeamAufstellung});

  struct G {
    const char* gegner;
    const char* stand;
    const char* besonderheit;
    const char* verletzungen;
    int zuschauer, einnahmen, liga, fan;
    const char* datum;
  };
  const G games[] = {
      {"Zwergenstürmer", "2:1", "Regen", "Uglúk: -1 BW", 12500, 45000, 0, kFanRises, "16.09.06"},
      {"Altdorfer Adler", "1:1", "", "", 18000, 50000, 1, kFanNone, "30.09.06"},
      {"Grimmige Gräber", "0:2", "Schiri bestochen", "Gorbag: tot", 9000, 30000, 1, kFanFalls, "14.10.06"},
      {"Elfenwind Lanzen", "3:0", "", "", 21000, 60000, 1, kFanRises, "28.10.06"},
      {"Skaven-Sturm", "2:2", "Zauberer verhext den Ball", "", 15500, 40000, 1, kFanNone, "11.11.06"},
      {"Chaos Allstars", "1:3", "", "Bolg: tot, Muzgasch: verletzt", 24000, 70000, 1, kFanFalls, "25.11.06"},
      {"Halblinghausen Hüpfer", "4:0", "Rekordsieg", "", 8000, 20000, 0, kFanRises, "09.12.06"},
      {"Orkland", "2:1", "", "", 19500, 55000, 1, kFanNone, "13.01.07"},
      {"Zwergenstürmer", "1:0", "Schnee", "", 13000, 40000, 1, kFanRises, "27.01.07"},
      {"Echsen von Lustria", "0:1", "", "Ufthak: tot", 16000, 45000, 1, kFanNone, "10.02.07"},
      {"Dunkle Klingen", "2:0", "", "", 20500, 60000, 1, kFanRises, "24.02.07"},
      {"Ogerfaust", "1:1", "Troll frisst Goblin", "", 11000, 35000, 0, kFanNone, "10.03.07"},
      {"Grimmige Gräber", "3:1", "Revanche!", "", 22500, 65000, 1, kFanRises, "24.03.07"},
      {"Altdorfer Adler", "2:3", "", "Uglúk: -1 BW", 26000, 80000, 1, kFanFalls, "14.04.07"},
      {"Elfenwind Lanzen", "2:1", "Pokal-Halbfinale", "", 31000, 100000, 0, kFanRises, "xx.xx.xx"},
  };
  for (const G& g : games) {
    int own = 0, other = 0;
    std::sscanf(g.stand, "%d:%d", &own, &other);
    t.AddGame({.m_strGegner = g.gegner,
               .m_strErgebnis = g.stand,
               .m_strBesonderheit = g.besonderheit,
               .m_strVerletzungen = g.verletzungen,
               .m_strDatum = g.datum,
               .m_nZuschauer = g.zuschauer,
               .m_nEinnahmen = g.einnahmen,
               .m_bLiga = g.liga,
               .m_bGewonnen = own > other ? 1 : 0,
               .m_nFanFaktor = g.fan});
    t.AddEinnahme({std::string("Spiel gegen: ") + g.gegner, g.einnahmen});
  }
  t.AddEinnahme({"Verkauf von Gothmog", 25000});
  t.AddEinnahme({"Sponsor: Brauerei Grünbräu", 30000});

  t.AddAusgabe({"Sani Doc Knochenflick angeworben.", 50000, kAusgabeSani});
  t.AddAusgabe({"Trainningsmarke", 60000, kAusgabeMarke});
  t.AddAusgabe({"Cotrainer Gorbag", 10000, kAusgabeCotrainer});
  t.AddAusgabe({"Einstellung von Snaga als Linienork.", 50000, kAusgabeSpieler});
  t.AddAusgabe({"Einstellung von Golfimbul als Troll.", 110000, kAusgabeSpieler});
  t.AddAusgabe({"CheerleaderIn Mauhúr", 10000, kAusgabeCheerleader});
  t.AddAusgabe({"Trainningsmarke", 120000, kAusgabeMarkeDoppelt});
  t.AddAusgabe({"Morri der Starke", 190000, kAusgabeStarplayer});
  t.AddAusgabe({"Einstellung von Shagrat als Linienork. zum halben Preis!", 25000, kAusgabeSpieler});
  t.AddAusgabe({"Schiedsrichter bestochen", 20000, kAusgabeVerlust});
  t.AddAusgabe({"Einstellung von Ugluk Zwo als Linienork.", 50000, kAusgabeSpieler});
  t.AddAusgabe({"Einstellung von Lurtz als Linienork.", 50000, kAusgabeSpieler});

  t.AddEreignis({"Abzug einer Trainingsmarke im Spiel gegen Grimmige Gräber", kEreignisMarkenAbzug});
  t.AddEreignis({"Schiedsrichter bestochen 20000", kEreignisSonstiges});
  t.AddEreignis({"Der Zauberer Grimbart verlässt das Team!", kEreignisSonstiges});
  t.AddEreignis({"Abzug einer Trainingsmarke im Spiel gegen Chaos Allstars", kEreignisMarkenAbzug});
  t.AddEreignis({"CheerleaderIn Nardúbh verläßt das Team.", kEreignisSonstiges});
  t.m_nMarkenAbzug = 2;
  t.Recalculate();
  return team;
}

}  // namespace krv::test
