#pragma once
// Recording a player's advancement: the values of the sheet "Spielerwerte ändern", their
// ranges, the improvements his star player points have earned, and the dated career-log
// entry that lists what changed. The sheet and `krv spieler` call these; none of them asks.

#include <cstdint>
#include <string>

#include "model/Team.h"

namespace krv {

// The values of the sheet's first page and the text of its career-log page.
struct PlayerChange {
  int32_t m_nNummer = 0;
  std::string m_strName;
  std::string m_strPosition;
  std::string m_strFertigkeiten;
  int32_t m_nBW = 0, m_nST = 0, m_nGE = 0, m_nRW = 0;
  std::string m_strVerletzung;
  int32_t m_nPass = 0, m_nTD = 0, m_nABG = 0, m_nVSA = 0, m_nSDT = 0, m_nSSP = 0;
  std::string m_strLebenslauf;
};

// The sheet's values as the player has them now.
PlayerChange PlayerChangeFrom(const CKRSpieler& player);

// The fields with a range, in the order the sheet checks them.
enum class ChangeField { kNone, kBW, kST, kGE, kRW, kSSP };

struct ChangeRange {
  ChangeField m_Field;
  const char* m_pszLabel;  // the field's label on the sheet
  int32_t m_nLow, m_nHigh;
};

// The sheet's check on OK: the first value outside its range (BW 1-12, ST 1-10, GE 1-6,
// RW 4-10, SSP 0-700) is refused with its German message naming the field and the range
// (warning sign), its ChangeField as `focusField`; nothing when all are within.
ChangeOutcome PlayerChangeRangeRefusal(const PlayerChange& change);
// One field's message: "Bitte geben Sie für „BW“ eine Zahl zwischen 1 und 12 ein."
std::string RangeMessage(ChangeField field);
const ChangeRange& RangeOf(ChangeField field);

// "Steigerungen": the improvements the star player points have earned (0 below 6 ... 11 from 376).
int32_t Improvements(int32_t ssp);

// Star players (codes 200 to 306) get no new skills through "&Neu" and their "SSP" is read-only.
bool IsStarCodeLocked(int32_t positionCode);

// The entry check before the sheet opens: refused with the stop message for a player who is
// no longer active (a dead player's injury text first becomes "Er/Sie/Es ist Mausetot!", as
// the row then shows; the document is not marked modified); nothing for an active player.
ChangeOutcome PlayerChangeEntryRefusal(CKRSpieler& player);

// The career-log entry for the changes from `before` to `after`, dated `date` ("%d.%m.%y").
// `items` receives the number of recorded changes (movement, name and the texts are not recorded).
std::string CareerLogEntry(const CKRSpieler& before, const CKRSpieler& after, const std::string& date, int& items);

// Today as the career log dates its entries: "%d.%m.%y".
std::string CareerLogDate();

// The confirmed sheet: checks the ranges, writes the values into the player, replaces his
// career log with the page's text and, with `careerLogAuto` ("Spielerveränderungen in den
// Lebenslauf eintragen") on and at least one recorded item, appends the entry; then the
// modified routine.
ChangeOutcome ApplyPlayerChange(CKRTeam& team, CKRSpieler& player, const PlayerChange& change, bool careerLogAuto,
                                const std::string& date = CareerLogDate());

// The skills context menu's commands ("Fertigkeiten löschen...", "Fertigkeitentexte ändern")
// change the player's skill text for good, whatever the sheet does afterwards: a cancelled
// sheet hands the text over alone, and this stores it and runs the modified routine.
ChangeOutcome SetSkillsAtOnce(CKRTeam& team, CKRSpieler& player, const std::string& skills);

}  // namespace krv
