#pragma once
// The order of names in the program's sorted lists (staff, team selection): letters without
// regard to case, German umlauts beside their base letters and "ß" as "ss", equal names in
// the order they came.

#include <string>
#include <vector>

namespace krv {

// The order key of one name.
std::string NameSortKey(const std::string& name);
// Sorts the names in place by their keys (stable).
void SortNames(std::vector<std::string>& names);

}  // namespace krv
