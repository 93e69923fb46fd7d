#pragma once
// The root of the object model: everything the program knows about one team.
//
// How a team is changed (every change, in the program and in krv, goes this one way):
//
//  1. A dialog edits a value struct, never the team. Nothing is written while it is open;
//     a refused entry keeps the dialog open with what the coach typed (the dialog runs the
//     core's check, which answers with a ChangeOutcome too).
//  2. The page command asks its questions first (the deletion box, `Frage`). The core never
//     asks and never plays anything.
//  3. A Qt-free core function checks the struct, applies it, calls SetTeamModified() and
//     returns a ChangeOutcome (model/ChangeOutcome.h): the refusal text when it changed
//     nothing, else the notices to show and the sound to play.
//  4. The command shows the outcome. SetTeamModified() has already marked the document
//     and had the window refresh header and pages; a refresh only reads the team.
//  5. krv calls the same core function and prints the outcome instead of showing it.
//
// Worked example, deleting an income entry on the page "Einnahmen":
//
//    void DeleteLedgerRow(RecordListPage* page, Ledger ledger) {      // src/teamwindow/qt
//      const std::string question = DeleteLedgerQuestion(team, ledger, row);
//      if (DeleteConfirmBox(page, Q(question)) != kIdYes) return;   // ask
//      ShowOutcome(page, doc, DeleteLedgerEntry(team, ledger, row)); // apply, show
//    }
//
//    ChangeOutcome DeleteLedgerEntry(CKRTeam& team, Ledger ledger, size_t row) {  // src/season
//      if (!LedgerRowEditable(team, ledger, row)) return RefuseRow(row);
//      ... undo what an expense bought, erase the entry ...
//      team.SetTeamModified();   // document " *", time stamp, Recalculate, window refresh
//      outcome.applied = true;
//      return outcome;
//    }
//
// A test calls DeleteLedgerEntry directly and checks team and outcome; a widget test only
// checks that the page asks and shows.

#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "model/ChangeOutcome.h"
#include "model/Records.h"
#include "model/Spieler.h"
#include "model/TeamChange.h"

namespace krv {

class TeamHost;

// An ordered list of owned records. Null entries can only come from a file; every
// operation skips them and indices count only the records that are there.
template <typename T>
using RecordList = std::vector<std::unique_ptr<T>>;

// One own-race position template.
struct SEigenePosition {
  std::string m_strName;
  std::string m_strSecondName;
  std::string m_strSkills;
  std::string m_strNameCopy;
  int32_t m_nBW = 0;
  int32_t m_nST = 0;
  int32_t m_nGE = 0;
  int32_t m_nRW = 0;
  int32_t m_nCost = 0;
  int32_t m_nPositionCode = 0;  // 47 + index when defined, else 0; not saved
};

constexpr int32_t kEigeneRasse = 15;
// The identity of a team's first player; a file brings the next free one with it.
constexpr int32_t kFirstPlayerIdentity = 100;
constexpr int kEigenePositionen = 8;
constexpr int32_t kFirstEigenePositionCode = 47;

class CKRTeam {
 public:
  CKRTeam();
  CKRTeam(const CKRTeam&) = delete;
  CKRTeam& operator=(const CKRTeam&) = delete;

  // List building; each returns 1.
  int AddCoTrainer(const std::string& name);
  int AddCheerleader(const std::string& name);
  int AddSpieler(int32_t nummer, const std::string& name, const std::string& position, int32_t bw, int32_t st,
                 int32_t ge, int32_t rw, int32_t wert, const std::string& fertigkeiten, int32_t id,
                 int32_t positionCode);
  int AddAusgabe(const std::string& text, int32_t betrag, int32_t art);
  int AddEinnahme(const std::string& text, int32_t betrag);
  int AddGame(const std::string& gegner, const std::string& ergebnis, const std::string& besonderheit,
              const std::string& verletzungen, int32_t zuschauer, int32_t einnahmen, int32_t liga, int32_t gewonnen,
              int32_t nummer, int32_t fanFaktor, const std::string& datum);
  int AddEreignis(const std::string& text, int32_t art);

