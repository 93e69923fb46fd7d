#pragma once
// The small records a team owns besides its players: staff, ledger entries, matches, events.

#include <cstdint>
#include <string>

namespace krv {

struct CKRCoTrainer {
  std::string m_strName;
  std::string m_strLebenslauf;
};

struct CKRCheerleader {
  std::string m_strName;
  std::string m_strLebenslauf;
};

// Expense kinds as the program books them; files older than version 4 carry kind 0.
enum ExpenseKind : int32_t {
  kAusgabeUnbekannt = 0,
  kAusgabeCotrainer = 10,
  kAusgabeCheerleader = 11,
  kAusgabeMarke = 12,
  kAusgabeMarkeDoppelt = 13,
  kAusgabeZauberer = 14,
  kAusgabeAlchemist = 15,
  kAusgabeMeisterkoch = 16,
  kAusgabeSani = 17,
  kAusgabeStarplayer = 18,
  kAusgabeSpieler = 19,
  kAusgabeVerlust = 20,
  kAusgabeTeamAufstellung = 21,
};

struct CKRAusgaben {
  std::string m_strText;
  int32_t m_nBetrag = 0;
  int32_t m_nArt = 0;
};

struct CKREinnahmen {
  std::string m_strText;
  int32_t m_nBetrag = 0;
};

// Fan-factor change of a match.
enum FanFactorChange : int32_t { kFanNone = 0, kFanRises = 1, kFanFalls = 2 };

struct CKRGames {
  std::string m_strGegner;
  std::string m_strErgebnis;
  std::string m_strBesonderheit;
  std::string m_strVerletzungen;
  std::string m_strDatum;
  int32_t m_nZuschauer = 0;
  int32_t m_nEinnahmen = 0;
  int32_t m_bLiga = 0;
  int32_t m_bGewonnen = 0;
  int32_t m_nFanFaktor = 0;
  int32_t m_nNummer = 0;  // running number in the list, given when a team window fills it; not saved
};

// Event kinds: a re-roll deducted in a match, or anything else.
enum EventKind : int32_t { kEreignisMarkenAbzug = 0, kEreignisSonstiges = 1 };

struct CKREreignisse {
  std::string m_strText;
  int32_t m_nArt = 0;
};

}  // namespace krv
