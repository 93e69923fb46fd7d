#pragma once
// A team with a very long career, for measuring: 500 players (400 of them gone),
// 10,000 matches, 20,000 ledger entries and 2,000 events.

#include <memory>
#include <string>

#include "model/Team.h"
#include "support/PlayerLine.h"

namespace krv::test {

inline std::unique_ptr<CKRTeam> MakeLargeTeam() {
  auto team = std::make_unique<CKRTeam>();
  team->m_nNaechsteID = 100;
  team->m_nRasse = 10;
  team->m_strName = "Große Grünhäute";
  team->m_strTrainer = "Der Trainer";
  team->m_nFanFaktor = 5;
  team->m_nMarken = 3;
  team->m_nMarkenPreis = 60000;
  team->m_nMarkenPreis2 = 120000;
  for (int i = 0; i < 500; ++i) {
    test::AddPlayer(*team, i % 99 + 1, "Schwarzork" + std::to_string(i), "Schwarzork-Blocker", 4, 4, 2, 9, 80000 + i,
                    "Blk,Tackle", team->m_nNaechsteID++, 27);
    team->m_Spieler.back()->m_nSSP = i % 40;
    team->m_Spieler.back()->m_nStatus = i < 400 ? 1 : 0;
    team->m_Spieler.back()->m_strLebenslauf = "12.03.07 Neue Fertigkeit: Blocken\r\n19.04.07 +1 ST";
  }
  for (int i = 0; i < 10000; ++i) {
    team->AddGame({.m_strGegner = "Gegner " + std::to_string(i % 50),
                   .m_strErgebnis = "2:1",
                   .m_strBesonderheit = "Regen und Nebel",
                   .m_strVerletzungen = "Schwarzork3: -1 BW",
                   .m_strDatum = "12.03.07",
                   .m_nZuschauer = 15000 + i,
                   .m_nEinnahmen = 40000 + i,
                   .m_bLiga = 1,
                   .m_bGewonnen = 1,
                   .m_nFanFaktor = i % 3,
                   .m_nNummer = i + 1});
    team->AddEinnahme({"Spiel gegen: Gegner " + std::to_string(i % 50), 40000 + i});
    team->AddAusgabe({"Einstellung von Schwarzork als Blocker.", 80000, kAusgabeSpieler});
  }
  for (int i = 0; i < 2000; ++i) team->AddEreignis({"Abzug einer Trainingsmarke im Spiel gegen Gegner", i % 2});
  return team;
}

}  // namespace krv::test
