#include "settings/TeamListEdit.h"

#include <algorithm>

#include "model/TextCase.h"
#include "model/Windows1252.h"
#include "settings/NameOrder.h"

namespace krv {
namespace {

bool BeginsWithIgnoringAsciiCase(const std::string& name, const std::string& prefix) {
  return name.size() >= prefix.size() &&
         EqualsIgnoringAsciiCase(std::string_view(name).substr(0, prefix.size()), prefix);
}

}  // namespace

std::string TeamCountText(size_t count) {
  return count == 1 ? std::string("1 Team") : std::to_string(count) + " Teams";
}

TeamListEdit::TeamListEdit(const CKRStringArray& list) : m_names(list.m_Items) { SortNames(m_names); }

TeamListEdit::AddResult TeamListEdit::Add(const std::string& typed) {
  AddResult result;
  if (typed.empty() || CharacterCount(typed) > kMaxTeamNameChars) {
    result.beep = true;
    return result;
  }
  for (size_t i = 0; i < m_names.size(); ++i) {
    if (BeginsWithIgnoringAsciiCase(m_names[i], typed)) {
      result.row = static_cast<int>(i);
      result.beep = true;
      return result;
    }
  }
  // After every name of the same or a smaller key, so equal keys stay in the order they came.
  const std::string key = NameSortKey(typed);
  const auto at = std::upper_bound(m_names.begin(), m_names.end(), key,
                                   [](const std::string& k, const std::string& name) { return k < NameSortKey(name); });
  result.row = static_cast<int>(at - m_names.begin());
  m_names.insert(at, typed);
  result.added = true;
  return result;
}

void TeamListEdit::Remove(std::vector<int> rows) {
  std::sort(rows.begin(), rows.end());
  rows.erase(std::unique(rows.begin(), rows.end()), rows.end());
  for (auto row = rows.rbegin(); row != rows.rend(); ++row)
    if (*row >= 0 && static_cast<size_t>(*row) < m_names.size()) m_names.erase(m_names.begin() + *row);
}

void ReplaceTeamList(CKRStringArray& list, const TeamListEdit& edit) { list.m_Items = edit.Names(); }

}  // namespace krv