  // Changing by index (indices count non-null entries); nothing is applied for an index
  // beyond the list. Deleting, with what it undoes, is the season record's (season/).
  int ChangeEinnahme(size_t index, const std::string& text, int32_t betrag);
  int ChangeAusgabe(size_t index, const std::string& text, int32_t betrag);
  CKREreignisse* GetEreignis(size_t index);
  int ChangeEreignis(size_t index, const std::string& text, int32_t art);

  // Staff by exact name.
  CKRCheerleader* FindCheerleader(const std::string& name);
  void RemoveCheerleader(const std::string& name);
  CKRCoTrainer* FindCoTrainer(const std::string& name);
  void RemoveCoTrainer(const std::string& name);

  // Players.
  int32_t GetFreeNummer() const;
  void CountSpielerArten();
  void InitEigenePosition(int index, const std::string& name);

  // Bookkeeping.
  // `change` says what the change did, so that the window redraws only that.
  void SetTeamModified(const TeamChange& change = TeamChange::Everything());
  void Recalculate(const TeamChange& change = TeamChange::Everything());
  void CalcTeamwert();
  int32_t FanFactorInForce() const;

  // The window around the team, told about the modified routine; null without a window.
  TeamHost* m_pHost = nullptr;

  std::string m_strName;
  std::string m_strRassenName;
  std::string m_strTeamwert;
  std::string m_strGold;
  std::string m_strTrainer;
  std::string m_strSani;
  std::string m_strZauberer;
  std::string m_strEingabeName;
  std::string m_strLogo;
  std::string m_strErstellt;
  std::string m_strGeaendert;
  int32_t m_nRasse = 0;
  int32_t m_nFanFaktor = 0;
  int32_t m_nFanFactorAdjustment = 0;
  int32_t m_nMarken = 0;
  int32_t m_nMarkenPreis = 0;
  int32_t m_nMarken2 = 0;
  int32_t m_nMarkenPreis2 = 0;
  int32_t m_nMarkenAbzug = 0;
  int32_t m_nLetzteAusgabeArt = -1;
  int32_t m_nTeamwert = 0;
  int32_t m_bSani = 0;
  int32_t m_bZauberer = 0;
  int32_t m_nNaechsteID = kFirstPlayerIdentity;
  int32_t m_nEinnahmenK = 0;
  int32_t m_nAusgabenK = 0;
  int32_t m_nSSPGesamt = 0;
  int32_t m_nAnzahlSpieler = 0;
  int32_t m_nAnzahlStars = 0;
  int32_t m_nAnzahlBrocken = 0;
  int32_t m_nGesamtwert = 0;
  int32_t m_nVersion = 0;
  bool m_bKeineFans = false;
  bool m_bMutation = false;
  std::array<SEigenePosition, kEigenePositionen> m_Positionen;

  RecordList<CKRCoTrainer> m_CoTrainer;
  RecordList<CKRCheerleader> m_Cheerleader;
  RecordList<CKRSpieler> m_Spieler;
  RecordList<CKRAusgaben> m_Ausgaben;
  RecordList<CKREinnahmen> m_Einnahmen;
  RecordList<CKRGames> m_Games;
  RecordList<CKREreignisse> m_Ereignisse;
};

// The n-th record of a list that is there, or null when the list is shorter.
template <typename T>
T* NthRecord(const RecordList<T>& list, size_t index) {
  for (const auto& entry : list) {
    if (!entry) continue;
    if (index == 0) return entry.get();
    --index;
  }
  return nullptr;
}

// Removes (and so deletes) the record from its list.
template <typename T>
void EraseRecord(RecordList<T>& list, const T* record) {
  for (auto it = list.begin(); it != list.end(); ++it)
    if (it->get() == record) {
      list.erase(it);
      return;
    }
}

// The current local time as the team stamps it: "(%d.%m.%y) %H:%M:%S".
std::string CurrentTimeStamp();

}  // namespace krv
