#pragma once
// The settings page "Team-Liste": a sorted working copy of the system team list that the
// coach adds to and deletes from. The system team list itself changes only when the settings
// sheet is closed with OK (ReplaceTeamList); Cancel simply drops the copy.

#include <string>
#include <vector>

#include "model/StringArray.h"

namespace krv {

// The longest name the page takes.
constexpr size_t kMaxTeamNameChars = 80;

// "0 Teams", "1 Team", "12 Teams".
std::string TeamCountText(size_t count);

class TeamListEdit {
 public:
  explicit TeamListEdit(const CKRStringArray& list);

  // What "&Übernehmen" did with a typed name.
  struct AddResult {
    bool added = false;
    int row = -1;       // the row of the new name, or of the name found that begins with the text
    bool beep = false;  // empty, too long, or already there: nothing was added
  };
  // Adds the name in sorted position unless it is empty, longer than 80 characters, or some
  // name already begins with it (letters compared without regard to case).
  AddResult Add(const std::string& typed);
  // Removes the names at these rows (any order, duplicates ignored).
  void Remove(std::vector<int> rows);

  const std::vector<std::string>& Names() const { return m_names; }
  std::string CountText() const { return TeamCountText(m_names.size()); }

 private:
  std::vector<std::string> m_names;  // always in NameSortKey order
};

// OK of the settings sheet: the list becomes the page's names in their sorted order.
void ReplaceTeamList(CKRStringArray& list, const TeamListEdit& edit);

}  // namespace krv
