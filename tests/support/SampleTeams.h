#pragma once
// Teams built in code for tests: every list filled, texts with umlauts.

#include <memory>

#include "model/Team.h"
#include "support/PlayerLine.h"

namespace krv::test {

inline std::unique_ptr<CKRTeam> MakeSampleTeam(int32_t race = 10) {
  auto team = std::make_unique<CKRTeam>();
  team->m_nNaechsteID = 100;
  team->m_nRasse = race;
  team->m_strName = "Grünhaut Gröhler";
  team->m_strTeamwert = "100";
  team->m_strGold = "0";
  team->m_strTrainer = "Der Trainer";
  team->m_strSani = "Der Sani";
  team->m_bSani = 1;
  team->m_nFanFaktor = 3;
  team->m_nMarken = 2;
  team->m_nMarkenPreis = 60000;
  team->m_nMarkenPreis2 = 120000;
  team->m_strErstellt = "(01.02.07) 10:11:12";
  team->m_strGeaendert = "(03.04.07) 13:14:15";
  team->m_strLogo = "/home/trainer/Logos/orks.bmp";
  team->AddCoTrainer({"Cotrainer1"});
  team->AddCheerleader({"Cheerleader1"});
  team->AddCheerleader({"Cheerleader2"});
  test::AddPlayer(*team, 1, "Blitzer1", "Ork-Blitzer", 6, 3, 3, 9, 80000, "Blk", team->m_nNaechsteID++, 28);
  test::AddPlayer(*team, 2, "Werfer1", "Werfer", 5, 3, 3, 8, 70000, "Pass,Sich.H", team->m_nNaechsteID++, 26);
  team->m_Spieler.back()->m_nSSP = 17;
  team->m_Spieler.back()->m_nTD = 4;
  team->m_Spieler.back()->m_strLebenslauf = "01.03.07 Neue Fertigkeit: Pass\r\nZweite Zeile";
  team->AddEinnahme({"Startkapital", 1000000});
  team->AddAusgabe({"Team-Aufstellung", 1000000, kAusgabeTeamAufstellung});
  team->AddAusgabe({"Trainningsmarke", 60000, kAusgabeMarke});
  team->AddGame({.m_strGegner = "Zwergenstürmer",
                 .m_strErgebnis = "2:1",
                 .m_strBesonderheit = "Regen",
                 .m_strVerletzungen = "Blitzer1: -1 BW",
                 .m_strDatum = "05.03.07",
                 .m_nZuschauer = 12000,
                 .m_nEinnahmen = 45000,
                 .m_bLiga = 1,
                 .m_bGewonnen = 1,
                 .m_nFanFaktor = kFanRises,
                 .m_nNummer = 1});
  team->AddEreignis({"Abzug einer Trainingsmarke im Spiel gegen Zwergenstürmer", kEreignisMarkenAbzug});
  team->m_nMarkenAbzug = 1;
  return team;
}

}  // namespace krv::test
