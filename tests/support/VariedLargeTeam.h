#pragma once
// The large team of the benchmarks made to use every way a text or list can be written:
// an own race with its templates, every Windows-1252 character, characters it cannot hold,
// texts at the limits of the one-byte, word and long length prefixes, and empty entries.

#include <cstdint>
#include <memory>
#include <string>

#include "model/Team.h"
#include "model/Windows1252.h"
#include "support/LargeTeam.h"

namespace krv::test {

inline std::unique_ptr<CKRTeam> MakeVariedLargeTeam() {
  auto team = MakeLargeTeam();
  team->m_nRasse = kEigeneRasse;
  team->m_strRassenName = "Sümpfler € „Œ“";
  for (int i = 0; i < kEigenePositionen; ++i) {
    SEigenePosition& p = team->m_Positionen[static_cast<size_t>(i)];
    p.m_nBW = 4 + i;
    p.m_nST = 3;
    p.m_nGE = 2 + i % 3;
    p.m_nRW = 8;
    p.m_strName = "Fänger " + std::to_string(i);
    p.m_strSecondName = i % 2 ? "Läufer" : "";
    p.m_strSkills = "Blk,Sich.H";
    p.m_strNameCopy = p.m_strName;
    p.m_nCost = 50000 + 10000 * i;
  }
  std::string everyByte;
  for (int b = 1; b < 256; ++b) everyByte += static_cast<char>(b);
  team->m_strTrainer = Windows1252ToUtf8(everyByte);
  team->m_strSani = "Ωmega 🏈 Ğ";                                   // written as "?"
  team->m_strZauberer = std::string("kaputt \xC3 \xFF", 10);       // not UTF-8
  team->m_strLogo = std::string(254, 'a');                         // longest one-byte prefix
  team->m_strErstellt = std::string(255, 'b');                     // shortest word prefix
  team->m_strGeaendert = std::string(0xFFFD, 'c');                 // longest word prefix
  team->m_Spieler[3]->m_strLebenslauf = std::string(0xFFFE, 'd');  // shortest long prefix
  team->m_Spieler[4]->m_strLebenslauf = std::string(70000, 'e') + "ä";
  team->m_Spieler[5]->m_strExtra = "Grünhaut Gröhler, Schädelbrecher";
  team->m_Games[7]->m_strBesonderheit = Windows1252ToUtf8("\x80\x81\x8D\x8F\x90\x9D\x9F");
  team->AddCoTrainer({"Cotrainer1"});
  team->AddCheerleader({"Cheerleader1"});
  team->m_Spieler.insert(team->m_Spieler.begin() + 2, nullptr);
  team->m_Games.push_back(nullptr);
  team->m_Ereignisse.insert(team->m_Ereignisse.begin(), nullptr);
  return team;
}

// FNV-1a over the bytes: a fingerprint that changes with any byte.
inline uint64_t Fingerprint(const std::string& bytes) {
  uint64_t hash = 0xcbf29ce484222325ull;
  for (const char c : bytes) {
    hash ^= static_cast<unsigned char>(c);
    hash *= 0x100000001b3ull;
  }
  return hash;
}

}  // namespace krv::test
