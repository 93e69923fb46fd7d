#pragma once
// Rows of a page's list over one of the team's record lists. The list is read on demand;
// only when the list holds empty entries (possible in files) is a table of positions kept.

#include <cstddef>
#include <vector>

#include "model/Team.h"

namespace krv {

template <typename T>
class RecordRows {
 public:
  // Takes the list as it is now: counts its rows and notes where empty entries are.
  void Rebuild(const RecordList<T>& list) {
    m_positions.clear();
    m_size = list.size();
    size_t present = 0;
    for (const auto& entry : list)
      if (entry) ++present;
    m_rows = present;
    if (present == list.size()) return;
    m_positions.reserve(present);
    for (size_t i = 0; i < list.size(); ++i)
      if (list[i]) m_positions.push_back(i);
  }

  size_t Count() const { return m_rows; }
  // The list's length when it was last taken, empty entries included.
  size_t ListSize() const { return m_size; }

  // The record shown in `row`, or null when the list has changed under the rows since
  // Rebuild (a refresh is then due) and the row is gone.
  const T* At(const RecordList<T>& list, size_t row) const {
    if (row >= m_rows) return nullptr;
    const size_t position = m_positions.empty() ? row : m_positions[row];
    return position < list.size() ? list[position].get() : nullptr;
  }

 private:
  std::vector<size_t> m_positions;  // empty while the list has no empty entries
  size_t m_rows = 0;
  size_t m_size = 0;
};

}  // namespace krv
