#pragma once
// What one change did to a team, so that the window redraws only that. After every change
// the header and the pages' totals are shown again (a few fields). A record list is redrawn
// whole only when the change may have altered any of its records; a record changed in place
// redraws its row; records appended at a list's end are found by the list's length and
// added as rows; a shorter list is read afresh. A change that says nothing of itself may
// have altered everything.

#include <cstdint>

#include "model/Records.h"
#include "model/Spieler.h"

namespace krv {

enum class TeamList : uint32_t {
  kNone = 0,
  kStaff = 1,  // assistant coaches and cheerleaders
  kPlayers = 2,
  kExpenses = 4,
  kIncome = 8,
  kMatches = 16,
  kEvents = 32,
};

// The list a record class lives in.
template <typename T>
constexpr TeamList kListOf = TeamList::kNone;
template <>
inline constexpr TeamList kListOf<CKRCoTrainer> = TeamList::kStaff;
template <>
inline constexpr TeamList kListOf<CKRCheerleader> = TeamList::kStaff;
template <>
inline constexpr TeamList kListOf<CKRSpieler> = TeamList::kPlayers;
template <>
inline constexpr TeamList kListOf<CKRAusgaben> = TeamList::kExpenses;
template <>
inline constexpr TeamList kListOf<CKREinnahmen> = TeamList::kIncome;
template <>
inline constexpr TeamList kListOf<CKRGames> = TeamList::kMatches;
template <>
inline constexpr TeamList kListOf<CKREreignisse> = TeamList::kEvents;

class TeamChange {
 public:
  // Any record of any list may have changed.
  static TeamChange Everything() { return TeamChange(kAllLists, TeamList::kNone, nullptr); }
  // Only the team's own fields (name, own race name, figures) and appended records.
  static TeamChange TeamFields() { return TeamChange(0, TeamList::kNone, nullptr); }
  // One record changed in place, besides the team's fields and appended records.
  template <typename T>
  static TeamChange Record(const T& record) {
    static_assert(kListOf<T> != TeamList::kNone, "a record of one of the team's lists");
    return TeamChange(0, kListOf<T>, &record);
  }

  // Whether any record of the list may have changed in place.
  bool MayHaveChangedAll(TeamList list) const { return (m_lists & static_cast<uint32_t>(list)) != 0; }
  // The one record of the list changed in place, or null.
  const void* ChangedRecord(TeamList list) const { return m_recordList == list ? m_record : nullptr; }

 private:
  // Every list's bit: the lists are the powers of two up to the last.
  static constexpr uint32_t kAllLists = 2 * static_cast<uint32_t>(TeamList::kEvents) - 1;
  TeamChange(uint32_t lists, TeamList recordList, const void* record)
      : m_lists(lists), m_recordList(recordList), m_record(record) {}

  uint32_t m_lists;
  TeamList m_recordList;
  const void* m_record;
};

}  // namespace krv
